#include "StoreFiles.h"

VerDataIndexEntry DecodeIndexEntry(const std::uint8_t* bytes)
{
    return {LoadLittleEndian32(bytes), LoadLittleEndian32(bytes + 4), LoadLittleEndian32(bytes + 8),
            LoadLittleEndian32(bytes + 12), LoadLittleEndian32(bytes + 16)};
}

namespace store_detail {

bool OpenGameFile(CFile& file, const std::string& path, unsigned mode, FileOpenFailure* failure)
{
    CFileException cause;
    if (file.Open(path, mode | CFile::shareExclusive | CFile::typeBinary, &cause))
        return true;
    if (failure)
        *failure = {FileOpenFailure::Reason::kCannotOpen, cause};
    return false;
}

bool OpenTileDataToWrite(CFile& file, const std::string& path, const TileDataLayout& layout,
                         FileOpenFailure* failure)
{
    if (!OpenGameFile(file, path, CFile::modeReadWrite, failure))
        return false;
    if (&TileDataLayoutOfSize(file.GetLength()) == &layout)
        return true;
    file.Close();
    if (failure)
        *failure = {FileOpenFailure::Reason::kLayoutChanged, CFileException()};
    return false;
}

} // namespace store_detail
