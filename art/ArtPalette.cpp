#include "ArtPalette.h"

#include <cstring>

namespace {

std::uint8_t Widen(std::uint32_t fiveBits)
{
    return static_cast<std::uint8_t>((fiveBits << 3) | (fiveBits >> 2));
}

// An opaque pixel of a 16-bit colour, its 15 bits 0 included (black).
std::uint32_t OpaquePixel(std::uint32_t colour)
{
    const std::uint8_t rgba[] = {Widen(colour >> 10 & 31), Widen(colour >> 5 & 31), Widen(colour & 31), 0xFF};
    std::uint32_t pixel;
    std::memcpy(&pixel, rgba, sizeof pixel);
    return pixel;
}

bool IsGrey(std::uint32_t colour)
{
    const std::uint32_t red = colour >> 10 & 31, green = colour >> 5 & 31, blue = colour & 31;
    return red == green && green == blue;
}

} // namespace

std::uint32_t HueColourPixel(std::uint16_t colour)
{
    return OpaquePixel(colour & ArtPalette::kColourBits);
}

const ArtPalette& ArtPalette::Plain()
{
    static const ArtPalette plain = [] {
        ArtPalette palette;
        for (std::uint32_t c = 1; c <= kColourBits; ++c)  // colour 0 stays transparent
            palette.m_pixels[c] = OpaquePixel(c);
        return palette;
    }();
    return plain;
}

ArtPalette ArtPalette::Hued(const Hue& hue, bool partial)
{
    const ArtPalette& plain = Plain();
    ArtPalette palette;
    for (std::uint32_t c = 1; c <= kColourBits; ++c)
        palette.m_pixels[c] =
            partial && !IsGrey(c) ? plain.m_pixels[c] : HueColourPixel(hue.colours[c >> 10 & 31]);
    return palette;
}

const ArtPalette& TileHuePalettes::For(TileFlags flags)
{
    if (!m_hue)
        return ArtPalette::Plain();
    const bool partial = (flags & TileFlag::kPartialHue) != 0;
    std::optional<ArtPalette>& palette = partial ? m_partial : m_full;
    if (!palette)
        palette = ArtPalette::Hued(*m_hue, partial);
    return *palette;
}
