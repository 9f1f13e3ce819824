#include "ArtDecoder.h"

#include "ArtNumbering.h"
#include "LittleEndian.h"

#include <array>
#include <cstring>
#include <string>

namespace {

// A pixel's four bytes, red first in memory.
using Pixel = std::uint32_t;
static_assert(sizeof(Pixel) == kArtBytesPerPixel);

// 16-bit colour: bit 15 unused, then 5 bits each of red, green and blue.
constexpr std::uint32_t kColourBits = 0x7FFF;

std::uint8_t Widen(std::uint32_t fiveBits)
{
    return static_cast<std::uint8_t>((fiveBits << 3) | (fiveBits >> 2));
}

// Every colour's RGBA form, worked out once: a pixel is then a lookup
// (faster here than working each out, which the compiler does byte by byte).
const std::array<Pixel, kColourBits + 1>& PixelTable()
{
    static const auto table = [] {
        std::array<Pixel, kColourBits + 1> pixels{};
        for (std::uint32_t c = 1; c <= kColourBits; ++c) {  // colour 0 stays transparent
            const std::uint8_t rgba[] = {Widen(c >> 10 & 31), Widen(c >> 5 & 31), Widen(c & 31), 0xFF};
            std::memcpy(&pixels[c], rgba, kArtBytesPerPixel);
        }
        return pixels;
    }();
    return table;
}

// Writes `count` 16-bit pixels from `source` to `target`.
void PutPixels(const std::uint8_t* source, std::size_t count, std::uint8_t* target)
{
    const auto& table = PixelTable();
    for (std::size_t i = 0; i < count; ++i, source += 2, target += kArtBytesPerPixel)
        std::memcpy(target, &table[Read16(source) & kColourBits], kArtBytesPerPixel);
}

ArtImage BlankImage(int width, int height)
{
    return {width, height, std::vector<std::uint8_t>(std::size_t(width) * height * kArtBytesPerPixel)};
}

// Rows 0..21 hold 2, 4, ..., 44 pixels, rows 22..43 as many in reverse,
// each centred.
int LandRowPixels(int y)
{
    const int half = kLandArtSide / 2;
    return 2 * (y < half ? y + 1 : kLandArtSide - y);
}

ArtResult DecodeLand(std::span<const std::uint8_t> entry)
{
    if (entry.size() < kLandArtBytes)
        return ArtResult::Damaged("the land image is " + std::to_string(entry.size()) + " bytes, short of its " +
                                  std::to_string(kLandArtBytes));
    ArtImage image = BlankImage(kLandArtSide, kLandArtSide);
    const std::uint8_t* source = entry.data();
    for (int y = 0; y < kLandArtSide; ++y) {
        const int count = LandRowPixels(y);
        const int x = kLandArtSide / 2 - count / 2;
        PutPixels(source, count, &image.rgba[(std::size_t(y) * kLandArtSide + x) * kArtBytesPerPixel]);
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

ArtResult DecodeStatic(std::span<const std::uint8_t> entry)
{
    const std::size_t size = entry.size();
    if (size < kStaticHeaderSize)
        return ArtResult::Damaged("the entry is " + std::to_string(size) + " bytes, too short for an image's header");
    const std::uint8_t* bytes = entry.data();
    const int width = Read16(bytes + 4), height = Read16(bytes + 6);
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
        std::size_t at = (std::size_t{Read16(bytes + kStaticHeaderSize + 2 * y)} + rowTableEnd / 2) * 2;
        if (at >= size)
            return ArtResult::Damaged(RowText(y) + " starts past the entry's end");
        std::uint8_t* row = &image.rgba[std::size_t(y) * width * kArtBytesPerPixel];
        // Each run either ends the row or moves x on by at least one pixel,
        // and x never passes the width: the loop ends.
        for (int x = 0;;) {
            if (at + kRunHeaderSize > size)
                return ArtResult::Damaged(RowText(y) + " runs past the entry's end");
            const int offset = Read16(bytes + at), run = Read16(bytes + at + 2);
            at += kRunHeaderSize;
            if (offset == 0 && run == 0)
                break;
            x += offset;
            if (x + run > width)
                return ArtResult::Damaged(RowText(y) + " runs past the image's width of " + std::to_string(width));
            if (at + 2 * std::size_t(run) > size)
                return ArtResult::Damaged(RowText(y) + " runs past the entry's end");
            PutPixels(bytes + at, run, row + std::size_t(x) * kArtBytesPerPixel);
            at += 2 * std::size_t(run);
            x += run;
        }
    }
    return ArtResult::Image(std::move(image));
}

} // namespace

ArtResult DecodeArt(std::uint32_t artIndex, std::span<const std::uint8_t> entry)
{
    return IsLandArt(artIndex) ? DecodeLand(entry) : DecodeStatic(entry);
}
