#include "ToolHues.h"

#include "PathParts.h"
#include "ToolCommand.h"

#include <ostream>
#include <string_view>

std::optional<HueTable> LoadHuesBeside(const std::string& tileDataPath, std::ostream& err)
{
    HueTable hues = HueTable::Load(tileDataPath);
    if (!hues.Failure().empty()) {
        ToolError(err) << hues.Failure() << '\n';
        return std::nullopt;
    }
    if (hues.File().empty()) {
        ToolError(err) << "no hue table beside " << tileDataPath << " (looked for " << kHueFileName << ")\n";
        return std::nullopt;
    }
    if (hues.Count() == 0) {
        ToolError(err) << hues.File() << " holds no hues (not one whole group of " << kHueGroupSize << " bytes)\n";
        return std::nullopt;
    }
    return hues;
}

std::optional<int> ParseDecimal(std::string_view text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<HueRange> HuesWithin(const std::string& ids, int count, const ToolCommand& command, std::ostream& err)
{
    if (ids.empty())
        return HueRange{1, count};
    const std::string_view text = ids;
    const std::size_t dash = text.find('-');
    const std::optional<int> first = ParseDecimal(text.substr(0, dash));
    const std::optional<int> last = dash == std::string_view::npos ? first : ParseDecimal(text.substr(dash + 1));
    if (first && last && *first >= 1 && *first <= *last && *last <= count)
        return HueRange{*first, *last};
    ToolError(err, command) << "--ids takes a hue number or range within 1-" << count << ", not " << ids << '\n';
    return std::nullopt;
}
