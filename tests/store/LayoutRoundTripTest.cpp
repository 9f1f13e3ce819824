// Random files of both layouts and many static block counts, loaded (both
// halves) and saved by the store, against an independent reading of their bytes.

#include "ExpectedFiles.h"
#include "GameFolder.h"
#include "StoreFixture.h"
#include "TileDataFile.h"
#include "VerDataFile.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace sample_layout;

std::uint64_t ReadFlags(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t width)
{
    std::uint64_t flags = 0;
    for (std::size_t i = 0; i < width; ++i)
        flags |= std::uint64_t{bytes[at + i]} << (8 * i);
    return flags;
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST_F(StoreFixture, RandomFilesOfEitherLayoutLoadAndSaveAsTheirBytesSay)
{
    std::mt19937 random(7);
    const auto byte = [&] { return static_cast<std::uint8_t>(random()); };
    struct Case {
        Shape shape;
        int blocks;  // static blocks in the file; the shape's usual ones are then in use
        std::size_t tail;
    };
    const Case cases[] = {{kClassic, 512, 0},  {kClassic, 1024, 77}, {kClassic, 3000, 5}, {kNewer, 2048, 0},
                          {kNewer, 700, 0},    {kNewer, 1, 0},       {kNewer, 2100, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shape.entry << "-byte entries, " << c.blocks << " blocks");
        Shape shape = c.shape;
        shape.blocks = std::clamp(c.blocks, 512, 2048);
        std::vector<std::uint8_t> tileBytes(shape.land + shape.block * c.blocks + c.tail);
        std::generate(tileBytes.begin(), tileBytes.end(), byte);
        // A patch file of five static blocks, one past the tiles in use, and a land block.
        const std::uint32_t numbers[] = {512, 3, 512 + static_cast<std::uint32_t>(shape.blocks) - 1,
                                         512 + static_cast<std::uint32_t>(shape.blocks), 700, 600};
        std::vector<std::uint8_t> verBytes(4 + 20 * std::size(numbers) + shape.block * std::size(numbers));
        std::generate(verBytes.begin(), verBytes.end(), byte);
        Put32(verBytes, 0, static_cast<std::uint32_t>(std::size(numbers)));
        for (std::size_t k = 0; k < std::size(numbers); ++k) {
            Put32(verBytes, 4 + 20 * k, 30);
            Put32(verBytes, 8 + 20 * k, numbers[k]);
            Put32(verBytes, 12 + 20 * k, static_cast<std::uint32_t>(4 + 20 * std::size(numbers) + shape.block * k));
        }
        WriteFileBytes(tileDataPath, tileBytes);
        WriteFileBytes(verDataPath, verBytes);

        // Past a short file's end a new table's zero entries are saved, between zero headers.
        std::vector<std::uint8_t> padded = tileBytes;
        padded.resize(std::max(padded.size(), shape.land + shape.block * shape.blocks));
        ExpectedFiles expected(padded, verBytes, shape);
        table = std::make_unique<StaticTileTable>();
        ASSERT_EQ(LoadGameFolder(*table, tileDataPath).result, GameFolderLoad::Result::kLoaded);
        ASSERT_EQ(table->count, 32 * shape.blocks);
        for (int tile = 0; tile < table->count; tile += 37) {
            const std::size_t at = TileOffset(tile, shape);
            ASSERT_EQ((*table)[tile].flags, ReadFlags(expected.tileData, at, shape.flags)) << tile;
            ASSERT_EQ((*table)[tile].height, expected.tileData[at + shape.flags + 12]) << tile;
            ASSERT_EQ(std::memcmp((*table)[tile].name.data(), &expected.tileData[at + shape.flags + 13], 20), 0);
        }
        // The land half: land block 3 comes from the patch file's second block.
        auto land = std::make_unique<LandTileTable>();
        ASSERT_EQ(LoadGameFolder(*land, tileDataPath).result, GameFolderLoad::Result::kLoaded);
        const std::size_t landEntry = shape.flags + 22, landBlock = 4 + 32 * landEntry;
        for (int tile = 0; tile < kLandTileCount; tile += 29) {
            const bool patched = tile / 32 == 3;
            const std::vector<std::uint8_t>& bytes = patched ? verBytes : tileBytes;
            const std::size_t at = (patched ? 4 + 20 * std::size(numbers) + shape.block : landBlock * (tile / 32)) + 4 +
                                   landEntry * (tile % 32);
            ASSERT_EQ((*land)[tile].patched, patched) << tile;
            ASSERT_EQ((*land)[tile].flags, ReadFlags(bytes, at, shape.flags)) << tile;
            ASSERT_EQ((*land)[tile].texture, ReadFlags(bytes, at + shape.flags, 2)) << tile;
            ASSERT_EQ(std::memcmp((*land)[tile].name.data(), &bytes[at + shape.flags + 2], 20), 0) << tile;
        }
        // Both halves read together, each file opened once, come to the same tiles and counts.
        auto together = std::make_unique<StaticTileTable>();
        auto landTogether = std::make_unique<LandTileTable>();
        const GameFolderLoad both = LoadGameFolder(GameFolderHalves{*together, *landTogether}, tileDataPath);
        ASSERT_EQ(both.result, GameFolderLoad::Result::kLoaded);
        EXPECT_TRUE(*together == *table && *landTogether == *land);
        const auto inUse = [&](std::uint32_t number) { return number >= 512 && number < 512u + shape.blocks; };
        EXPECT_EQ(both.patchBlocksApplied, std::count_if(std::begin(numbers), std::end(numbers), inUse));
        EXPECT_EQ(both.landPatchBlocksApplied, std::count_if(std::begin(numbers), std::end(numbers),
                                                             [](std::uint32_t number) { return number < 512; }));
        ASSERT_TRUE(SaveTileData(*table, tileDataPath));
        ASSERT_TRUE(SaveVerData(*table, verDataPath));
        EXPECT_TRUE(ReadFileBytes(tileDataPath) == expected.tileData);
        EXPECT_TRUE(ReadFileBytes(verDataPath) == expected.VerData());
    }
}

TEST_F(StoreFixture, ALandTableHoldsItsFiveHundredTwelveBlocksWhateverTheFileSize)
{
    // However many static blocks follow, and however short the file, the land half has 16384 tiles.
    const std::size_t sizes[] = {0,
                                 100,
                                 kClassic.land,
                                 kClassic.land + kClassic.block * 3000,
                                 kNewer.land + kNewer.block * 2048,
                                 kNewer.land + kNewer.block * 2100};
    for (const std::size_t size : sizes) {
        SCOPED_TRACE(size);
        WriteFileBytes(tileDataPath, std::vector<std::uint8_t>(size, 0xA5));
        auto land = std::make_unique<LandTileTable>();
        EXPECT_EQ(land->count, 16384) << "a new table";
        land->count = 32;
        ASSERT_TRUE(LoadTileData(*land, tileDataPath));
        EXPECT_EQ(land->count, 16384);
    }
}

} // namespace
