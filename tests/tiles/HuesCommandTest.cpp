// quarnel-tiles on the hue table: art --hue against the plain pictures
// drawn through hues read from the file's bytes here; the hues command's
// records and chart; the lines of info; and each refusal.
#include "ArtBytes.h"
#include "GameFolder.h"
#include "SampleGameFolder.h"
#include "SampleHues.h"
#include "TempFolder.h"
#include "TileColumns.h"
#include "TilesTool.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stb_image.h>

#include <filesystem>
#include <memory>
#include <sstream>

namespace {

using namespace art_bytes;
using ::testing::HasSubstr;

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun Tiles(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunTilesTool(args, out, err);
    return {status, out.str(), err.str()};
}

Bytes Rgba(const std::string& path, int& width, int& height)
{
    const Bytes file = ReadFileBytes(path);
    int channels = 0;
    unsigned char* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 4);
    if (!pixels)
        return {};
    Bytes rgba(pixels, pixels + std::size_t(width) * height * 4);
    stbi_image_free(pixels);
    return rgba;
}

// Colour c (0-31) of hue `number`, as the bytes of hues.mul hold it.
std::uint16_t HueColour(const Bytes& hues, int number, int c)
{
    const std::size_t at = std::size_t(number - 1) / 8 * 708 + 4 + std::size_t(number - 1) % 8 * 88 + 2 * std::size_t(c);
    return static_cast<std::uint16_t>(hues[at] | hues[at + 1] << 8);
}

std::uint8_t Widen(int c)
{
    return static_cast<std::uint8_t>(c << 3 | c >> 2);
}

class SampleHues : public ::testing::Test {
protected:
    SampleHues() { WriteSampleGameFolder(folder.Path()); }
    TempFolder folder;
    std::string tileData = folder.File("tiledata.mul");
};

TEST_F(SampleHues, ArtThroughAHueRecoloursEachPlainPictureAsItsPartialHueFlagSays)
{
    const Bytes hues = ReadFileBytes(folder.File("hues.mul"));
    auto table = std::make_unique<StaticTileTable>();
    ASSERT_EQ(LoadGameFolder(*table, tileData).result, GameFolderLoad::Result::kLoaded);
    ASSERT_EQ(Tiles({"art", tileData, "--out", folder.File("plain"), "--ids", "0000-007F"}).status, kExitOk);
    int partialTiles = 0;
    for (const int number : {kSampleHueWithBlack, kSampleFireHue, kSampleHueCount}) {
        const std::string hued = folder.File("hue" + std::to_string(number));
        const ToolRun run = Tiles({"art", tileData, "--out", hued, "--ids", "0000-007F", "--hue", std::to_string(number)});
        ASSERT_EQ(run.status, kExitOk) << run.err;
        EXPECT_THAT(run.err, HasSubstr(", through hue " + std::to_string(number) + "\n"));
        for (int id = 0; id < 0x80; ++id) {
            std::string name = "/";
            name += FormatTileId(id) + ".png";
            if (!std::filesystem::exists(folder.File("plain") + name))
                continue;
            const bool partial = ((*table)[id].flags & TileFlag::kPartialHue) != 0;
            partialTiles += partial;
            int width = 0, height = 0;
            const Bytes plain = Rgba(folder.File("plain") + name, width, height);
            Bytes expected;
            for (std::size_t i = 0; i < plain.size(); i += 4) {
                const int r = plain[i] >> 3, g = plain[i + 1] >> 3, b = plain[i + 2] >> 3;
                if (plain[i + 3] == 0 || (partial && !(r == g && g == b))) {
                    expected.insert(expected.end(), plain.begin() + std::ptrdiff_t(i), plain.begin() + std::ptrdiff_t(i) + 4);
                    continue;
                }
                const int colour = HueColour(hues, number, r);
                expected.insert(expected.end(), {Widen(colour >> 10 & 31), Widen(colour >> 5 & 31), Widen(colour & 31), 255});
            }
            ASSERT_EQ(Rgba(hued + name, width, height), expected) << "tile " << id << ", hue " << number;
        }
    }
    EXPECT_GT(partialTiles, 0) << "some tiles draw only their grey pixels through the hue";
}

TEST_F(SampleHues, ArtRefusesAHueItCannotDrawAndHueZeroIsThePlainPicture)
{
    const std::string ids = "0005";
    struct Case {
        const char* hue;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"33", kExitUsage, "quarnel-tiles art: no hue 33 (0-32)\n"},
        {"-1", kExitUsage, "quarnel-tiles art: --hue takes a decimal hue number (0: none), not -1\n"},
        {"0x3", kExitUsage, "quarnel-tiles art: --hue takes a decimal hue number (0: none), not 0x3\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tiles({"art", tileData, "--out", folder.File("out"), "--ids", ids, "--hue", c.hue});
        EXPECT_EQ(run.status, c.status) << c.hue;
        EXPECT_EQ(run.err, c.message) << c.hue;
    }
    std::filesystem::remove(folder.File("hues.mul"));
    ToolRun run = Tiles({"art", tileData, "--out", folder.File("out"), "--ids", ids, "--hue", "1"});
    EXPECT_EQ(run.status, kExitFileError);
    EXPECT_EQ(run.err, "quarnel-tiles: no hue table beside " + tileData + " (looked for hues.mul)\n");
    ASSERT_EQ(Tiles({"art", tileData, "--out", folder.File("none"), "--ids", ids, "--hue", "0"}).status, kExitOk);
    ASSERT_EQ(Tiles({"art", tileData, "--out", folder.File("plain"), "--ids", ids}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(folder.File("none/0005.png")), ReadFileBytes(folder.File("plain/0005.png")));
    WriteFileBytes(folder.File("hues.mul"), Bytes(707, 7));
    run = Tiles({"hues", tileData});
    EXPECT_EQ(run.status, kExitFileError);
    EXPECT_EQ(run.err, "quarnel-tiles: " + folder.File("hues.mul") + " holds no hues (not one whole group of 708 bytes)\n");
}

TEST(HuesCommand, WritesEachHueAsARecordInEitherFormat)
{
    TempFolder folder;
    std::mt19937 random(9);
    std::vector<HueBytes> written = RandomHues(random, 2);
    const char name[] = "a,\"b\"\\\x92\x01";  // a comma, quotes, a backslash, a code-page byte, a control byte
    std::copy(name, name + sizeof name, written[1].name);
    written[1].colours[0] = 0x8001;
    written[1].colours[31] = 0x7FFF;
    written[1].tableStart = 12;
    written[1].tableEnd = 65535;
    WriteFileBytes(folder.File("Hues.mul"), HueFile(written, random, 300));
    const std::string tileData = folder.File("tiledata.mul");

    std::string colours = "8001";
    for (int c = 1; c < 32; ++c) {
        char digits[8];
        std::snprintf(digits, sizeof digits, " %04X", written[1].colours[c]);
        colours += digits;
    }
    ToolRun run = Tiles({"hues", tileData, "--ids", "2"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, "hue,name,colours,table_start,table_end\n2,\"a,\"\"b\"\"\\\\\u2019\\x01\"," + colours + ",12,65535\n");
    run = Tiles({"hues", tileData, "--ids", "2-2", "--format", "jsonl"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, "{\"hue\":2,\"name\":\"a,\\\"b\\\"\\\\\\\\\u2019\\\\x01\",\"colours\":\"" + colours +
                           "\",\"table_start\":12,\"table_end\":65535}\n");
    run = Tiles({"hues", tileData});
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 17) << "a header and the 16 whole hues";
    for (const char* ids : {"0", "17", "3-2", "1-x"}) {
        run = Tiles({"hues", tileData, "--ids", ids});
        EXPECT_EQ(run.status, kExitUsage) << ids;
        EXPECT_EQ(run.err, std::string("quarnel-tiles hues: --ids takes a hue number or range within 1-16, not ") + ids + "\n");
    }
    EXPECT_EQ(Tiles({"hues", tileData, "--sheet", folder.File("c.png"), "--format", "csv"}).status, kExitUsage);
    WriteFileBytes(tileData, Bytes(10, 1));
    for (const std::string& game : {tileData, folder.File("Hues.mul")}) {
        run = Tiles({"hues", tileData, "--sheet", game});
        EXPECT_EQ(run.status, kExitFileError) << game;
        EXPECT_EQ(run.err, "quarnel-tiles: " + game + " is a game file; the chart goes elsewhere\n");
    }
    EXPECT_EQ(ReadFileBytes(tileData), Bytes(10, 1));
    run = Tiles({"hues", folder.File("elsewhere/tiledata.mul")});
    EXPECT_EQ(run.status, kExitFileError);
    EXPECT_THAT(run.err, HasSubstr("(looked for hues.mul)"));
}

TEST(HuesCommand, DrawsAChartOfARowAHueWithItsColoursAsSwatches)
{
    TempFolder folder;
    std::mt19937 random(12);
    std::vector<HueBytes> written = RandomHues(random, 1);
    written[2].colours[5] = 0;  // drawn black
    WriteFileBytes(folder.File("hues.mul"), HueFile(written, random));
    const ToolRun run = Tiles({"hues", folder.File("tiledata.mul"), "--sheet", folder.File("chart.png"), "--ids", "2-8"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err, "hues 2-8: 7 hues on the chart " + folder.File("chart.png") + "\n");
    int width = 0, height = 0;
    const Bytes chart = Rgba(folder.File("chart.png"), width, height);
    // Rows of 9 pixels within a margin of 2; the swatches of 8 x 8 start after
    // the number's five glyph cells of 4 pixels and another margin.
    ASSERT_EQ(height, 7 * 9 + 4);
    for (int row = 0; row < 7; ++row)
        for (int c = 0; c < 32; ++c) {
            const int colour = written[std::size_t(row) + 1].colours[c] & 0x7FFF;
            const std::size_t at = (std::size_t(2 + row * 9 + 4) * std::size_t(width) + std::size_t(24 + c * 8 + 3)) * 4;
            EXPECT_EQ(Bytes(chart.begin() + std::ptrdiff_t(at), chart.begin() + std::ptrdiff_t(at) + 4),
                      (Bytes{Widen(colour >> 10 & 31), Widen(colour >> 5 & 31), Widen(colour & 31), 255}))
                << "hue " << row + 2 << ", colour " << c;
        }
}

TEST(HuesCommand, InfoNamesTheHueTableAndThePatchFilesHueGroups)
{
    TempFolder folder;
    WriteSampleGameFolder(folder.Path());
    const std::string tileData = folder.File("tiledata.mul");
    std::filesystem::remove(folder.File("hues.mul"));
    WriteFileBytes(folder.File("verdata.mul"), PatchFile({{32, 0, Bytes(708, 1)}, {32, 3, Bytes(708, 2)}, {4, 0x4001, {}, true}}));
    const ToolRun run = Tiles({"info", tileData});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_THAT(run.out, ::testing::EndsWith("hues: none\nhue groups in the patch file (not applied): 2\n"));
}

} // namespace
