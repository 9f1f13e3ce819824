#include "ArtEncoder.h"

#include "ArtDecoder.h"
#include "ArtNumbering.h"

#include <bit>
#include <cstring>


namespace {

constexpr int kOpaqueAlpha = 128;
constexpr std::uint16_t kDarkest = 0x0001;
// Row starts are 16-bit word offsets into the run data.
constexpr std::size_t kMostRunWords = 0x10000;
constexpr std::size_t kStaticHeaderSize = 8;  // header word, width, height

void Put16(std::vector<std::uint8_t>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Calls run(x, length) for each stretch of opaque pixels in the row, left to right.
template <typename Run>
void ForEachRun(const std::uint16_t* row, int width, Run&& run)
{
    for (int x = 0; x < width;) {
        if (row[x] == 0) {
            ++x;
            continue;
        }
        const int start = x;
        while (x < width && row[x] != 0)
            ++x;
        run(start, x - start);
    }
}

// Where the last row starts in the run data, in words: the largest value
// the row table must be able to hold.
std::size_t LastRowStart(const ArtPixels& picture)
{
    std::size_t words = 0;
    for (int y = 0; y + 1 < picture.height; ++y) {
        ForEachRun(&picture.pixels[static_cast<std::size_t>(y) * picture.width], picture.width,
                   [&](int, int length) { words += 2 + static_cast<std::size_t>(length); });
        words += 2;  // the row's end: 0, 0
    }
    return words;
}

std::vector<std::uint8_t> EncodeLand(const ArtPixels& picture)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kLandArtBytes);
    for (int y = 0; y < kLandArtSide; ++y) {
        const int count = LandRowPixels(y);
        const int x = kLandArtSide / 2 - count / 2;
        for (int i = 0; i < count; ++i)
            Put16(bytes, picture.pixels[static_cast<std::size_t>(y) * kLandArtSide + x + i]);
    }
    return bytes;
}

std::vector<std::uint8_t> EncodeStatic(const ArtPixels& picture, std::uint32_t header)
{
    // One pass, into room enough for the most runs a row can hold (one
    // pixel in two): each run 2 words and its pixels, each row's end 2.
    const std::size_t width = static_cast<std::size_t>(picture.width);
    const std::size_t height = static_cast<std::size_t>(picture.height);
    std::vector<std::uint8_t> bytes(kStaticHeaderSize + 2 * height + 2 * height * (width + 2 * ((width + 1) / 2) + 2));
    std::uint8_t* out = bytes.data();
    const auto put = [&](std::uint16_t value) {
        out[0] = static_cast<std::uint8_t>(value);
        out[1] = static_cast<std::uint8_t>(value >> 8);
        out += 2;
    };
    for (int shift = 0; shift < 32; shift += 8)
        *out++ = static_cast<std::uint8_t>(header >> shift);
    put(static_cast<std::uint16_t>(width));
    put(static_cast<std::uint16_t>(height));
    std::uint8_t* const lookup = out;
    out += 2 * height;
    std::uint8_t* const runData = out;
    for (std::size_t y = 0; y < height; ++y) {
        const auto start = static_cast<std::uint16_t>((out - runData) / 2);  // checked by WhyNotStorable
        lookup[2 * y] = static_cast<std::uint8_t>(start);
        lookup[2 * y + 1] = static_cast<std::uint8_t>(start >> 8);
        const std::uint16_t* row = &picture.pixels[y * width];
        int end = 0;  // where the previous run ended
        ForEachRun(row, picture.width, [&](int x, int length) {
            put(static_cast<std::uint16_t>(x - end));
            put(static_cast<std::uint16_t>(length));
            if constexpr (std::endian::native == std::endian::little) {
                std::memcpy(out, row + x, 2 * static_cast<std::size_t>(length));
                out += 2 * length;
            } else {
                for (int i = 0; i < length; ++i)
                    put(row[x + i]);
            }
            end = x + length;
        });
        put(0);
        put(0);
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return bytes;
}

} // namespace

namespace {

std::uint16_t ArtColour(const std::uint8_t* rgba)
{
    if (rgba[3] < kOpaqueAlpha)
        return 0;
    const auto colour = static_cast<std::uint16_t>((rgba[0] >> 3) << 10 | (rgba[1] >> 3) << 5 | rgba[2] >> 3);
    return colour == 0 ? kDarkest : colour;
}

} // namespace

ArtPixels PixelsFromImage(const ArtImage& image)
{
    ArtPixels picture{image.width, image.height, {}};
    const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    picture.pixels.resize(count);
    const std::uint8_t* rgba = image.rgba.data();
    for (std::size_t i = 0; i < count; ++i, rgba += kArtBytesPerPixel)
        picture.pixels[i] = ArtColour(rgba);
    return picture;
}

bool ShowsPixels(const ArtImage& image, const ArtPixels& picture)
{
    if (image.width != picture.width || image.height != picture.height)
        return false;
    const std::uint8_t* rgba = image.rgba.data();
    for (std::size_t i = 0; i < picture.pixels.size(); ++i, rgba += kArtBytesPerPixel)
        if (ArtColour(rgba) != picture.pixels[i])
            return false;
    return true;
}

std::optional<std::string> WhyNotStorable(std::uint32_t artIndex, const ArtPixels& picture)
{
    const std::string size = std::to_string(picture.width) + " x " + std::to_string(picture.height);
    if (IsLandArt(artIndex)) {
        if (picture.width != kLandArtSide || picture.height != kLandArtSide)
            return "a land picture is 44 x 44, not " + size;
        return std::nullopt;
    }
    if (picture.width <= 0 || picture.height <= 0)
        return "the picture is empty (" + size + ")";
    if (picture.width > kMaxStaticArtSide || picture.height > kMaxStaticArtSide)
        return "the picture is " + size + ", larger than " + std::to_string(kMaxStaticArtSide) + " x " +
               std::to_string(kMaxStaticArtSide);
    if (const std::size_t last = LastRowStart(picture); last >= kMostRunWords)
        return "its last rows would start " + std::to_string(last) +
               " words into its run data, past the 65,535 a row table can name";
    return std::nullopt;
}

std::vector<std::uint8_t> EncodeArt(std::uint32_t artIndex, const ArtPixels& picture, std::uint32_t header)
{
    return IsLandArt(artIndex) ? EncodeLand(picture) : EncodeStatic(picture, header);
}
