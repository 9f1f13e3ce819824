// expect-saved ORIGINAL_DIR OUT_DIR TILE NAME: writes into OUT_DIR the
// tile-data and patch files that loading ORIGINAL_DIR's sample files,
// renaming TILE (hex) to NAME and saving must leave, worked out from the
// original bytes alone, so that a scripted run can compare byte for byte.

#include "ExpectedFiles.h"
#include "TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: expect-saved ORIGINAL_DIR OUT_DIR TILE NAME\n");
        return 2;
    }
    const std::filesystem::path original = argv[1], out = argv[2];
    const int tile = std::stoi(argv[3], nullptr, 16);
    const std::string name = argv[4];
    if (name.size() >= sample_layout::kEntry - sample_layout::kName) {
        std::fprintf(stderr, "expect-saved: a name of at most 19 characters\n");
        return 2;
    }
    sample_layout::ExpectedFiles expected(ReadFileBytes((original / "tiledata.mul").string()),
                                          ReadFileBytes((original / "verdata.mul").string()));
    std::vector<std::uint8_t> field(name.begin(), name.end());
    field.push_back(0);  // the terminator; the bytes after it keep theirs
    expected.Edit(tile, sample_layout::kName, field);
    std::filesystem::create_directories(out);
    WriteFileBytes((out / "tiledata.mul").string(), expected.tileData);
    WriteFileBytes((out / "verdata.mul").string(), expected.VerData());
    return 0;
}
