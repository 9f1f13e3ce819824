// Feeds arbitrary patch files to the patch loader and saver over a real
// file, for a table of either layout and any number of static blocks in use
// (the input's first byte picks them; the rest is the patch file). Whatever
// the bytes, neither may crash or read or write outside the table, and the
// saver may write only the entry bytes of the blocks that an independent
// reading of the original bytes selects: every other byte of the file keeps
// its value, and the file grows only to hold those blocks.

#include "CFileException.h"
#include "FileSystemCalls.h"
#include "NoSyncCalls.h"
#include "TempFolder.h"
#include "TileFileLayout.h"
#include "VerDataFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct FuzzState {
    TempFolder folder;
    std::string path = folder.File("verdata.mul");
    std::unique_ptr<StaticTileTable> table = std::make_unique<StaticTileTable>();
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope{noSync};
};

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "verdata fuzz: %s\n", what);
        std::abort();
    }
}

std::uint32_t Read32(const std::uint8_t* at)
{
    return at[0] | at[1] << 8 | at[2] << 16 | std::uint32_t{at[3]} << 24;
}

// The entry bytes [begin, end) of each block the saver may write, read from
// the original bytes: whole index entries the file holds, for static blocks,
// up to the first whose position lies past 2 GiB (a seek error ends the walk).
struct Expected {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> spans;
    std::vector<int> firstTiles;  // of every static block the index names
    bool seekError = false;
};

// What the first input byte picks: bit 0 the layout, the rest how many
// static blocks the table has in use, from 512 to 2048.
struct TableShape {
    const TileDataLayout* layout;
    std::uint32_t blocks;
    std::uint32_t entrySize;  // spelled out here: 37 or 41
};

TableShape PickShape(std::uint8_t byte)
{
    const bool newer = byte & 1;
    return {newer ? &kNewerLayout : &kClassicLayout, std::min<std::uint32_t>(512 + (byte >> 1) * 13u, 2048),
            newer ? 41u : 37u};
}

Expected SelectedBlocks(const std::uint8_t* data, std::size_t size, const TableShape& shape)
{
    Expected expected;
    if (size < 4)
        return expected;
    const std::uint64_t count = Read32(data);
    const std::uint64_t held = std::min<std::uint64_t>(count, (size - 4) / 20);
    const std::uint64_t indexEnd = std::min<std::uint64_t>(size, 4 + 20 * count);
    for (std::uint64_t k = 0; k < held; ++k) {
        const std::uint8_t* entry = data + 4 + 20 * k;
        const std::uint32_t block = Read32(entry + 4);
        if (Read32(entry) != 30 || block < 512 || block >= 512 + shape.blocks)
            continue;
        expected.firstTiles.push_back(static_cast<int>(block - 512) * 32);
        const std::uint64_t begin = std::uint64_t{Read32(entry + 8)} + 4;
        if (begin > 0xFFFFFFFF)
            continue;  // would wrap onto the count and index
        if (begin >= 0x80000000) {
            expected.seekError = true;
            break;
        }
        if (begin >= indexEnd)
            expected.spans.emplace_back(begin, begin + 32 * shape.entrySize);
    }
    return expected;
}

// The table before the patch file is applied, as the tile-data file left
// it: each block the index names holds the input's first bytes over and
// over (no other block is read or written), so that what the saver writes
// into blocks past the file's end is the fuzzer's to choose too.
void SeedTable(StaticTileTable& table, const Expected& expected, const std::uint8_t* data, std::size_t size)
{
    std::array<std::uint8_t, kTilesPerBlock * kNewerLayout.statics.entrySize> block{};
    for (std::size_t i = 0; size && i < block.size(); ++i)
        block[i] = data[i % size];
    for (const int firstTile : expected.firstTiles)
        ReadBlockEntries(block.data(), block.size(), &table[firstTile], *table.layout, /*patched=*/false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzState state;
    if (size == 0)
        return 0;
    const TableShape shape = PickShape(data[0]);
    state.table->layout = shape.layout;
    state.table->count = static_cast<int>(shape.blocks) * kTilesPerBlock;
    ++data;
    --size;
    const std::vector<std::uint8_t> input(data, data + size);
    WriteFileBytes(state.path, input);
    const Expected expected = SelectedBlocks(data, size, shape);
    SeedTable(*state.table, expected, data, size);

    for (const bool saving : {false, true}) {
        try {
            const bool opened = saving ? SaveVerData(*state.table, state.path)
                                       : LoadVerData(*state.table, state.path);
            Check(opened, "the patch file did not open");
            Check(!expected.seekError, "a block past 2 GiB was not refused");
        } catch (const CFileException& error) {
            Check(error.m_cause == CFileException::badSeek && expected.seekError, error.what());
        }
    }

    // A block far out makes a large sparse file: read back only what the
    // input held, and the length.
    std::uint64_t expectedLength = size;
    for (const auto& [begin, end] : expected.spans)
        expectedLength = std::max(expectedLength, end);
    std::vector<std::uint8_t> after(size);
    std::FILE* file = std::fopen(state.path.c_str(), "rb");
    Check(file != nullptr, "the patch file is gone");
    const std::size_t read = std::fread(after.data(), 1, after.size(), file);
    std::fseek(file, 0, SEEK_END);
    const long length = std::ftell(file);
    std::fclose(file);
    Check(read == size, "the patch file shrank");
    Check(static_cast<std::uint64_t>(length) == expectedLength, "the file's length is not what the blocks make it");
    for (std::size_t i = 0; i < size; ++i) {
        if (after[i] == input[i])
            continue;
        const bool inBlock = std::any_of(expected.spans.begin(), expected.spans.end(),
                                         [i](const auto& span) { return i >= span.first && i < span.second; });
        Check(inBlock, "a byte outside the selected blocks changed");
    }
    return 0;
}
