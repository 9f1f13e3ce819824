#pragma once

// Which section of the tile-data file each kind of entry lives in, as the
// layout describes it: the land section from the file's start, then the
// static section. The patch file numbers their blocks on from each other.

#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "TileDataLayout.h"

#include <cstdint>

template <typename Entry>
struct TileSection;

template <>
struct TileSection<LandTileEntry> {
    static constexpr std::uint32_t kFirstBlockNumber = 0;
    static std::uint64_t Offset(const TileDataLayout&) { return 0; }
    static std::uint32_t BlockSize(const TileDataLayout& layout) { return layout.landBlockSize; }
    static std::uint32_t EntrySize(const TileDataLayout& layout) { return layout.landEntrySize; }
    static int TilesInUse(const TileDataLayout&, std::uint64_t) { return kLandTileCount; }
};

template <>
struct TileSection<StaticTileEntry> {
    static constexpr std::uint32_t kFirstBlockNumber = kFirstStaticBlockNumber;
    static std::uint64_t Offset(const TileDataLayout& layout) { return layout.landSectionSize; }
    static std::uint32_t BlockSize(const TileDataLayout& layout) { return layout.staticBlockSize; }
    static std::uint32_t EntrySize(const TileDataLayout& layout) { return layout.staticEntrySize; }
    static int TilesInUse(const TileDataLayout& layout, std::uint64_t fileSize)
    {
        return StaticTilesInUse(layout, fileSize);
    }
};

// The section of a table's entries.
template <typename Table>
using SectionOf = TileSection<typename Table::value_type>;

// Where block `block` of the table's section lies in a file of its layout;
// the block after the last in use is where the section ends.
template <typename Table>
std::uint64_t BlockOffset(const Table& table, int block)
{
    using Section = SectionOf<Table>;
    return Section::Offset(*table.layout) + std::uint64_t{Section::BlockSize(*table.layout)} * block;
}

template <typename Table>
std::uint64_t SectionEnd(const Table& table)
{
    return BlockOffset(table, table.BlockCount());
}

// Where the entry of `tile` lies in a file of the table's layout.
template <typename Table>
std::uint64_t EntryOffset(const Table& table, int tile)
{
    return BlockOffset(table, tile / kTilesPerBlock) + kBlockHeaderSize +
           std::uint64_t{SectionOf<Table>::EntrySize(*table.layout)} * (tile % kTilesPerBlock);
}
