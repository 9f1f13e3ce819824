#include "ArtDecoder.h"

#include "ArtNumbering.h"
#include "LittleEndian.h"

#include <cstring>
#include <string>

namespace {

// Writes `count` 16-bit pixels from `source` to `target`, as the palette draws them.
void PutPixels(const ArtPalette& palette, const std::uint8_t* source, std::size_t count, std::uint8_t* target)
{
    for (std::size_t i = 0; i < count; ++i, source += 2, target += kArtBytesPerPixel) {
        const std::uint32_t pixel = palette.Pixel(LoadLittleEndian16(source));
        std::memcpy(target, &pixel, kArtBytesPerPixel);
    }
}

ArtImage BlankImage(int width, int height)
{
    return {width, height, std::vector<std::uint8_t>(std::size_t(width) * height * kArtBytesPerPixel)};
}

ArtResult DecodeLand(std::span<const std::uint8_t> entry, const ArtPalette& palette)
{
    if (entry.size() < kLandArtBytes)
        return ArtResult::Damaged("the land image is " + std::to_string(entry.size()) + " bytes, short of its " +
                                  std::to_string(kLandArtBytes));
    ArtImage image = BlankImage(kLandArtSide, kLandArtSide);
    const std::uint8_t* source = entry.data();
    for (int y = 0; y < kLandArtSide; ++y) {
        const int count = LandRowPixels(y);
        const int x = kLandArtSide / 2 - count / 2;
        PutPixels(palette, source, count, &image.rgba[(std::size_t(y) * kLandArtSide + x) * kArtBytesPerPixel]);
        source += 2 * count;
    }
    return ArtResult::Image(std::move(image));
}

// The static image's header: a word of no known meaning, then width and
// height; the row table follows.
constexpr std::size_t kStaticHeaderSize = 8;
constexpr std::size_t kRunHeaderSize = 4;

std::string RowText(int y)
{
    return "row " + std::to_string(y);
}

ArtResult DecodeStatic(std::span<const std::uint8_t> entry, const ArtPalette& palette)
{
    const std::size_t size = entry.size();
    if (size < kStaticHeaderSize)
        return ArtResult::Damaged("the entry is " + std::to_string(size) + " bytes, too short for an image's header");
    const std::uint8_t* bytes = entry.data();
    const int width = LoadLittleEndian16(bytes + 4), height = LoadLittleEndian16(bytes + 6);
    if (width == 0 || height == 0)
        return ArtResult::NoArt();
    if (width > kMaxStaticArtSide || height > kMaxStaticArtSide)
        return ArtResult::Damaged("the image claims " + std::to_string(width) + " x " + std::to_string(height) +
                                  " pixels, more than " + std::to_string(kMaxStaticArtSide) + " a side");
    const std::size_t rowTableEnd = kStaticHeaderSize + 2 * std::size_t(height);
    if (rowTableEnd > size)
        return ArtResult::Damaged("the table of " + std::to_string(height) + " rows reaches past the entry's end");

    ArtImage image = BlankImage(width, height);
    for (int y = 0; y < height; ++y) {
        // Row starts count 16-bit words from the run data, after the header and row table.
        std::size_t at = (std::size_t{LoadLittleEndian16(bytes + kStaticHeaderSize + 2 * y)} + rowTableEnd / 2) * 2;
        if (at >= size)
            return ArtResult::Damaged(RowText(y) + " starts past the entry's end");
        std::uint8_t* row = &image.rgba[std::size_t(y) * width * kArtBytesPerPixel];
        // Each run either ends the row or moves x on by at least one pixel,
        // and x never passes the width: the loop ends.
        for (int x = 0;;) {
            if (at + kRunHeaderSize > size)
                return ArtResult::Damaged(RowText(y) + " runs past the entry's end");
            const int offset = LoadLittleEndian16(bytes + at), run = LoadLittleEndian16(bytes + at + 2);
            at += kRunHeaderSize;
            if (offset == 0 && run == 0)
                break;
            x += offset;
            if (x + run > width)
                return ArtResult::Damaged(RowText(y) + " runs past the image's width of " + std::to_string(width));
            if (at + 2 * std::size_t(run) > size)
                return ArtResult::Damaged(RowText(y) + " runs past the entry's end");
            PutPixels(palette, bytes + at, run, row + std::size_t(x) * kArtBytesPerPixel);
            at += 2 * std::size_t(run);
            x += run;
        }
    }
    return ArtResult::Image(std::move(image));
}

} // namespace

ArtResult DecodeArt(std::uint32_t artIndex, std::span<const std::uint8_t> entry, const ArtPalette& palette)
{
    return IsLandArt(artIndex) ? DecodeLand(entry, palette) : DecodeStatic(entry, palette);
}
