#include "StoreFiles.h"


namespace store_detail {

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
