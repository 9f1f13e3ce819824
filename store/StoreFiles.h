#pragma once

// The patch file's index and which of its blocks apply: docs/file-formats.md, "Patch file".

// What the store's operations share about opening the two game files and
// walking the patch file's index. Internal to the store.

#include "CFile.h"
#include "FileOpenFailure.h"
#include "LittleEndian.h"
#include "TileFileLayout.h"
#include "TileSection.h"
#include "VerDataFile.h"
#include "WaitCursorHook.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace store_detail {

// Opens a game file exclusively.
bool OpenGameFile(CFile& file, const std::string& path, unsigned mode, FileOpenFailure* failure);

// Opens the tile-data file exclusively for writing a table of `layout`
// into it, and refuses a file whose size now says another layout: that
// table's entries would land across the file's own.
bool OpenTileDataToWrite(CFile& file, const std::string& path, const TileDataLayout& layout,
                         FileOpenFailure* failure);

// What every store operation does around its work: open the file with
// `open(file)` (false, with the failure filled in, when it cannot), show
// the wait cursor while `work(file)` runs, flush what it wrote and close
// the file. A file error leaves by exception with the file closed and the
// cursor ended.
template <typename Open, typename Work>
bool WithGameFile(Open&& open, unsigned mode, WaitCursorHook& waitCursor, Work&& work)
{
    CFile file;
    if (!open(file))
        return false;
    WaitCursorScope wait(waitCursor);
    work(file);
    if (mode & CFile::modeReadWrite)
        file.Flush();
    file.Close();
    return true;
}

// Calls visit(firstTile) with the file positioned at the entry bytes of
// each replacement block that applies to a table of either half, in index
// order: block numbers from the section's first on, as far as the table's
// blocks in use go. Only the index entries that the file held when the
// walk began count, read in batches: a block written in between may lie
// past the file's end, where the count claims entries the file did not
// hold, and what is written there is no index. No block lies over the
// index itself.
template <typename Table, typename Visit>
void ForEachPatchBlock(CFile& file, const Table& table, Visit&& visit)
{
    const std::uint32_t firstNumber = SectionOf(table).firstBlockNumber;
    const std::uint32_t endNumber = firstNumber + static_cast<std::uint32_t>(table.BlockCount());
    std::array<std::uint8_t, kVerDataCountSize> countBytes{};
    if (file.Read(countBytes.data(), kVerDataCountSize) < kVerDataCountSize)
        return;  // no count, so no index
    const std::uint32_t count = LoadLittleEndian32(countBytes.data());
    const std::uint64_t length = file.GetLength();
    // Every byte the index claims that the file holds; no block may reach into it.
    const std::uint64_t indexEnd =
        std::min<std::uint64_t>(kVerDataCountSize + std::uint64_t{kVerDataIndexEntrySize} * count, length);

    const auto readAt = [&](std::uint64_t offset, std::uint8_t* buffer, std::uint32_t size) {
        file.Seek(static_cast<std::int64_t>(offset), CFile::begin);
        return file.Read(buffer, size);
    };
    ForEachVerDataIndexEntry(count, length, readAt, [&](const VerDataIndexEntry& entry) {
        if (entry.fileId != kTileDataFileId || entry.block < firstNumber || entry.block >= endNumber)
            return;
        const std::uint64_t target = std::uint64_t{entry.position} + kBlockHeaderSize;
        if (target > UINT32_MAX)
            return;  // would wrap round onto the count and index
        // The target is a signed 32-bit offset: one past 2 GiB is a seek error.
        const auto signedTarget = static_cast<std::int32_t>(static_cast<std::uint32_t>(target));
        if (signedTarget >= 0 && target < indexEnd)
            return;
        file.Seek(signedTarget, CFile::begin);
        visit(static_cast<int>(entry.block - firstNumber) * kTilesPerBlock);
    });
}

} // namespace store_detail
