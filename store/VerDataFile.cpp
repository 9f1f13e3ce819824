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
    return std::vector<std::uint8_t>(std::size_t{SectionOf(table).entrySize} * kTilesPerBlock);
}

// Applies the table's replacement blocks from the open patch file, and
// counts them into `applied`. The walk starts where the file stands: at the
// index's count.
template <typename Table>
void ApplyPatchBlocks(CFile& file, Table& table, int& applied)
{
    std::vector<std::uint8_t> entries = BlockEntriesBuffer(table);
    ForEachPatchBlock(file, table, [&](int firstTile) {
        const std::uint32_t delivered = file.Read(entries.data(), static_cast<std::uint32_t>(entries.size()));
        ReadBlockEntries(entries.data(), delivered, &table[firstTile], *table.layout, /*patched=*/true);
        ++applied;
    });
}

} // namespace

template <typename Table>
bool LoadVerData(Table& table, const std::string& path, WaitCursorHook& waitCursor, FileOpenFailure* failure,
                 int* blocksApplied)
{
    int applied = 0;
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeRead, failure); };
    return WithGameFile(open, CFile::modeRead, waitCursor, [&](CFile& file) {
        ApplyPatchBlocks(file, table, applied);
        if (blocksApplied)
            *blocksApplied = applied;
    });
}

template bool LoadVerData(StaticTileTable&, const std::string&, WaitCursorHook&, FileOpenFailure*, int*);
template bool LoadVerData(LandTileTable&, const std::string&, WaitCursorHook&, FileOpenFailure*, int*);

bool LoadVerData(StaticTileTable& statics, LandTileTable& land, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure, int* staticBlocksApplied, int* landBlocksApplied)
{
    int appliedToStatics = 0, appliedToLand = 0;
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeRead, failure); };
    return WithGameFile(open, CFile::modeRead, waitCursor, [&](CFile& file) {
        ApplyPatchBlocks(file, land, appliedToLand);
        file.Seek(0, CFile::begin);
        ApplyPatchBlocks(file, statics, appliedToStatics);
        if (staticBlocksApplied)
            *staticBlocksApplied = appliedToStatics;
        if (landBlocksApplied)
            *landBlocksApplied = appliedToLand;
    });
}

bool SaveVerData(const StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure)
{
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeReadWrite, failure); };
    return WithGameFile(open, CFile::modeReadWrite, waitCursor, [&](CFile& file) {
        std::vector<std::uint8_t> entries = BlockEntriesBuffer(table);
        ForEachPatchBlock(file, table, [&](int firstTile) {
            WriteBlockEntries(&table[firstTile], entries.data(), *table.layout);
            file.Write(entries.data(), static_cast<std::uint32_t>(entries.size()));
        });
    });
}
