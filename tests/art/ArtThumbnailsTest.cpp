#include "ArtBytes.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "ArtThumbnails.h"
#include "TempFolder.h"
#include "TileFlags.h"

#include <gtest/gtest.h>

using namespace art_bytes;

namespace {

// A picture whose every pixel names its own place: red and green the
// column, blue and alpha the row.
ArtImage PlacePicture(int width, int height)
{
    ArtImage image{width, height, Bytes(std::size_t(width) * height * 4)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = &image.rgba[(std::size_t(y) * width + x) * 4];
            pixel[0] = static_cast<std::uint8_t>(x), pixel[1] = static_cast<std::uint8_t>(x >> 8);
            pixel[2] = static_cast<std::uint8_t>(y), pixel[3] = static_cast<std::uint8_t>(y >> 8);
        }
    return image;
}

int ColumnAt(const ArtImage& image, int x, int y)
{
    const std::uint8_t* pixel = &image.rgba[(std::size_t(y) * image.width + x) * 4];
    return pixel[0] | pixel[1] << 8;
}

int RowAt(const ArtImage& image, int x, int y)
{
    const std::uint8_t* pixel = &image.rgba[(std::size_t(y) * image.width + x) * 4];
    return pixel[2] | pixel[3] << 8;
}

TEST(ShrinkToFit, ShrinksByTheSmallestWholeFactorAndPicksEachBlocksCentre)
{
    const struct {
        int width, height, factor, shrunkWidth, shrunkHeight;
        // Source columns picked for the first, second and last shrunk column; rows likewise.
        int columns[3], rows[3];
    } cases[] = {
        {1, 1, 1, 1, 1, {0, 0, 0}, {0, 0, 0}},
        {44, 44, 1, 44, 44, {0, 1, 43}, {0, 1, 43}},
        {44, 3, 1, 44, 3, {0, 1, 43}, {0, 1, 2}},
        {45, 10, 2, 23, 5, {0, 2, 44}, {0, 2, 8}},
        {10, 45, 2, 5, 23, {0, 2, 8}, {0, 2, 44}},
        {88, 88, 2, 44, 44, {0, 2, 86}, {0, 2, 86}},
        {89, 20, 3, 30, 7, {1, 4, 87}, {1, 4, 18}},  // the last blocks hold 2 columns, 2 rows
        {600, 600, 14, 43, 43, {6, 20, 593}, {6, 20, 593}},
        {2048, 1, 47, 44, 1, {23, 70, 2034}, {0, 0, 0}},  // the last block holds 27 columns
        {2048, 2048, 47, 44, 44, {23, 70, 2034}, {23, 70, 2034}},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.width) + " x " + std::to_string(c.height);
        EXPECT_EQ(ShrinkFactor(c.width, c.height), c.factor) << what;
        const ArtImage source = PlacePicture(c.width, c.height);
        const ArtImage shrunk = ShrinkToFit(source);
        ASSERT_EQ(shrunk.width, c.shrunkWidth) << what;
        ASSERT_EQ(shrunk.height, c.shrunkHeight) << what;
        ASSERT_EQ(shrunk.rgba.size(), std::size_t(shrunk.width) * shrunk.height * 4) << what;
        if (c.factor == 1) {
            EXPECT_EQ(shrunk.rgba, source.rgba) << what;
        }
        const int xs[3] = {0, std::min(1, shrunk.width - 1), shrunk.width - 1};
        const int ys[3] = {0, std::min(1, shrunk.height - 1), shrunk.height - 1};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ColumnAt(shrunk, xs[i], ys[i]), c.columns[i]) << what << " column " << i;
            EXPECT_EQ(RowAt(shrunk, xs[i], ys[i]), c.rows[i]) << what << " row " << i;
        }
    }
}

// A folder of static pictures: tiles 0-99 (every tenth larger than a cell,
// the others of one size within each ten), tile 100 damaged, tile 101 reaching past the art
// file's end, tile 102 none.
struct ThumbnailFolder {
    TempFolder folder;
    std::string tileData = folder.File("tiledata.mul");
    ArtFolder art;

    ThumbnailFolder()
    {
        std::mt19937 random(12);
        IndexAndArt files;
        for (int id = 0; id < 100; ++id) {
            const int side = id % 10 == 0 ? 90 + id : 10 + id / 10;
            files.Add(kFirstStaticArtIndex + id, EncodeStatic(RandomPicture(random, side, side / 2 + 1), random));
        }
        files.Add(kFirstStaticArtIndex + 100, Bytes(5, 1));
        files.Add(kFirstStaticArtIndex + 101, Bytes(50, 1));
        files.art.resize(files.art.size() - 10);
        WriteFileBytes(folder.File("artidx.mul"), files.index);
        WriteFileBytes(folder.File("art.mul"), files.art);
        art = ArtFolder::Load(tileData);
    }
    ArtImage Expected(int id, const ArtPalette& palette = ArtPalette::Plain()) const
    {
        return ShrinkToFit(art.Decode(kFirstStaticArtIndex + id, palette).image);
    }
};

void ExpectPicture(const ArtThumbnails::Thumbnail& got, const ArtImage& expected, int id)
{
    ASSERT_EQ(got.kind, ArtResult::Kind::kImage) << id << ": " << got.reason;
    EXPECT_EQ(got.image->width, expected.width) << id;
    EXPECT_EQ(got.image->height, expected.height) << id;
    EXPECT_EQ(got.image->rgba, expected.rgba) << id;
}

TEST(ArtThumbnails, KeepsEachShrunkPictureAndGivesTheSameOneAgain)
{
    const ThumbnailFolder folder;
    ArtThumbnails thumbnails(folder.art);
    for (int id = 0; id < 100; ++id)
        ExpectPicture(thumbnails.Get(id), folder.Expected(id), id);
    EXPECT_EQ(thumbnails.CachedCount(), 100);
    const std::size_t bytes = thumbnails.MemoryBytes();
    EXPECT_GE(bytes, 100 * ArtThumbnails::kEntryOverheadBytes + 100 * 10 * 6 * 4);
    for (int id = 99; id >= 0; --id) {
        const ArtImage* first = thumbnails.Get(id).image;
        EXPECT_EQ(thumbnails.Get(id).image, first) << id;
        ExpectPicture(thumbnails.Get(id), folder.Expected(id), id);
    }
    EXPECT_EQ(thumbnails.MemoryBytes(), bytes) << "a hit took memory";
    EXPECT_EQ(thumbnails.CachedCount(), 100);
}

TEST(ArtThumbnails, NamesNoArtAndDamageAndKeepsNoPictureWithoutArt)
{
    const ThumbnailFolder folder;
    ArtThumbnails thumbnails(folder.art);
    for (const int id : {100, 101}) {
        const ArtThumbnails::Thumbnail got = thumbnails.Get(id);
        EXPECT_EQ(got.kind, ArtResult::Kind::kDamaged) << id;
        EXPECT_EQ(got.image, nullptr);
        EXPECT_EQ(got.reason, folder.art.Decode(kFirstStaticArtIndex + id).reason) << id;
        EXPECT_FALSE(got.reason.empty());
    }
    for (const int id : {102, 0xFFFF, -1, 0x10000})
        EXPECT_EQ(thumbnails.Get(id).kind, ArtResult::Kind::kNoArt) << id;
    EXPECT_EQ(thumbnails.CachedCount(), 2) << "only the damaged ones are kept";
    EXPECT_FALSE(thumbnails.IsCached(102));

    // Art that cannot be read at all: every tile is damaged, with the reason.
    TempFolder broken;
    WriteFileBytes(broken.File("artLegacyMUL.uop"), Bytes(64, 7));
    const ArtFolder unreadable = ArtFolder::Load(broken.File("tiledata.mul"));
    ArtThumbnails damaged(unreadable);
    for (const int id : {0, 102, 0xFFFF}) {
        EXPECT_EQ(damaged.Get(id).kind, ArtResult::Kind::kDamaged) << id;
        EXPECT_EQ(damaged.Get(id).reason, unreadable.Damage()) << id;
    }
}

TEST(ArtThumbnails, DropsTheLeastRecentlyUsedFirst)
{
    const ThumbnailFolder folder;
    // Tiles 1-6 hold pictures of the same size.
    ArtThumbnails probe(folder.art);
    probe.Get(1);
    const std::size_t one = probe.MemoryBytes();
    ArtThumbnails thumbnails(folder.art, 3 * one);
    for (const int id : {1, 2, 3})
        thumbnails.Get(id);
    EXPECT_EQ(thumbnails.MemoryBytes(), 3 * one);
    thumbnails.Get(1);  // now the most recent
    ExpectPicture(thumbnails.Get(4), folder.Expected(4), 4);
    EXPECT_TRUE(thumbnails.IsCached(1));
    EXPECT_FALSE(thumbnails.IsCached(2));
    EXPECT_TRUE(thumbnails.IsCached(3));
    thumbnails.Get(5);
    EXPECT_FALSE(thumbnails.IsCached(3));
    thumbnails.Get(6);
    EXPECT_FALSE(thumbnails.IsCached(1));
    EXPECT_TRUE(thumbnails.IsCached(4));
    EXPECT_EQ(thumbnails.CachedCount(), 3);
    ExpectPicture(thumbnails.Get(2), folder.Expected(2), 2);
}

TEST(ArtThumbnails, StaysWithinItsBudgetScrollingThroughMoreThanFit)
{
    const ThumbnailFolder folder;
    const std::size_t budget = 20000;
    ArtThumbnails thumbnails(folder.art, budget);
    std::size_t peak = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (int id = 0; id < 103; ++id) {
            const int tile = pass == 0 ? id : 102 - id;
            const ArtThumbnails::Thumbnail got = thumbnails.Get(tile);
            if (tile < 100)
                ExpectPicture(got, folder.Expected(tile), tile);
            peak = std::max(peak, thumbnails.MemoryBytes());
            ASSERT_LE(thumbnails.MemoryBytes(), budget) << tile;
        }
    EXPECT_GT(peak, budget / 2);
    EXPECT_LT(thumbnails.CachedCount(), 50);
    thumbnails.Clear();
    EXPECT_EQ(thumbnails.MemoryBytes(), 0u);
    EXPECT_EQ(thumbnails.CachedCount(), 0);
    EXPECT_FALSE(thumbnails.IsCached(5));
    ExpectPicture(thumbnails.Get(5), folder.Expected(5), 5);
}

TEST(ArtThumbnails, DrawsThroughTheHueSetAndItsPartialHueForTilesWithThatFlag)
{
    const ThumbnailFolder folder;
    Hue hue;
    for (std::size_t i = 0; i < hue.colours.size(); ++i)
        hue.colours[i] = static_cast<std::uint16_t>(0x7C00 | i);
    ArtThumbnails thumbnails(folder.art);
    thumbnails.Get(4);
    thumbnails.SetHue(&hue);
    EXPECT_EQ(thumbnails.CachedCount(), 0) << "the pictures drawn without the hue stay";
    TileHuePalettes palettes(&hue);
    ExpectPicture(thumbnails.Get(4), folder.Expected(4, palettes.For(0)), 4);
    // The flag changed since: drawn again through the partial hue.
    ExpectPicture(thumbnails.Get(4, TileFlag::kPartialHue), folder.Expected(4, palettes.For(TileFlag::kPartialHue)),
                  4);
    EXPECT_EQ(thumbnails.CachedCount(), 1);
    ASSERT_NE(folder.Expected(4, palettes.For(0)).rgba, folder.Expected(4).rgba);
    thumbnails.SetHue(nullptr);
    ExpectPicture(thumbnails.Get(4, TileFlag::kPartialHue), folder.Expected(4), 4);
}

} // namespace
