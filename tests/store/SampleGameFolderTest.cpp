#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TileDataFile.h"
#include "TileFileLayout.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(SampleGameFolder, IsAFullSizeFileWithATailAndTheSameEveryTime)
{
    const SampleGameFiles files = MakeSampleGameFiles();
    EXPECT_EQ(files.tileData.size(), kStaticSectionOffset + kStaticSectionSize + kSampleTailSize);
    EXPECT_FALSE(HasNewerTileDataLayout(files.tileData.size()));
    EXPECT_EQ(files.tileData, MakeSampleGameFiles().tileData);
    EXPECT_EQ(files.verData, MakeSampleGameFiles().verData);
}

TEST(SampleGameFolder, HoldsTheNamesTestsLeanOn)
{
    TempFolder folder;
    WriteSampleGameFolder(folder.Path() / "game");
    auto table = std::make_unique<StaticTileTable>();
    NoWaitCursor noCursor;
    ASSERT_TRUE(LoadTileData(*table, (folder.Path() / "game" / kSampleTileDataName).string(), noCursor));

    int twentyBytes = 0, leftovers = 0, unnamed = 0;
    for (const StaticTileEntry& entry : *table) {
        const std::string_view name = TileName(entry);
        twentyBytes += name.size() == kTileNameSize;
        unnamed += name.empty();
        leftovers += name.size() + 1 < kTileNameSize && entry.name[name.size() + 1] != '\0';
    }
    EXPECT_GT(twentyBytes, 100);
    EXPECT_GT(leftovers, 100);
    EXPECT_GT(unnamed, 100);
    EXPECT_EQ(TileName((*table)[kSampleWallpaperTile]), "wallpaper");
    EXPECT_EQ(TileName((*table)[kSampleApostropheTile]), "smith\x92s anvil");
    EXPECT_EQ((*table)[kSampleHeavyTile].weight, 200);
}

} // namespace
