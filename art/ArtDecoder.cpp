#include "ArtDecoder.h"

#include "ArtNumbering.h"
#include "LittleEndian.h"

#include <bit>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// A 16-bit number of the entry, as LoadLittleEndian16 reads it, in one load:
// the decoder reads two a pixel and two a run.
std::uint16_t Word(const std::uint8_t* bytes)
{
    std::uint16_t value;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        value = static_cast<std::uint16_t>(value << 8 | value >> 8);
    return value;
}

// Writes `count` 16-bit pixels from `source` to `target`, as the palette draws them.
void PutPalettePixels(const std::uint32_t* pixels, const std::uint8_t* source, std::size_t count, std::uint8_t* target)
{
    for (std::size_t i = 0; i < count; ++i, source += 2, target += kArtBytesPerPixel) {
        const std::uint32_t pixel = pixels[Word(source) & ArtPalette::kColourBits];
        std::memcpy(target, &pixel, kArtBytesPerPixel);
    }
}

#if defined(__SSE2__)
// The plain palette's pixels worked out eight at a time: each 5-bit channel
// widened as (c << 3) | (c >> 2), opaque, and colour 0 (bit 15 ignored)
// transparent; the same bytes as ArtPalette::Plain() holds. The pixels left
// over are looked up.
void PutPlainPixels(const std::uint32_t* plain, const std::uint8_t* source, std::size_t count, std::uint8_t* target)
{
    const __m128i colourBits = _mm_set1_epi16(static_cast<short>(ArtPalette::kColourBits));
    const __m128i channel = _mm_set1_epi16(31);
    const __m128i opaque = _mm_set1_epi16(static_cast<short>(0xFF00));
    const auto widen = [](__m128i c) { return _mm_or_si128(_mm_slli_epi16(c, 3), _mm_srli_epi16(c, 2)); };
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        // The file's 16-bit colours are little-endian, as the machine's.
        const __m128i c = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source + 2 * i)), colourBits);
        const __m128i red = widen(_mm_srli_epi16(c, 10));
        const __m128i green = widen(_mm_and_si128(_mm_srli_epi16(c, 5), channel));
        const __m128i blue = widen(_mm_and_si128(c, channel));
        const __m128i none = _mm_cmpeq_epi16(c, _mm_setzero_si128());
        const __m128i redGreen = _mm_andnot_si128(none, _mm_or_si128(red, _mm_slli_epi16(green, 8)));
        const __m128i blueAlpha = _mm_andnot_si128(none, _mm_or_si128(blue, opaque));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + 4 * i), _mm_unpacklo_epi16(redGreen, blueAlpha));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + 4 * i + 16), _mm_unpackhi_epi16(redGreen, blueAlpha));
    }
    PutPalettePixels(plain, source + 2 * i, count - i, target + 4 * i);
}
#endif

// Draws pixels as one palette gives them, the plain one worked out where the
// machine can do it faster than looking each pixel up.
class PixelWriter {
public:
    explicit PixelWriter(const ArtPalette& palette)
        : m_pixels(palette.Pixels()), m_plain(&palette == &ArtPalette::Plain())
    {
    }
    void Put(const std::uint8_t* source, std::size_t count, std::uint8_t* target) const
    {
#if defined(__SSE2__)
        if (m_plain)
            return PutPlainPixels(m_pixels, source, count, target);
#endif
        PutPalettePixels(m_pixels, source, count, target);
    }

private:
    const std::uint32_t* m_pixels;
    bool m_plain;
};

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
    const PixelWriter writer(palette);
    const std::uint8_t* source = entry.data();
    for (int y = 0; y < kLandArtSide; ++y) {
        const int count = LandRowPixels(y);
        const int x = kLandArtSide / 2 - count / 2;
        std::uint8_t* row = &out.image.rgba[std::size_t(y) * kLandArtSide * kArtBytesPerPixel];
        PutBlank(row, x);  // the diamond's corners
        writer.Put(source, count, row + std::size_t(x) * kArtBytesPerPixel);
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
    const PixelWriter writer(palette);
    for (int y = 0; y < height; ++y) {
        // Row starts count 16-bit words from the run data, after the header and row table.
        std::size_t at = (std::size_t{Word(bytes + kStaticHeaderSize + 2 * y)} + rowTableEnd / 2) * 2;
        if (at >= size)
            return SetArtDamaged(out, RowText(y) + " starts past the entry's end");
        std::uint8_t* row = &out.image.rgba[std::size_t(y) * width * kArtBytesPerPixel];
        // Each run either ends the row or moves x on by at least one pixel,
        // and x never passes the width: the loop ends. The pixels before
        // each run and after the last are blank; runs never overlap.
        for (int x = 0;;) {
            if (at + kRunHeaderSize > size)
                return SetArtDamaged(out, RowText(y) + " runs past the entry's end");
            const int offset = Word(bytes + at), run = Word(bytes + at + 2);
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
            writer.Put(bytes + at, run, row + std::size_t(x) * kArtBytesPerPixel);
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
