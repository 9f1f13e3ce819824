#include "TileIdRange.h"

#include "TileColumns.h"

std::string TileIdRange::Text() const
{
    return FormatTileId(first) + "-" + FormatTileId(last);
}

std::optional<TileIdRange> ParseTileIdRange(std::string_view text)
{
    const std::size_t dash = text.find('-');
    const std::optional<int> from = ParseTileId(text.substr(0, dash));
    const std::optional<int> to = dash == std::string_view::npos ? from : ParseTileId(text.substr(dash + 1));
    if (!from || !to || *from > *to)
        return std::nullopt;
    return TileIdRange{*from, *to};
}
