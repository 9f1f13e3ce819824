#include "PatchFilePath.h"

#include "PathParts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

#ifndef _WIN32
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace
#endif

std::string DerivePatchFilePath(const std::string& tileDataPath)
{
    return FolderPart(tileDataPath) + kPatchFileName;
}

std::string LocateFileIgnoringCase(const std::string& derivedPath)
{
#ifdef _WIN32
    return derivedPath;  // the file system finds any letter case itself
#else
    std::error_code error;
    if (fs::exists(fs::symlink_status(derivedPath, error)))
        return derivedPath;

    const std::string folder = FolderPart(derivedPath);
    const std::string name = derivedPath.substr(folder.size());

    std::string match;
    int matches = 0;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (EqualIgnoringCase(candidate, name)) {
            match = folder + candidate;
            ++matches;
        }
    }
    return matches == 1 ? match : derivedPath;
#endif
}

std::string FindFileBeside(const std::string& tileDataPath, const char* name)
{
    const std::string path = LocateFileIgnoringCase(FolderPart(tileDataPath) + name);
    std::error_code error;
    return fs::is_regular_file(PathFromUtf8(path), error) ? path : std::string();
}

PatchFileLocation LocatePatchFileBeside(const std::string& tileDataPath)
{
    std::string shown = DerivePatchFilePath(tileDataPath);
    std::string opened = LocateFileIgnoringCase(shown);
    return {std::move(shown), std::move(opened)};
}
