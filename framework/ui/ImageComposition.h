#pragma once

#include <cstdint>
#include <span>
#include <vector>

// What an image control draws: the image enlarged by a whole factor, each
// pixel a square of that side (never blurred), over a checkerboard that
// shows through its transparent pixels, centred in the control and cut to
// it. Written once, so that every backend only copies the pixels out.

// Pixels as both backends take them: 0xFFRRGGBB, opaque.
using ComposedPixel = std::uint32_t;

// The two squares of the checkerboard, and their side in screen pixels.
inline constexpr ComposedPixel kCheckerLight = 0xFFD8D8D8;
inline constexpr ComposedPixel kCheckerDark = 0xFFA8A8A8;
inline constexpr int kCheckerSide = 8;
// A small image is enlarged no further than this.
inline constexpr int kMaxImageScale = 4;

struct ComposedImage {
    int scale = 0;  // 0: no image
    // Where the composed pixels go in the control, and how many there are.
    int x = 0, y = 0, width = 0, height = 0;
    std::vector<ComposedPixel> pixels;  // row by row
};

// `rgba`: `width` x `height` pixels of red, green, blue and alpha bytes,
// shown at the largest whole factor, up to kMaxImageScale, at which they fit
// `areaWidth` x `areaHeight`; 1 when not even that fits.
ComposedImage ComposeImage(int width, int height, std::span<const std::uint8_t> rgba, int areaWidth,
                           int areaHeight);
