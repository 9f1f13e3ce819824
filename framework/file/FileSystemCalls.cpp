#include "FileSystemCalls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileSystemCalls& PlatformCalls()
{
    static FileSystemCalls platform;
    return platform;
}

FileSystemCalls* g_current = nullptr;

} // namespace

int FileSystemCalls::Open(const char* path, int flags)
{
    return ::open(path, flags | O_CLOEXEC);
}

int FileSystemCalls::LockExclusive(int fd)
{
    // flock locks belong to the open file description, so a second open of
    // the same file conflicts even within this process.
    return ::flock(fd, LOCK_EX | LOCK_NB);
}

ssize_t FileSystemCalls::Read(int fd, void* buffer, size_t count)
{
    return ::read(fd, buffer, count);
}

ssize_t FileSystemCalls::Write(int fd, const void* buffer, size_t count)
{
    return ::write(fd, buffer, count);
}

off_t FileSystemCalls::Seek(int fd, off_t offset, int whence)
{
    return ::lseek(fd, offset, whence);
}

int FileSystemCalls::Status(int fd, struct stat* status)
{
    return ::fstat(fd, status);
}

int FileSystemCalls::Sync(int fd)
{
    return ::fsync(fd);
}

int FileSystemCalls::Close(int fd)
{
    return ::close(fd);
}

FileSystemCalls& FileSystemCalls::Current()
{
    return g_current ? *g_current : PlatformCalls();
}

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls& calls) : m_previous(g_current)
{
    g_current = &calls;
}

ScopedFileSystemCalls::~ScopedFileSystemCalls()
{
    g_current = m_previous;
}
