#pragma once

#include "FailingCalls.h"
#include "FileSystemCalls.h"

#include <filesystem>
#include <map>
#include <string>

// The platform's calls, opening files as Windows shares them: an exclusive
// open fails while any other open of the same file lasts, read-only ones
// included (which POSIX locks let through), and any open fails while an
// exclusive one lasts. On every platform, so that a program that reads a
// file while it means to hold it alone fails here as it would on Windows.
class WindowsSharing : public FileSystemCalls {
public:
    SystemResult Open(const std::string& path, bool readWrite, bool exclusive) override
    {
        std::error_code error;
        const std::string key = std::filesystem::weakly_canonical(path, error).string();
        Held& held = m_held[key];
        if (held.exclusive || (exclusive && held.opens > 0)) {
            ++refusals;
            return SystemFailure(os_error::kSharingViolation);
        }
        const SystemResult opened = FileSystemCalls::Open(path, readWrite, exclusive);
        if (!opened.Failed()) {
            ++held.opens;
            held.exclusive = exclusive;
            m_keys[static_cast<NativeFile>(opened.value)] = key;
        }
        return opened;
    }

    SystemResult Close(NativeFile file) override
    {
        if (const auto found = m_keys.find(file); found != m_keys.end()) {
            Held& held = m_held[found->second];
            --held.opens;
            held.exclusive = false;
            m_keys.erase(found);
        }
        return FileSystemCalls::Close(file);
    }

    int refusals = 0;

private:
    struct Held {
        int opens = 0;
        bool exclusive = false;
    };
    std::map<std::string, Held> m_held;
    std::map<NativeFile, std::string> m_keys;
};
