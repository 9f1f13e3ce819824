#include "TileDataFile.h"

#include "CFile.h"
#include "TileFileLayout.h"

#include <vector>

namespace {

constexpr std::uint64_t kNewerLandSectionSize = 0x78800;
constexpr std::uint64_t kNewerStaticBlockSize = 4 + 32 * 41;

bool OpenTileData(CFile& file, const std::string& path, unsigned mode, FileOpenFailure* failure)
{
    CFileException cause;
    if (!file.Open(path, mode | CFile::shareExclusive | CFile::typeBinary, &cause)) {
        if (failure)
            *failure = {FileOpenFailure::Reason::kCannotOpen, cause};
        return false;
    }
    if (HasNewerTileDataLayout(file.GetLength())) {
        file.Close();
        if (failure)
            *failure = {FileOpenFailure::Reason::kNewerTileDataLayout, CFileException()};
        return false;
    }
    return true;
}

} // namespace

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
    CFile file;
    if (!OpenTileData(file, path, CFile::modeRead, failure))
        return false;
    WaitCursorScope wait(waitCursor);

    // One read for the whole section; what a short file does not deliver
    // leaves the entries it would have filled as they were.
    std::vector<std::uint8_t> section(kStaticSectionSize);
    file.Seek(kStaticSectionOffset, CFile::begin);
    const std::size_t delivered = file.Read(section.data(), kStaticSectionSize);

    for (int block = 0; block < kStaticBlockCount; ++block) {
        const std::size_t entriesOffset = std::size_t{kStaticBlockSize} * block + kBlockHeaderSize;
        const std::size_t available = delivered > entriesOffset ? delivered - entriesOffset : 0;
        ReadBlockEntries(section.data() + entriesOffset, available, table, block * kTilesPerBlock,
                         /*patched=*/false);
    }
    file.Close();
    return true;
}

bool SaveTileData(const StaticTileTable& table, const std::string& path, WaitCursorHook& waitCursor,
                  FileOpenFailure* failure)
{
    CFile file;
    if (!OpenTileData(file, path, CFile::modeReadWrite, failure))
        return false;
    WaitCursorScope wait(waitCursor);

    // Block headers are opaque: each block's entries go in one write, and
    // the seek between them passes over the header without touching it.
    std::vector<std::uint8_t> entries(kBlockEntriesSize);
    file.Seek(kStaticSectionOffset, CFile::begin);
    for (int block = 0; block < kStaticBlockCount; ++block) {
        WriteBlockEntries(table, block * kTilesPerBlock, entries.data());
        file.Seek(kBlockHeaderSize, CFile::current);
        file.Write(entries.data(), kBlockEntriesSize);
    }
    file.Flush();
    file.Close();
    return true;
}
