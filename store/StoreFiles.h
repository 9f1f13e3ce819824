#pragma once

// What the store's operations share about opening the two game files and
// walking the patch file's index. Internal to the store.

#include "CFile.h"
#include "FileOpenFailure.h"
#include "TileFileLayout.h"
#include "VerDataFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace store_detail {

// Index entries are read in batches, never more than the file delivers.
inline constexpr std::uint32_t kIndexBatchEntries = 4096;

std::uint32_t LittleEndian32(const std::uint8_t* bytes);
VerDataIndexEntry DecodeIndexEntry(const std::uint8_t* bytes);

// Opens the tile-data file exclusively and refuses the newer layout.
bool OpenTileData(CFile& file, const std::string& path, unsigned mode, FileOpenFailure* failure);
// Opens the patch file exclusively.
bool OpenVerData(CFile& file, const std::string& path, unsigned mode, FileOpenFailure* failure);

// Calls visit(firstTile) with the file positioned at the entry bytes of
// each static replacement block, in index order. The count and index are
// read once up front; the blocks written in between never lie over them.
template <typename Visit>
void ForEachStaticPatchBlock(CFile& file, Visit&& visit)
{
    std::array<std::uint8_t, kVerDataCountSize> countBytes{};
    if (file.Read(countBytes.data(), kVerDataCountSize) < kVerDataCountSize)
        return;  // no count, so no index
    const std::uint32_t count = LittleEndian32(countBytes.data());
    // Every byte the index claims that the file holds; no block may reach into it.
    const std::uint64_t indexEnd =
        std::min<std::uint64_t>(kVerDataCountSize + std::uint64_t{kVerDataIndexEntrySize} * count,
                                file.GetLength());

    std::vector<std::uint8_t> batch;
    std::uint64_t batchOffset = kVerDataCountSize;
    for (std::uint32_t k = 0; k < count;) {
        const std::uint32_t wanted = std::min(count - k, kIndexBatchEntries);
        batch.resize(std::size_t{wanted} * kVerDataIndexEntrySize);
        file.Seek(static_cast<std::int64_t>(batchOffset), CFile::begin);
        const std::uint32_t whole =
            file.Read(batch.data(), static_cast<std::uint32_t>(batch.size())) / kVerDataIndexEntrySize;
        for (std::uint32_t i = 0; i < whole; ++i) {
            const VerDataIndexEntry entry = DecodeIndexEntry(batch.data() + i * kVerDataIndexEntrySize);
            if (entry.fileId != kTileDataFileId || entry.block < kFirstStaticBlockNumber ||
                entry.block >= kEndStaticBlockNumber)
                continue;
            const std::uint64_t target = std::uint64_t{entry.position} + kBlockHeaderSize;
            if (target > UINT32_MAX)
                continue;  // would wrap round onto the count and index
            // The target is a signed 32-bit offset: one past 2 GiB is a seek error.
            const auto signedTarget = static_cast<std::int32_t>(static_cast<std::uint32_t>(target));
            if (signedTarget >= 0 && target < indexEnd)
                continue;
            file.Seek(signedTarget, CFile::begin);
            visit(static_cast<int>(entry.block - kFirstStaticBlockNumber) * kTilesPerBlock);
        }
        if (whole < wanted)
            return;  // the file ends inside the index
        k += wanted;
        batchOffset += batch.size();
    }
}

} // namespace store_detail
