#pragma once

// The patch file's bytes, and what a damaged one does: docs/file-formats.md, "Patch file".

#include "FileOpenFailure.h"
#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "WaitCursorHook.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// The id by which the patch file names the tile-data file.
inline constexpr std::uint32_t kTileDataFileId = 30;

// One 20-byte entry of the patch file's index (five little-endian words).
struct VerDataIndexEntry {
    std::uint32_t fileId = 0;
    std::uint32_t block = 0;     // counted from the start of the replaced file
    std::uint32_t position = 0;  // of the replacement block in the patch file
    std::uint32_t length = 0;    // of the replacement (art entries; a tile-data block's is its layout's)
    std::uint32_t extra = 0;     // not used
};
inline constexpr std::uint32_t kVerDataCountSize = 4;
inline constexpr std::uint32_t kVerDataIndexEntrySize = 20;

// The index entry whose 20 bytes are at `bytes`.
VerDataIndexEntry DecodeIndexEntry(const std::uint8_t* bytes);

// How many of the `count` index entries the count claims a patch file of
// `fileSize` bytes holds whole: a file cut short holds fewer.
constexpr std::uint32_t VerDataEntriesHeld(std::uint32_t count, std::uint64_t fileSize)
{
    if (fileSize < kVerDataCountSize)
        return 0;
    const std::uint64_t whole = (fileSize - kVerDataCountSize) / kVerDataIndexEntrySize;
    return count < whole ? count : static_cast<std::uint32_t>(whole);
}

// Index entries are read in batches, never more than the file delivers, so
// that what a walk holds in memory does not grow with the count a damaged
// file claims. A fuzzing build makes the batches tiny so that short inputs
// cross them.
#ifndef QUARNEL_INDEX_BATCH_ENTRIES
#define QUARNEL_INDEX_BATCH_ENTRIES 4096
#endif
inline constexpr std::uint32_t kIndexBatchEntries = QUARNEL_INDEX_BATCH_ENTRIES;

// The one walk of the patch file's index, for the tile-data blocks and the
// art entries alike: calls visit(entry) for each of the `count` entries
// that a file of `fileSize` bytes holds whole, in index order. The entries
// are read a batch at a time through readAt(offset, buffer, size), which
// returns the bytes it delivered; one that delivers fewer than asked (the
// file was cut meanwhile) ends the walk. Offsets and sizes are 64-bit: a
// count near 2^32 never wraps one round.
template <typename ReadAt, typename Visit>
void ForEachVerDataIndexEntry(std::uint32_t count, std::uint64_t fileSize, ReadAt&& readAt, Visit&& visit)
{
    const std::uint32_t held = VerDataEntriesHeld(count, fileSize);
    std::vector<std::uint8_t> batch;
    std::uint64_t batchOffset = kVerDataCountSize;
    for (std::uint32_t k = 0; k < held;) {
        const std::uint32_t wanted = std::min(held - k, kIndexBatchEntries);
        batch.resize(std::size_t{wanted} * kVerDataIndexEntrySize);
        const std::uint32_t delivered = readAt(batchOffset, batch.data(), static_cast<std::uint32_t>(batch.size()));
        const std::uint32_t whole = std::min<std::uint32_t>(delivered, static_cast<std::uint32_t>(batch.size())) /
                                    kVerDataIndexEntrySize;
        for (std::uint32_t i = 0; i < whole; ++i)
            visit(DecodeIndexEntry(batch.data() + std::size_t{i} * kVerDataIndexEntrySize));
        if (whole < wanted)
            return;
        k += wanted;
        batchOffset += batch.size();
    }
}

// Applies every replacement block of the patch file at `path` that belongs
// to the table's section (static block numbers from 512 on for a
// StaticTileTable, land ones below 512 for a LandTileTable) over the
// table, in the table's layout, and marks those entries patched. Blocks apply as far as the table's tiles in use go. Returns false,
// with the table unchanged, when the file cannot be opened exclusively; a
// file error after opening is thrown as CFileException.
//
// Index entries that name no block of this table, whose block would
// wrap round to the file's start, or whose block lies over the file's own
// count and index are damaged and skipped, here and when saving.
// `blocksApplied`, when given, receives how many index entries applied a
// block. Only quarnel-tiles reads the land half, never the editor.
template <typename Table>
bool LoadVerData(Table& table, const std::string& path, WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                 FileOpenFailure* failure = nullptr, int* blocksApplied = nullptr);

// Applies the replacement blocks of both halves, opening the file once for both.
bool LoadVerData(StaticTileTable& statics, LandTileTable& land, const std::string& path,
                 WaitCursorHook& waitCursor = NoWaitCursor::Instance(), FileOpenFailure* failure = nullptr,
                 int* staticBlocksApplied = nullptr, int* landBlocksApplied = nullptr);

// Writes the table's current entries into every replacement block that
// loading applies, in place, and flushes the file to stable storage.
bool SaveVerData(const StaticTileTable& table, const std::string& path,
                 WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                 FileOpenFailure* failure = nullptr);
