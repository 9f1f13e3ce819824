// The file layer's system calls on Windows. Paths arrive in UTF-8 and reach
// the system as UTF-16, so that every path Windows can name opens.

#include "FileSystemCalls.h"

#include "WideText.h"

#include <windows.h>

namespace {

HANDLE Handle(NativeFile file)
{
    return reinterpret_cast<HANDLE>(file);
}

SystemResult LastFailure()
{
    const DWORD error = GetLastError();
    return SystemFailure(error == NO_ERROR ? ERROR_GEN_FAILURE : static_cast<int>(error));
}

} // namespace

SystemResult FileSystemCalls::Open(const std::string& path, bool readWrite, bool exclusive)
{
    const std::wstring widePath = WideFromUtf8(path);
    if (widePath.empty() && !path.empty())
        return SystemFailure(ERROR_INVALID_NAME);  // not UTF-8
    // Share mode 0 is the platform's own exclusive open: no other open of
    // the file, even in this process, until this one is closed.
    const DWORD share = exclusive ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE handle = CreateFileW(widePath.c_str(), GENERIC_READ | (readWrite ? GENERIC_WRITE : 0), share,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastFailure();  // a folder gives access denied
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return SystemFailure(ERROR_ACCESS_DENIED);  // a device or a pipe is no game file
    }
    return {reinterpret_cast<std::intptr_t>(handle), 0};
}

SystemResult FileSystemCalls::Read(NativeFile file, void* buffer, std::uint32_t count)
{
    DWORD done = 0;
    if (!ReadFile(Handle(file), buffer, count, &done, nullptr))
        return GetLastError() == ERROR_HANDLE_EOF ? SystemResult{} : LastFailure();
    return {static_cast<std::int64_t>(done), 0};
}

SystemResult FileSystemCalls::Write(NativeFile file, const void* buffer, std::uint32_t count)
{
    DWORD done = 0;
    if (!WriteFile(Handle(file), buffer, count, &done, nullptr))
        return LastFailure();
    return {static_cast<std::int64_t>(done), 0};
}

SystemResult FileSystemCalls::Seek(NativeFile file, std::int64_t offset, Origin origin)
{
    const DWORD method = origin == Origin::kBegin ? FILE_BEGIN : origin == Origin::kCurrent ? FILE_CURRENT : FILE_END;
    LARGE_INTEGER distance{}, position{};
    distance.QuadPart = offset;
    if (!SetFilePointerEx(Handle(file), distance, &position, method))
        return LastFailure();
    return {position.QuadPart, 0};
}

SystemResult FileSystemCalls::Length(NativeFile file)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(Handle(file), &size))
        return LastFailure();
    return {size.QuadPart, 0};
}

SystemResult FileSystemCalls::Sync(NativeFile file)
{
    if (!FlushFileBuffers(Handle(file)))
        return LastFailure();
    return {};
}

SystemResult FileSystemCalls::Close(NativeFile file)
{
    if (!CloseHandle(Handle(file)))
        return LastFailure();
    return {};
}
