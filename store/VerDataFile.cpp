#include "VerDataFile.h"

#include "StoreFiles.h"
#include "TileFileLayout.h"
#include "TileSection.h"

#include <vector>

using namespace store_detail;

namespace {

// Entry bytes of one replacement block for the table (header excluded).
template <typename Table>
std::vector<std::uint8_t> BlockEntriesBuffer(const Table& table)
{
    using Section = TileSection<std::remove_cvref_t<decltype(table[0])>>;
    return std::vector<std::uint8_t>(std::size_t{Section::EntrySize(*table.layout)} * kTilesPerBlock);
}

template <typename Table>
bool ApplyPatchBlocks(Table& table, const std::string& path, WaitCursorHook& waitCursor, FileOpenFailure* failure,
                      int* blocksApplied)
{
    int applied = 0;
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeRead, failure); };
    return WithGameFile(open, CFile::modeRead, waitCursor, [&](CFile& file) {
        std::vector<std::uint8_t> entries = BlockEntriesBuffer(table);
        ForEachPatchBlockOf(file, table, [&](int firstTile) {
            const std::uint32_t delivered = file.Read(entries.data(), static_cast<std::uint32_t>(entries.size()));
            ReadBlockEntries(entries.data(), delivered, &table[firstTile], *table.layout, /*patched=*/true);
            ++applied;
        });
        if (blocksApplied)
            *blocksApplied = applied;
    });
}

} // namespace

bool LoadVerData(StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure, int* blocksApplied)
{
    return ApplyPatchBlocks(table, path, waitCursor, failure, blocksApplied);
}

bool LoadVerData(LandTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure, int* blocksApplied)
{
    return ApplyPatchBlocks(table, path, waitCursor, failure, blocksApplied);
}

bool SaveVerData(const StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure)
{
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeReadWrite, failure); };
    return WithGameFile(open, CFile::modeReadWrite, waitCursor, [&](CFile& file) {
        std::vector<std::uint8_t> entries = BlockEntriesBuffer(table);
        ForEachPatchBlockOf(file, table, [&](int firstTile) {
            WriteBlockEntries(&table[firstTile], entries.data(), *table.layout);
            file.Write(entries.data(), static_cast<std::uint32_t>(entries.size()));
        });
    });
}
