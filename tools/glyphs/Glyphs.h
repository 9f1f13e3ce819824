#pragma once

#include <cstdint>
#include <string_view>

// A tiny bitmap font of the printable ASCII characters (space to '~'),
// 3 x 5 pixels each, for drawing ids, numbers and names into pictures
// without a font library.
inline constexpr int kGlyphWidth = 3;
inline constexpr int kGlyphHeight = 5;
// From one character's left edge to the next one's.
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;
inline constexpr char kFirstGlyph = ' ';
inline constexpr char kLastGlyph = '~';
// What a byte outside the font's range is drawn as.
inline constexpr char kMissingGlyph = '?';

// Whether the pixel at (x, y) of the character's glyph is drawn; x 0-2,
// y 0-4. A byte outside the font's range has the glyph of '?'.
bool GlyphPixel(char character, int x, int y);

// Calls plot(x, y) for every drawn pixel of `text`, each glyph pixel a
// square of `scale` pixels, the text's top left corner at (left, top).
template <typename Plot>
void DrawText(std::string_view text, int left, int top, int scale, Plot&& plot)
{
    for (std::size_t c = 0; c < text.size(); ++c)
        for (int y = 0; y < kGlyphHeight; ++y)
            for (int x = 0; x < kGlyphWidth; ++x)
                if (GlyphPixel(text[c], x, y))
                    for (int sy = 0; sy < scale; ++sy)
                        for (int sx = 0; sx < scale; ++sx)
                            plot(left + (static_cast<int>(c) * kGlyphAdvance + x) * scale + sx, top + y * scale + sy);
}

// `value` written as `digits` upper-case hex digits, drawn as DrawText draws.
template <typename Plot>
void DrawHexNumber(std::uint32_t value, int digits, int left, int top, int scale, Plot&& plot)
{
    char text[8];
    for (int d = 0; d < digits; ++d)
        text[d] = "0123456789ABCDEF"[value >> (4 * (digits - 1 - d)) & 0xF];
    DrawText(std::string_view(text, static_cast<std::size_t>(digits)), left, top, scale, plot);
}
