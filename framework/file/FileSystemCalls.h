#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

// The system calls under CFile, behind one small interface so that tests
// can make any one of them fail. Each returns what the POSIX call returns
// and reports its failure through errno.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;

    virtual int Open(const char* path, int flags);
    virtual int LockExclusive(int fd);   // non-blocking; -1 with EWOULDBLOCK when held elsewhere
    virtual ssize_t Read(int fd, void* buffer, size_t count);
    virtual ssize_t Write(int fd, const void* buffer, size_t count);
    virtual off_t Seek(int fd, off_t offset, int whence);
    virtual int Status(int fd, struct stat* status);
    virtual int Sync(int fd);
    virtual int Close(int fd);

    // The calls CFile uses now: the platform's, unless a test has put others in place.
    static FileSystemCalls& Current();
};

// Puts other calls in place for the scope's life (tests and benchmarks only).
class ScopedFileSystemCalls {
public:
    explicit ScopedFileSystemCalls(FileSystemCalls& calls);
    ~ScopedFileSystemCalls();
    ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
    ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;

private:
    FileSystemCalls* m_previous;
};
