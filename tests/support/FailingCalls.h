#pragma once

#include "FileSystemCalls.h"

#include <set>
#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

// Platform error codes that tests make calls fail with.
namespace os_error {
#ifdef _WIN32
inline constexpr int kFileNotFound = ERROR_FILE_NOT_FOUND;
inline constexpr int kSharingViolation = ERROR_SHARING_VIOLATION;
inline constexpr int kHardwareIo = ERROR_CRC;
inline constexpr int kDiskFull = ERROR_DISK_FULL;
inline constexpr int kInvalidHandle = ERROR_INVALID_HANDLE;
inline constexpr int kBadSeek = ERROR_SEEK;
#else
inline constexpr int kFileNotFound = ENOENT;
inline constexpr int kSharingViolation = EWOULDBLOCK;
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
    enum class Call { kOpen, kRead, kWrite, kShortWrite, kSeek, kSync, kClose };

    // Fails every such call after the first `countdown`, or only `times` of them.
    FailingCalls(Call call, int error, int countdown = 0, int times = -1)
        : m_call(call), m_error(error), m_countdown(countdown), m_times(times) {}

    // From now on only calls on files opened by a path ending in `suffix`
    // count and fail: one file of two that an operation writes.
    FailingCalls& OnlyIn(std::string suffix)
    {
        m_suffix = std::move(suffix);
        return *this;
    }

    SystemResult Open(const std::string& path, bool readWrite, bool exclusive) override
    {
        const bool chosen = path.size() >= m_suffix.size() &&
                            path.compare(path.size() - m_suffix.size(), m_suffix.size(), m_suffix) == 0;
        if (Fails(Call::kOpen, chosen))
            return SystemFailure(m_error);
        const SystemResult opened = FileSystemCalls::Open(path, readWrite, exclusive);
        if (!opened.Failed() && chosen)
            m_chosen.insert(static_cast<NativeFile>(opened.value));
        return opened;
    }

    SystemResult Read(NativeFile file, void* buffer, std::uint32_t count) override
    {
        if (Fails(Call::kRead, m_chosen.contains(file)))
            return SystemFailure(m_error);
        return FileSystemCalls::Read(file, buffer, count);
    }
    SystemResult Write(NativeFile file, const void* buffer, std::uint32_t count) override
    {
        if (Fails(Call::kWrite, m_chosen.contains(file)))
            return SystemFailure(m_error);
        if (count > 1 && Fails(Call::kShortWrite, m_chosen.contains(file)))
            return FileSystemCalls::Write(file, buffer, count / 2);
        return FileSystemCalls::Write(file, buffer, count);
    }
    SystemResult Seek(NativeFile file, std::int64_t offset, Origin origin) override
    {
        if (Fails(Call::kSeek, m_chosen.contains(file)))
            return SystemFailure(m_error);
        return FileSystemCalls::Seek(file, offset, origin);
    }
    SystemResult Sync(NativeFile file) override
    {
        if (Fails(Call::kSync, m_chosen.contains(file)))
            return SystemFailure(m_error);
        return FileSystemCalls::Sync(file);
    }
    SystemResult Close(NativeFile file) override
    {
        const SystemResult result = FileSystemCalls::Close(file);  // the file is closed either way
        const bool fails = Fails(Call::kClose, m_chosen.contains(file));
        m_chosen.erase(file);
        if (fails)
            return SystemFailure(m_error);
        return result;
    }

    int failures = 0;

private:
    // `chosen`: the call is on a file that OnlyIn names, or any file without it.
    bool Fails(Call call, bool chosen)
    {
        if (call != m_call || (!m_suffix.empty() && !chosen) || m_countdown-- > 0 || failures == m_times)
            return false;
        ++failures;
        return true;
    }

    Call m_call;
    int m_error;
    int m_countdown;
    int m_times;
    std::string m_suffix;
    std::set<NativeFile> m_chosen;
};
