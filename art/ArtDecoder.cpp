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

// `count` pixels the game draws nothing at.
void PutBlank(std::uint8_t* target, std::size_t count)
{
    if (count != 0)
        std::memset(target, 0, count * kArtBytesPerPixel);
}

// The picture's size set, its pixels left as the buffer held them: the
// decoder writes every one. Only a buffer that grows is filled, by the vector.
void SizeImage(ArtResult& out, int width, int height)
{
    out.kind = ArtResult::Kind::kImage;
    out.reason.clear();
    out.image.width = width;
    out.image.height = height;
    out.image.rgba.resize(std::size_t(width) * height * kArtBytesPerPixel);
}

void DecodeLand(std::span<const std::uint8_t> entry, const ArtPalette& palette, ArtResult& out)
{
    if (entry.size() < kLandArtBytes)
        return SetArtDamaged(out, "the land image is " + std::to_string(entry.size()) + " bytes, short of its " +
                                      std::to_string(kLandArtBytes));
    SizeImage(out, kLandArtSide, kLandArtSide);
    const std::uint8_t* source = entry.data();
    for (int y = 0; y < kLandArtSide; ++y) {
        const int count = LandRowPixels(y);
        const int x = kLandArtSide / 2 - count / 2;
        std::uint8_t* row = &out.image.rgba[std::size_t(y) * kLandArtSide * kArtBytesPerPixel];
        PutBlank(row, x);  // the diamond's corners
        PutPixels(palette, source, count, row + std::size_t(x) * kArtBytesPerPixel);
        PutBlank(row + std::size_t(x + count) * kArtBytesPerPixel, kLandArtSide - x - count);
        source += 2 * count;
    }
}

// The static image's header: a word of no known meaning, then width and
// height; the row table follows.
constexpr std::size_t kStaticHeaderSize = 8;
constexpr std::size_t kRunHeaderSize = 4;

std::string RowText(int y)
{
    return "row " + std::to_string(y);
}

void DecodeStatic(std::span<const std::uint8_t> entry, const ArtPalette& palette, ArtResult& out)
{
    const std::size_t size = entry.size();
    if (size < kStaticHeaderSize)
        return SetArtDamaged(out, "the entry is " + std::to_string(size) + " bytes, too short for an image's header");
    const std::uint8_t* bytes = entry.data();
    const int width = LoadLittleEndian16(bytes + 4), height = LoadLittleEndian16(bytes + 6);
    if (width == 0 || height == 0)
        return SetArtNoArt(out);
    if (width > kMaxStaticArtSide || height > kMaxStaticArtSide)
        return SetArtDamaged(out, "the image claims " + std::to_string(width) + " x " + std::to_string(height) +
                                      " pixels, more than " + std::to_string(kMaxStaticArtSide) + " a side");
    const std::size_t rowTableEnd = kStaticHeaderSize + 2 * std::size_t(height);
    if (rowTableEnd > size)
        return SetArtDamaged(out, "the table of " + std::to_string(height) + " rows reaches past the entry's end");

    SizeImage(out, width, height);
    for (int y = 0; y < height; ++y) {
        // Row starts count 16-bit words from the run data, after the header and row table.
        std::size_t at = (std::size_t{LoadLittleEndian16(bytes + kStaticHeaderSize + 2 * y)} + rowTableEnd / 2) * 2;
        if (at >= size)
            return SetArtDamaged(out, RowText(y) + " starts past the entry's end");
        std::uint8_t* row = &out.image.rgba[std::size_t(y) * width * kArtBytesPerPixel];
        // Each run either ends the row or moves x on by at least one pixel,
        // and x never passes the width: the loop ends. The pixels before
        // each run and after the last are blank; runs never overlap.
        for (int x = 0;;) {
            if (at + kRunHeaderSize > size)
                return SetArtDamaged(out, RowText(y) + " runs past the entry's end");
            const int offset = LoadLittleEndian16(bytes + at), run = LoadLittleEndian16(bytes + at + 2);
            at += kRunHeaderSize;
            if (offset == 0 && run == 0) {
                PutBlank(row + std::size_t(x) * kArtBytesPerPixel, std::size_t(width - x));
                break;
            }
            if (x + offset + run > width)
                return SetArtDamaged(out, RowText(y) + " runs past the image's width of " + std::to_string(width));
            if (at + 2 * std::size_t(run) > size)
                return SetArtDamaged(out, RowText(y) + " runs past the entry's end");
            PutBlank(row + std::size_t(x) * kArtBytesPerPixel, std::size_t(offset));
            x += offset;
            PutPixels(palette, bytes + at, run, row + std::size_t(x) * kArtBytesPerPixel);
            at += 2 * std::size_t(run);
            x += run;
        }
    }
}

} // namespace

void DecodeArtInto(std::uint32_t artIndex, std::span<const std::uint8_t> entry, const ArtPalette& palette,
                   ArtResult& out)
{
    if (IsLandArt(artIndex))
        DecodeLand(entry, palette, out);
    else
        DecodeStatic(entry, palette, out);
}

ArtResult DecodeArt(std::uint32_t artIndex, std::span<const std::uint8_t> entry, const ArtPalette& palette)
{
    ArtResult result;
    DecodeArtInto(artIndex, entry, palette, result);
    return result;
}
