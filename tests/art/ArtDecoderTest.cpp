#include "ArtBytes.h"
#include "ArtDecoder.h"
#include "ArtNumbering.h"

#include <gtest/gtest.h>

using namespace art_bytes;

namespace {

constexpr std::uint32_t kStatic = kFirstStaticArtIndex + 0x0BB6;

TEST(DecodeArt, GivesEveryStaticPictureBackAsEncoded)
{
    std::mt19937 random(7331);
    // Row starts are 16-bit word offsets: up to 200 x 150 stays within them.
    for (int round = 0; round < 400; ++round) {
        const int width = 1 + static_cast<int>(random() % (round % 4 == 0 ? 200 : 60));
        const int height = 1 + static_cast<int>(random() % (round % 5 == 0 ? 150 : 60));
        const Picture picture = RandomPicture(random, width, height);
        const ArtResult result = DecodeArt(kStatic, EncodeStatic(picture, random));
        ASSERT_EQ(result.kind, ArtResult::Kind::kImage) << result.reason;
        EXPECT_EQ(result.image.width, width);
        EXPECT_EQ(result.image.height, height);
        ASSERT_EQ(result.image.rgba, picture.Rgba()) << width << " x " << height;
    }
}

TEST(DecodeArt, GivesEveryLandDiamondBackAndIgnoresBytesAfterIt)
{
    std::mt19937 random(44);
    for (int round = 0; round < 20; ++round) {
        const Picture land = RandomLand(random);
        Bytes entry = EncodeLand(land);
        ASSERT_EQ(entry.size(), kLandArtBytes);
        if (round % 2)
            entry.insert(entry.end(), {1, 2, 3, 4, 5});
        const ArtResult result = DecodeArt(round * 100, entry);
        ASSERT_EQ(result.kind, ArtResult::Kind::kImage) << result.reason;
        EXPECT_EQ(result.image.width, 44);
        EXPECT_EQ(result.image.height, 44);
        EXPECT_EQ(result.image.rgba, land.Rgba());
    }
}

// A static entry of the given header and row table, then run data.
Bytes StaticEntry(std::uint16_t width, std::uint16_t height, std::vector<std::uint16_t> rows,
                  std::vector<std::uint16_t> runData)
{
    Bytes bytes;
    Put32(bytes, 0xCAFEF00D);
    Put16(bytes, width);
    Put16(bytes, height);
    for (std::uint16_t row : rows)
        Put16(bytes, row);
    for (std::uint16_t word : runData)
        Put16(bytes, word);
    return bytes;
}

TEST(DecodeArt, NamesWhyEachDamagedEntryIsDamaged)
{
    const struct {
        const char* what;
        std::uint32_t artIndex;
        Bytes entry;
        const char* reason;
    } cases[] = {
        {"short land", 7, Bytes(2023, 0x11), "the land image is 2023 bytes, short of its 2024"},
        {"no header", kStatic, Bytes(7, 0), "the entry is 7 bytes, too short for an image's header"},
        {"huge", kStatic, StaticEntry(3000, 10, {}, {}), "the image claims 3000 x 10 pixels, more than 2048 a side"},
        {"short row table", kStatic, StaticEntry(4, 10, {0, 0, 0}, {}), "the table of 10 rows reaches past the entry's end"},
        {"row start past end", kStatic, StaticEntry(4, 2, {0, 9}, {0, 0}), "row 1 starts past the entry's end"},
        {"run header cut", kStatic, StaticEntry(4, 1, {0}, {0}), "row 0 runs past the entry's end"},
        {"no row end", kStatic, StaticEntry(4, 1, {0}, {0, 1, 0x7FFF}), "row 0 runs past the entry's end"},
        {"pixels cut", kStatic, StaticEntry(8, 1, {0}, {1, 5, 0x7FFF, 0x7FFF}), "row 0 runs past the entry's end"},
        {"run past width", kStatic, StaticEntry(5, 1, {0}, {3, 3, 1, 1, 1, 0, 0}), "row 0 runs past the image's width of 5"},
        {"second run past width", kStatic, StaticEntry(5, 1, {0}, {0, 3, 1, 1, 1, 3, 0, 0, 0}),
         "row 0 runs past the image's width of 5"},
    };
    for (const auto& c : cases) {
        const ArtResult result = DecodeArt(c.artIndex, c.entry);
        EXPECT_EQ(result.kind, ArtResult::Kind::kDamaged) << c.what;
        EXPECT_EQ(result.reason, c.reason) << c.what;
    }
}

TEST(DecodeArt, ANoughtWidthOrHeightIsNoArt)
{
    for (const Bytes& entry : {StaticEntry(0, 5, {}, {}), StaticEntry(5, 0, {}, {})})
        EXPECT_EQ(DecodeArt(kStatic, entry).kind, ArtResult::Kind::kNoArt);
}

TEST(DecodeArt, ATruncatedEntryIsDamagedAtEveryLength)
{
    std::mt19937 random(5);
    const Bytes whole = EncodeStatic(RandomPicture(random, 9, 7), random);
    for (std::size_t length = 8; length < whole.size(); ++length)
        EXPECT_EQ(DecodeArt(kStatic, Bytes(whole.begin(), whole.begin() + length)).kind, ArtResult::Kind::kDamaged)
            << length;
}

TEST(DecodeArt, RowsMayShareTheirRunsAndRunsMayLeaveGaps)
{
    // Both rows start at the same run data: a gap of 2, then two pixels.
    const ArtResult result = DecodeArt(kStatic, StaticEntry(4, 2, {0, 0}, {2, 2, 0x001F, 0x8000, 0, 0}));
    ASSERT_EQ(result.kind, ArtResult::Kind::kImage) << result.reason;
    const Bytes row = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0};
    Bytes both = row;
    both.insert(both.end(), row.begin(), row.end());
    EXPECT_EQ(result.image.rgba, both);
}

} // namespace
