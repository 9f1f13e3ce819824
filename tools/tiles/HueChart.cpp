#include "HueChart.h"

#include "ArtPalette.h"
#include "Glyphs.h"

#include <array>
#include <cstring>
#include <string>

namespace {

constexpr int kMargin = 2;
constexpr int kSwatchSide = 8;
constexpr int kRowHeight = kSwatchSide + 1;
// Hue numbers run to five digits; names to twenty bytes.
constexpr int kNumberWidth = 5 * kGlyphAdvance;
constexpr int kNameWidth = static_cast<int>(kHueNameSize) * kGlyphAdvance;
constexpr int kSwatchesLeft = kMargin + kNumberWidth + kMargin;
constexpr int kNameLeft = kSwatchesLeft + kHueColourCount * kSwatchSide + 2 * kMargin;
constexpr int kChartWidth = kNameLeft + kNameWidth + kMargin;
constexpr int kTextTop = (kRowHeight - kGlyphHeight) / 2;

constexpr std::array<std::uint8_t, kArtBytesPerPixel> kBackground = {0xF0, 0xF0, 0xF0, 0xFF};
constexpr std::array<std::uint8_t, kArtBytesPerPixel> kInk = {0x10, 0x10, 0x10, 0xFF};

void Put(ArtImage& image, int x, int y, const void* pixel)
{
    std::memcpy(&image.rgba[(std::size_t(y) * image.width + x) * kArtBytesPerPixel], pixel, kArtBytesPerPixel);
}

} // namespace

ArtImage DrawHueChart(const HueTable& hues, int first, int last)
{
    const int rows = last - first + 1;
    ArtImage chart{kChartWidth, rows * kRowHeight + 2 * kMargin, {}};
    chart.rgba.resize(std::size_t(chart.width) * chart.height * kArtBytesPerPixel);
    for (std::size_t i = 0; i < chart.rgba.size(); i += kArtBytesPerPixel)
        std::memcpy(&chart.rgba[i], kBackground.data(), kArtBytesPerPixel);
    const auto ink = [&](int x, int y) { Put(chart, x, y, kInk.data()); };
    for (int number = first; number <= last; ++number) {
        const Hue& hue = hues[number];
        const int top = kMargin + (number - first) * kRowHeight;
        const std::string digits = std::to_string(number);
        DrawText(digits, kMargin + kNumberWidth - static_cast<int>(digits.size()) * kGlyphAdvance, top + kTextTop, 1,
                 ink);
        for (int c = 0; c < kHueColourCount; ++c) {
            // As a picture is drawn through the hue: a colour of 0 is black.
            const std::uint32_t pixel = HueColourPixel(hue.colours[c]);
            for (int y = 0; y < kSwatchSide; ++y)
                for (int x = 0; x < kSwatchSide; ++x)
                    Put(chart, kSwatchesLeft + c * kSwatchSide + x, top + y, &pixel);
        }
        DrawText(hue.name, kNameLeft, top + kTextTop, 1, ink);
    }
    return chart;
}
