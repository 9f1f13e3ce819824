#pragma once

// Drawing through a hue: docs/file-formats.md, "Hue table".

#include "HueTable.h"
#include "TileFlags.h"

#include <cstdint>
#include <optional>
#include <vector>

// The RGBA pixel, red first in memory, that each 16-bit colour of a picture
// is drawn as (bit 15 ignored): plainly, or through a hue. Decoding a
// picture looks every pixel up here, so that a hued picture costs what a
// plain one does.
class ArtPalette {
public:
    // Colour 0 transparent, every other opaque, each 5-bit channel widened to 8 bits.
    static const ArtPalette& Plain();
    // Through `hue`: a pixel's red bits pick the hue's colour, drawn opaque
    // even when its own 15 bits are 0 (black). `partial` changes only the
    // grey pixels (red = green = blue); the others keep their colour.
    // Transparent stays transparent.
    static ArtPalette Hued(const Hue& hue, bool partial);

    std::uint32_t Pixel(std::uint16_t colour) const { return m_pixels[colour & kColourBits]; }
    // Every colour's pixel, by its 15 bits: for loops that keep the table at hand.
    const std::uint32_t* Pixels() const { return m_pixels.data(); }

    static constexpr std::uint16_t kColourBits = 0x7FFF;

private:
    ArtPalette() : m_pixels(kColourBits + 1u) {}
    std::vector<std::uint32_t> m_pixels;
};

// The opaque pixel that a hue's 16-bit colour is drawn as, black for 0.
std::uint32_t HueColourPixel(std::uint16_t colour);

// The palettes a picture of each tile is drawn with for one hue (none for
// no hue): the full hue, or the partial one for a tile with Partial Hue.
// Each is made when first asked for.
class TileHuePalettes {
public:
    explicit TileHuePalettes(const Hue* hue = nullptr) : m_hue(hue) {}
    const ArtPalette& For(TileFlags flags);

private:
    const Hue* m_hue;
    std::optional<ArtPalette> m_full, m_partial;
};
