#include "ArtEncoder.h"

#include "ArtDecoder.h"
#include "ArtNumbering.h"


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

int LandRowPixels(int y)
{
    const int half = kLandArtSide / 2;
    return 2 * (y < half ? y + 1 : kLandArtSide - y);
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

// The run data's size in words before each row, and after the last: what
// the row table must be able to name.
std::vector<std::size_t> RowStarts(const ArtPixels& picture)
{
    std::vector<std::size_t> starts;
    starts.reserve(static_cast<std::size_t>(picture.height) + 1);
    std::size_t words = 0;
    for (int y = 0; y < picture.height; ++y) {
        starts.push_back(words);
        ForEachRun(&picture.pixels[static_cast<std::size_t>(y) * picture.width], picture.width,
                   [&](int, int length) { words += 2 + static_cast<std::size_t>(length); });
        words += 2;  // the row's end: 0, 0
    }
    starts.push_back(words);
    return starts;
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
    const std::vector<std::size_t> starts = RowStarts(picture);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kStaticHeaderSize + 2 * picture.height + 2 * starts.back());
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(header >> shift));
    Put16(bytes, static_cast<std::uint16_t>(picture.width));
    Put16(bytes, static_cast<std::uint16_t>(picture.height));
    for (int y = 0; y < picture.height; ++y)
        Put16(bytes, static_cast<std::uint16_t>(starts[static_cast<std::size_t>(y)]));
    for (int y = 0; y < picture.height; ++y) {
        const std::uint16_t* row = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
        int end = 0;  // where the previous run ended
        ForEachRun(row, picture.width, [&](int x, int length) {
            Put16(bytes, static_cast<std::uint16_t>(x - end));
            Put16(bytes, static_cast<std::uint16_t>(length));
            for (int i = 0; i < length; ++i)
                Put16(bytes, row[x + i]);
            end = x + length;
        });
        Put16(bytes, 0);
        Put16(bytes, 0);
    }
    return bytes;
}

} // namespace

ArtPixels PixelsFromImage(const ArtImage& image)
{
    ArtPixels picture{image.width, image.height, {}};
    const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    picture.pixels.resize(count);
    const std::uint8_t* rgba = image.rgba.data();
    for (std::size_t i = 0; i < count; ++i, rgba += kArtBytesPerPixel) {
        if (rgba[3] < kOpaqueAlpha)
            continue;
        const auto colour = static_cast<std::uint16_t>((rgba[0] >> 3) << 10 | (rgba[1] >> 3) << 5 | rgba[2] >> 3);
        picture.pixels[i] = colour == 0 ? kDarkest : colour;
    }
    return picture;
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
    const std::vector<std::size_t> starts = RowStarts(picture);
    if (starts[starts.size() - 2] >= kMostRunWords)
        return "its last rows would start " + std::to_string(starts[starts.size() - 2]) +
               " words into its run data, past the 65,535 a row table can name";
    return std::nullopt;
}

std::vector<std::uint8_t> EncodeArt(std::uint32_t artIndex, const ArtPixels& picture, std::uint32_t header)
{
    return IsLandArt(artIndex) ? EncodeLand(picture) : EncodeStatic(picture, header);
}
