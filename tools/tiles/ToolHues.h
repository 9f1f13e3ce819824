#pragma once

#include "HueTable.h"

#include <iosfwd>
#include <optional>
#include <string>

struct ToolCommand;

// The hue table beside a tile-data file for a command that draws or lists
// hues; nothing, after telling why, when there is none to use (no file,
// one holding no whole group, or one that cannot be read).
std::optional<HueTable> LoadHuesBeside(const std::string& tileDataPath, std::ostream& err);

// A decimal number of at most nine digits, nothing else.
std::optional<int> ParseDecimal(std::string_view text);

// The hues a command's --ids asks for, as "5" or "1-100" (decimal, first
// not past last) within 1 .. count; every hue when `ids` is empty. Nothing,
// after the command's line naming the range, otherwise.
struct HueRange {
    int first = 1;
    int last = 0;
};
std::optional<HueRange> HuesWithin(const std::string& ids, int count, const ToolCommand& command, std::ostream& err);
