#pragma once

// Both layouts, byte by byte: docs/file-formats.md, "Tile-data file".

#include "LandTileFields.h"
#include "StaticTileFields.h"

#include <cstdint>
#include <string_view>

inline constexpr std::uint32_t kBlockHeaderSize = 4;
inline constexpr int kTilesPerBlock = 32;
inline constexpr int kLandBlockCount = 512;
inline constexpr int kLandTileCount = kLandBlockCount * kTilesPerBlock;

// Static tiles every table holds: the classic file's 512 blocks. A shorter
// file loads what it has and is extended to them on saving.
inline constexpr int kMinStaticTileCount = 0x4000;
// Tile ids are 16-bit: no file holds a usable static tile past FFFF.
inline constexpr int kMaxStaticTileCount = 0x10000;

// Block numbers as the patch file counts them: from the start of the
// tile-data file, so the land blocks come first.
inline constexpr std::uint32_t kFirstStaticBlockNumber = kLandBlockCount;

// Where the blocks of one half lie in a file of a layout, and how the
// patch file numbers them. Each block is a 4-byte header (opaque) and 32
// entries, one straight after the other.
struct TileSectionShape {
    std::uint32_t offset;            // of the half's first block, from the file's start
    std::uint32_t entrySize;         // the flag word, then the half's other fields
    std::uint32_t blockSize;
    std::uint32_t firstBlockNumber;  // the patch file's number for the half's first block
};

// The shapes of tile-data file in use; they differ only in the width of the
// flag word that starts every entry. Nothing in a file names its layout:
// the file's size tells (docs/file-formats.md, "Layouts").
struct TileDataLayout {
    std::string_view name;  // "classic", "newer"
    std::uint32_t flagsSize;  // bytes of an entry's flag word
    TileSectionShape land;
    TileSectionShape statics;
    int usualStaticTiles;  // in the files the game ships: 512 or 2048 blocks

    // The flag bits an entry of this layout can hold.
    constexpr std::uint64_t FlagsMask() const { return flagsSize == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * flagsSize)) - 1; }
    constexpr int FlagBitCount() const { return static_cast<int>(8 * flagsSize); }
};

constexpr TileSectionShape MakeTileSectionShape(std::uint32_t offset, std::uint32_t entrySize,
                                                std::uint32_t firstBlockNumber)
{
    return {offset, entrySize, kBlockHeaderSize + kTilesPerBlock * entrySize, firstBlockNumber};
}

constexpr TileDataLayout MakeTileDataLayout(std::string_view name, std::uint32_t flagsSize, int usualStaticTiles)
{
    const TileSectionShape land = MakeTileSectionShape(0, flagsSize + kFileBytesAfterFlags<LandTileEntry>, 0);
    const TileSectionShape statics =
        MakeTileSectionShape(land.offset + kLandBlockCount * land.blockSize,
                             flagsSize + kFileBytesAfterFlags<StaticTileEntry>, kFirstStaticBlockNumber);
    return {name, flagsSize, land, statics, usualStaticTiles};
}

// 32-bit flags: the file the editor was first built for.
inline constexpr TileDataLayout kClassicLayout = MakeTileDataLayout("classic", 4, 0x4000);
// 64-bit flags, as later clients write them.
inline constexpr TileDataLayout kNewerLayout = MakeTileDataLayout("newer", 8, 0x10000);

inline constexpr const TileDataLayout* kTileDataLayouts[] = {&kClassicLayout, &kNewerLayout};

static_assert(kClassicLayout.statics.offset == 0x68800 && kClassicLayout.statics.blockSize == 1188);
static_assert(kNewerLayout.statics.offset == 0x78800 && kNewerLayout.statics.blockSize == 1316);

// The layout with the widest flag word: its flag columns and entries hold
// every other layout's.
constexpr const TileDataLayout& WidestTileDataLayout()
{
    const TileDataLayout* widest = kTileDataLayouts[0];
    for (const TileDataLayout* layout : kTileDataLayouts)
        if (layout->flagsSize > widest->flagsSize)
            widest = layout;
    return *widest;
}
inline constexpr const TileDataLayout& kWidestLayout = WidestTileDataLayout();

// The layout of that name, or null.
const TileDataLayout* FindTileDataLayout(std::string_view name);

// The layout a file of `fileSize` bytes has: the newer one when the size is
// its land section and a whole number (at least one) of its static blocks,
// and is not the same of the classic layout; the classic one otherwise, so
// that every short or odd-sized file stays classic.
const TileDataLayout& TileDataLayoutOfSize(std::uint64_t fileSize);

// The tiles in use of a half whose section has `shape` in a file of
// `fileSize` bytes: 32 for each whole block, but at least `least` and at
// most `most`. Bytes past the last of them are never read or written.
int TilesInUse(const TileSectionShape& shape, std::uint64_t fileSize, int least, int most);

// The static tiles in use in a file of that size and layout: at least
// kMinStaticTileCount and at most kMaxStaticTileCount.
int StaticTilesInUse(const TileDataLayout& layout, std::uint64_t fileSize);
