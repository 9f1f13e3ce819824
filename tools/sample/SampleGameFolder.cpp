#include "SampleGameFolder.h"

#include "LandTileEntry.h"
#include "LittleEndian.h"
#include "SampleHues.h"
#include "StaticTileEntry.h"
#include "TileFileLayout.h"
#include "VerDataFile.h"

#include <array>
#include <cctype>
#include <optional>
#include <fstream>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

// splitmix64: small, fast and the same on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(Next() % bound); }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }

private:
    std::uint64_t m_state;
};

constexpr std::string_view kNames[] = {
    "wall", "stone wall", "wooden wall", "brick wall", "floor", "marble floor", "wooden door",
    "iron gate", "window", "table", "chair", "barrel", "torch", "bookcase", "fence", "ladder",
    "stairs", "roof tile", "tree", "leaves", "rock", "grass", "water", "lava", "anvil", "forge",
    "loom", "spinning wheel", "crate", "chest", "candle", "lamp post", "sign", "banner", "bed",
    "armoire", "pillar", "arch", "rug", "tapestry", "fountain", "statue", "well",
    // exactly 20 bytes: no terminator in the file
    "enchanted armor rack", "hanging cauldron set", "large wooden bench 2",
};

constexpr std::string_view kLandNames[] = {
    "grass", "dirt", "sand", "water", "deep water", "rock", "mountain", "lava", "snow", "swamp",
    "forest floor", "cave floor", "cobblestones", "wooden planks", "void", "jungle", "furrows",
};

// Numbers that a game's files keep below their field's own limit, so that
// the sample looks plausible: a layer, a class, a height, a texture id.
struct SampleRange {
    std::string_view column;
    std::uint32_t bound;
};
constexpr SampleRange kSampleRanges[] = {{"layer", 26}, {"class", 8}, {"height", 40}, {"texture", 0x4000}};

// Random flags of the layout, then a random value for each number of the
// entry's field list in file order, one draw each.
template <typename Entry>
Entry RandomFlagsAndNumbers(Random& random, const TileDataLayout& layout)
{
    Entry entry;
    entry.flags = random.Next() & random.Next() & layout.FlagsMask();
    ForEachNumberField<Entry>([&](const auto& field, int) {
        using Value = typename std::remove_cvref_t<decltype(field)>::value_type;
        std::uint64_t bound = std::uint64_t{std::numeric_limits<Value>::max()} + 1;
        for (const SampleRange& range : kSampleRanges)
            if (range.column == field.column)
                bound = range.bound;
        entry.*field.member = static_cast<Value>(random.Next() % bound);
    });
    return entry;
}

// A land tile: random flags and texture, and mostly a name.
LandTileEntry MakeLandEntry(Random& random, const TileDataLayout& layout)
{
    LandTileEntry entry = RandomFlagsAndNumbers<LandTileEntry>(random, layout);
    if (random.Below(8) != 0)
        SetTileName(entry, kLandNames[random.Below(std::size(kLandNames))]);
    return entry;
}

// `blocks` land blocks of made-up land tiles at `bytes`, each behind a random header.
void PutLandBlocks(Random& random, const TileDataLayout& layout, std::uint8_t* bytes, int blocks)
{
    std::array<LandTileEntry, kTilesPerBlock> entries;
    for (int block = 0; block < blocks; ++block, bytes += layout.land.blockSize) {
        for (LandTileEntry& entry : entries)
            entry = MakeLandEntry(random, layout);
        StoreLittleEndian32(static_cast<std::uint32_t>(random.Next()), bytes);
        WriteBlockEntries(entries.data(), bytes + kBlockHeaderSize, layout);
    }
}

StaticTileEntry MakeEntry(Random& random, const TileDataLayout& layout)
{
    StaticTileEntry entry = RandomFlagsAndNumbers<StaticTileEntry>(random, layout);
    if (random.Below(10) == 0)
        return entry;  // unnamed
    // Some fields still hold a longer earlier name after the terminator.
    if (random.Below(4) == 0)
        SetTileName(entry, "an older longer name");
    SetTileName(entry, kNames[random.Below(std::size(kNames))]);
    return entry;
}

} // namespace

SampleGameFiles MakeSampleGameFiles(const TileDataLayout& layout)
{
    Random random(0x51A7EDull);
    SampleGameFiles files;

    const int tiles = layout.usualStaticTiles;
    const int blocks = tiles / kTilesPerBlock;
    auto table = std::make_unique<StaticTileTable>();
    for (int tile = 0; tile < tiles; ++tile)
        (*table)[tile] = MakeEntry(random, layout);
    SetTileName((*table)[kSampleWallpaperTile], "wallpaper");
    SetTileName((*table)[kSampleApostropheTile], "smith\x92s anvil");
    (*table)[kSampleHeavyTile].weight = 200;
    // The free slots' names go, after every draw, so that the other tiles
    // are what they were before the sample had free slots.
    for (int tile = 0; tile < tiles; ++tile)
        if (SampleIsFreeSlot(tile))
            (*table)[tile].name.fill('\0');

    // tiledata.mul: land section, the static blocks, and a short tail where
    // the file's size still tells its layout with one.
    const std::size_t staticEnd = layout.statics.offset + std::size_t{layout.statics.blockSize} * blocks;
    const std::size_t tail = &TileDataLayoutOfSize(staticEnd + kSampleTailSize) == &layout ? kSampleTailSize : 0;
    files.tileData.resize(staticEnd + tail);
    for (std::size_t i = 0; i < layout.statics.offset; ++i)
        files.tileData[i] = random.Byte();
    // The land tiles come from a generator of their own, so that the static
    // section is what it was before the sample had any.
    Random land(0x1A4Dull);
    PutLandBlocks(land, layout, &files.tileData[layout.land.offset], kLandBlockCount);
    for (int block = 0; block < blocks; ++block) {
        const std::size_t offset = layout.statics.offset + std::size_t{layout.statics.blockSize} * block;
        StoreLittleEndian32(static_cast<std::uint32_t>(random.Next()), &files.tileData[offset]);
        WriteBlockEntries(&(*table)[block * kTilesPerBlock], &files.tileData[offset + kBlockHeaderSize], layout);
    }
    for (std::size_t i = staticEnd; i < files.tileData.size(); ++i)
        files.tileData[i] = random.Byte();

    // verdata.mul: an index, then the blocks it points at.
    const std::uint32_t firstStatic = layout.statics.firstBlockNumber;
    struct Patch {
        std::uint32_t fileId;
        std::uint32_t block;
        std::uint32_t size;
    };
    const std::uint32_t staticBlock = layout.statics.blockSize;
    const Patch allPatches[] = {
        {kTileDataFileId, firstStatic + 0, staticBlock},
        {12, firstStatic + 3, 600},            // another file's block
        {kTileDataFileId, kSamplePatchedLandBlocks[0], layout.land.blockSize},
        {kTileDataFileId, firstStatic + 100, staticBlock},
        {4, firstStatic + 7, 1200},            // another file's block
        {kTileDataFileId, firstStatic + 100, staticBlock},  // the later one wins
        {kTileDataFileId, firstStatic + 511, staticBlock},
        {kTileDataFileId, kSamplePatchedLandBlocks[1], layout.land.blockSize},
        {kTileDataFileId, kSamplePatchedLandBlocks[2], layout.land.blockSize},
        {kTileDataFileId, firstStatic + kSamplePastEndStaticBlock, staticBlock},
        {kTileDataFileId, firstStatic + kSamplePatchedHighStaticBlocks[0], staticBlock},
        {kTileDataFileId, firstStatic + kSamplePatchedHighStaticBlocks[1], staticBlock},
    };
    // Only blocks the file has: a classic sample's index ends with block 200.
    std::vector<Patch> patches;
    for (const Patch& patch : allPatches)
        if (patch.fileId != kTileDataFileId || patch.block < firstStatic + blocks)
            patches.push_back(patch);
    const auto count = static_cast<std::uint32_t>(patches.size());
    std::size_t position = kVerDataCountSize + kVerDataIndexEntrySize * count;
    files.verData.resize(position);
    StoreLittleEndian32(count, &files.verData[0]);
    for (std::uint32_t k = 0; k < count; ++k) {
        const Patch& patch = patches[k];
        const bool pastEnd =
            patch.block == firstStatic + kSamplePastEndStaticBlock;
        const std::size_t index = kVerDataCountSize + kVerDataIndexEntrySize * k;
        const std::size_t blockPosition = pastEnd ? position + 5000 : position;
        StoreLittleEndian32(patch.fileId, &files.verData[index]);
        StoreLittleEndian32(patch.block, &files.verData[index + 4]);
        StoreLittleEndian32(static_cast<std::uint32_t>(blockPosition), &files.verData[index + 8]);
        StoreLittleEndian32(patch.size, &files.verData[index + 12]);
        StoreLittleEndian32(static_cast<std::uint32_t>(random.Next()), &files.verData[index + 16]);
        if (pastEnd)
            continue;

        files.verData.resize(position + patch.size);
        for (std::size_t i = position; i < position + patch.size; ++i)
            files.verData[i] = random.Byte();
        if (patch.fileId == kTileDataFileId && patch.block >= firstStatic) {
            const int firstTile = static_cast<int>(patch.block - firstStatic) * kTilesPerBlock;
            StaticTileTable& patched = *table;
            for (int slot = 0; slot < kTilesPerBlock; ++slot) {
                StaticTileEntry& entry = patched[firstTile + slot];
                entry.hue = random.Byte();
                entry.flags ^= random.Next() & layout.FlagsMask();
                if (slot % 3 == 0)
                    SetTileName(entry, "patched " + std::string(kNames[random.Below(10)]));
            }
            // The wallpaper keeps its name through the patch: only its numbers change.
            if (firstTile == 0)
                SetTileName(patched[kSampleWallpaperTile], "wallpaper");
            WriteBlockEntries(&patched[firstTile], &files.verData[position + kBlockHeaderSize], layout);
        } else if (patch.fileId == kTileDataFileId) {
            PutLandBlocks(land, layout, &files.verData[position], 1);
        }
        position += patch.size;
    }
    AddSampleArtPatches(files.verData);
    return files;
}

namespace {

std::string Utf8Path(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The first of `names` that `folder` already holds in any letter case (the
// game reads its files so), or nothing.
std::optional<std::filesystem::path> ExistingFile(const std::filesystem::path& folder,
                                                  const std::vector<std::string>& names)
{
    std::vector<std::filesystem::path> held;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        held.push_back(entry.path());
    for (const std::string& wanted : names)
        for (const std::filesystem::path& path : held)
            if (LowerCase(path.filename().string()) == LowerCase(wanted))
                return path;
    return std::nullopt;
}

} // namespace

void WriteSampleGameFolder(const std::filesystem::path& folder, const TileDataLayout& layout, SampleArtForm art)
{
    const SampleGameFiles game = MakeSampleGameFiles(layout);
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files = MakeSampleArtFiles(layout, art);
    files.insert(files.begin(), {{kSampleTileDataName, game.tileData}, {kSampleVerDataName, game.verData}});
    files.emplace_back(kSampleHueFileName, MakeSampleHueFile());
    std::vector<std::string> names;
    for (const auto& file : files)
        names.push_back(file.first);
    // A sample is made up: written over a real game folder it would destroy the game's files.
    if (const std::optional<std::filesystem::path> existing = ExistingFile(folder, names))
        throw std::runtime_error(Utf8Path(*existing) + " already exists; nothing was written");

    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : files) {
        const std::filesystem::path path = folder / name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            throw std::runtime_error("cannot write " + Utf8Path(path));
    }
}
