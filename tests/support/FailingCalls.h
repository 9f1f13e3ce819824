#pragma once

#include "FileSystemCalls.h"

#include <cerrno>

// The platform's calls, except that the chosen one fails (or transfers less)
// once `countdown` calls of its kind have gone through.
class FailingCalls : public FileSystemCalls {
public:
    enum class Call { kRead, kWrite, kShortWrite, kSeek, kSync, kClose };

    FailingCalls(Call call, int error, int countdown = 0)
        : m_call(call), m_error(error), m_countdown(countdown) {}

    ssize_t Read(int fd, void* buffer, size_t count) override
    {
        if (Fails(Call::kRead))
            return -1;
        return FileSystemCalls::Read(fd, buffer, count);
    }
    ssize_t Write(int fd, const void* buffer, size_t count) override
    {
        if (Fails(Call::kWrite))
            return -1;
        if (count > 1 && Fails(Call::kShortWrite))
            return FileSystemCalls::Write(fd, buffer, count / 2);
        return FileSystemCalls::Write(fd, buffer, count);
    }
    off_t Seek(int fd, off_t offset, int whence) override
    {
        if (Fails(Call::kSeek))
            return -1;
        return FileSystemCalls::Seek(fd, offset, whence);
    }
    int Sync(int fd) override
    {
        if (Fails(Call::kSync))
            return -1;
        return FileSystemCalls::Sync(fd);
    }
    int Close(int fd) override
    {
        const int result = FileSystemCalls::Close(fd);  // the descriptor goes either way
        if (Fails(Call::kClose))
            return -1;
        return result;
    }

    int failures = 0;

private:
    bool Fails(Call call)
    {
        if (call != m_call || m_countdown-- > 0)
            return false;
        ++failures;
        errno = m_error;
        return true;
    }

    Call m_call;
    int m_error;
    int m_countdown;
};
