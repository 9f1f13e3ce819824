#include "TileDataFile.h"

#include "StoreFiles.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint64_t kNewerLandSectionSize = 0x78800;
constexpr std::uint64_t kNewerStaticBlockSize = 4 + 32 * 41;

constexpr int kBlocksPerChunk = kStaticBlocksPerChunk;
constexpr std::uint32_t kChunkSize = kBlocksPerChunk * kStaticBlockSize;
static_assert(kStaticBlockCount % kBlocksPerChunk == 0);

} // namespace

using namespace store_detail;

bool HasNewerTileDataLayout(std::uint64_t fileSize)
{
    const bool fitsNewer = fileSize > kNewerLandSectionSize &&
                           (fileSize - kNewerLandSectionSize) % kNewerStaticBlockSize == 0;
    const bool fitsThis = fileSize >= kStaticSectionOffset &&
                          (fileSize - kStaticSectionOffset) % kStaticBlockSize == 0;
    return fitsNewer && !fitsThis;
}

bool LoadTileData(StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                  FileOpenFailure* failure)
{
    return WithGameFile(&OpenTileData, path, CFile::modeRead, waitCursor, failure, [&](CFile& file) {
        // What a short file does not deliver leaves the entries it would have
        // filled as they were.
        std::vector<std::uint8_t> chunk(kChunkSize);
        file.Seek(kStaticSectionOffset, CFile::begin);
        for (int firstBlock = 0; firstBlock < kStaticBlockCount; firstBlock += kBlocksPerChunk) {
            const std::size_t delivered = file.Read(chunk.data(), kChunkSize);
            for (int block = 0; block < kBlocksPerChunk; ++block) {
                const std::size_t entriesOffset = std::size_t{kStaticBlockSize} * block + kBlockHeaderSize;
                const std::size_t available = delivered > entriesOffset ? delivered - entriesOffset : 0;
                ReadBlockEntries(chunk.data() + entriesOffset, available, table,
                                 (firstBlock + block) * kTilesPerBlock, /*patched=*/false);
            }
        }
    });
}

bool SaveTileData(const StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                  FileOpenFailure* failure)
{
    // Writing block by block would take two calls a block. Instead each chunk
    // is read, its entries replaced, and written back whole: the block
    // headers inside it go back with the very bytes they held (zeros beyond
    // a short file's end, as the gap a seek past the end leaves). The span
    // written starts after the first header and ends with the last entry,
    // as when each field is written on its own.
    return WithGameFile(&OpenTileData, path, CFile::modeReadWrite, waitCursor, failure, [&](CFile& file) {
        std::vector<std::uint8_t> chunk(kChunkSize);
        for (int firstBlock = 0; firstBlock < kStaticBlockCount; firstBlock += kBlocksPerChunk) {
            const std::uint64_t chunkOffset =
                kStaticSectionOffset + std::uint64_t{kStaticBlockSize} * firstBlock;
            file.Seek(static_cast<std::int64_t>(chunkOffset), CFile::begin);
            const std::size_t delivered = file.Read(chunk.data(), kChunkSize);
            std::fill(chunk.begin() + static_cast<std::ptrdiff_t>(delivered), chunk.end(), 0);
            for (int block = 0; block < kBlocksPerChunk; ++block)
                WriteBlockEntries(&table[(firstBlock + block) * kTilesPerBlock],
                                  chunk.data() + std::size_t{kStaticBlockSize} * block + kBlockHeaderSize);
            const std::uint32_t skip = firstBlock == 0 ? kBlockHeaderSize : 0;
            file.Seek(static_cast<std::int64_t>(chunkOffset + skip), CFile::begin);
            file.Write(chunk.data() + skip, kChunkSize - skip);
        }
    });
}
