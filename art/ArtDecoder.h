#pragma once

// The land and static image bytes, and when they are damaged: docs/file-formats.md, "Art index and art file".

#include "ArtImage.h"
#include "ArtPalette.h"

#include <cstdint>
#include <span>

// Decodes the bytes of one art entry, as the art file holds them, into a
// picture: a land diamond of 44 x 44 for a land art index, a static image
// of its own width and height otherwise. Reads nothing outside `entry`;
// bytes that cannot be a picture give a damaged result with the reason.
// Each pixel is drawn as the palette gives it: plainly, or through a hue.
ArtResult DecodeArt(std::uint32_t artIndex, std::span<const std::uint8_t> entry,
                    const ArtPalette& palette = ArtPalette::Plain());
// The same result written into `out`, whose picture buffer is reused: no
// allocation unless the picture is larger than the buffer has held, and
// only the pixels no run draws are cleared.
void DecodeArtInto(std::uint32_t artIndex, std::span<const std::uint8_t> entry, const ArtPalette& palette,
                   ArtResult& out);

// The side of a land diamond, and the bytes of its 16-bit pixels.
inline constexpr int kLandArtSide = 44;
inline constexpr std::uint32_t kLandArtBytes = 2024;

// A land diamond's pixels in row `y`: rows 0..21 hold 2, 4, ..., 44, rows
// 22..43 as many in reverse, each centred.
constexpr int LandRowPixels(int y)
{
    return 2 * (y < kLandArtSide / 2 ? y + 1 : kLandArtSide - y);
}
// No static picture is wider or taller than this: one claiming more is
// damaged rather than a reason to allocate gigabytes.
inline constexpr int kMaxStaticArtSide = 2048;
