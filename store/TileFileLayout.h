#pragma once

#include "StaticTileEntry.h"

#include <cstddef>
#include <cstdint>

// Where the static tiles lie in the tile-data file. The land section before
// them and anything after them are never read or written.
inline constexpr std::uint32_t kStaticSectionOffset = 0x68800;
inline constexpr std::uint32_t kBlockHeaderSize = 4;
inline constexpr std::uint32_t kEntryFileSize = 37;
inline constexpr std::uint32_t kBlockEntriesSize = kTilesPerBlock * kEntryFileSize;      // 1184
inline constexpr std::uint32_t kStaticBlockSize = kBlockHeaderSize + kBlockEntriesSize;  // 1188
inline constexpr std::uint32_t kStaticSectionSize = kStaticBlockCount * kStaticBlockSize;

// Block numbers as the patch file counts them: from the start of the
// tile-data file, so the static blocks are 512 to 1023.
inline constexpr std::uint32_t kFirstStaticBlockNumber = 512;
inline constexpr std::uint32_t kEndStaticBlockNumber = kFirstStaticBlockNumber + kStaticBlockCount;

// Reads one entry from its 37-byte file form, of which only the first
// `available` bytes exist: a field cut short has just its leading bytes
// replaced (the low-order bytes of a number), and fields past the end keep
// their values. The patched mark is left alone.
void ReadEntryFields(const std::uint8_t* bytes, std::size_t available, StaticTileEntry& entry);

// Writes the entry's 37-byte file form.
void WriteEntryFields(const StaticTileEntry& entry, std::uint8_t* bytes);

// Reads the 32 entries of a block's entry bytes (header excluded) into the
// table from `firstTile` on, as far as `available` bytes go.
void ReadBlockEntries(const std::uint8_t* bytes, std::size_t available,
                      StaticTileTable& table, int firstTile, bool patched);
// Writes the file form of the 32 entries from `entries` on.
void WriteBlockEntries(const StaticTileEntry* entries, std::uint8_t* bytes);
