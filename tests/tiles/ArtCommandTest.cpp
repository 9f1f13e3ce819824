#include "ArtBytes.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "PngFile.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TileColumns.h"
#include "TilesTool.h"
#include "WindowsSharing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace {

using namespace art_bytes;
using ::testing::HasSubstr;

struct ToolRun {
    int status;
    std::string err;
};

ToolRun Tiles(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunTilesTool(args, out, err);
    return {status, err.str()};
}

// A PNG file's pixels as 8-bit RGBA, read back by stb_image; its size in `width` and `height`.
Bytes PngPixels(const std::string& path, int& width, int& height)
{
    const Bytes file = ReadFileBytes(path);
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 4);
    if (!pixels)
        return {};
    EXPECT_EQ(channels, 4) << path << " is not RGBA";
    Bytes rgba(pixels, pixels + std::size_t(width) * height * 4);
    stbi_image_free(pixels);
    return rgba;
}

// A classic folder of random art in either form: pictures for some tiles
// of each half, patched or compressed ones, and one damaged static entry.
struct RandomArtFolder {
    TempFolder folder;
    std::string tileData = folder.File("tiledata.mul");
    std::map<int, Picture> statics, land;  // by tile id: the pictures expected
    int damaged = -1;                     // the static tile whose entry is cut short

    explicit RandomArtFolder(bool container, std::uint32_t seed)
    {
        std::mt19937 random(seed);
        WriteFileBytes(tileData, MakeSampleGameFiles().tileData);
        std::vector<ContainerItem> items;
        IndexAndArt files;
        const auto add = [&](std::uint32_t artIndex, const Bytes& entry) {
            items.push_back({artIndex, entry, static_cast<std::uint16_t>(items.size() % 2)});
            files.Add(artIndex, entry);
        };
        for (int i = 0; i < 120; ++i) {
            const int id = static_cast<int>(random() % 0x4000);
            const Picture picture = RandomPicture(random, 1 + static_cast<int>(random() % 90),
                                                  1 + static_cast<int>(random() % 90));
            add(kFirstStaticArtIndex + id, EncodeStatic(picture, random));
            statics[id] = picture;
        }
        for (int i = 0; i < 30; ++i) {
            const int id = static_cast<int>(random() % 0x4000);
            const Picture picture = RandomLand(random);
            add(id, EncodeLand(picture));
            land[id] = picture;
        }
        for (damaged = 0; statics.count(damaged); ++damaged) {
        }
        Bytes cut = EncodeStatic(RandomPicture(random, 12, 12), random);
        cut.resize(cut.size() - 3);
        add(kFirstStaticArtIndex + damaged, cut);
        if (container) {
            WriteFileBytes(folder.File("artLegacyMUL.uop"), Container(items, 16));
            return;
        }
        // The patch file replaces one picture and removes another.
        const int replaced = std::next(statics.begin())->first, removed = std::prev(statics.end())->first;
        const Picture picture = RandomPicture(random, 40, 40);
        WriteFileBytes(folder.File("verdata.mul"),
                       PatchFile({{kArtFileId, kFirstStaticArtIndex + static_cast<std::uint32_t>(replaced),
                                   EncodeStatic(picture, random)},
                                  {kArtFileId, kFirstStaticArtIndex + static_cast<std::uint32_t>(removed), {}, true}}));
        statics[replaced] = picture;
        statics.erase(removed);
        WriteFileBytes(folder.File("artidx.mul"), files.index);
        WriteFileBytes(folder.File("art.mul"), files.art);
    }
};

// Every tile of the half has a PNG file exactly when it has a picture, and
// the file's pixels are the picture's.
void ExpectPngFiles(const std::string& out, const std::map<int, Picture>& expected, int tiles)
{
    for (int id = 0; id < tiles; ++id) {
        const std::string path = out + "/" + FormatTileId(id) + ".png";
        const auto found = expected.find(id);
        ASSERT_EQ(std::filesystem::exists(path), found != expected.end()) << path;
        if (found == expected.end())
            continue;
        int width = 0, height = 0;
        ASSERT_EQ(PngPixels(path, width, height), found->second.Rgba()) << path;
        EXPECT_EQ(width, found->second.width);
        EXPECT_EQ(height, found->second.height);
    }
}

TEST(ArtCommand, WritesEveryPictureByteExactlyAndNamesTheDamagedTileInEitherForm)
{
    for (const bool container : {false, true}) {
        SCOPED_TRACE(container ? "container" : "index and art file");
        const RandomArtFolder art(container, container ? 7 : 8);
        const std::string out = art.folder.File("png/static"), landOut = art.folder.File("png/land");

        const ToolRun statics = Tiles({"art", art.tileData, "--out", out});
        EXPECT_EQ(statics.status, kExitDamagedArt);
        EXPECT_THAT(statics.err, HasSubstr("quarnel-tiles: " + FormatTileId(art.damaged) +
                                           ": the art is damaged (row "));
        EXPECT_THAT(statics.err, HasSubstr("art 0000-3FFF: " + std::to_string(art.statics.size()) +
                                           " images written to " + out + ", " +
                                           std::to_string(0x4000 - art.statics.size() - 1) +
                                           " tiles without art, 1 damaged\n"));
        ExpectPngFiles(out, art.statics, 0x4000);

        const ToolRun land = Tiles({"art", art.tileData, "--out", landOut, "--land"});
        EXPECT_EQ(land.status, kExitOk) << land.err;
        ExpectPngFiles(landOut, art.land, 0x4000);
    }
}

TEST(ArtCommand, ASheetHoldsEachPictureInItsCellOverItsId)
{
    const RandomArtFolder art(false, 9);
    const std::string sheet = art.folder.File("sheet.png");
    const ToolRun run = Tiles({"art", art.tileData, "--sheet", sheet});
    ASSERT_EQ(run.status, kExitDamagedArt) << run.err;
    int width = 0, height = 0;
    const Bytes pixels = PngPixels(sheet, width, height);
    // Cells of a 44-pixel picture area, its margins and a label line, 32 to a row.
    constexpr int kCellWidth = 48, kCellHeight = 55, kColumns = 32;
    const int cells = static_cast<int>(art.statics.size());
    ASSERT_EQ(width, kColumns * kCellWidth);
    ASSERT_EQ(height, (cells + kColumns - 1) / kColumns * kCellHeight);

    const Bytes ground = {0xF0, 0xF0, 0xF0, 0xFF};
    int cell = 0;
    for (const auto& [id, picture] : art.statics) {
        const int left = cell % kColumns * kCellWidth + 2, top = cell / kColumns * kCellHeight + 2;
        ++cell;
        if (picture.width > 44 || picture.height > 44)
            continue;  // shrunk: its pixels are a sample of the picture's
        const Bytes rgba = picture.Rgba();
        const int x0 = left + (44 - picture.width) / 2, y0 = top + (44 - picture.height) / 2;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                const std::uint8_t* want = &rgba[(std::size_t(y) * picture.width + x) * 4];
                const std::uint8_t* got = &pixels[(std::size_t(y0 + y) * width + x0 + x) * 4];
                ASSERT_EQ(Bytes(got, got + 4), want[3] ? Bytes(want, want + 4) : ground)
                    << FormatTileId(id) << " at " << x << ", " << y;
            }
        int ink = 0;
        for (int y = top + 44 + 2; y < top + 44 + 7; ++y)
            for (int x = left; x < left + 44; ++x)
                ink += pixels[(std::size_t(y) * width + x) * 4] < 0x40;
        EXPECT_GT(ink, 12) << FormatTileId(id) << ": four digits under the picture";
    }
}

TEST(ArtCommand, RefusesWhatItCannotDo)
{
    const RandomArtFolder art(false, 10);
    const std::string out = art.folder.File("png");
    EXPECT_EQ(Tiles({"art", art.tileData}).status, kExitUsage);
    EXPECT_EQ(Tiles({"art", art.tileData, "--out", out, "--sheet", out + ".png"}).status, kExitUsage);
    const ToolRun range = Tiles({"art", art.tileData, "--out", out, "--ids", "3FFF-4000"});
    EXPECT_EQ(range.status, kExitUsage);
    EXPECT_EQ(range.err, "quarnel-tiles art: --ids takes a hex id or range within 0000-3FFF, not 3FFF-4000\n");

    // A sheet never goes over a game file.
    const Bytes artFile = ReadFileBytes(art.folder.File("art.mul"));
    EXPECT_EQ(Tiles({"art", art.tileData, "--sheet", art.folder.File("art.mul")}).status, kExitFileError);
    EXPECT_EQ(ReadFileBytes(art.folder.File("art.mul")), artFile);

    TempFolder empty;
    WriteFileBytes(empty.File("tiledata.mul"), MakeSampleGameFiles().tileData);
    const ToolRun none = Tiles({"art", empty.File("tiledata.mul"), "--out", out});
    EXPECT_EQ(none.status, kExitFileError);
    EXPECT_EQ(none.err, "quarnel-tiles: no art beside " + empty.File("tiledata.mul") +
                            " (looked for artLegacyMUL.uop, art.mul and artidx.mul)\n");
}

TEST(ArtCommand, TheSamplesTwoFormsHoldTheSamePicturesButThePatchFilesOwn)
{
    TempFolder folder;
    const std::string index = folder.File("index"), container = folder.File("container");
    ASSERT_EQ(Tiles({"sample", index}).status, kExitOk);
    ASSERT_EQ(Tiles({"sample", container, "--art", "container"}).status, kExitOk);
    for (const std::string& game : {index, container}) {
        const ToolRun run = Tiles({"art", game + "/tiledata.mul", "--out", game + "/png", "--ids", "0000-00FF"});
        ASSERT_EQ(run.status, kExitOk) << run.err;
    }
    const std::set<int> patched = {kSampleArtReplacedTile, kSampleArtRemovedTile, kSampleArtAddedTile};
    for (int id = 0; id < 0x100; ++id) {
        const std::string name = "/png/" + FormatTileId(id) + ".png";
        const bool inIndex = std::filesystem::exists(index + name), inContainer = std::filesystem::exists(container + name);
        EXPECT_EQ(inContainer, SampleStaticHasArt(id)) << id;
        if (patched.count(id)) {
            EXPECT_EQ(inIndex, id != kSampleArtRemovedTile) << id;
            if (inIndex && inContainer) {
                EXPECT_NE(ReadFileBytes(index + name), ReadFileBytes(container + name)) << id;
            }
        } else {
            ASSERT_EQ(inIndex, inContainer) << id;
            if (inIndex) {
                EXPECT_EQ(ReadFileBytes(index + name), ReadFileBytes(container + name)) << id;
            }
        }
    }
    // The container names 16074 static pictures (one in 61 below 4000 has
    // none, nor have the free slots) and 760 land ones.
    const std::string infoLines[] = {
        "art files: " + index + "/artidx.mul " + index + "/art.mul " + index + "/verdata.mul (index and art file)\n"
        "art indices: 32768\nart entries the patch file replaces: 5\n",
        "art files: " + container + "/artLegacyMUL.uop (the container)\n"
        "art indices: 16834\nart entries the patch file replaces: none (beside the container it is not read for art)\n",
    };
    for (const std::string& lines : infoLines) {
        std::ostringstream out, err;
        const std::string& game = &lines == &infoLines[0] ? index : container;
        RunTilesTool({"info", game + "/tiledata.mul"}, out, err);
        // The hue table's lines follow the art's.
        EXPECT_THAT(out.str(), ::testing::EndsWith(lines + "hues: " + game + "/hues.mul, 32 hues\n"
                                                           "hue groups in the patch file (not applied): 0\n"));
    }
}

// Every file of the folder, by name, as bytes.
std::map<std::string, Bytes> FolderBytes(const std::string& folder)
{
    std::map<std::string, Bytes> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = ReadFileBytes(entry.path().string());
    return files;
}

class ArtIn : public ::testing::TestWithParam<bool> {};

TEST_P(ArtIn, OutThenInWritesNothingAndOnlyTheTilesGivenChange)
{
    const RandomArtFolder art(GetParam(), 21);
    const std::string out = art.folder.File("out"), in = art.folder.File("in"), again = art.folder.File("again");
    ASSERT_EQ(Tiles({"art", art.tileData, "--out", out}).status, kExitDamagedArt);
    std::filesystem::create_directory(in);
    const auto before = FolderBytes(art.folder.File(""));
    const ToolRun same = Tiles({"art", art.tileData, "--in", out});
    EXPECT_EQ(same.status, kExitOk) << same.err;
    EXPECT_EQ(same.err, "art --in " + out + ": 0 replaced, 0 added, 0 removed, " +
                            std::to_string(art.statics.size()) + " unchanged, 0 ignored\n");
    EXPECT_EQ(FolderBytes(art.folder.File("")), before);

    // One picture given to a tile with art, one to a tile without, and the
    // last tile's removed; the names in either letter case.
    const int from = art.statics.begin()->first, replaced = std::next(art.statics.begin(), 2)->first;
    int added = 0x3000;
    while (art.statics.count(added) || added == art.damaged)
        ++added;
    const int removed = art.statics.rbegin()->first;
    const std::string picture = out + "/" + FormatTileId(from) + ".png";
    std::filesystem::copy_file(picture, in + "/" + FormatTileId(replaced) + ".png");
    std::string lower = FormatTileId(added);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::filesystem::copy_file(picture, in + "/" + lower + ".PNG");
    WriteFileBytes(in + "/notes.txt", {'h', 'i'});
    const ToolRun run = Tiles({"art", art.tileData, "--in", in});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err, "art --in " + in + ": 1 replaced, 1 added, 0 removed, 0 unchanged, 1 ignored\n");
    const ToolRun removal = Tiles({"art", art.tileData, "--remove", FormatTileId(removed)});
    EXPECT_EQ(removal.err, "art --remove " + FormatTileId(removed) + "-" + FormatTileId(removed) + ": 0 replaced, 0 added, 1 removed, 0 unchanged, 0 ignored\n");

    ASSERT_EQ(Tiles({"art", art.tileData, "--out", again}).status, kExitDamagedArt);
    auto expected = FolderBytes(out);
    expected[FormatTileId(replaced) + ".png"] = expected[FormatTileId(from) + ".png"];
    expected[FormatTileId(added) + ".png"] = expected[FormatTileId(from) + ".png"];
    expected.erase(FormatTileId(removed) + ".png");
    EXPECT_EQ(FolderBytes(again), expected);
}

TEST_P(ArtIn, WritesWithNoOtherOpenOfTheFilesItHolds)
{
    // Windows refuses an exclusive open while any other open of the file
    // lasts: the pictures' reading must be done with before the writing.
    const RandomArtFolder art(GetParam(), 23);
    const std::string out = art.folder.File("out"), in = art.folder.File("in");
    ASSERT_EQ(Tiles({"art", art.tileData, "--out", out}).status, kExitDamagedArt);
    std::filesystem::create_directory(in);
    std::filesystem::copy_file(out + "/" + FormatTileId(art.statics.begin()->first) + ".png",
                               in + "/" + FormatTileId(std::next(art.statics.begin())->first) + ".png");
    WindowsSharing sharing;
    ScopedFileSystemCalls seam(sharing);
    const ToolRun put = Tiles({"art", art.tileData, "--in", in});
    EXPECT_EQ(put.status, kExitOk) << put.err;
    const ToolRun removed = Tiles({"art", art.tileData, "--remove", FormatTileId(art.statics.begin()->first)});
    EXPECT_EQ(removed.status, kExitOk) << removed.err;
    EXPECT_EQ(sharing.refusals, 0);
}

INSTANTIATE_TEST_SUITE_P(EachForm, ArtIn, ::testing::Values(false, true),
                         [](const auto& test) { return test.param ? "Container" : "Index"; });

TEST(ArtIn, ANewerFoldersIndexGrowsForItsLastTile)
{
    // A newer folder whose index holds as many entries as a classic one's: tile FFFF lies past it.
    TempFolder folder;
    const std::string game = folder.File("game"), tileData = game + "/tiledata.mul";
    ASSERT_EQ(Tiles({"sample", game, "--layout", "newer"}).status, kExitOk);
    Bytes index = ReadFileBytes(game + "/artidx.mul");
    index.resize(0xC000 * 12);
    WriteFileBytes(game + "/artidx.mul", index);
    const std::string out = folder.File("out"), in = folder.File("in"), again = folder.File("again");
    ASSERT_EQ(Tiles({"art", tileData, "--out", out, "--ids", "0000-00FF"}).status, kExitOk);
    std::filesystem::create_directory(in);
    std::filesystem::copy_file(out + "/0005.png", in + "/FFFF.png");
    const ToolRun run = Tiles({"art", tileData, "--in", in});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err, "art --in " + in + ": 0 replaced, 1 added, 0 removed, 0 unchanged, 0 ignored\n");
    EXPECT_EQ(ReadFileBytes(game + "/artidx.mul").size(), std::size_t{kArtIndexCount} * 12);
    ASSERT_EQ(Tiles({"art", tileData, "--out", again, "--ids", "8000-FFFF"}).status, kExitOk);
    EXPECT_EQ(FolderBytes(again), (std::map<std::string, Bytes>{{"FFFF.png", ReadFileBytes(out + "/0005.png")}}));
}

TEST(ArtIn, BadPicturesAreEachNamedAndNothingIsWritten)
{
    const RandomArtFolder art(false, 22);
    const std::string in = art.folder.File("in");
    std::filesystem::create_directory(in);
    WriteFileBytes(in + "/0001.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
    const std::string landTile = FormatTileId(art.land.begin()->first);
    ASSERT_EQ(Tiles({"art", art.tileData, "--out", in, "--ids", landTile, "--land"}).status, kExitOk);
    std::filesystem::copy_file(in + "/" + landTile + ".png", in + "/4000.png");
    const auto before = FolderBytes(art.folder.File(""));
    const ToolRun run = Tiles({"art", art.tileData, "--in", in});
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_EQ(run.err, "quarnel-tiles: " + in + "/4000.png: tile 4000 is past the 16384 tiles in use\n"
                       "quarnel-tiles: " + in + "/0001.png: not a PNG file\n"
                       "quarnel-tiles: 2 bad pictures; nothing was written\n");
    EXPECT_EQ(FolderBytes(art.folder.File("")), before);

    // A land picture that is not a diamond's 44 x 44.
    std::filesystem::remove(in + "/0001.png");
    std::filesystem::remove(in + "/4000.png");
    const ArtResult statik = ArtFolder::Load(art.tileData).Decode(kFirstStaticArtIndex + art.statics.begin()->first);
    std::string failure;
    const std::string other = FormatTileId(art.land.begin()->first ^ 1);
    ASSERT_TRUE(WritePngFile(in + "/" + other + ".png", statik.image, failure)) << failure;
    const ToolRun land = Tiles({"art", art.tileData, "--in", in, "--land"});
    EXPECT_EQ(land.status, kExitBadInput);
    EXPECT_THAT(land.err, HasSubstr(in + "/" + other + ".png: a land picture is 44 x 44, not "));
    EXPECT_EQ(FolderBytes(art.folder.File("")), before);

    EXPECT_EQ(Tiles({"art", art.tileData, "--in", in, "--out", in}).status, kExitUsage);
    EXPECT_EQ(Tiles({"art", art.tileData, "--remove", "0001", "--ids", "0001"}).status, kExitUsage);
}

} // namespace
