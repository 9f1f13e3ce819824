#pragma once

// How an entry's fields lie in a tile-data file of a given layout: the flag
// word in the layout's width, then the other fields in file order, all
// little-endian. The same forms serve the tile-data file and the patch
// file's replacement blocks.

#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "TileDataLayout.h"

#include <cstddef>
#include <cstdint>

// Reads one entry from its file form, of which only the first `available`
// bytes exist: a field cut short has just its leading bytes replaced (the
// low-order bytes of a number), and fields past the end keep their values.
// A whole classic flag word replaces the low 32 bits and clears the high
// ones. The patched mark is left alone.
void ReadEntryFields(const std::uint8_t* bytes, std::size_t available, StaticTileEntry& entry,
                     const TileDataLayout& layout);

// Writes the entry's file form; a classic one takes the low 32 flag bits.
void WriteEntryFields(const StaticTileEntry& entry, std::uint8_t* bytes, const TileDataLayout& layout);

// Reads the 32 entries of a block's entry bytes (header excluded) into
// `entries`, as far as `available` bytes go, and sets their patched marks.
void ReadBlockEntries(const std::uint8_t* bytes, std::size_t available, StaticTileEntry* entries,
                      const TileDataLayout& layout, bool patched);
// Writes the file form of the 32 entries from `entries` on.
void WriteBlockEntries(const StaticTileEntry* entries, std::uint8_t* bytes, const TileDataLayout& layout);

// The same for land entries: the flag word, then texture and name.
void ReadEntryFields(const std::uint8_t* bytes, std::size_t available, LandTileEntry& entry,
                     const TileDataLayout& layout);
void WriteEntryFields(const LandTileEntry& entry, std::uint8_t* bytes, const TileDataLayout& layout);
void ReadBlockEntries(const std::uint8_t* bytes, std::size_t available, LandTileEntry* entries,
                      const TileDataLayout& layout, bool patched);
void WriteBlockEntries(const LandTileEntry* entries, std::uint8_t* bytes, const TileDataLayout& layout);
