#include "VerDataFile.h"

#include "CFile.h"
#include "TileFileLayout.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Index entries are read in batches, never more than the file delivers.
constexpr std::uint32_t kIndexBatchEntries = 4096;

std::uint32_t LittleEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

VerDataIndexEntry DecodeIndexEntry(const std::uint8_t* bytes)
{
    return {LittleEndian32(bytes), LittleEndian32(bytes + 4), LittleEndian32(bytes + 8),
            LittleEndian32(bytes + 12), LittleEndian32(bytes + 16)};
}

bool OpenVerData(CFile& file, const std::string& path, unsigned mode, FileOpenFailure* failure)
{
    CFileException cause;
    if (file.Open(path, mode | CFile::shareExclusive | CFile::typeBinary, &cause))
        return true;
    if (failure)
        *failure = {FileOpenFailure::Reason::kCannotOpen, cause};
    return false;
}

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

} // namespace

bool LoadVerData(StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure)
{
    CFile file;
    if (!OpenVerData(file, path, CFile::modeRead, failure))
        return false;
    WaitCursorScope wait(waitCursor);

    std::array<std::uint8_t, kBlockEntriesSize> entries{};
    ForEachStaticPatchBlock(file, [&](int firstTile) {
        const std::uint32_t delivered = file.Read(entries.data(), kBlockEntriesSize);
        ReadBlockEntries(entries.data(), delivered, table, firstTile, /*patched=*/true);
    });
    file.Close();
    return true;
}

bool SaveVerData(const StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure)
{
    CFile file;
    if (!OpenVerData(file, path, CFile::modeReadWrite, failure))
        return false;
    WaitCursorScope wait(waitCursor);

    std::array<std::uint8_t, kBlockEntriesSize> entries{};
    ForEachStaticPatchBlock(file, [&](int firstTile) {
        WriteBlockEntries(table, firstTile, entries.data());
        file.Write(entries.data(), kBlockEntriesSize);
    });
    file.Flush();
    file.Close();
    return true;
}
