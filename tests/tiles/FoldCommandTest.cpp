#include "FailingCalls.h"
#include "GameFolder.h"
#include "SampleGameFolder.h"
#include "SampleLayout.h"
#include "TempFolder.h"
#include "TilesTool.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>

namespace {

using namespace sample_layout;
using ::testing::HasSubstr;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Tiles(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunTilesTool(args, out, err);
    return {status, out.str(), err.str()};
}

// The tile-data file as a fold of the halves asked for must leave it, from
// the bytes alone: each replacement block the patch file holds whole, in
// index order, copied over its entries; how many tiles those blocks replace,
// and how many entries then differ from the file's.
struct Folding {
    std::vector<std::uint8_t> bytes;
    int tiles = 0, changed = 0;
};

Folding Folded(const std::vector<std::uint8_t>& tileData, const std::vector<std::uint8_t>& verData, const Shape& shape,
               bool statics, bool land)
{
    Folding folding{tileData};
    const std::size_t landEntry = shape.flags + 22;
    std::set<std::uint32_t> blocks;
    std::set<std::pair<std::size_t, std::size_t>> entries;  // offset, size
    for (std::uint32_t k = 0; k < Read32(verData, 0); ++k) {
        const std::uint32_t block = Read32(verData, 8 + 20 * k), position = Read32(verData, 12 + 20 * k);
        const bool isStatic = block >= 512;
        if (Read32(verData, 4 + 20 * k) != 30 || !(isStatic ? statics && block < 512u + shape.blocks : land))
            continue;
        blocks.insert(block);
        const std::size_t entry = isStatic ? shape.entry : landEntry;
        if (position + 4 + 32 * entry > verData.size())
            continue;  // past the patch file's end: the tiles keep the file's bytes
        const std::size_t at = isStatic ? TileOffset((block - 512) * 32, shape) : (4 + 32 * landEntry) * block + 4;
        folding.bytes.resize(std::max(folding.bytes.size(), at + 32 * entry));
        std::memcpy(&folding.bytes[at], &verData[position + 4], 32 * entry);
        for (std::size_t slot = 0; slot < 32; ++slot)
            entries.emplace(at + slot * entry, entry);
    }
    folding.tiles = 32 * static_cast<int>(blocks.size());
    for (const auto& [at, size] : entries)
        folding.changed += at + size > tileData.size() ||
                           std::memcmp(&tileData[at], &folding.bytes[at], size) != 0;
    return folding;
}

struct FoldCase {
    const char* name;
    const TileDataLayout* layout;
    const char* option;  // "", "--land" or "--all"
};

void PrintTo(const FoldCase& c, std::ostream* out)
{
    *out << c.name;
}

class FoldTest : public ::testing::TestWithParam<FoldCase> {
protected:
    void SetUp() override
    {
        files = MakeSampleGameFiles(*GetParam().layout);
        WriteFileBytes(tileData, files.tileData);
        WriteFileBytes(verData, files.verData);
    }
    std::vector<std::string> Args(const std::string& path) const
    {
        std::vector<std::string> args{"fold", path};
        if (*GetParam().option)
            args.emplace_back(GetParam().option);
        return args;
    }

    TempFolder folder;
    SampleGameFiles files;
    std::string tileData = folder.File("tiledata.mul"), verData = folder.File("verdata.mul");
};

TEST_P(FoldTest, WritesThePatchFilesEntriesAndNothingElse)
{
    const std::string option = GetParam().option;
    const bool statics = option != "--land", land = option != "";
    const Shape& shape = GetParam().layout == &kNewerLayout ? kNewer : kClassic;
    const Folding folding = Folded(files.tileData, files.verData, shape, statics, land);
    const std::vector<std::uint8_t>& expected = folding.bytes;

    const Outcome fold = Tiles(Args(tileData));
    ASSERT_EQ(fold.status, kExitOk) << fold.err;
    EXPECT_THAT(fold.out, HasSubstr(" from " + verData + " into " + tileData + " ("));
    EXPECT_THAT(fold.out, HasSubstr(" (" + std::to_string(folding.changed) + " changed, " +
                                    std::to_string(folding.tiles - folding.changed) +
                                    " already the same)\n"));
    EXPECT_EQ(ReadFileBytes(tileData), expected);
    EXPECT_EQ(ReadFileBytes(verData), files.verData);

    EXPECT_THAT(Tiles(Args(tileData)).out, HasSubstr("nothing to fold: " + tileData + " already holds the "));
    EXPECT_EQ(ReadFileBytes(tileData), expected);
    EXPECT_THAT(Tiles({"info", tileData}).out, HasSubstr(statics ? "otherwise: 0 static, " : ", 0 land\n"));

    // Without its patch file, the folder reads as it did with it, in the folded halves.
    std::filesystem::create_directory(folder.Path() / "bare");
    WriteFileBytes(folder.File("bare/tiledata.mul"), expected);
    const Outcome diff = Tiles({"diff", tileData, folder.File("bare/tiledata.mul")});
    std::istringstream lines(diff.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_EQ(line.rfind("land ", 0) == 0, statics) << line;
    EXPECT_EQ(diff.status, statics && land ? kExitOk : kExitDifferent);
}

INSTANTIATE_TEST_SUITE_P(
    EachHalf, FoldTest,
    ::testing::Values(FoldCase{"ClassicStatic", &kClassicLayout, ""}, FoldCase{"ClassicLand", &kClassicLayout, "--land"},
                      FoldCase{"ClassicAll", &kClassicLayout, "--all"}, FoldCase{"NewerStatic", &kNewerLayout, ""},
                      FoldCase{"NewerLand", &kNewerLayout, "--land"}, FoldCase{"NewerAll", &kNewerLayout, "--all"}),
    [](const auto& test) { return std::string(test.param.name); });

class FoldEdgeTest : public ::testing::Test {
protected:
    FoldEdgeTest() : files(MakeSampleGameFiles())
    {
        WriteFileBytes(tileData, files.tileData);
        WriteFileBytes(verData, files.verData);
    }
    // Runs fold and checks that neither file, nor the tile-data file's time, changed.
    Outcome FoldChangingNothing(const std::vector<std::string>& args)
    {
        const auto before = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
        std::filesystem::last_write_time(tileData, before);
        const Outcome run = Tiles(args);
        EXPECT_EQ(std::filesystem::last_write_time(tileData), before);
        EXPECT_EQ(ReadFileBytes(tileData), files.tileData);
        if (std::filesystem::exists(verData))
            EXPECT_EQ(ReadFileBytes(verData), files.verData);
        return run;
    }

    TempFolder folder;
    SampleGameFiles files;
    std::string tileData = folder.File("tiledata.mul"), verData = folder.File("verdata.mul");
};

TEST_F(FoldEdgeTest, NothingToFoldWritesNothingAndSaysSo)
{
    files.verData = {0, 0, 0, 0};  // an empty index
    WriteFileBytes(verData, files.verData);
    EXPECT_EQ(FoldChangingNothing({"fold", tileData}).out,
              "nothing to fold: " + verData + " replaces no static tiles of " + tileData + "\n");
    // Only other files' blocks and land blocks.
    files.verData = MakeSampleGameFiles().verData;
    for (const StaticPatch& patch : StaticPatches(files.verData))
        for (std::size_t k = 0; k < Read32(files.verData, 0); ++k)
            if (Read32(files.verData, 8 + 20 * k) == patch.block)
                files.verData[4 + 20 * k] = 12;
    WriteFileBytes(verData, files.verData);
    EXPECT_EQ(FoldChangingNothing({"fold", tileData}).out,
              "nothing to fold: " + verData + " replaces no static tiles of " + tileData + "\n");

    std::filesystem::remove(verData);
    const Outcome bare = FoldChangingNothing({"fold", tileData, "--all"});
    EXPECT_EQ(bare.status, kExitOk);
    EXPECT_EQ(bare.out, "nothing to fold: no patch file read beside " + tileData + "\n");
}

TEST_F(FoldEdgeTest, UsageAndFileErrorsLeaveBothFilesAsTheyWere)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"fold"}, {"fold", tileData, "--land", "--all"}, {"fold", tileData, verData},
          {"fold", tileData, "--ids", "0001"}}) {
        const Outcome run = FoldChangingNothing(args);
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_THAT(run.err, HasSubstr("usage: quarnel-tiles fold TILEDATA [--land | --all]"));
    }
    const Outcome missing = Tiles({"fold", folder.File("nosuch.mul")});
    EXPECT_EQ(missing.status, kExitFileError);
    EXPECT_EQ(missing.err, "quarnel-tiles: " + folder.File("nosuch.mul") + " was not found.\n");
    {
        FailingCalls diskFull(FailingCalls::Call::kWrite, os_error::kDiskFull);
        ScopedFileSystemCalls seam(diskFull);
        const Outcome run = FoldChangingNothing({"fold", tileData});
        EXPECT_EQ(run.status, kExitFileError);
        EXPECT_EQ(run.err, "quarnel-tiles: Disk full while accessing " + tileData + ".\n");
    }
    {   // A fold cut short by a failing second write is finished by folding again.
        FailingCalls secondWrite(FailingCalls::Call::kWrite, os_error::kHardwareIo, 1);
        ScopedFileSystemCalls seam(secondWrite);
        EXPECT_EQ(Tiles({"fold", tileData}).status, kExitFileError);
    }
    EXPECT_NE(ReadFileBytes(tileData), files.tileData);
    EXPECT_EQ(Tiles({"fold", tileData}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(tileData), Folded(files.tileData, files.verData, kClassic, true, false).bytes);

    // A replacement block said to lie past 2 GiB: the patch file is damaged.
    WriteFileBytes(tileData, files.tileData);
    std::vector<std::uint8_t> damaged = files.verData;
    damaged[12] = damaged[13] = damaged[14] = 0xFF, damaged[15] = 0x7F;
    WriteFileBytes(verData, damaged);
    files.verData = damaged;
    const Outcome seek = FoldChangingNothing({"fold", tileData});
    EXPECT_EQ(seek.status, kExitFileError);
    EXPECT_EQ(seek.err, "quarnel-tiles: Seek failed on an unnamed file\n");
}

TEST_F(FoldEdgeTest, AShortFileIsExtendedAsASaveExtendsIt)
{
    // 150 whole static blocks and part of the next: blocks 200 and 511 lie past the end.
    std::vector<std::uint8_t> shortFile(files.tileData.begin(), files.tileData.begin() + TileOffset(150 * 32) + 7);
    WriteFileBytes(tileData, shortFile);
    // Through block 511's last entry, its header as the gap's zeros, as a save leaves it.
    const Folding folding = Folded(shortFile, files.verData, kClassic, true, false);
    ASSERT_EQ(folding.bytes.size(), kLandSection + 512 * kBlock);
    const std::vector<std::uint8_t>& expected = folding.bytes;
    ASSERT_EQ(Tiles({"fold", tileData}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(tileData), expected);
    EXPECT_THAT(Tiles({"info", tileData}).out, HasSubstr("otherwise: 0 static, "));

    // The editor's Save of the same folder leaves the same tile-data file.
    std::filesystem::create_directory(folder.Path() / "saved");
    const std::string saved = folder.File("saved/tiledata.mul");
    WriteFileBytes(saved, shortFile);
    WriteFileBytes(folder.File("saved/verdata.mul"), files.verData);
    const auto table = std::make_unique<StaticTileTable>();
    ASSERT_EQ(LoadGameFolder(*table, saved).result, GameFolderLoad::Result::kLoaded);
    ASSERT_EQ(SaveGameFolder(*table, saved).result, GameFolderSave::Result::kSaved);
    EXPECT_EQ(ReadFileBytes(saved), expected);
}

} // namespace
