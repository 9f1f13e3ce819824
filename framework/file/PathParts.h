#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// What ends a folder in a path: Windows takes '/' as well as its own '\\'.
#ifdef _WIN32
inline constexpr std::string_view kFolderSeparators = "\\/";
#else
inline constexpr std::string_view kFolderSeparators = "/";
#endif

// The path up to and including its last folder separator; empty for a bare name.
std::string FolderPart(std::string_view path);
// The file's name, after the last folder separator: a view into the path.
std::string_view FileNamePart(std::string_view path);

// The file name without its folder and without its last extension:
// "/opt/Quarnel.v2.bin" gives "Quarnel.v2". A name that starts with its
// only dot (".profile") keeps it.
std::string BaseNameWithoutExtension(std::string_view path);

// The program carries every path as UTF-8 text; this is such a path as the
// standard library takes it (on Windows a narrow string would be read in
// the system's code page instead).
std::filesystem::path PathFromUtf8(std::string_view utf8);

// A path of a file named on the command line, as the program keeps a chosen
// file's: a relative one taken from the current folder. "." parts and
// doubled separators go; ".." stays, since through a linked folder it need
// not mean the folder before it. A path that cannot be made full (no
// current folder) is kept as given.
std::string FullPath(std::string_view utf8);
