#pragma once

#include <string>

inline constexpr char kPatchFileName[] = "verdata.mul";

// The patch file beside a tile-data file: the tile-data path's folder, up
// to and including its last separator, and "verdata.mul". A bare file name
// gives the bare "verdata.mul". This is the path that messages show.
std::string DerivePatchFilePath(const std::string& tileDataPath);

// The file to open for a derived path of a game file (the patch file, the
// art files). On a case-sensitive file system a folder copied from
// elsewhere may hold VERDATA.MUL: when no file has the exact name, the one
// file whose name matches regardless of case is taken, as a
// case-insensitive system would. Otherwise the path as given.
std::string LocateFileIgnoringCase(const std::string& derivedPath);

// The file named `name` beside a tile-data file, found as the derived
// paths above are, when it is a file that is there; empty otherwise.
std::string FindFileBeside(const std::string& tileDataPath, const char* name);

// The patch file beside a tile-data file: the path messages show, and the
// file to open for it.
struct PatchFileLocation {
    std::string shown;
    std::string opened;
};
PatchFileLocation LocatePatchFileBeside(const std::string& tileDataPath);
