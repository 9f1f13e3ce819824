#include "FailingCalls.h"
#include "GameFolder.h"
#include "NameText.h"
#include "RecordFormats.h"
#include "SampleGameFolder.h"
#include "SampleLayout.h"
#include "TempFolder.h"
#include "TileColumns.h"
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

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun Tiles(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunTilesTool(args, out, err);
    return {status, out.str(), err.str()};
}

void WriteText(const std::string& path, const std::string& text)
{
    WriteFileBytes(path, {text.begin(), text.end()});
}

class TilesToolTest : public ::testing::Test {
protected:
    TilesToolTest()
        : files(MakeSampleGameFiles()),
          tileData(folder.File("tiledata.mul")),
          verData(folder.File("verdata.mul")),
          input(folder.File("input.csv"))
    {
        WriteFileBytes(tileData, files.tileData);
        WriteFileBytes(verData, files.verData);
    }
    void ExpectFilesUntouched()
    {
        EXPECT_EQ(ReadFileBytes(tileData), files.tileData);
        EXPECT_EQ(ReadFileBytes(verData), files.verData);
    }

    TempFolder folder;
    SampleGameFiles files;
    std::string tileData, verData, input;
};

TEST_F(TilesToolTest, ExportThenImportLeavesBothFilesByteIdentical)
{
    for (const char* format : {"csv", "jsonl"}) {
        SCOPED_TRACE(format);
        const ToolRun exported = Tiles({"export", tileData, "--format", format});
        ASSERT_EQ(exported.status, kExitOk) << exported.err;
        // The sample holds 20-byte names, a curly apostrophe and bytes after terminators.
        EXPECT_THAT(exported.out, HasSubstr("smith\xE2\x80\x99s anvil"));
        EXPECT_THAT(exported.out, HasSubstr("enchanted armor rack"));
        for (const std::string byteOrderMark : {"", "\xEF\xBB\xBF"}) {
            WriteText(input, byteOrderMark + exported.out);
            const ToolRun imported = Tiles({"import", tileData, input});
            EXPECT_EQ(imported.status, kExitOk) << imported.err;
            EXPECT_THAT(imported.out, HasSubstr("no changes"));
            ExpectFilesUntouched();
        }
    }
}

TEST_F(TilesToolTest, AnImportChangesExactlyTheFieldsItNamesInBothFiles)
{
    // Tiles in a patched block, in the block with two replacement blocks, in
    // the last block, and two unpatched ones.
    const int tiles[] = {kSampleWallpaperTile, 100 * 32 + 3, 16383, 64, 1000};
    std::string csv = "id,weight,hue,name\n";
    for (const int tile : tiles)
        csv += FormatTileId(tile) + ",201,7,new name\n";
    WriteText(input, csv);
    const ToolRun run = Tiles({"import", tileData, input});
    ASSERT_EQ(run.status, kExitOk) << run.err;

    std::vector<std::uint8_t> expectedTileData = files.tileData, expectedVerData = files.verData;
    const auto edit = [](std::vector<std::uint8_t>& bytes, std::size_t entry) {
        bytes[entry + kWeight] = 201;
        bytes[entry + kHue] = 7;
        std::memcpy(&bytes[entry + kName], "new name", 9);  // with its terminator; the rest stays
    };
    for (const int tile : tiles) {
        edit(expectedTileData, TileOffset(tile));
        for (const StaticPatch& patch : StaticPatches(files.verData))
            if (patch.FirstTile() == tile / 32 * 32)
                edit(expectedVerData, patch.TileOffset(tile));
    }
    EXPECT_EQ(ReadFileBytes(tileData), expectedTileData);
    EXPECT_EQ(ReadFileBytes(verData), expectedVerData);

    const ToolRun exported = Tiles({"export", tileData, "--ids", "0005"});
    EXPECT_THAT(exported.out, HasSubstr(",201,"));
    EXPECT_THAT(exported.out, HasSubstr(",new name,"));
}

TEST_F(TilesToolTest, LandImportsChangeExactlyTheLandFieldsTheyNameAndRefuseStaticColumns)
{
    // Land tile 0x61 lies in a patched land block (3), 0x200 in none: flags 4, texture 2, name 20.
    const auto landEntry = [](int tile) { return std::size_t{836} * (tile / 32) + 4 + 26 * std::size_t(tile % 32); };
    std::size_t patchEntry = 0;
    for (std::uint32_t k = 0; k < Read32(files.verData, 0); ++k)
        if (Read32(files.verData, 4 + 20 * k) == 30 && Read32(files.verData, 8 + 20 * k) == 3)
            patchEntry = Read32(files.verData, 12 + 20 * k) + 4 + 26 * 1;
    ASSERT_NE(patchEntry, 0u);
    WriteText(input, "id,texture,flag_wall,name\n0061,513,1,new ground\n0200,2,0,mud\n");
    const ToolRun run = Tiles({"import", tileData, input, "--land"});
    ASSERT_EQ(run.status, kExitOk) << run.err;

    std::vector<std::uint8_t> expectedTileData = files.tileData, expectedVerData = files.verData;
    const auto edit = [](std::vector<std::uint8_t>& bytes, std::size_t entry, std::uint16_t texture, bool wall,
                         const char* name) {
        bytes[entry] = static_cast<std::uint8_t>(wall ? bytes[entry] | 0x10 : bytes[entry] & ~0x10);
        bytes[entry + 4] = static_cast<std::uint8_t>(texture);
        bytes[entry + 5] = static_cast<std::uint8_t>(texture >> 8);
        std::memcpy(&bytes[entry + 6], name, std::strlen(name) + 1);
    };
    edit(expectedTileData, landEntry(0x61), 513, true, "new ground");
    edit(expectedVerData, patchEntry, 513, true, "new ground");
    edit(expectedTileData, landEntry(0x200), 2, false, "mud");
    EXPECT_EQ(ReadFileBytes(tileData), expectedTileData);
    EXPECT_EQ(ReadFileBytes(verData), expectedVerData);

    WriteText(input, "id,weight\n0061,3\n");
    EXPECT_THAT(Tiles({"import", tileData, input, "--land"}).err, HasSubstr("column weight: a static tile's column"));
    WriteText(input, "{\"id\":\"0061\",\"texture\":3}\n");
    EXPECT_THAT(Tiles({"import", tileData, input}).err, HasSubstr("column texture: a land tile's column"));
    EXPECT_EQ(ReadFileBytes(tileData), expectedTileData);

    WriteFileBytes(folder.File("b.mul"), files.tileData);
    const ToolRun diff = Tiles({"diff", folder.File("b.mul"), tileData});
    EXPECT_EQ(diff.status, kExitDifferent);
    EXPECT_THAT(diff.out, HasSubstr("land 0200 name: "));
    EXPECT_THAT(diff.out, HasSubstr("land 0200 texture: "));
    EXPECT_THAT(diff.out, HasSubstr(" -> 2\n"));
}

TEST_F(TilesToolTest, AnEditInABlockPastThePatchFilesEndWritesThatWholeBlock)
{
    const int tile = kSamplePastEndStaticBlock * 32 + 4;
    const ToolRun before = Tiles({"export", tileData, "--ids", "1900-191F"});
    WriteText(input, "id,hue\n" + FormatTileId(tile) + ",9\n");
    ASSERT_EQ(Tiles({"import", tileData, input}).status, kExitOk);
    const ToolRun after = Tiles({"export", tileData, "--ids", "1900-191F"});
    // Only the edited tile's line differs: the other 31 still show what they showed.
    std::istringstream a(before.out), b(after.out);
    std::string lineA, lineB;
    int differing = 0;
    while (std::getline(a, lineA) && std::getline(b, lineB))
        differing += lineA != lineB;
    EXPECT_EQ(differing, 1);
    EXPECT_GT(ReadFileBytes(verData).size(), files.verData.size());
}

TEST_F(TilesToolTest, AnImportMadeASecondTimeChangesNothing)
{
    const char* inputs[] = {
        "id,name_tail\n0001,4100\n",  // zeros after a tail are what the field holds anyway
        "id,name,name_tail\n0002,abc,00\n",
        "{\"id\":\"0003\",\"flags\":\"00000010\",\"flag_wall\":1,\"name\":\"\\\\x41\"}\n",
    };
    for (const char* text : inputs) {
        SCOPED_TRACE(text);
        WriteText(input, text);
        const ToolRun first = Tiles({"import", tileData, input});
        ASSERT_EQ(first.status, kExitOk) << first.err;
        const auto tileBytes = ReadFileBytes(tileData), verBytes = ReadFileBytes(verData);
        const ToolRun second = Tiles({"import", tileData, input});
        EXPECT_THAT(second.out, HasSubstr("no changes"));
        EXPECT_EQ(ReadFileBytes(tileData), tileBytes);
        EXPECT_EQ(ReadFileBytes(verData), verBytes);
    }
}

TEST_F(TilesToolTest, AnImportThatFailsInThePatchFileLeavesBothFilesAsTheyWere)
{
    // Tiles in a patched block, in the block with two replacement blocks and in the last one.
    WriteText(input, "id,weight,name\n0005,201,new name\n0C83,7,other\n3FFF,9,last\n");
    const std::string diskFull = CFileException::OsErrorText(os_error::kDiskFull);
    const std::string nothingWritten = "; nothing was written\n";
    struct Case {
        const char* name;
        FailingCalls::Call call;
        int countdown;
        int times;
        std::string expected;
        bool patchFileLeftChanged;
    };
    const Case cases[] = {
        // The load opens it first; the write's open is refused.
        {"open", FailingCalls::Call::kOpen, 1, 1,
         "quarnel-tiles: " + verData + " was not found. (" + CFileException::OsErrorText(os_error::kFileNotFound) + ")" + nothingWritten,
         false},
        {"first write", FailingCalls::Call::kWrite, 0, 1,
         "quarnel-tiles: Disk full while accessing " + verData + ". (" + diskFull + ")" + nothingWritten, false},
        {"third write", FailingCalls::Call::kWrite, 2, 1,
         "quarnel-tiles: Disk full while accessing " + verData + ". (" + diskFull + ")" + nothingWritten, false},
        {"flush", FailingCalls::Call::kSync, 0, 1,
         "quarnel-tiles: Disk full while accessing " + verData + ". (" + diskFull + ")" + nothingWritten, false},
        // Every write after the first fails, so the first cannot be put back.
        {"putting back", FailingCalls::Call::kWrite, 1, -1,
         "quarnel-tiles: Disk full while accessing " + verData + ". (" + diskFull +
             "); putting back what was written failed, so these are left changed: " + verData + "\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FailingCalls failing(c.call, c.call == FailingCalls::Call::kOpen ? os_error::kFileNotFound : os_error::kDiskFull, c.countdown,
                             c.times);
        failing.OnlyIn("verdata.mul");
        ToolRun run;
        {
            ScopedFileSystemCalls seam(failing);
            run = Tiles({"import", tileData, input});
        }
        EXPECT_EQ(run.status, kExitFileError);
        EXPECT_EQ(run.err, c.expected);
        EXPECT_EQ(ReadFileBytes(tileData), files.tileData) << "the tile-data file gets its bytes back too";
        EXPECT_EQ(ReadFileBytes(verData) != files.verData, c.patchFileLeftChanged);
        WriteFileBytes(verData, files.verData);
    }
}

TEST_F(TilesToolTest, SampleNeverWritesOverFilesAlreadyThere)
{
    const std::string game = folder.File("game");
    ASSERT_EQ(Tiles({"sample", game}).status, kExitOk);
    std::filesystem::create_directory(folder.Path() / "other");
    WriteText(folder.File("other/ArtIdx.MUL"), "a game's own index");
    // Named as the folder given, then the file as the folder holds it.
    const auto within = [](const std::string& dir, const char* name) { return (std::filesystem::path(dir) / name).string(); };
    for (const auto& [dir, existing] : {std::pair{game, within(game, "tiledata.mul")},
                                        std::pair{folder.File("other"), within(folder.File("other"), "ArtIdx.MUL")}}) {
        const auto before = ReadFileBytes(existing);
        const ToolRun again = Tiles({"sample", dir, "--layout", "newer"});
        EXPECT_EQ(again.status, kExitFileError);
        EXPECT_EQ(again.err, "quarnel-tiles: " + existing + " already exists; nothing was written\n");
        EXPECT_EQ(ReadFileBytes(existing), before);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path() / "other"), {}), 1)
        << "nothing was added beside it";
}

TEST_F(TilesToolTest, AnOutputThatCannotBeWrittenIsToldAndFails)
{
    // Standard output on a full disk: every write fails.
    struct FullStream : std::streambuf {
        int_type overflow(int_type) override { return traits_type::eof(); }
        std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    } full;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"export", tileData},
                                                 {"info", tileData}}) {
        std::ostream out(&full);
        std::ostringstream err;
        SCOPED_TRACE(args[0]);
        EXPECT_EQ(RunTilesTool(args, out, err), kExitFileError);
        EXPECT_THAT(err.str(), HasSubstr("quarnel-tiles: cannot write standard output"));
    }
}

struct BadInput {
    const char* name;
    const char* text;
    const char* expected;
};

class TilesToolBadInput : public TilesToolTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(TilesToolBadInput, NamesLineAndColumnAndWritesNothing)
{
    WriteText(input, GetParam().text);
    const ToolRun run = Tiles({"import", tileData, input});
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_THAT(run.err, HasSubstr(input + ":" + GetParam().expected));
    EXPECT_THAT(run.err, HasSubstr("nothing was written"));
    ExpectFilesUntouched();
}

void PrintTo(const BadInput& c, std::ostream* out)
{
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, TilesToolBadInput,
    ::testing::Values(
        BadInput{"UnknownColumn", "id,weight,colour\n0001,2,red\n", "1: column colour: unknown column"},
        BadInput{"NoIdColumn", "weight\n2\n", "1: column id: there is no id column"},
        BadInput{"NumberOutOfRange", "id,weight\n0001,5\n0002,256\n", "3: column weight: '256' is out of range 0-255"},
        BadInput{"GumpOutOfRange", "id,gump\n0001,65536\n", "2: column gump: '65536' is out of range 0-65535"},
        BadInput{"NegativeNumber", "id,hue\n0001,-1\n", "2: column hue: '-1' is out of range 0-255"},
        BadInput{"FlagNotZeroOrOne", "id,flag_wall\n0001,yes\n", "2: column flag_wall: 'yes' is not 0 or 1"},
        BadInput{"FlagsNotHex", "id,flags\n0001,12345678Z\n", "2: column flags: '12345678Z' is not a flag word"},
        BadInput{"FlagContradictsFlags", "id,flags,flag_background\n0001,00000000,1\n",
                 "2: column flag_background: says 1 but flags says otherwise"},
        BadInput{"NameTooLong", "id,name\n0001,abcdefghijklmnopqrstu\n", "2: column name: the name has 21 bytes, over 20"},
        BadInput{"MalformedEscape", "id,name\n0001,bad\\q\n", "2: column name: malformed escape"},
        BadInput{"ZeroByteInName", "id,name\n0001,ab\\x00c\n", "2: column name: a name cannot hold a zero byte"},
        BadInput{"JsonZeroByteInName", "{\"id\":\"0001\",\"name\":\"a\\u0000b\"}\n",
                 "1: column name: a name cannot hold a zero byte"},
        BadInput{"ColumnTwice", "id,weight,weight\n0001,1,2\n", "1: column weight: the header names this column twice"},
        BadInput{"JsonKeyTwice", "{\"id\":\"0001\",\"weight\":1,\"weight\":2}\n", "1: the key \"weight\" is given twice"},
        BadInput{"ByteOrderMarkNotAtTheStart", "id,weight\n\xEF\xBB\xBF" "0001,2\n", "2: column id: '\xEF\xBB\xBF" "0001' is not a tile id"},
        BadInput{"ShortHexEscape", "id,name\n0001,bad\\x4\n", "2: column name: malformed escape"},
        BadInput{"NotInCodePage", "id,name\n0001,\xE4\xB8\xAD\n", "2: column name: character U+4E2D is not in the Western code page"},
        BadInput{"IdOutOfRange", "id,weight\n4000,1\n", "2: column id: '4000' is not a tile id from 0000 to 3FFF"},
        BadInput{"IdNotHex", "id,weight\nxyz,1\n", "2: column id: 'xyz' is not a tile id"},
        BadInput{"NegativeId", "id,weight\n-f,1\n", "2: column id: '-f' is not a tile id"},
        BadInput{"DuplicateId", "id,weight\n0001,1\n0002,1\n0001,2\n", "4: column id: duplicate id 0001 (first at line 2)"},
        BadInput{"TailWithNoRoom", "id,name,name_tail\n0001,enchanted armor rack,41\n", "2: column name_tail: no room"},
        BadInput{"RowOfOtherWidth", "id,weight\n0001,1,2\n", "2: the row has 3 cells, the header 2"},
        BadInput{"UnclosedQuote", "id,name\n0001,\"open\n", "2: a quoted cell is never closed"},
        BadInput{"JsonUnknownKey", "{\"id\":\"0001\",\"colour\":1}\n", "1: column colour: unknown column"},
        BadInput{"JsonMalformed", "{\"id\":\"0001\"}\n{\"id\":\"0002\",}\n", "2: expected a string"},
        BadInput{"JsonNoId", "{\"weight\":1}\n", "1: column id: the record has no id"},
        BadInput{"JsonOutOfRange", "{\"id\":\"0001\"}\n{\"id\":\"0002\",\"height\":300}\n",
                 "2: column height: '300' is out of range 0-255"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TilesToolTest, DiffOfAFileAgainstItselfPrintsNothing)
{
    const ToolRun same = Tiles({"diff", tileData, tileData});
    EXPECT_EQ(same.status, kExitOk);
    EXPECT_EQ(same.out, "");

    std::filesystem::create_directory(folder.Path() / "b");
    const std::string other = folder.File("b/tiledata.mul");
    WriteFileBytes(other, files.tileData);
    WriteFileBytes(folder.File("b/verdata.mul"), files.verData);
    WriteText(input, "id,weight,flag_wall\n0040,3,1\n");
    ASSERT_EQ(Tiles({"import", other, input}).status, kExitOk);
    const ToolRun changed = Tiles({"diff", tileData, other});
    EXPECT_EQ(changed.status, kExitDifferent);
    EXPECT_THAT(changed.out, HasSubstr("0040 weight: "));
    EXPECT_THAT(changed.out, HasSubstr(" -> 3\n"));
}

TEST_F(TilesToolTest, HelpUsageAndRefusals)
{
    for (const char* command : {"export", "import", "diff", "info", "sample", "art", "fold"}) {
        const ToolRun help = Tiles({command, "--help"});
        EXPECT_EQ(help.status, kExitOk);
        EXPECT_THAT(help.out, HasSubstr(std::string("usage: quarnel-tiles ") + command));
    }
    EXPECT_EQ(Tiles({"--help"}).status, kExitOk);
    EXPECT_EQ(Tiles({}).status, kExitUsage);
    EXPECT_EQ(Tiles({"frobnicate"}).status, kExitUsage);
    EXPECT_EQ(Tiles({"export", tileData, "--format", "xml"}).status, kExitUsage);
    EXPECT_EQ(Tiles({"export", tileData, "--ids", "0000-4000"}).status, kExitUsage);

    const ToolRun missing = Tiles({"export", folder.File("nosuch.mul")});
    EXPECT_EQ(missing.status, kExitFileError);
    EXPECT_EQ(missing.err, "quarnel-tiles: " + folder.File("nosuch.mul") + " was not found. (" +
                               CFileException::OsErrorText(os_error::kFileNotFound) + ")\n");
    EXPECT_EQ(Tiles({"info", folder.File("nosuch.mul")}).status, kExitFileError);
    EXPECT_EQ(Tiles({"sample", folder.File("s"), "--layout", "modern"}).status, kExitUsage);
}

TEST_F(TilesToolTest, TheNewerLayoutTakesEveryBitAndTheClassicOneOnlyTheLowHalf)
{
    const std::string newer = folder.File("newer/tiledata.mul");
    ASSERT_EQ(Tiles({"sample", folder.File("newer"), "--layout", "newer"}).status, kExitOk);
    const ToolRun info = Tiles({"info", newer});
    EXPECT_THAT(info.out, HasSubstr("layout: newer"));
    EXPECT_THAT(info.out, HasSubstr("static tiles in use: 65536"));

    // A named flag set on tile FFFF keeps its high bits; bit 40 set on it too.
    const auto flagsOf = [&](const std::string& path, const char* id) {
        const std::string row = Tiles({"export", path, "--ids", id}).out;
        return row.substr(row.find('\n') + 6, row.find(',', row.find('\n') + 6) - row.find('\n') - 6);
    };
    const std::uint64_t before = std::stoull(flagsOf(newer, "FFFF"), nullptr, 16);
    WriteText(input, "id,flag_background,flag_bit40\nFFFF,1,1\n");
    ASSERT_EQ(Tiles({"import", newer, input}).status, kExitOk);
    EXPECT_EQ(std::stoull(flagsOf(newer, "FFFF"), nullptr, 16), before | 1 | (std::uint64_t{1} << 40));
    EXPECT_THAT(Tiles({"import", newer, input}).out, HasSubstr("no changes"));

    WriteText(input, "id,flag_bit40,flags\n0001,0,0000000000000001\n0002,1,0\n0003,0,100000000\n4000,0,0\n");
    const ToolRun refused = Tiles({"import", tileData, input});
    EXPECT_EQ(refused.status, kExitBadInput);
    EXPECT_THAT(refused.err, HasSubstr(":3: column flag_bit40: a classic tile-data file has no flag bit 40\n"));
    EXPECT_THAT(refused.err, HasSubstr(":4: column flags: '100000000' is not a flag word of up to 8 hex digits\n"));
    EXPECT_THAT(refused.err, HasSubstr(":5: column id: '4000' is not a tile id from 0000 to 3FFF\n"));
    EXPECT_THAT(refused.err, HasSubstr("3 problems"));
    ExpectFilesUntouched();

    const ToolRun diff = Tiles({"diff", tileData, newer});
    EXPECT_EQ(diff.status, kExitDifferent);
    EXPECT_THAT(diff.out, HasSubstr("\n4000-FFFF only in B\n"));
    EXPECT_THAT(diff.out, HasSubstr(" flag_bit40: 0 -> "));

    // A newer file of one static block: an edit past its end must leave it newer.
    std::vector<std::uint8_t> shortNewer = ReadFileBytes(newer);
    shortNewer.resize(0x78800 + 1316);
    WriteFileBytes(newer, shortNewer);
    WriteText(input, "id,flag_bit40\n0100,1\n");
    ASSERT_EQ(Tiles({"import", newer, input}).status, kExitOk);
    EXPECT_THAT(Tiles({"info", newer}).out, HasSubstr("layout: newer"));
    EXPECT_THAT(Tiles({"import", newer, input}).out, HasSubstr("no changes"));
}

// The tile-data file as a fold of the halves asked for must leave it, from
// the bytes alone: each replacement block the patch file holds whole copied,
// in index order, over its entries; the tiles the blocks replace, and how
// many entries then differ from the file's.
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
        folding.changed += at + size > tileData.size() || std::memcmp(&tileData[at], &folding.bytes[at], size) != 0;
    return folding;
}

class FoldTest : public ::testing::TestWithParam<std::tuple<const TileDataLayout*, const char*>> {
protected:
    void Write(const SampleGameFiles& pair)
    {
        files = pair;
        WriteFileBytes(tileData, files.tileData);
        WriteFileBytes(verData, files.verData);
    }
    // Runs fold and checks that neither file, nor the tile-data file's time, changed.
    ToolRun FoldChangingNothing(const std::vector<std::string>& args)
    {
        // A day back, as the file system keeps it (Windows in coarser steps).
        std::filesystem::last_write_time(tileData, std::filesystem::file_time_type::clock::now() - std::chrono::hours(24));
        const auto before = std::filesystem::last_write_time(tileData);
        const ToolRun run = Tiles(args);
        EXPECT_EQ(std::filesystem::last_write_time(tileData), before);
        EXPECT_EQ(ReadFileBytes(tileData), files.tileData);
        if (std::filesystem::exists(verData)) {
            EXPECT_EQ(ReadFileBytes(verData), files.verData);
        }
        return run;
    }

    TempFolder folder;
    SampleGameFiles files;
    std::string tileData = folder.File("tiledata.mul"), verData = folder.File("verdata.mul");
};

TEST_P(FoldTest, WritesThePatchFilesEntriesAndNothingElse)
{
    const auto [layout, option] = GetParam();
    Write(MakeSampleGameFiles(*layout));
    const bool statics = option != std::string("--land"), land = *option != 0;
    const Folding folding = Folded(files.tileData, files.verData, layout == &kNewerLayout ? kNewer : kClassic, statics, land);
    std::vector<std::string> args{"fold", tileData};
    if (land)
        args.emplace_back(option);

    const ToolRun fold = Tiles(args);
    ASSERT_EQ(fold.status, kExitOk) << fold.err;
    EXPECT_THAT(fold.out, HasSubstr(" from " + verData + " into " + tileData + " (" + std::to_string(folding.changed) +
                                    " changed, " + std::to_string(folding.tiles - folding.changed) + " already the same)\n"));
    EXPECT_EQ(ReadFileBytes(tileData), folding.bytes);
    EXPECT_EQ(ReadFileBytes(verData), files.verData);
    files.tileData = folding.bytes;
    EXPECT_THAT(FoldChangingNothing(args).out, HasSubstr("nothing to fold: " + tileData + " already holds the "));
    EXPECT_THAT(Tiles({"info", tileData}).out, HasSubstr(statics ? "otherwise: 0 static, " : ", 0 land\n"));

    // Without its patch file, the folder reads as it did with it, in the folded halves.
    std::filesystem::create_directory(folder.Path() / "bare");
    WriteFileBytes(folder.File("bare/tiledata.mul"), folding.bytes);
    const ToolRun diff = Tiles({"diff", tileData, folder.File("bare/tiledata.mul")});
    std::istringstream lines(diff.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_EQ(line.rfind("land ", 0) == 0, statics) << line;
    EXPECT_EQ(diff.status, statics && land ? kExitOk : kExitDifferent);
}

INSTANTIATE_TEST_SUITE_P(EachHalf, FoldTest,
                         ::testing::Combine(::testing::Values(&kClassicLayout, &kNewerLayout),
                                            ::testing::Values("", "--land", "--all")),
                         [](const auto& test) {
                             const char* option = std::get<1>(test.param);
                             return std::string(std::get<0>(test.param)->name) + (*option ? option + 2 : "static");
                         });

TEST_F(FoldTest, NothingToFoldUsageAndErrorsLeaveBothFilesAsTheyWere)
{
    Write({MakeSampleGameFiles().tileData, {0, 0, 0, 0}});  // an index of no entries
    EXPECT_EQ(FoldChangingNothing({"fold", tileData}).out,
              "nothing to fold: " + verData + " replaces no static tiles of " + tileData + "\n");
    std::filesystem::remove(verData);
    EXPECT_EQ(FoldChangingNothing({"fold", tileData, "--all"}).out,
              "nothing to fold: no patch file read beside " + tileData + "\n");

    Write(MakeSampleGameFiles());
    for (const std::vector<std::string>& args : {std::vector<std::string>{"fold"}, {"fold", tileData, "--land", "--all"},
                                                 {"fold", tileData, verData}, {"fold", tileData, "--ids", "0001"}}) {
        const ToolRun run = FoldChangingNothing(args);
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_THAT(run.err, HasSubstr("usage: quarnel-tiles fold TILEDATA [--land | --all]"));
    }
    {
        FailingCalls diskFull(FailingCalls::Call::kWrite, os_error::kDiskFull);
        ScopedFileSystemCalls seam(diskFull);
        const ToolRun run = FoldChangingNothing({"fold", tileData});
        EXPECT_EQ(run.status, kExitFileError);
        EXPECT_EQ(run.err, "quarnel-tiles: Disk full while accessing " + tileData + ". (" +
                               CFileException::OsErrorText(os_error::kDiskFull) + "); nothing was written\n");
    }
    {   // A second write failing puts back what the first wrote.
        FailingCalls secondWrite(FailingCalls::Call::kWrite, os_error::kHardwareIo, 1, 1);
        ScopedFileSystemCalls seam(secondWrite);
        EXPECT_EQ(Tiles({"fold", tileData}).status, kExitFileError);
        EXPECT_EQ(secondWrite.failures, 1);
    }
    EXPECT_EQ(ReadFileBytes(tileData), files.tileData);
    EXPECT_EQ(Tiles({"fold", tileData}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(tileData), Folded(files.tileData, files.verData, kClassic, true, false).bytes);

    // A replacement block said to lie past 2 GiB: the patch file is damaged.
    files.verData[12] = files.verData[13] = files.verData[14] = 0xFF, files.verData[15] = 0x7F;
    Write(files);
    const ToolRun seek = FoldChangingNothing({"fold", tileData});
    EXPECT_EQ(seek.status, kExitFileError);
    EXPECT_EQ(seek.err, "quarnel-tiles: Seek failed on " + verData + "\n");
}

TEST_F(FoldTest, AShortFileIsExtendedAsTheEditorsSaveExtendsIt)
{
    // 150 whole static blocks and part of the next: blocks 200 and 511 lie past the end.
    SampleGameFiles sample = MakeSampleGameFiles();
    sample.tileData.resize(TileOffset(150 * 32) + 7);
    Write(sample);
    const std::vector<std::uint8_t> expected = Folded(sample.tileData, sample.verData, kClassic, true, false).bytes;
    ASSERT_EQ(expected.size(), kLandSection + 512 * kBlock);  // block 511's header as the gap's zeros
    ASSERT_EQ(Tiles({"fold", tileData}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(tileData), expected);

    WriteFileBytes(tileData, sample.tileData);
    const auto table = std::make_unique<StaticTileTable>();
    const GameFolderLoad load = LoadGameFolder(*table, tileData);
    ASSERT_EQ(load.result, GameFolderLoad::Result::kLoaded);
    ASSERT_EQ(SaveGameFolder(*table, tileData, load.patchFileLoaded).result, GameFolderSave::Result::kSaved);
    EXPECT_EQ(ReadFileBytes(tileData), expected);
}

TEST(NameText, EveryByteSurvivesARoundTrip)
{
    for (int byte = 1; byte < 256; ++byte) {
        const std::string bytes = {'a', static_cast<char>(byte), 'z'};
        std::string error;
        EXPECT_EQ(UnescapeName(EscapeName(bytes), error), bytes) << byte << ' ' << error;
    }
    EXPECT_EQ(EscapeName("smith\x92s"), "smith\xE2\x80\x99s");
    EXPECT_EQ(EscapeName("a\\b"), "a\\\\b");
    EXPECT_EQ(EscapeName("\x01\x7F\x81\xA0"), "\\x01\\x7F\\x81\\xA0");
    EXPECT_EQ(EscapeName("caf\xE9"), "caf\xC3\xA9");
    std::string error;
    EXPECT_FALSE(UnescapeName("\xFF", error)) << "not UTF-8";
    EXPECT_EQ(error, "the text is not valid UTF-8");
}

TEST(Csv, ReadsQuotedCellsAndCountsLines)
{
    std::vector<InputError> errors;
    std::vector<std::string> header;
    std::vector<std::pair<int, std::vector<std::string>>> rows;
    ReadCsv("\xEF\xBB\xBFid,name\r\n0001,\"a, \"\"b\"\"\"\r\n\r\n0002,\"two\nlines\"\n0003,x\n", errors,
            [&](const std::vector<std::string>& names) {
                header = names;
                return true;
            },
            [&](const InputRecord& record, const std::vector<std::string>&) {
                std::vector<std::string> cells;
                for (const auto& [column, value] : record.cells)
                    cells.emplace_back(value);
                rows.emplace_back(record.line, cells);
            });
    ASSERT_TRUE(errors.empty());
    EXPECT_EQ(header, (std::vector<std::string>{"id", "name"}));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].second[1], "a, \"b\"");
    EXPECT_EQ(rows[1].first, 4);
    EXPECT_EQ(rows[1].second[1], "two\nlines");
    EXPECT_EQ(rows[2].first, 6);

    std::string out;
    AppendCsvRow(out, {"plain", "a,b", "say \"hi\"", " padded"});
    EXPECT_EQ(out, "plain,\"a,b\",\"say \"\"hi\"\"\",\" padded\"\n");
}

} // namespace
