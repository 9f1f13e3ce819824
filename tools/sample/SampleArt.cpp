#include "SampleArt.h"

#include "ArtContainer.h"
#include "ArtDecoder.h"
#include "ArtEncoder.h"
#include "ArtIndex.h"
#include "ArtNumbering.h"
#include "Glyphs.h"
#include "LittleEndian.h"
#include "VerDataFile.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kLandSide = 44;
constexpr int kIdDigits = 4;

std::uint16_t Colour(int red, int green, int blue)
{
    return static_cast<std::uint16_t>(red << 10 | green << 5 | blue);
}

// The same colour at half strength, for edges.
std::uint16_t Darker(std::uint16_t colour)
{
    return static_cast<std::uint16_t>(colour >> 1 & 0x3DEF);
}

const std::uint16_t kInk = Colour(2, 2, 3);

// The numbers of the art files, little-endian as the store writes them.
void Put16(Bytes& bytes, std::uint32_t value)
{
    AppendLittleEndian(bytes, value, 2);
}

void Put32(Bytes& bytes, std::uint32_t value)
{
    AppendLittleEndian(bytes, value, 4);
}

void Put64(Bytes& bytes, std::uint64_t value)
{
    AppendLittleEndian(bytes, value, 8);
}

void Set32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    StoreLittleEndian32(value, bytes.data() + at);
}

std::uint32_t Get32(const Bytes& bytes, std::size_t at)
{
    return LoadLittleEndian32(bytes.data() + at);
}

// The four shapes static tiles take by id: box, round, octagon, trapezoid.
bool Inside(int shape, int x, int y, int width, int height)
{
    const double cx = (width - 1) / 2.0, cy = (height - 1) / 2.0;
    switch (shape) {
    case 1: {
        const double dx = (x - cx) / (width / 2.0), dy = (y - cy) / (height / 2.0);
        return dx * dx + dy * dy <= 1.0;
    }
    case 2: {
        const int corner = std::min(width, height) / 4;
        const int fromSide = std::min(x, width - 1 - x), fromEnd = std::min(y, height - 1 - y);
        return fromSide + fromEnd >= corner;
    }
    case 3: {
        const double top = width / 3.0, grown = top / 2.0 * y / (height - 1);
        return std::abs(x - cx) <= top + grown;
    }
    default:
        return true;
    }
}

// Draws the id into the middle of the picture.
void DrawId(SamplePicture& picture, int id)
{
    const int textWidth = kIdDigits * kGlyphAdvance - 1;
    DrawHexNumber(static_cast<std::uint32_t>(id), kIdDigits, (picture.width - textWidth) / 2,
                  (picture.height - kGlyphHeight) / 2, 1,
                  [&](int x, int y) { picture.colours[std::size_t(y) * picture.width + x] = kInk; });
}

bool InLand(int x, int y)
{
    const int count = LandRowPixels(y);
    return x >= kLandSide / 2 - count / 2 && x < kLandSide / 2 + count / 2;
}

// The entry of a picture, as the program writes art: the sample is the
// program's own writing, checked by readers written apart from it.
Bytes Encode(std::uint32_t artIndex, const SamplePicture& picture)
{
    return EncodeArt(artIndex, {picture.width, picture.height, picture.colours});
}

// Every art index of the sample with its entry, in index order.
std::vector<std::pair<std::uint32_t, Bytes>> SampleEntries(const TileDataLayout& layout)
{
    std::vector<std::pair<std::uint32_t, Bytes>> entries;
    for (int id = 0; id < kLandTileCount; ++id)
        if (SampleLandHasArt(id))
            entries.emplace_back(id, Encode(id, SampleLandPicture(id)));
    for (int id = 0; id < layout.usualStaticTiles; ++id)
        if (SampleStaticHasArt(id))
            entries.emplace_back(kFirstStaticArtIndex + id, Encode(kFirstStaticArtIndex + id, SampleStaticPicture(id)));
    return entries;
}

Bytes IndexFile(const TileDataLayout& layout, const std::vector<std::pair<std::uint32_t, Bytes>>& entries, Bytes& art)
{
    // Every art index of the layout's tiles; those without art have lookup -1.
    Bytes index((kFirstStaticArtIndex + layout.usualStaticTiles) * kArtIndexEntrySize, 0);
    for (std::size_t i = 0; i < index.size(); i += kArtIndexEntrySize)
        Set32(index, i, 0xFFFFFFFF);
    for (const auto& [artIndex, entry] : entries) {
        Set32(index, artIndex * kArtIndexEntrySize, static_cast<std::uint32_t>(art.size()));
        Set32(index, artIndex * kArtIndexEntrySize + 4, static_cast<std::uint32_t>(entry.size()));
        art.insert(art.end(), entry.begin(), entry.end());
    }
    return index;
}

Bytes Compressed(const Bytes& bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not compress the sample art");
    out.resize(size);
    return out;
}

// The container: its header, then table after table, each followed by its
// entries' data and naming the next table. One entry in four is compressed.
Bytes ContainerFile(const std::vector<std::pair<std::uint32_t, Bytes>>& entries)
{
    // Tables of 256 entries: many of them chain, and the first 16 KB of the
    // file, a fuzzing seed, hold a whole one with the first entries.
    constexpr std::uint32_t kCapacity = 256;
    constexpr std::size_t kHeaderSize = 40;
    constexpr std::size_t kTableHeaderSize = 12, kEntrySize = 34;
    Bytes file;
    Put32(file, 0x0050594D);
    Put32(file, 5);
    Put32(file, 0xFD23EC43);
    Put64(file, kHeaderSize);
    Put32(file, kCapacity);
    Put32(file, static_cast<std::uint32_t>(entries.size()));
    file.resize(kHeaderSize, 0);
    for (std::size_t first = 0; first < entries.size(); first += kCapacity) {
        const std::size_t count = std::min<std::size_t>(kCapacity, entries.size() - first);
        const std::size_t table = file.size();
        Put32(file, static_cast<std::uint32_t>(count));
        const std::size_t next = file.size();
        Put64(file, 0);
        file.resize(file.size() + kCapacity * kEntrySize, 0);
        for (std::size_t i = 0; i < count; ++i) {
            const auto& [artIndex, entry] = entries[first + i];
            const bool compress = (first + i) % 4 == 0;
            const Bytes stored = compress ? Compressed(entry) : entry;
            Bytes slot;
            Put64(slot, file.size());
            Put32(slot, 0);  // no data header
            Put32(slot, static_cast<std::uint32_t>(stored.size()));
            Put32(slot, static_cast<std::uint32_t>(entry.size()));
            Put64(slot, ArtEntryNameHash(artIndex));
            Put32(slot, 0);
            Put16(slot, compress ? 1 : 0);
            std::copy(slot.begin(), slot.end(), file.begin() + std::ptrdiff_t(table + kTableHeaderSize + i * kEntrySize));
            file.insert(file.end(), stored.begin(), stored.end());
        }
        if (first + count < entries.size())
            for (int b = 0; b < 8; ++b)
                file[next + b] = static_cast<std::uint8_t>(std::uint64_t{file.size()} >> (8 * b));
    }
    return file;
}

} // namespace

bool SampleIsFreeSlot(int id)
{
    if (id >= kSampleFreeRunFirst && id < kSampleFreeRunFirst + kSampleFreeRunLength)
        return true;
    return std::find(std::begin(kSampleScatteredFreeTiles), std::end(kSampleScatteredFreeTiles), id) !=
           std::end(kSampleScatteredFreeTiles);
}

bool SampleStaticHasArt(int id)
{
    if (SampleIsFreeSlot(id))
        return false;
    return id < static_cast<int>(kFirstStaticArtIndex) ? id % kSampleArtGap != kSampleArtGap - 1
                                                       : id % kSampleArtHighStride == 0;
}

bool SampleLandHasArt(int id)
{
    return id < kSampleLandArtTiles || id % kSampleLandArtStride == 0;
}

SamplePicture SampleStaticPicture(int id, bool patched)
{
    SamplePicture picture;
    picture.width = 18 + (id % 5) * 3;
    picture.height = 14 + (id / 5 % 7) * 4;
    picture.colours.assign(std::size_t(picture.width) * picture.height, 0);
    const std::uint16_t fill = patched ? Colour(31, 8 + id % 8, 31)
                                       : Colour(12 + id * 5 % 20, 12 + id * 11 / 3 % 20, 12 + id * 13 / 7 % 20);
    const int shape = id % 4;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            if (!Inside(shape, x, y, picture.width, picture.height))
                continue;
            const bool edge = x == 0 || y == 0 || x == picture.width - 1 || y == picture.height - 1 ||
                              !Inside(shape, x - 1, y, picture.width, picture.height) ||
                              !Inside(shape, x + 1, y, picture.width, picture.height) ||
                              !Inside(shape, x, y - 1, picture.width, picture.height) ||
                              !Inside(shape, x, y + 1, picture.width, picture.height);
            // A patched picture is striped, so that the patch shows.
            const bool stripe = patched && (x + y) % 6 < 2;
            picture.colours[std::size_t(y) * picture.width + x] = edge || stripe ? Darker(fill) : fill;
        }
    DrawId(picture, id);
    return picture;
}

SamplePicture SampleLandPicture(int id, bool patched)
{
    SamplePicture picture{kLandSide, kLandSide, std::vector<std::uint16_t>(kLandSide * kLandSide, 0)};
    const std::uint16_t fill = Colour(6 + id * 3 % 24, 10 + id * 7 % 22, 4 + id * 5 % 20);
    for (int y = 0; y < kLandSide; ++y)
        for (int x = 0; x < kLandSide; ++x) {
            if (!InLand(x, y))
                continue;
            const bool edge = !InLand(x - 1, y) || !InLand(x + 1, y) || x == 0 || x == kLandSide - 1;
            const bool check = patched && (x / 4 + y / 4) % 2 == 0;
            picture.colours[std::size_t(y) * kLandSide + x] = edge || check ? Darker(fill) : fill;
        }
    DrawId(picture, id);
    return picture;
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> MakeSampleArtFiles(const TileDataLayout& layout,
                                                                                   SampleArtForm form)
{
    const auto entries = SampleEntries(layout);
    if (form == SampleArtForm::kContainer)
        return {{kArtContainerName, ContainerFile(entries)}};
    Bytes art;
    Bytes index = IndexFile(layout, entries, art);
    return {{kArtIndexName, std::move(index)}, {kArtFileName, std::move(art)}};
}

void AddSampleArtPatches(std::vector<std::uint8_t>& verData)
{
    struct ArtPatch {
        std::uint32_t artIndex;
        Bytes entry;  // empty: removes the art
    };
    const ArtPatch patches[] = {
        {kFirstStaticArtIndex + kSampleArtReplacedTile,
         Encode(kFirstStaticArtIndex + kSampleArtReplacedTile, SampleStaticPicture(kSampleArtReplacedTile, true))},
        {kFirstStaticArtIndex + kSampleArtRemovedTile, {}},
        {kSampleArtReplacedLand, Encode(kSampleArtReplacedLand, SampleLandPicture(kSampleArtReplacedLand, true))},
        {kFirstStaticArtIndex + kSampleArtAddedTile,
         Encode(kFirstStaticArtIndex + kSampleArtAddedTile, SampleStaticPicture(kSampleArtAddedTile, true))},
    };
    const std::uint32_t count = Get32(verData, 0);
    const auto entryAt = [](std::size_t k) { return kVerDataCountSize + std::size_t{kVerDataIndexEntrySize} * k; };
    // The new index entries go right after the last art entry there is, so
    // that they win over it, and the index keeps its last entry.
    std::size_t insertAt = count;
    for (std::uint32_t k = 0; k < count; ++k)
        if (Get32(verData, entryAt(k)) == kArtFileId)
            insertAt = k + 1;
    const std::size_t added = std::size(patches);
    const std::size_t dataStart = entryAt(count + added);
    Bytes index, data;
    for (const ArtPatch& patch : patches) {
        Put32(index, kArtFileId);
        Put32(index, patch.artIndex);
        Put32(index, patch.entry.empty() ? 0xFFFFFFFF : static_cast<std::uint32_t>(dataStart + data.size()));
        Put32(index, static_cast<std::uint32_t>(patch.entry.size()));
        Put32(index, 0);
        data.insert(data.end(), patch.entry.begin(), patch.entry.end());
    }
    const auto shift = static_cast<std::uint32_t>(index.size() + data.size());
    for (std::uint32_t k = 0; k < count; ++k)
        Set32(verData, entryAt(k) + 8, Get32(verData, entryAt(k) + 8) + shift);
    Set32(verData, 0, count + static_cast<std::uint32_t>(added));
    verData.insert(verData.begin() + std::ptrdiff_t(entryAt(count)), data.begin(), data.end());
    verData.insert(verData.begin() + std::ptrdiff_t(entryAt(insertAt)), index.begin(), index.end());
}
