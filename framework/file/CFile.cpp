#include "CFile.h"

#include <utility>

namespace {

FileSystemCalls& Sys()
{
    return FileSystemCalls::Current();
}

// The value of a call that went through; a failed one is thrown as the
// file error its code maps to, with the path where the caller gives one.
std::int64_t ValueOrThrow(const SystemResult& result, const std::string& fileName = {})
{
    if (result.Failed())
        CFileException::ThrowOsError(result.error, fileName);
    return result.value;
}

} // namespace

CFile::~CFile()
{
    Abort();
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error)
{
    Abort();
    if (path.empty()) {
        if (error)
            *error = CFileException(CFileException::fileNotFound, path);
        return false;
    }
    const SystemResult opened = Sys().Open(path, (flags & modeReadWrite) != 0, (flags & shareExclusive) != 0);
    if (opened.Failed()) {
        if (error)
            *error = CFileException(CFileException::OsErrorToCause(opened.error), path, opened.error);
        return false;
    }
    m_file = static_cast<NativeFile>(opened.value);
    m_path = path;
    return true;
}

std::uint64_t CFile::Seek(std::int64_t offset, SeekPosition from)
{
    if (from == current && offset < 0 && static_cast<std::uint64_t>(-offset) > GetPosition())
        throw CFileException(CFileException::badSeek, m_path);
    if (from == begin && offset < 0)
        throw CFileException(CFileException::badSeek, m_path);
    const auto origin = from == begin     ? FileSystemCalls::Origin::kBegin
                        : from == current ? FileSystemCalls::Origin::kCurrent
                                          : FileSystemCalls::Origin::kEnd;
    return static_cast<std::uint64_t>(ValueOrThrow(Sys().Seek(m_file, offset, origin), m_path));
}

std::uint32_t CFile::Read(void* buffer, std::uint32_t count)
{
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        const auto n = static_cast<std::uint32_t>(ValueOrThrow(Sys().Read(m_file, bytes + done, count - done), m_path));
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

void CFile::Write(const void* buffer, std::uint32_t count)
{
    if (count == 0)
        return;
    const std::int64_t written = ValueOrThrow(Sys().Write(m_file, buffer, count), m_path);
    if (static_cast<std::uint32_t>(written) != count)
        throw CFileException(CFileException::diskFull, m_path);
}

std::uint64_t CFile::GetPosition() const
{
    return static_cast<std::uint64_t>(ValueOrThrow(Sys().Seek(m_file, 0, FileSystemCalls::Origin::kCurrent), m_path));
}

std::uint64_t CFile::GetLength() const
{
    return static_cast<std::uint64_t>(ValueOrThrow(Sys().Length(m_file), m_path));
}

void CFile::Flush()
{
    ValueOrThrow(Sys().Sync(m_file), m_path);
}

void CFile::Close()
{
    if (m_file == kNoFile)
        return;
    const NativeFile file = m_file;
    const std::string path = std::move(m_path);
    m_file = kNoFile;
    m_path.clear();
    // The file is closed whatever the call reports, so it is never retried.
    ValueOrThrow(Sys().Close(file), path);
}

void CFile::Abort()
{
    if (m_file == kNoFile)
        return;
    Sys().Close(m_file);
    m_file = kNoFile;
    m_path.clear();
}
