// Feeds arbitrary bytes to the art readers: as one art entry to decode, as
// an art container whose tables are walked and whose entries are decoded,
// or as a patch file whose art entries are applied and decoded, or as a hue
// table whose first hue draws the same bytes taken as an entry (the first
// input byte picks which, and land or static pictures). Whatever the bytes,
// nothing may be read outside them, the walks must end, and every result
// must be whole: a picture of its size with every pixel either drawn
// (opaque) or (0, 0, 0, 0), a damaged entry with its reason.

#include "ArtContainer.h"
#include "ArtDecoder.h"
#include "ArtEntryBytes.h"
#include "ArtIndex.h"
#include "ArtNumbering.h"
#include "ArtPalette.h"
#include "HueTable.h"
#include "VerDataFile.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "art fuzz: %s\n", what);
        std::abort();
    }
}

void CheckResult(const ArtResult& result, bool land)
{
    switch (result.kind) {
    case ArtResult::Kind::kNoArt:
        Check(!land, "a land entry can only be a picture or damaged");
        return;
    case ArtResult::Kind::kDamaged:
        Check(!result.reason.empty(), "a damaged entry without a reason");
        return;
    case ArtResult::Kind::kImage:
        break;
    }
    const ArtImage& image = result.image;
    Check(image.width > 0 && image.height > 0 && image.width <= kMaxStaticArtSide && image.height <= kMaxStaticArtSide,
          "a picture of no or too great a size");
    Check(!land || (image.width == kLandArtSide && image.height == kLandArtSide), "a land picture not 44 x 44");
    Check(image.rgba.size() == std::size_t(image.width) * image.height * kArtBytesPerPixel,
          "the pixels do not fill the picture");
    for (std::size_t i = 0; i < image.rgba.size(); i += kArtBytesPerPixel) {
        const std::uint8_t* pixel = &image.rgba[i];
        Check(pixel[3] == 0xFF || (pixel[0] | pixel[1] | pixel[2] | pixel[3]) == 0,
              "a pixel neither drawn nor (0, 0, 0, 0)");
    }
}

// Decodes the entry at `place` as a picture of the picked half.
void DecodeAt(ByteSource& source, const ArtPlace& place, bool land, std::vector<std::uint8_t>& inflated)
{
    const ArtEntryBytes entry = ReadArtEntry(source, place, "input", inflated);
    if (!entry.damage.empty())
        return;
    Check(entry.bytes.size() == (place.compression == kStoredAsIs ? place.storedSize : place.size),
          "an entry not of its size");
    CheckResult(DecodeArt(land ? 0 : kFirstStaticArtIndex, entry.bytes), land);
}

// No more entries than this are decoded from one input, so that each input runs quickly.
constexpr std::size_t kMostEntries = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int mode = data[0] & 3;
    const bool land = (data[0] & 4) != 0;
    MemoryByteSource source({data + 1, size - 1});
    std::vector<std::uint8_t> inflated;
    if (mode == 1) {
        const ContainerTables tables = ReadContainerTables(source);
        Check(tables.entries.size() <= source.Size() / 34, "more entries than the container holds");
        for (std::size_t i = 0; i < tables.entries.size() && i < kMostEntries; ++i) {
            const ContainerEntry& entry = tables.entries[i];
            DecodeAt(source, {ArtPlace::File::kContainer, entry.dataOffset, entry.storedSize, entry.size, entry.compression},
                     land, inflated);
        }
    } else if (mode == 2) {
        // Kept from input to input, and left empty again after each: a fresh
        // one would cost more than the rest of the run.
        static std::vector<ArtPlace> places(kArtIndexCount);
        ApplyArtPatches(source, places);
        std::size_t decoded = 0;
        for (std::uint32_t artIndex = 0; artIndex < kArtIndexCount; ++artIndex) {
            if (places[artIndex].file == ArtPlace::File::kNone)
                continue;
            if (decoded++ < kMostEntries)
                DecodeAt(source, places[artIndex], IsLandArt(artIndex), inflated);
            places[artIndex] = {};
        }
    } else if (mode == 3) {
        const std::vector<Hue> hues = ReadHues({data + 1, size - 1});
        Check(hues.size() == (size - 1) / kHueGroupSize * kHuesPerGroup, "not eight hues a whole group");
        for (const Hue& hue : hues)
            Check(hue.name.size() <= kHueNameSize && hue.name.find('\0') == std::string::npos,
                  "a hue's name past its 20 bytes or holding a zero byte");
        Check(CountPatchHueGroups(source) <= static_cast<int>(source.Size() / kVerDataIndexEntrySize),
              "more hue groups than the patch file's index holds");
        if (!hues.empty()) {
            const TileFlags flags = (data[0] & 8) ? TileFlag::kPartialHue : 0;
            TileHuePalettes palettes(&hues[0]);
            CheckResult(DecodeArt(land ? 0 : kFirstStaticArtIndex, {data + 1, size - 1}, palettes.For(flags)), land);
        }
    } else {
        CheckResult(DecodeArt(land ? 0 : kFirstStaticArtIndex, {data + 1, size - 1}), land);
    }
    return 0;
}
