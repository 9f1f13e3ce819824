#pragma once

// Where the entries of a table's half lie in a tile-data file of the
// table's layout, from the shape the layout holds for that half.

#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "TileDataLayout.h"

#include <cstdint>

// Which of a layout's shapes is the half of Entry.
template <typename Entry>
struct SectionOfEntry;

template <>
struct SectionOfEntry<LandTileEntry> {
    static constexpr TileSectionShape TileDataLayout::*kShape = &TileDataLayout::land;
};

template <>
struct SectionOfEntry<StaticTileEntry> {
    static constexpr TileSectionShape TileDataLayout::*kShape = &TileDataLayout::statics;
};

template <typename Entry>
constexpr const TileSectionShape& SectionShape(const TileDataLayout& layout)
{
    return layout.*SectionOfEntry<Entry>::kShape;
}

// The shape of the table's half in the table's layout.
template <typename Table>
const TileSectionShape& SectionOf(const Table& table)
{
    return SectionShape<typename Table::value_type>(*table.layout);
}

// The tiles a table of this type has in use after loading a file of that
// size and layout.
template <typename Table>
int TableTilesInUse(const TileDataLayout& layout, std::uint64_t fileSize)
{
    return TilesInUse(SectionShape<typename Table::value_type>(layout), fileSize, Table::kMinCount, Table::kMaxCount);
}

// Where block `block` of the table's section lies in a file of its layout;
// the block after the last in use is where the section ends.
template <typename Table>
std::uint64_t BlockOffset(const Table& table, int block)
{
    const TileSectionShape& section = SectionOf(table);
    return section.offset + std::uint64_t{section.blockSize} * block;
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
           std::uint64_t{SectionOf(table).entrySize} * (tile % kTilesPerBlock);
}
