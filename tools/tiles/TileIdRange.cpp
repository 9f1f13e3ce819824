#include "TileIdRange.h"

#include "TileColumns.h"
#include "ToolCommand.h"

#include <ostream>
#include <string_view>

namespace {

std::optional<TileIdRange> ParseTileIdRange(std::string_view text)
{
    const std::size_t dash = text.find('-');
    const std::optional<int> from = ParseTileId(text.substr(0, dash));
    const std::optional<int> to = dash == std::string_view::npos ? from : ParseTileId(text.substr(dash + 1));
    if (!from || !to || *from > *to)
        return std::nullopt;
    return TileIdRange{*from, *to};
}

} // namespace

std::string TileIdRange::Text() const
{
    return FormatTileId(first) + "-" + FormatTileId(last);
}

std::optional<TileIdRange> IdsWithin(const std::string& ids, int count, const ToolCommand& command,
                                     std::ostream& err)
{
    const TileIdRange all{0, count - 1};
    if (ids.empty())
        return all;
    const std::optional<TileIdRange> asked = ParseTileIdRange(ids);
    if (asked && asked->last <= all.last)
        return asked;
    ToolError(err, command) << "--ids takes a hex id or range within " << all.Text() << ", not " << ids << '\n';
    return std::nullopt;
}
