// expect-saved ORIGINAL_DIR OUT_DIR TILE [--name NAME] [--weight N] [--toggle-flag BIT]:
// writes into OUT_DIR the tile-data and patch files that loading
// ORIGINAL_DIR's sample files, making those edits to TILE (hex) and saving
// must leave, worked out from the original bytes alone, so that a scripted
// run can compare byte for byte.

#include "ExpectedFiles.h"
#include "TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: expect-saved ORIGINAL_DIR OUT_DIR TILE [--name NAME] [--weight N] [--toggle-flag BIT]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace sample_layout;
    if (argc < 4 || argc % 2 != 0)
        return Usage();
    const std::filesystem::path original = argv[1], out = argv[2];
    const int tile = std::stoi(argv[3], nullptr, 16);
    ExpectedFiles expected(ReadFileBytes((original / "tiledata.mul").string()),
                           ReadFileBytes((original / "verdata.mul").string()));
    for (int i = 4; i + 1 < argc; i += 2) {
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--name" && value.size() < kEntry - kName) {
            std::vector<std::uint8_t> field(value.begin(), value.end());
            field.push_back(0);  // the terminator; the bytes after it keep theirs
            expected.Edit(tile, kName, field);
        } else if (option == "--weight") {
            expected.Edit(tile, kWeight, {static_cast<std::uint8_t>(std::stoi(value))});
        } else if (option == "--toggle-flag") {
            const std::uint32_t flags = Read32(expected.tileData, TileOffset(tile)) ^ (1u << std::stoi(value));
            expected.Edit(tile, kFlags,
                          {std::uint8_t(flags), std::uint8_t(flags >> 8), std::uint8_t(flags >> 16), std::uint8_t(flags >> 24)});
        } else {
            return Usage();
        }
    }
    std::filesystem::create_directories(out);
    WriteFileBytes((out / "tiledata.mul").string(), expected.tileData);
    WriteFileBytes((out / "verdata.mul").string(), expected.VerData());
    return 0;
}
