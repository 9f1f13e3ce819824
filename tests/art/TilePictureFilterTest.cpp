// Which tiles a grid of tile pictures shows, against counts of the sample
// made here by a reading of its own: art by what decoding each tile gives,
// names and flags from the files' bytes.

#include "ArtBytes.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "ExpectedFiles.h"
#include "GameFolder.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TilePictureFilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>

using namespace art_bytes;

namespace {

// One sample folder, as the filter sees it and as the test reads it.
struct SampleTiles {
    SampleTiles(const TileDataLayout& layout, const sample_layout::Shape& fileShape, SampleArtForm form)
        : shape(fileShape)
    {
        WriteSampleGameFolder(folder.Path(), layout, form);
        const std::string tileData = folder.File(kSampleTileDataName);
        EXPECT_EQ(LoadGameFolder(*table, tileData).result, GameFolderLoad::Result::kLoaded);
        art = ArtFolder::Load(tileData);
        bytes = sample_layout::ExpectedFiles(ReadFileBytes(tileData), ReadFileBytes(folder.File(kSampleVerDataName)),
                                             shape)
                    .tileData;
        ArtFolder::Reader reader(art);
        for (int id = 0; id < Count(); ++id)
            hasArt.push_back(reader.Decode(ArtIndexOfTile(id)).kind != ArtResult::Kind::kNoArt);
    }
    int Count() const { return shape.blocks * 32; }
    // The name field's bytes up to its first zero, in small ASCII letters.
    std::string LowerName(int id) const
    {
        const std::size_t at = sample_layout::TileOffset(id, shape) + sample_layout::kName + (shape.flags - 4);
        std::string name;
        for (std::size_t i = 0; i < 20 && bytes[at + i] != 0; ++i)
            name.push_back(static_cast<char>(std::tolower(bytes[at + i])));
        return name;
    }
    bool FlagBit(int id, int bit) const
    {
        if (bit / 8 >= static_cast<int>(shape.flags))
            return false;
        return (bytes[sample_layout::TileOffset(id, shape) + bit / 8] >> bit % 8 & 1) != 0;
    }
    std::vector<int> Filtered(const TilePictureFilter& filter) const
    {
        std::vector<int> shown = {-5};  // what a reused vector held before
        FilterTilePictures(std::span(table->begin(), table->end()), StaticTileArtIn(art), filter, shown);
        return shown;
    }
    // The ids that pass `test`, in order.
    template <typename Test>
    std::vector<int> Where(Test test) const
    {
        std::vector<int> ids;
        for (int id = 0; id < Count(); ++id)
            if (test(id))
                ids.push_back(id);
        return ids;
    }

    sample_layout::Shape shape;
    TempFolder folder;
    std::unique_ptr<StaticTileTable> table = std::make_unique<StaticTileTable>();
    ArtFolder art;
    std::vector<std::uint8_t> bytes;
    std::vector<bool> hasArt;
};

TEST(TilePictureFilter, EachFilterAndTheirCombinationsShowWhatTheSampleHolds)
{
    const struct {
        const TileDataLayout& layout;
        const sample_layout::Shape& shape;
        SampleArtForm form;
    } samples[] = {
        {kClassicLayout, sample_layout::kClassic, SampleArtForm::kIndexAndArtFile},
        {kClassicLayout, sample_layout::kClassic, SampleArtForm::kContainer},
        {kNewerLayout, sample_layout::kNewer, SampleArtForm::kIndexAndArtFile},
    };
    for (const auto& which : samples) {
        const SampleTiles s(which.layout, which.shape, which.form);
        const std::string what = std::to_string(s.Count()) + (which.form == SampleArtForm::kContainer ? " container" : " index");
        ASSERT_EQ(s.table->count, s.Count()) << what;
        const auto free = [&](int id) { return !s.hasArt[id] && s.LowerName(id).empty(); };
        const auto named = [&](int id, const std::string& piece) { return s.LowerName(id).find(piece) != std::string::npos; };

        EXPECT_EQ(s.Filtered({}), s.Where([](int) { return true; })) << what;
        EXPECT_EQ(s.Filtered({TilePictureShow::kWithArt, u"", -1}), s.Where([&](int id) { return s.hasArt[id]; })) << what;
        EXPECT_EQ(s.Filtered({TilePictureShow::kWithoutArt, u"", -1}), s.Where([&](int id) { return !s.hasArt[id]; })) << what;
        const std::vector<int> freeSlots = s.Filtered({TilePictureShow::kFreeSlots, u"", -1});
        EXPECT_EQ(freeSlots, s.Where(free)) << what;
        // The sample's own free slots are among them.
        for (int id = kSampleFreeRunFirst; id < kSampleFreeRunFirst + kSampleFreeRunLength; ++id)
            EXPECT_TRUE(std::binary_search(freeSlots.begin(), freeSlots.end(), id)) << what << " " << id;
        for (const int id : kSampleScatteredFreeTiles)
            EXPECT_EQ(std::binary_search(freeSlots.begin(), freeSlots.end(), id), id < s.Count()) << what << " " << id;

        EXPECT_EQ(s.Filtered({TilePictureShow::kAll, u"StOnE WaLL", -1}), s.Where([&](int id) { return named(id, "stone wall"); }))
            << what;
        EXPECT_EQ(s.Filtered({TilePictureShow::kAll, u"\u2019S ANVIL", -1}),  // the code page's right quote, 92
                  s.Where([&](int id) { return named(id, "\x92s anvil"); }))
            << what;
        for (const int bit : {0, 5, 31, 32, 47, 63})
            EXPECT_EQ(s.Filtered({TilePictureShow::kAll, u"", bit}), s.Where([&](int id) { return s.FlagBit(id, bit); }))
                << what << " bit " << bit;
        EXPECT_EQ(s.Filtered({TilePictureShow::kWithArt, u"wall", 3}),
                  s.Where([&](int id) { return s.hasArt[id] && named(id, "wall") && s.FlagBit(id, 3); }))
            << what;
        EXPECT_EQ(s.Filtered({TilePictureShow::kWithoutArt, u"e", 1}),
                  s.Where([&](int id) { return !s.hasArt[id] && named(id, "e") && s.FlagBit(id, 1); }))
            << what;
        EXPECT_EQ(s.Filtered({TilePictureShow::kFreeSlots, u"", 2}), s.Where([&](int id) { return free(id) && s.FlagBit(id, 2); }))
            << what;
        // Nothing holds a character the code page lacks, a name longer than a field, or a bit past 63.
        for (const TilePictureFilter& none : {TilePictureFilter{TilePictureShow::kAll, u"wall\u4E00", -1},
                                              TilePictureFilter{TilePictureShow::kAll, u"stone wall stone wall", -1},
                                              TilePictureFilter{TilePictureShow::kAll, u"", 64}})
            EXPECT_EQ(s.Filtered(none), std::vector<int>{}) << what;
    }
}

// Tiles without names beside art in the container, a stale index and art
// file and the patch file, which are not read beside a container; then the
// same container damaged.
TEST(TilePictureFilter, ATileWhoseArtIsOnlyInTheContainerIsNoFreeSlotAndDamagedArtLeavesNone)
{
    std::mt19937 random(8);
    std::vector<StaticTileEntry> tiles(64);
    SetTileName(tiles[3], "named");
    const Bytes picture = EncodeStatic(RandomPicture(random, 5, 5), random);
    TempFolder folder;
    const Bytes container = Container({{ArtIndexOfTile(7), picture}, {ArtIndexOfTile(9), picture, 1}}, 4);
    WriteFileBytes(folder.File("artLegacyMUL.uop"), container);
    IndexAndArt stale;
    stale.Add(ArtIndexOfTile(8), picture);
    WriteFileBytes(folder.File("artidx.mul"), stale.index);
    WriteFileBytes(folder.File("art.mul"), stale.art);
    WriteFileBytes(folder.File("verdata.mul"), PatchFile({{kArtFileId, ArtIndexOfTile(10), picture}}));

    const ArtFolder art = ArtFolder::Load(folder.File("tiledata.mul"));
    std::vector<int> shown;
    FilterTilePictures(tiles, StaticTileArtIn(art), {TilePictureShow::kFreeSlots, u"", -1}, shown);
    std::vector<int> expected;
    for (int id = 0; id < 64; ++id)
        if (id != 3 && id != 7 && id != 9)
            expected.push_back(id);
    EXPECT_EQ(shown, expected);
    FilterTilePictures(tiles, StaticTileArtIn(art), {TilePictureShow::kWithArt, u"", -1}, shown);
    EXPECT_EQ(shown, (std::vector<int>{7, 9}));

    Bytes broken = container;
    Set32(broken, 4, 99);  // a version no container has
    WriteFileBytes(folder.File("artLegacyMUL.uop"), broken);
    const ArtFolder damaged = ArtFolder::Load(folder.File("tiledata.mul"));
    ASSERT_NE(damaged.Damage(), "");
    for (const TilePictureShow show : {TilePictureShow::kFreeSlots, TilePictureShow::kWithoutArt}) {
        FilterTilePictures(tiles, StaticTileArtIn(damaged), {show, u"", -1}, shown);
        EXPECT_EQ(shown, std::vector<int>{}) << static_cast<int>(show);
    }
    FilterTilePictures(tiles, StaticTileArtIn(damaged), {TilePictureShow::kWithArt, u"", -1}, shown);
    EXPECT_EQ(shown.size(), tiles.size());
}

} // namespace
