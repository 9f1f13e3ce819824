#pragma once

#include <cstdint>
#include <string_view>

// The shapes of tile-data file in use. Every one is 512 land blocks, then
// static blocks, each block a 4-byte header (opaque) and 32 entries. The
// shapes differ only in the width of the flag word that starts every entry;
// the fields after it are the same. Nothing in a file names its layout: the
// file's size tells.
struct TileDataLayout {
    std::string_view name;          // "classic", "newer"
    std::uint32_t flagsSize;        // bytes of an entry's flag word
    std::uint32_t landEntrySize;    // flags, texture, name
    std::uint32_t landBlockSize;
    std::uint32_t landSectionSize;  // which is also where the static section starts
    std::uint32_t staticEntrySize;  // flags, then the 33 bytes of numbers and name
    std::uint32_t staticBlockSize;
    int usualStaticTiles;           // in the files the game ships: 512 or 2048 blocks

    // The flag bits an entry of this layout can hold.
    constexpr std::uint64_t FlagsMask() const { return flagsSize == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * flagsSize)) - 1; }
    constexpr int FlagBitCount() const { return static_cast<int>(8 * flagsSize); }
};

inline constexpr std::uint32_t kBlockHeaderSize = 4;
inline constexpr int kTilesPerBlock = 32;
inline constexpr int kLandBlockCount = 512;
inline constexpr int kLandTileCount = kLandBlockCount * kTilesPerBlock;
// What follows the flag word in an entry: texture (2) and name (20) in a
// land entry; weight ... height (13) and name (20) in a static entry.
inline constexpr std::uint32_t kLandFieldsAfterFlags = 22;
inline constexpr std::uint32_t kStaticFieldsAfterFlags = 33;

constexpr TileDataLayout MakeTileDataLayout(std::string_view name, std::uint32_t flagsSize, int usualStaticTiles)
{
    const std::uint32_t landEntry = flagsSize + kLandFieldsAfterFlags;
    const std::uint32_t landBlock = kBlockHeaderSize + kTilesPerBlock * landEntry;
    const std::uint32_t staticEntry = flagsSize + kStaticFieldsAfterFlags;
    return {name, flagsSize, landEntry, landBlock, kLandBlockCount * landBlock, staticEntry,
            kBlockHeaderSize + kTilesPerBlock * staticEntry, usualStaticTiles};
}

// 32-bit flags: the file the editor was first built for.
inline constexpr TileDataLayout kClassicLayout = MakeTileDataLayout("classic", 4, 0x4000);
// 64-bit flags, as later clients write them.
inline constexpr TileDataLayout kNewerLayout = MakeTileDataLayout("newer", 8, 0x10000);

inline constexpr const TileDataLayout* kTileDataLayouts[] = {&kClassicLayout, &kNewerLayout};

static_assert(kClassicLayout.landSectionSize == 0x68800 && kClassicLayout.staticBlockSize == 1188);
static_assert(kNewerLayout.landSectionSize == 0x78800 && kNewerLayout.staticBlockSize == 1316);

// Static tiles every table holds: the classic file's 512 blocks. A shorter
// file loads what it has and is extended to them on saving.
inline constexpr int kMinStaticTileCount = 0x4000;
// Tile ids are 16-bit: no file holds a usable static tile past FFFF.
inline constexpr int kMaxStaticTileCount = 0x10000;
// Where the classic file's static section starts. It is a fixed offset:
// the file is never examined to find it.
inline constexpr std::uint32_t kStaticSectionOffset = kClassicLayout.landSectionSize;

// Block numbers as the patch file counts them: from the start of the
// tile-data file, so the land blocks come first.
inline constexpr std::uint32_t kFirstStaticBlockNumber = kLandBlockCount;

// The layout of that name, or null.
const TileDataLayout* FindTileDataLayout(std::string_view name);

// The layout a file of `fileSize` bytes has: the newer one when the size is
// its land section and a whole number (at least one) of its static blocks,
// and is not the same of the classic layout; the classic one otherwise, so
// that every short or odd-sized file stays classic.
const TileDataLayout& TileDataLayoutOfSize(std::uint64_t fileSize);

// The static tiles in use in a file of that size and layout: 32 for each
// whole static block, but at least kMinStaticTileCount and at most
// kMaxStaticTileCount. Bytes past the last of them are never read or written.
int StaticTilesInUse(const TileDataLayout& layout, std::uint64_t fileSize);
