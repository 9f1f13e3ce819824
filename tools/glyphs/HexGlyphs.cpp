#include "HexGlyphs.h"

namespace {

// Each glyph row as three bits, the leftmost pixel the highest.
constexpr std::uint8_t kRows[16][kGlyphHeight] = {
    {7, 5, 5, 5, 7},  // 0
    {2, 6, 2, 2, 7},  // 1
    {7, 1, 7, 4, 7},  // 2
    {7, 1, 7, 1, 7},  // 3
    {5, 5, 7, 1, 1},  // 4
    {7, 4, 7, 1, 7},  // 5
    {7, 4, 7, 5, 7},  // 6
    {7, 1, 2, 2, 2},  // 7
    {7, 5, 7, 5, 7},  // 8
    {7, 5, 7, 1, 7},  // 9
    {2, 5, 7, 5, 5},  // A
    {6, 5, 6, 5, 6},  // B
    {3, 4, 4, 4, 3},  // C
    {6, 5, 5, 5, 6},  // D
    {7, 4, 7, 4, 7},  // E
    {7, 4, 7, 4, 4},  // F
};

} // namespace

bool HexGlyphPixel(int digit, int x, int y)
{
    return (kRows[digit][y] >> (kGlyphWidth - 1 - x) & 1) != 0;
}
