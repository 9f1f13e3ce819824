#pragma once

#include <cstdint>
#include <string>

// A file the platform has opened: a descriptor, or a handle.
using NativeFile = std::intptr_t;
inline constexpr NativeFile kNoFile = -1;

// What one system call gave: its value, or the platform's own error code
// (errno, or GetLastError()) when it failed.
struct SystemResult {
    std::int64_t value = 0;
    int error = 0;
    bool Failed() const { return error != 0; }
};

inline SystemResult SystemFailure(int error)
{
    return {-1, error};
}

// The system calls under CFile, behind one small interface so that tests
// can make any one of them fail. One implementation a platform.
class FileSystemCalls {
public:
    enum class Origin { kBegin, kCurrent, kEnd };

    virtual ~FileSystemCalls() = default;

    // Opens an existing regular file (the path in UTF-8), for reading or for
    // reading and writing; never creates or truncates one. An exclusive open
    // fails while any other open of the file lasts, in this process or
    // another, and keeps every other open out until it is closed.
    virtual SystemResult Open(const std::string& path, bool readWrite, bool exclusive);
    // Bytes read; fewer than asked only at the end of the file.
    virtual SystemResult Read(NativeFile file, void* buffer, std::uint32_t count);
    virtual SystemResult Write(NativeFile file, const void* buffer, std::uint32_t count);
    // The new position from the file's start.
    virtual SystemResult Seek(NativeFile file, std::int64_t offset, Origin origin);
    virtual SystemResult Length(NativeFile file);
    // Forces the written bytes to stable storage.
    virtual SystemResult Sync(NativeFile file);
    // The file is closed whatever the result says.
    virtual SystemResult Close(NativeFile file);

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
