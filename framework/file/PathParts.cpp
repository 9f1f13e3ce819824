#include "PathParts.h"

std::string FolderPart(std::string_view path)
{
    const std::size_t separator = path.find_last_of(kFolderSeparators);
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

std::string_view FileNamePart(std::string_view path)
{
    const std::size_t separator = path.find_last_of(kFolderSeparators);
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string BaseNameWithoutExtension(std::string_view path)
{
    const std::string_view name = FileNamePart(path);
    const std::size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

std::filesystem::path PathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string FullPath(std::string_view utf8)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(PathFromUtf8(utf8), error);
    if (error)
        return std::string(utf8);
    std::filesystem::path kept;
    for (const std::filesystem::path& part : full) {
        if (!part.empty() && part != ".")
            kept /= part;
    }
    // An absolute path is taken as it stands, "C:/games" too: one separator throughout.
    kept.make_preferred();
    const std::u8string text = kept.u8string();
    return std::string(text.begin(), text.end());
}
