#include "TileDataFile.h"

#include "StoreFiles.h"
#include "TileSection.h"

#include <algorithm>
#include <span>
#include <vector>

using namespace store_detail;

namespace {

// Calls work(firstBlock, blocks, chunkOffset) for each chunk of the table's
// blocks in use, in file order.
template <typename Table, typename Work>
void ForEachChunk(const Table& table, Work&& work)
{
    for (int firstBlock = 0; firstBlock < table.BlockCount(); firstBlock += kBlocksPerChunk)
        work(firstBlock, std::min(kBlocksPerChunk, table.BlockCount() - firstBlock), BlockOffset(table, firstBlock));
}

// One chunk's bytes. The buffer is kept for the thread's life, so that a
// load or save allocates nothing and touches no new page.
std::span<std::uint8_t> ChunkBuffer(std::uint32_t blockSize)
{
    thread_local std::vector<std::uint8_t> buffer;
    const std::size_t size = std::size_t{blockSize} * kBlocksPerChunk;
    buffer.resize(std::max(buffer.size(), size));
    return {buffer.data(), size};
}

// Reads the table's section of the open tile-data file, whose size gives
// its layout and the tiles in use.
template <typename Table>
void ReadSection(CFile& file, Table& table)
{
    const std::uint64_t length = file.GetLength();
    const TileDataLayout& layout = TileDataLayoutOfSize(length);
    table.layout = &layout;
    table.count = TableTilesInUse<Table>(layout, length);
    // What a short file does not deliver leaves the entries it would have
    // filled as they were.
    const std::uint32_t blockSize = SectionOf(table).blockSize;
    const std::span<std::uint8_t> chunk = ChunkBuffer(blockSize);
    file.Seek(static_cast<std::int64_t>(SectionOf(table).offset), CFile::begin);
    ForEachChunk(table, [&](int firstBlock, int blocks, std::uint64_t) {
        const std::size_t delivered = file.Read(chunk.data(), static_cast<std::uint32_t>(std::size_t{blockSize} * blocks));
        for (int block = 0; block < blocks; ++block) {
            const std::size_t entriesOffset = std::size_t{blockSize} * block + kBlockHeaderSize;
            const std::size_t available = delivered > entriesOffset ? delivered - entriesOffset : 0;
            ReadBlockEntries(chunk.data() + entriesOffset, available, &table[(firstBlock + block) * kTilesPerBlock],
                             layout, /*patched=*/false);
        }
    });
}

// Reads each table's section, the file opened once for all.
template <typename... Tables>
bool LoadSections(const std::string& path, WaitCursorHook& waitCursor, FileOpenFailure* failure, Tables&... tables)
{
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeRead, failure); };
    return WithGameFile(open, CFile::modeRead, waitCursor, [&](CFile& file) { (ReadSection(file, tables), ...); });
}

} // namespace

template <typename Table>
bool LoadTileData(Table& table, const std::string& path, WaitCursorHook& waitCursor, FileOpenFailure* failure)
{
    return LoadSections(path, waitCursor, failure, table);
}

template bool LoadTileData(StaticTileTable&, const std::string&, WaitCursorHook&, FileOpenFailure*);
template bool LoadTileData(LandTileTable&, const std::string&, WaitCursorHook&, FileOpenFailure*);

bool LoadTileData(StaticTileTable& statics, LandTileTable& land, const std::string& path, WaitCursorHook& waitCursor,
                  FileOpenFailure* failure)
{
    // The land section comes first in the file.
    return LoadSections(path, waitCursor, failure, land, statics);
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
    const TileDataLayout& layout = *table.layout;
    const auto open = [&](CFile& file) { return OpenTileDataToWrite(file, path, layout, failure); };
    const std::uint32_t blockSize = SectionOf(table).blockSize;
    return WithGameFile(open, CFile::modeReadWrite, waitCursor, [&](CFile& file) {
        const std::span<std::uint8_t> chunk = ChunkBuffer(blockSize);
        ForEachChunk(table, [&](int firstBlock, int blocks, std::uint64_t chunkOffset) {
            const std::size_t chunkSize = std::size_t{blockSize} * blocks;
            file.Seek(static_cast<std::int64_t>(chunkOffset), CFile::begin);
            const std::size_t delivered = file.Read(chunk.data(), static_cast<std::uint32_t>(chunkSize));
            std::fill(chunk.begin() + static_cast<std::ptrdiff_t>(delivered), chunk.end(), 0);
            for (int block = 0; block < blocks; ++block)
                WriteBlockEntries(&table[(firstBlock + block) * kTilesPerBlock],
                                  chunk.data() + std::size_t{blockSize} * block + kBlockHeaderSize,
                                  layout);
            const std::uint32_t skip = firstBlock == 0 ? kBlockHeaderSize : 0;
            file.Seek(static_cast<std::int64_t>(chunkOffset + skip), CFile::begin);
            file.Write(chunk.data() + skip, static_cast<std::uint32_t>(chunkSize - skip));
        });
    });
}
