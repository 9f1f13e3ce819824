#include "ListLine.h"

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kPatchedMark[] = " (p)";
} // namespace

std::string FormatListLine(int index, const StaticTileEntry& entry)
{
    std::string line;
    line.reserve(kListLineBytes);
    for (int shift = 12; shift >= 0; shift -= 4)
        line.push_back(kHexDigits[(index >> shift) & 0xF]);
    line += " - ";
    line += TileName(entry);
    if (entry.patched)
        line += kPatchedMark;
    return line;
}
