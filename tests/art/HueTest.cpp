// The hue table read from hues.mul bytes written apart from the reader, and
// pictures drawn through a hue against a reading of the pixels of its own.
#include "ArtBytes.h"
#include "ArtDecoder.h"
#include "ArtNumbering.h"
#include "ArtPalette.h"
#include "HueTable.h"
#include "PathParts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace art_bytes;

namespace {

std::string NameOf(const HueBytes& hue)
{
    const auto* name = reinterpret_cast<const char*>(hue.name);
    return std::string(name, std::find(name, name + 20, '\0'));
}

void ExpectHue(const Hue& read, const HueBytes& written, int number)
{
    EXPECT_TRUE(std::equal(read.colours.begin(), read.colours.end(), std::begin(written.colours))) << "hue " << number;
    EXPECT_EQ(read.tableStart, written.tableStart) << "hue " << number;
    EXPECT_EQ(read.tableEnd, written.tableEnd) << "hue " << number;
    EXPECT_EQ(read.name, NameOf(written)) << "hue " << number;
}

TEST(HueTable, ReadsEveryWholeGroupAndIgnoresTheBytesAfterIt)
{
    std::mt19937 random(2828);
    for (const std::size_t trailing : {std::size_t{0}, std::size_t{1}, std::size_t{707}}) {
        const std::vector<HueBytes> written = RandomHues(random, 1 + random() % 6);
        const std::vector<Hue> read = ReadHues(HueFile(written, random, trailing));
        ASSERT_EQ(read.size(), written.size()) << trailing << " bytes after the groups";
        for (std::size_t i = 0; i < read.size(); ++i)
            ExpectHue(read[i], written[i], static_cast<int>(i + 1));
    }
    EXPECT_TRUE(ReadHues(HueFile({}, random, 707)).empty());
}

TEST(HueTable, FindsTheFileBesideTheTileDataInAnyCaseAndNumbersHuesFromOne)
{
    std::mt19937 random(31);
    for (const char* name : {"hues.mul", "HUES.MUL", "Hues.mul"}) {
        TempFolder folder;
        const std::vector<HueBytes> written = RandomHues(random, 3);
        WriteFileBytes(folder.File(name), HueFile(written, random, 100));
        const HueTable table = HueTable::Load(folder.File("tiledata.mul"));
        // As the system names it: on Windows the name asked for finds it in any case.
        EXPECT_TRUE(std::filesystem::equivalent(PathFromUtf8(table.File()), folder.Path() / name)) << table.File();
        EXPECT_TRUE(table.Failure().empty()) << table.Failure();
        ASSERT_EQ(table.Count(), 24) << name;
        EXPECT_FALSE(table.Holds(0));
        EXPECT_FALSE(table.Holds(25));
        ExpectHue(table[1], written[0], 1);
        ExpectHue(table[9], written[8], 9);  // the second group's first
        ExpectHue(table[24], written[23], 24);
    }
}

TEST(HueTable, AMissingEmptyOrShortFileHoldsNoHues)
{
    TempFolder folder;
    const std::string tileData = folder.File("tiledata.mul");
    const HueTable missing = HueTable::Load(tileData);
    EXPECT_EQ(missing.Count(), 0);
    EXPECT_TRUE(missing.File().empty());
    for (const std::size_t size : {std::size_t{0}, std::size_t{707}}) {
        WriteFileBytes(folder.File("hues.mul"), Bytes(size, 0x41));
        const HueTable table = HueTable::Load(tileData);
        EXPECT_EQ(table.Count(), 0) << size << " bytes";
        EXPECT_EQ(table.File(), folder.File("hues.mul"));
        EXPECT_TRUE(table.Failure().empty());
    }
    EXPECT_EQ(HueNumbersText(3000), "0-3000");
}

TEST(HueTable, CountsThePatchFilesHueGroupsWithoutApplyingThem)
{
    const Bytes patches = PatchFile({{32, 0, Bytes(708, 1)}, {4, 0x4005, Bytes(30, 2)}, {32, 374, Bytes(12, 3)},
                                     {30, 512, Bytes(1188, 4)}, {32, 7, {}, true}});
    MemoryByteSource source(patches);
    EXPECT_EQ(CountPatchHueGroups(source), 3);
    Bytes cut(patches.begin(), patches.begin() + 4 + 20 * 2);  // the count claims five entries, the file holds two
    MemoryByteSource cutSource(cut);
    EXPECT_EQ(CountPatchHueGroups(cutSource), 1);
}

// The pixels a picture drawn through a hue gives, worked out from the 16-bit
// colours alone: transparent stays; the red bits pick the hue's colour,
// drawn even when black; partially, only the grey pixels change.
Bytes HuedRgba(const Picture& picture, const HueBytes& hue, bool partial)
{
    Bytes rgba;
    auto widen = [](int c) { return static_cast<std::uint8_t>(c << 3 | c >> 2); };
    for (const std::uint16_t colour : picture.colours) {
        const int r = colour >> 10 & 31, g = colour >> 5 & 31, b = colour & 31;
        if ((colour & 0x7FFF) == 0) {
            rgba.insert(rgba.end(), {0, 0, 0, 0});
            continue;
        }
        const int drawn = partial && !(r == g && g == b) ? colour : hue.colours[r];
        rgba.insert(rgba.end(), {widen(drawn >> 10 & 31), widen(drawn >> 5 & 31), widen(drawn & 31), 255});
    }
    return rgba;
}

// Turns about a third of the drawn pixels grey (keeping bit 15 as it was),
// for the partial hue to change.
void MakeSomeGrey(Picture& picture, std::mt19937& random)
{
    for (std::uint16_t& colour : picture.colours)
        if ((colour & 0x7FFF) != 0 && random() % 3 == 0) {
            const auto level = static_cast<unsigned>(1 + random() % 31);
            colour = static_cast<std::uint16_t>((colour & 0x8000) | level << 10 | level << 5 | level);
        }
}

TEST(HuedPicture, MatchesAnIndependentReadingOfTheColoursThroughTheHue)
{
    std::mt19937 random(2026);
    for (int round = 0; round < 60; ++round) {
        const std::vector<HueBytes> written = RandomHues(random, 1 + random() % 4);
        const HueTable table = HueTable::FromHues(ReadHues(HueFile(written, random)));
        // The last hue now and then, else any.
        const int number = round % 4 == 0 ? table.Count() : 1 + static_cast<int>(random() % table.Count());
        const bool land = round % 5 == 0;
        Picture picture = land ? RandomLand(random) : RandomPicture(random, static_cast<int>(1 + random() % 90), static_cast<int>(1 + random() % 90));
        MakeSomeGrey(picture, random);
        const Bytes entry = land ? EncodeLand(picture) : EncodeStatic(picture, random);
        const std::uint32_t artIndex = land ? 0x0123 : kFirstStaticArtIndex + 0x0BB6;
        TileHuePalettes palettes(&table[number]);
        for (const bool partial : {false, true}) {
            const ArtResult result = DecodeArt(artIndex, entry, palettes.For(partial ? TileFlag::kPartialHue : 0));
            ASSERT_EQ(result.kind, ArtResult::Kind::kImage) << result.reason;
            ASSERT_EQ(result.image.rgba, HuedRgba(picture, written[number - 1], partial))
                << "round " << round << ", hue " << number << (partial ? ", partial" : ", full");
        }
    }
}

TEST(HuedPicture, NoHueDrawsThePlainPicture)
{
    std::mt19937 random(5);
    const Picture picture = RandomPicture(random, 40, 30);
    const Bytes entry = EncodeStatic(picture, random);
    TileHuePalettes none;
    for (const TileFlags flags : {TileFlags{0}, TileFlag::kPartialHue})
        EXPECT_EQ(DecodeArt(kFirstStaticArtIndex, entry, none.For(flags)).image.rgba, picture.Rgba());
}

} // namespace
