#include "VerDataFile.h"

#include "StoreFiles.h"
#include "TileFileLayout.h"

#include <vector>

using namespace store_detail;

namespace {

// Entry bytes of one replacement block in the table's layout (header excluded).
std::vector<std::uint8_t> BlockEntriesBuffer(const TileDataLayout& layout)
{
    return std::vector<std::uint8_t>(std::size_t{layout.staticEntrySize} * kTilesPerBlock);
}

} // namespace

bool LoadVerData(StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure, int* blocksApplied)
{
    int applied = 0;
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeRead, failure); };
    return WithGameFile(open, CFile::modeRead, waitCursor, [&](CFile& file) {
        std::vector<std::uint8_t> entries = BlockEntriesBuffer(*table.layout);
        ForEachStaticPatchBlock(file, table, [&](int firstTile) {
            const std::uint32_t delivered = file.Read(entries.data(), static_cast<std::uint32_t>(entries.size()));
            ReadBlockEntries(entries.data(), delivered, &table[firstTile], *table.layout, /*patched=*/true);
            ++applied;
        });
        if (blocksApplied)
            *blocksApplied = applied;
    });
}

bool SaveVerData(const StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure)
{
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeReadWrite, failure); };
    return WithGameFile(open, CFile::modeReadWrite, waitCursor, [&](CFile& file) {
        std::vector<std::uint8_t> entries = BlockEntriesBuffer(*table.layout);
        ForEachStaticPatchBlock(file, table, [&](int firstTile) {
            WriteBlockEntries(&table[firstTile], entries.data(), *table.layout);
            file.Write(entries.data(), static_cast<std::uint32_t>(entries.size()));
        });
    });
}
