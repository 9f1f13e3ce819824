#pragma once

#include <cstdint>

// A tiny bitmap font of the sixteen hex digits, 3 x 5 pixels each, for
// drawing tile ids into pictures without a font library.
inline constexpr int kGlyphWidth = 3;
inline constexpr int kGlyphHeight = 5;
// From one digit's left edge to the next one's.
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

// Whether the pixel at (x, y) of the digit's glyph is drawn; `digit` is
// 0-15, x 0-2, y 0-4.
bool HexGlyphPixel(int digit, int x, int y);

// Calls plot(x, y) for every drawn pixel of `value` written as `digits`
// upper-case hex digits, each glyph pixel a square of `scale` pixels,
// the text's top left corner at (left, top).
template <typename Plot>
void DrawHexNumber(std::uint32_t value, int digits, int left, int top, int scale, Plot&& plot)
{
    for (int d = 0; d < digits; ++d) {
        const int digit = static_cast<int>(value >> (4 * (digits - 1 - d)) & 0xF);
        for (int y = 0; y < kGlyphHeight; ++y)
            for (int x = 0; x < kGlyphWidth; ++x)
                if (HexGlyphPixel(digit, x, y))
                    for (int sy = 0; sy < scale; ++sy)
                        for (int sx = 0; sx < scale; ++sx)
                            plot(left + (d * kGlyphAdvance + x) * scale + sx, top + y * scale + sy);
    }
}
