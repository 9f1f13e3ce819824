#pragma once

// How a picture becomes an art entry's bytes: docs/file-formats.md, "Writing art".

#include "ArtImage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A picture in the art files' own colours: `width` x `height` 16-bit
// pixels, row by row; 0 is transparent (nothing drawn there).
struct ArtPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> pixels;

    bool operator==(const ArtPixels&) const = default;
};

// The picture in 16-bit colour: a pixel with alpha below 128 is
// transparent; any other keeps the top five bits of each channel, and
// pure black, which would read as transparent, becomes the darkest
// colour there is (0x0001). A picture decoded from the art files comes
// back to the 16-bit values it was decoded from.
ArtPixels PixelsFromImage(const ArtImage& image);
// Whether the image, brought to 16-bit colour so, is the picture.
bool ShowsPixels(const ArtImage& image, const ArtPixels& picture);

// Why the picture cannot be art index `artIndex`'s (a land picture not
// 44 x 44, a static one empty or larger than the readers take, or whose
// rows would start too far into its run data for the row table), or
// nothing when it can.
std::optional<std::string> WhyNotStorable(std::uint32_t artIndex, const ArtPixels& picture);

// The entry's bytes for a picture that WhyNotStorable accepts: a land
// diamond's 1012 pixels, or a static image of rows of runs under a row
// table, with `header` as its first word (the meaning of which is not
// known: the tile's previous entry's is kept).
std::vector<std::uint8_t> EncodeArt(std::uint32_t artIndex, const ArtPixels& picture, std::uint32_t header = 0);
