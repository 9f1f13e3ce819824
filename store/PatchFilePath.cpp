#include "PatchFilePath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace

std::string DerivePatchFilePath(const std::string& tileDataPath)
{
    const std::size_t separator = tileDataPath.rfind(kFolderSeparator);
    const std::string folder =
        separator == std::string::npos ? std::string() : tileDataPath.substr(0, separator + 1);
    return folder + kPatchFileName;
}

std::string LocatePatchFile(const std::string& derivedPath)
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(derivedPath, error)))
        return derivedPath;

    const std::size_t separator = derivedPath.rfind(kFolderSeparator);
    const std::string folder =
        separator == std::string::npos ? std::string() : derivedPath.substr(0, separator + 1);
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
}
