#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TileDataFile.h"
#include "TileFileLayout.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(SampleGameFolder, IsAUsualFileOfItsLayoutAndTheSameEveryTime)
{
    // The classic file has a tail; the newer one's size would no longer tell its layout with one.
    const std::pair<const TileDataLayout*, std::size_t> cases[] = {{&kClassicLayout, 1036288 + kSampleTailSize},
                                                                   {&kNewerLayout, 3188736}};
    for (const auto& [layout, size] : cases) {
        const SampleGameFiles files = MakeSampleGameFiles(*layout);
        EXPECT_EQ(files.tileData.size(), size);
        EXPECT_EQ(&TileDataLayoutOfSize(files.tileData.size()), layout);
        EXPECT_EQ(files.tileData, MakeSampleGameFiles(*layout).tileData);
        EXPECT_EQ(files.verData, MakeSampleGameFiles(*layout).verData);
    }
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
