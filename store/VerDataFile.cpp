#include "VerDataFile.h"

#include "StoreFiles.h"

using namespace store_detail;

bool LoadVerData(StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure)
{
    return WithGameFile(&OpenVerData, path, CFile::modeRead, waitCursor, failure, [&](CFile& file) {
        std::array<std::uint8_t, kBlockEntriesSize> entries{};
        ForEachStaticPatchBlock(file, [&](int firstTile) {
            const std::uint32_t delivered = file.Read(entries.data(), kBlockEntriesSize);
            ReadBlockEntries(entries.data(), delivered, table, firstTile, /*patched=*/true);
        });
    });
}

bool SaveVerData(const StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                 FileOpenFailure* failure)
{
    return WithGameFile(&OpenVerData, path, CFile::modeReadWrite, waitCursor, failure, [&](CFile& file) {
        std::array<std::uint8_t, kBlockEntriesSize> entries{};
        ForEachStaticPatchBlock(file, [&](int firstTile) {
            WriteBlockEntries(&table[firstTile], entries.data());
            file.Write(entries.data(), kBlockEntriesSize);
        });
    });
}
