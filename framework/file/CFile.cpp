#include "CFile.h"

#include "FileSystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

FileSystemCalls& Sys()
{
    return FileSystemCalls::Current();
}

// Repeats a call that a signal interrupted before it transferred anything.
template <typename Call>
auto RetryOnInterrupt(Call call)
{
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

} // namespace

CFile::~CFile()
{
    Abort();
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error)
{
    Abort();
    auto fail = [&](int osError) {
        if (error)
            *error = CFileException(CFileException::OsErrorToCause(osError), path, osError);
        return false;
    };
    if (path.empty())
        return fail(ENOENT);

    const int access = (flags & modeReadWrite) ? O_RDWR : O_RDONLY;
    // O_NONBLOCK keeps a named pipe from blocking the open; it is refused below.
    const int fd = RetryOnInterrupt([&] { return Sys().Open(path.c_str(), access | O_NONBLOCK); });
    if (fd < 0)
        return fail(errno);

    int osError = 0;
    struct stat status {};
    if (Sys().Status(fd, &status) != 0)
        osError = errno;
    else if (S_ISDIR(status.st_mode))
        osError = EISDIR;
    else if (!S_ISREG(status.st_mode))
        osError = EACCES;
    else if ((flags & shareExclusive) && RetryOnInterrupt([&] { return Sys().LockExclusive(fd); }) != 0)
        osError = errno;
    if (osError != 0) {
        Sys().Close(fd);
        return fail(osError);
    }
    m_fd = fd;
    m_path = path;
    return true;
}

std::uint64_t CFile::Seek(std::int64_t offset, SeekPosition from)
{
    if (from == current && offset < 0 && static_cast<std::uint64_t>(-offset) > GetPosition())
        throw CFileException(CFileException::badSeek);
    if (from == begin && offset < 0)
        throw CFileException(CFileException::badSeek);
    const off_t result = Sys().Seek(m_fd, static_cast<off_t>(offset), from);
    if (result < 0)
        CFileException::ThrowOsError(errno);
    return static_cast<std::uint64_t>(result);
}

std::uint32_t CFile::Read(void* buffer, std::uint32_t count)
{
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        const ssize_t n = RetryOnInterrupt([&] { return Sys().Read(m_fd, bytes + done, count - done); });
        if (n < 0)
            CFileException::ThrowOsError(errno);
        if (n == 0)
            break;
        done += static_cast<std::uint32_t>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, std::uint32_t count)
{
    if (count == 0)
        return;
    const ssize_t n = RetryOnInterrupt([&] { return Sys().Write(m_fd, buffer, count); });
    if (n < 0)
        CFileException::ThrowOsError(errno, m_path);
    if (static_cast<std::uint32_t>(n) != count)
        throw CFileException(CFileException::diskFull, m_path);
}

std::uint64_t CFile::GetPosition() const
{
    const off_t result = Sys().Seek(m_fd, 0, SEEK_CUR);
    if (result < 0)
        CFileException::ThrowOsError(errno);
    return static_cast<std::uint64_t>(result);
}

std::uint64_t CFile::GetLength() const
{
    struct stat status {};
    if (Sys().Status(m_fd, &status) != 0)
        CFileException::ThrowOsError(errno);
    return static_cast<std::uint64_t>(status.st_size);
}

void CFile::Flush()
{
    if (RetryOnInterrupt([&] { return Sys().Sync(m_fd); }) != 0)
        CFileException::ThrowOsError(errno, m_path);
}

void CFile::Close()
{
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    m_path.clear();
    // The descriptor is gone whatever close reports, so it is never retried.
    if (Sys().Close(fd) != 0)
        CFileException::ThrowOsError(errno);
}

void CFile::Abort()
{
    if (m_fd < 0)
        return;
    Sys().Close(m_fd);
    m_fd = -1;
    m_path.clear();
}
