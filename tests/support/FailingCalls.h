#pragma once

#include "FileSystemCalls.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

// Platform error codes that tests make calls fail with.
namespace os_error {
#ifdef _WIN32
inline constexpr int kHardwareIo = ERROR_CRC;
inline constexpr int kDiskFull = ERROR_DISK_FULL;
inline constexpr int kInvalidHandle = ERROR_INVALID_HANDLE;
inline constexpr int kBadSeek = ERROR_SEEK;
#else
inline constexpr int kHardwareIo = EIO;
inline constexpr int kDiskFull = ENOSPC;
inline constexpr int kInvalidHandle = EBADF;
inline constexpr int kBadSeek = ESPIPE;
#endif
} // namespace os_error

// The platform's calls, except that the chosen one fails (or transfers less)
// once `countdown` calls of its kind have gone through.
class FailingCalls : public FileSystemCalls {
public:
    enum class Call { kRead, kWrite, kShortWrite, kSeek, kSync, kClose };

    // Fails every such call after the first `countdown`, or only `times` of them.
    FailingCalls(Call call, int error, int countdown = 0, int times = -1)
        : m_call(call), m_error(error), m_countdown(countdown), m_times(times) {}

    SystemResult Read(NativeFile file, void* buffer, std::uint32_t count) override
    {
        if (Fails(Call::kRead))
            return SystemFailure(m_error);
        return FileSystemCalls::Read(file, buffer, count);
    }
    SystemResult Write(NativeFile file, const void* buffer, std::uint32_t count) override
    {
        if (Fails(Call::kWrite))
            return SystemFailure(m_error);
        if (count > 1 && Fails(Call::kShortWrite))
            return FileSystemCalls::Write(file, buffer, count / 2);
        return FileSystemCalls::Write(file, buffer, count);
    }
    SystemResult Seek(NativeFile file, std::int64_t offset, Origin origin) override
    {
        if (Fails(Call::kSeek))
            return SystemFailure(m_error);
        return FileSystemCalls::Seek(file, offset, origin);
    }
    SystemResult Sync(NativeFile file) override
    {
        if (Fails(Call::kSync))
            return SystemFailure(m_error);
        return FileSystemCalls::Sync(file);
    }
    SystemResult Close(NativeFile file) override
    {
        const SystemResult result = FileSystemCalls::Close(file);  // the file is closed either way
        if (Fails(Call::kClose))
            return SystemFailure(m_error);
        return result;
    }

    int failures = 0;

private:
    bool Fails(Call call)
    {
        if (call != m_call || m_countdown-- > 0 || failures == m_times)
            return false;
        ++failures;
        return true;
    }

    Call m_call;
    int m_error;
    int m_countdown;
    int m_times;
};
