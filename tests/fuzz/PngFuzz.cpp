// Feeds arbitrary bytes to the PNG reading and art encoding path: as a PNG
// file, which must be refused with a reason or give a whole RGBA picture no
// larger than art takes; every picture so read, in 16-bit colour, must be
// storable as a static tile's art (or refused with a reason) and decode from
// its entry back to the same 16-bit picture, and a 44 x 44 one likewise as
// a land diamond's. The input's bytes are also taken as a picture of their
// own (the first two bytes its width and height), so that the encoder meets
// more shapes than valid PNG files make.

#include "ArtDecoder.h"
#include "ArtEncoder.h"
#include "ArtNumbering.h"
#include "PngFile.h"

#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "png fuzz: %s\n", what);
        std::abort();
    }
}

// A land diamond keeps only the pixels inside it.
ArtPixels DiamondOf(const ArtPixels& picture)
{
    ArtPixels diamond = picture;
    for (int y = 0; y < kLandArtSide; ++y) {
        const int half = 2 * (y < kLandArtSide / 2 ? y + 1 : kLandArtSide - y) / 2;
        for (int x = 0; x < kLandArtSide; ++x)
            if (x < kLandArtSide / 2 - half || x >= kLandArtSide / 2 + half)
                diamond.pixels[static_cast<std::size_t>(y) * kLandArtSide + x] = 0;
    }
    return diamond;
}

void RoundTrip(const ArtPixels& picture)
{
    for (const std::uint32_t artIndex : {kFirstStaticArtIndex, std::uint32_t{0}}) {
        if (WhyNotStorable(artIndex, picture))
            continue;
        const ArtResult decoded = DecodeArt(artIndex, EncodeArt(artIndex, picture, 0x12345678));
        Check(decoded.kind == ArtResult::Kind::kImage, "an encoded picture does not decode");
        const ArtPixels back = PixelsFromImage(decoded.image);
        Check(back == (IsLandArt(artIndex) ? DiamondOf(picture) : picture),
              "an encoded picture decodes to other pixels");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    ArtImage image;
    std::string failure;
    if (DecodePng(bytes, image, failure)) {
        Check(image.width > 0 && image.height > 0 && image.width <= kMaxStaticArtSide &&
                  image.height <= kMaxStaticArtSide,
              "a PNG read at a size art cannot take");
        Check(image.rgba.size() == static_cast<std::size_t>(image.width) * image.height * kArtBytesPerPixel,
              "a PNG's pixels are not its size");
        RoundTrip(PixelsFromImage(image));
    } else {
        Check(!failure.empty(), "a refused PNG without a reason");
    }
    if (size >= 2) {
        ArtPixels picture{1 + data[0] % 64, 1 + data[1] % 64, {}};
        picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
        for (std::size_t i = 0; i < picture.pixels.size() && 2 + 2 * i + 1 < size; ++i)
            picture.pixels[i] = static_cast<std::uint16_t>((data[2 + 2 * i] | data[3 + 2 * i] << 8) & 0x7FFF);
        RoundTrip(picture);
        if (picture.width == kLandArtSide && picture.height == kLandArtSide)
            RoundTrip(DiamondOf(picture));
    }
    return 0;
}
