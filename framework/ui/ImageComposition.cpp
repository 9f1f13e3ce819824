#include "ImageComposition.h"

#include <algorithm>

namespace {

constexpr int kBytesPerPixel = 4;

ComposedPixel Blend(const std::uint8_t* rgba, ComposedPixel under)
{
    const unsigned alpha = rgba[3];
    auto channel = [&](unsigned over, int shift) {
        const unsigned below = (under >> shift) & 0xFF;
        return ((over * alpha + below * (255 - alpha) + 127) / 255) << shift;
    };
    return 0xFF000000u | channel(rgba[0], 16) | channel(rgba[1], 8) | channel(rgba[2], 0);
}

int WholeImageScale(int width, int height, int areaWidth, int areaHeight)
{
    if (width <= 0 || height <= 0)
        return 0;
    return std::clamp(std::min(areaWidth / width, areaHeight / height), 1, kMaxImageScale);
}

} // namespace

ComposedImage ComposeImage(int width, int height, std::span<const std::uint8_t> rgba, int areaWidth,
                           int areaHeight)
{
    ComposedImage composed;
    const int scale = WholeImageScale(width, height, areaWidth, areaHeight);
    if (scale == 0 || rgba.size() < static_cast<std::size_t>(width) * height * kBytesPerPixel)
        return composed;
    composed.scale = scale;
    // Centred; an image larger than the control shows its middle.
    const int left = (areaWidth - width * scale) / 2;
    const int top = (areaHeight - height * scale) / 2;
    composed.x = std::max(left, 0);
    composed.y = std::max(top, 0);
    composed.width = std::min(width * scale - (composed.x - left), areaWidth - composed.x);
    composed.height = std::min(height * scale - (composed.y - top), areaHeight - composed.y);
    if (composed.width <= 0 || composed.height <= 0) {
        composed.width = composed.height = 0;
        return composed;
    }
    composed.pixels.resize(static_cast<std::size_t>(composed.width) * composed.height);
    ComposedPixel* out = composed.pixels.data();
    for (int row = 0; row < composed.height; ++row) {
        // Offsets from the image's own corner, so the squares start with it.
        const int imageY = composed.y - top + row;
        const std::uint8_t* source = rgba.data() + static_cast<std::size_t>(imageY / scale) * width * kBytesPerPixel;
        for (int column = 0; column < composed.width; ++column) {
            const int imageX = composed.x - left + column;
            const bool dark = ((imageX / kCheckerSide) + (imageY / kCheckerSide)) % 2 != 0;
            *out++ = Blend(source + (imageX / scale) * kBytesPerPixel, dark ? kCheckerDark : kCheckerLight);
        }
    }
    return composed;
}
