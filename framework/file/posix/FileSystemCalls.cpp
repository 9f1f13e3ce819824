// The file layer's system calls on POSIX.

#include "FileSystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Repeats a call that a signal interrupted before it transferred anything,
// and gives its result with errno when it failed.
template <typename Call>
SystemResult Retried(Call call)
{
    for (;;) {
        const auto result = call();
        if (result >= 0)
            return {static_cast<std::int64_t>(result), 0};
        if (errno != EINTR)
            return SystemFailure(errno);
    }
}

int Whence(FileSystemCalls::Origin origin)
{
    switch (origin) {
    case FileSystemCalls::Origin::kBegin: return SEEK_SET;
    case FileSystemCalls::Origin::kCurrent: return SEEK_CUR;
    case FileSystemCalls::Origin::kEnd: return SEEK_END;
    }
    return SEEK_SET;
}

} // namespace

SystemResult FileSystemCalls::Open(const std::string& path, bool readWrite, bool exclusive)
{
    // O_NONBLOCK keeps a named pipe from blocking the open; it is refused below.
    const SystemResult opened =
        Retried([&] { return ::open(path.c_str(), (readWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC); });
    if (opened.Failed())
        return opened;
    const int fd = static_cast<int>(opened.value);
    int error = 0;
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        error = errno;
    else if (S_ISDIR(status.st_mode))
        error = EISDIR;
    else if (!S_ISREG(status.st_mode))
        error = EACCES;
    else if (exclusive)
        // flock locks belong to the open file description, so a second open
        // of the same file conflicts even within this process.
        error = Retried([&] { return ::flock(fd, LOCK_EX | LOCK_NB); }).error;
    if (error != 0) {
        ::close(fd);
        return SystemFailure(error);
    }
    return opened;
}

SystemResult FileSystemCalls::Read(NativeFile file, void* buffer, std::uint32_t count)
{
    return Retried([&] { return ::read(static_cast<int>(file), buffer, count); });
}

SystemResult FileSystemCalls::Write(NativeFile file, const void* buffer, std::uint32_t count)
{
    return Retried([&] { return ::write(static_cast<int>(file), buffer, count); });
}

SystemResult FileSystemCalls::Seek(NativeFile file, std::int64_t offset, Origin origin)
{
    return Retried([&] { return ::lseek(static_cast<int>(file), static_cast<off_t>(offset), Whence(origin)); });
}

SystemResult FileSystemCalls::Length(NativeFile file)
{
    struct stat status {};
    if (::fstat(static_cast<int>(file), &status) != 0)
        return SystemFailure(errno);
    return {static_cast<std::int64_t>(status.st_size), 0};
}

SystemResult FileSystemCalls::Sync(NativeFile file)
{
    return Retried([&] { return ::fsync(static_cast<int>(file)); });
}

SystemResult FileSystemCalls::Close(NativeFile file)
{
    // The descriptor is gone whatever close reports, so it is never retried.
    if (::close(static_cast<int>(file)) != 0)
        return SystemFailure(errno);
    return {};
}
