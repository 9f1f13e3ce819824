#pragma once

// Entries to and from their file form in a given layout (the bytes:
// docs/file-formats.md, "Tile-data file"). The same forms serve the
// tile-data file and the patch file's replacement blocks.

#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "TileDataLayout.h"

#include <cstddef>
#include <cstdint>

// Entry is StaticTileEntry or LandTileEntry, its fields as its list in
// StaticTileFields.h or LandTileFields.h gives them.

// Reads one entry from its file form, of which only the first `available`
// bytes exist: a field cut short has just its leading bytes replaced (the
// low-order bytes of a number), and fields past the end keep their values.
// A whole classic flag word replaces the low 32 bits and clears the high
// ones. The patched mark is left alone.
template <typename Entry>
void ReadEntryFields(const std::uint8_t* bytes, std::size_t available, Entry& entry, const TileDataLayout& layout);

// Writes the entry's file form; a classic one takes the low 32 flag bits.
template <typename Entry>
void WriteEntryFields(const Entry& entry, std::uint8_t* bytes, const TileDataLayout& layout);

// Reads the 32 entries of a block's entry bytes (header excluded) into
// `entries`, as far as `available` bytes go, and sets their patched marks.
template <typename Entry>
void ReadBlockEntries(const std::uint8_t* bytes, std::size_t available, Entry* entries, const TileDataLayout& layout,
                      bool patched);

// Writes the file form of the 32 entries from `entries` on.
template <typename Entry>
void WriteBlockEntries(const Entry* entries, std::uint8_t* bytes, const TileDataLayout& layout);
