#include "CFile.h"
#include "FailingCalls.h"
#include "FieldByFieldStore.h"
#include "StoreFixture.h"
#include "TileDataFile.h"
#include "TileFileLayout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::size_t EntryOffset(int tile)
{
    return kStaticSectionOffset + std::size_t{kClassicLayout.statics.blockSize} * (tile / kTilesPerBlock) +
           kBlockHeaderSize + std::size_t{kClassicLayout.statics.entrySize} * (tile % kTilesPerBlock);
}

// A table in which every entry holds the same recognisable bytes.
std::unique_ptr<StaticTileTable> MarkedTable()
{
    auto table = std::make_unique<StaticTileTable>();
    for (StaticTileEntry& entry : *table) {
        entry.flags = 0xA5A5A5A5;
        entry.unknown1 = 0xBEEF;
        entry.gump = 0xCAFE;
        entry.height = 0x77;
        SetTileName(entry, "before the load here");
        entry.patched = true;
    }
    return table;
}

bool IsHeld(const std::string& path)
{
    CFile probe;
    return !probe.Open(path, CFile::modeReadWrite | CFile::shareExclusive);
}

class TileDataFileTest : public StoreFixture {};

TEST_F(TileDataFileTest, LoadThenSaveRewritesTheFileByteForByte)
{
    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
    ASSERT_TRUE(SaveTileData(*table, tileDataPath, waitCursor));
    EXPECT_EQ(ReadFileBytes(tileDataPath), files.tileData);
    EXPECT_EQ(waitCursor.begun, 2);
    EXPECT_EQ(waitCursor.ended, 2);
    EXPECT_FALSE(IsHeld(tileDataPath));
}

TEST_F(TileDataFileTest, LoadReadsEveryEntryUnpatched)
{
    auto reference = std::make_unique<StaticTileTable>();
    ASSERT_TRUE(FieldByFieldLoadTileData(*reference, tileDataPath));
    table = MarkedTable();
    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
    EXPECT_EQ(*table, *reference);
    for (const StaticTileEntry& entry : *table)
        ASSERT_FALSE(entry.patched);
}

TEST_F(TileDataFileTest, EditsChangeExactlyTheirBytes)
{
    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
    (*table)[0].weight = 0xC8;
    (*table)[31].flags = 0x80000001;
    (*table)[32].gump = 0x1234;
    (*table)[16383].hue = 0x42;
    SetTileName((*table)[5000], "enchanted armor rack");
    ASSERT_TRUE(SaveTileData(*table, tileDataPath, waitCursor));

    std::vector<std::uint8_t> expected = files.tileData;
    expected[EntryOffset(0) + 4] = 0xC8;
    expected[EntryOffset(31) + 0] = 0x01;
    expected[EntryOffset(31) + 1] = 0x00;
    expected[EntryOffset(31) + 2] = 0x00;
    expected[EntryOffset(31) + 3] = 0x80;
    expected[EntryOffset(32) + 10] = 0x34;
    expected[EntryOffset(32) + 11] = 0x12;
    expected[EntryOffset(16383) + 13] = 0x42;
    std::memcpy(&expected[EntryOffset(5000) + 17], "enchanted armor rack", 20);
    EXPECT_EQ(ReadFileBytes(tileDataPath), expected);
}

TEST_F(TileDataFileTest, ATwentyByteNameHasNoTerminator)
{
    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
    (*table)[7].name.fill('x');
    SetTileName((*table)[7], "hanging cauldron set");
    ASSERT_TRUE(SaveTileData(*table, tileDataPath, waitCursor));
    const auto bytes = ReadFileBytes(tileDataPath);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[EntryOffset(7) + 17]), 21),
              std::string("hanging cauldron set") + static_cast<char>(bytes[EntryOffset(8)]));

    auto reloaded = std::make_unique<StaticTileTable>();
    ASSERT_TRUE(LoadTileData(*reloaded, tileDataPath, waitCursor));
    EXPECT_EQ(TileName((*reloaded)[7]), "hanging cauldron set");
}

// Cuts inside the land section, inside a block header, inside a number
// field, inside a name, and at the edges of the static section.
const std::size_t kCuts[] = {
    0,
    1000,
    kStaticSectionOffset,
    kStaticSectionOffset + 2,
    kStaticSectionOffset + 4 + 1,
    kStaticSectionOffset + 4 + 37 * 3 + 11,
    kStaticSectionOffset + 4 + 37 * 31 + 30,
    kStaticSectionOffset + kClassicLayout.statics.blockSize * 7 + 2,
    kStaticSectionOffset + kClassicLayout.statics.blockSize * 300 + 4 + 37 * 9 + 17,
    kStaticSectionOffset + (kClassicLayout.statics.blockSize * kMinStaticTileCount / kTilesPerBlock) - 1,
    kStaticSectionOffset + (kClassicLayout.statics.blockSize * kMinStaticTileCount / kTilesPerBlock),
};

TEST_F(TileDataFileTest, AShortFileLoadsLikeOneReadPerField)
{
    for (const std::size_t cut : kCuts) {
        SCOPED_TRACE(cut);
        WriteFileBytes(tileDataPath, {files.tileData.begin(), files.tileData.begin() + cut});
        auto expected = MarkedTable();
        ASSERT_TRUE(FieldByFieldLoadTileData(*expected, tileDataPath));
        table = MarkedTable();
        ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
        EXPECT_EQ(*table, *expected);
        EXPECT_FALSE((*table)[16383].patched) << "every mark is cleared, read or not";
    }
}

TEST_F(TileDataFileTest, SavingIntoAShortFileExtendsItLikeOneWritePerField)
{
    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
    (*table)[100].weight = 1;
    const std::string referencePath = folder.File("reference.mul");
    for (const std::size_t cut : kCuts) {
        SCOPED_TRACE(cut);
        const std::vector<std::uint8_t> shortFile(files.tileData.begin(), files.tileData.begin() + cut);
        WriteFileBytes(tileDataPath, shortFile);
        WriteFileBytes(referencePath, shortFile);
        ASSERT_TRUE(SaveTileData(*table, tileDataPath, waitCursor));
        ASSERT_TRUE(FieldByFieldSaveTileData(*table, referencePath));
        const auto saved = ReadFileBytes(tileDataPath);
        EXPECT_EQ(saved.size(), kStaticSectionOffset + (kClassicLayout.statics.blockSize * kMinStaticTileCount / kTilesPerBlock));
        EXPECT_EQ(saved, ReadFileBytes(referencePath));
    }
}

TEST_F(TileDataFileTest, AFileThatCannotBeOpenedChangesNothing)
{
    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
    const auto before = std::make_unique<StaticTileTable>(*table);
    struct Case {
        std::string path;
        CFileException::Cause cause;
    };
    CFile holder;
    const std::string heldPath = folder.File("held.mul");
    WriteFileBytes(heldPath, files.tileData);
    ASSERT_TRUE(holder.Open(heldPath, CFile::modeRead | CFile::shareExclusive));
    const Case cases[] = {
        {folder.File("missing.mul"), CFileException::fileNotFound},
        {heldPath, CFileException::sharingViolation},
        {folder.Path().string(), CFileException::accessDenied},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        FileOpenFailure failure;
        EXPECT_FALSE(LoadTileData(*table, c.path, waitCursor, &failure));
        EXPECT_EQ(failure.reason, FileOpenFailure::Reason::kCannotOpen);
        EXPECT_EQ(failure.cause.m_cause, c.cause);
        failure = {};
        EXPECT_FALSE(SaveTileData(*table, c.path, waitCursor, &failure));
        EXPECT_EQ(failure.cause.m_cause, c.cause);
    }
    EXPECT_EQ(*table, *before);
    holder.Close();  // where the platform's exclusive open keeps out even a plain read
    EXPECT_EQ(ReadFileBytes(heldPath), files.tileData);
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing.mul")));
    EXPECT_EQ(waitCursor.begun, 1) << "no wait cursor for a file that did not open";
}

TEST(TileDataLayoutOfSize, TellsTheLayoutsApartAndCountsTheTilesInUse)
{
    constexpr std::uint64_t newerLand = 0x78800, newerBlock = 1316, classicLand = 0x68800, classicBlock = 1188;
    // A size that fits both layouts stays classic.
    std::uint64_t fitsBoth = 0;
    for (std::uint64_t m = 1; !fitsBoth; ++m)
        if ((newerLand + m * newerBlock - classicLand) % classicBlock == 0)
            fitsBoth = newerLand + m * newerBlock;

    struct Case {
        std::uint64_t size;
        const TileDataLayout* layout;
        int tiles;
    };
    const Case cases[] = {
        {newerLand + 2048 * newerBlock, &kNewerLayout, 0x10000},
        {newerLand + 2049 * newerBlock, &kNewerLayout, 0x10000},  // tile ids end at FFFF
        {newerLand + 1 * newerBlock, &kNewerLayout, 0x4000},      // at least the classic 512 blocks
        {newerLand + 700 * newerBlock, &kNewerLayout, 700 * 32},
        {newerLand, &kClassicLayout, 0x4000},                     // no newer block
        {newerLand + 512 * newerBlock - 10, &kClassicLayout, (newerLand + 512 * newerBlock - 10 - classicLand) / classicBlock * 32},
        {newerLand + 512 * newerBlock + 77, &kClassicLayout, (newerLand + 512 * newerBlock + 77 - classicLand) / classicBlock * 32},
        {fitsBoth, &kClassicLayout, 0x4000},
        {classicLand + 512 * classicBlock, &kClassicLayout, 0x4000},
        {classicLand + 512 * classicBlock + kSampleTailSize, &kClassicLayout, 0x4000},
        {classicLand + 1024 * classicBlock + classicBlock - 1, &kClassicLayout, 0x8000},
        {classicLand + 3000 * classicBlock, &kClassicLayout, 0x10000},
        {0, &kClassicLayout, 0x4000},
        {100, &kClassicLayout, 0x4000},
    };
    for (const Case& c : cases) {
        const TileDataLayout& layout = TileDataLayoutOfSize(c.size);
        EXPECT_EQ(layout.name, c.layout->name) << c.size;
        EXPECT_EQ(StaticTilesInUse(layout, c.size), std::max(c.tiles, 0x4000)) << c.size;
    }
}

TEST_F(TileDataFileTest, ATableIsNotSavedIntoAFileThatNowHasTheOtherLayout)
{
    std::vector<std::uint8_t> newer(0x78800 + 512 * 1316, 0xAB);
    WriteFileBytes(tileDataPath, newer);
    table = MarkedTable();  // a table of the classic layout

    FileOpenFailure failure;
    EXPECT_FALSE(SaveTileData(*table, tileDataPath, waitCursor, &failure));
    EXPECT_EQ(failure.reason, FileOpenFailure::Reason::kLayoutChanged);
    EXPECT_EQ(ReadFileBytes(tileDataPath), newer);
    EXPECT_EQ(waitCursor.begun, 0);
    EXPECT_FALSE(IsHeld(tileDataPath));

    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));  // now a table of the newer layout
    EXPECT_EQ(table->layout, &kNewerLayout);
    EXPECT_TRUE(SaveTileData(*table, tileDataPath, waitCursor));
    EXPECT_EQ(ReadFileBytes(tileDataPath), newer);
}

struct MidOperationFailure {
    const char* name;
    bool saving;
    FailingCalls::Call call;
    int error;
    int countdown;
    std::string expectedText;  // %1 for the path
};

void PrintTo(const MidOperationFailure& c, std::ostream* out)
{
    *out << c.name;
}

class TileDataFailure : public TileDataFileTest,
                        public ::testing::WithParamInterface<MidOperationFailure> {};

TEST_P(TileDataFailure, EndsTheOperationWithItsErrorAndReleasesEverything)
{
    const MidOperationFailure& c = GetParam();
    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
    std::string expectedText = c.expectedText;
    if (const auto at = expectedText.find("%1"); at != std::string::npos)
        expectedText.replace(at, 2, tileDataPath);
    {
        FailingCalls failing(c.call, c.error, c.countdown);
        ScopedFileSystemCalls scope(failing);
        try {
            c.saving ? SaveTileData(*table, tileDataPath, waitCursor)
                     : LoadTileData(*table, tileDataPath, waitCursor);
            ADD_FAILURE() << "no file error";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.GetErrorMessage(), expectedText);
        }
        EXPECT_EQ(failing.failures, 1);
    }
    EXPECT_EQ(waitCursor.begun, 2);
    EXPECT_EQ(waitCursor.ended, 2);
    EXPECT_FALSE(IsHeld(tileDataPath)) << "the file was closed";
}

INSTANTIATE_TEST_SUITE_P(
    EachCall, TileDataFailure,
    ::testing::Values(
        MidOperationFailure{"LoadRead", false, FailingCalls::Call::kRead, os_error::kHardwareIo, 0,
                            "A hardware I/O error was reported while accessing %1."},
        MidOperationFailure{"LoadSeek", false, FailingCalls::Call::kSeek, os_error::kHardwareIo, 0,
                            "A hardware I/O error was reported while accessing %1."},
        MidOperationFailure{"LoadClose", false, FailingCalls::Call::kClose, os_error::kHardwareIo, 0,
                            "A hardware I/O error was reported while accessing %1."},
        MidOperationFailure{"SaveWrite", true, FailingCalls::Call::kWrite, os_error::kHardwareIo, 0,
                            "A hardware I/O error was reported while accessing %1."},
        MidOperationFailure{"SaveDiskFull", true, FailingCalls::Call::kWrite, os_error::kDiskFull, 0,
                            "Disk full while accessing %1."},
        MidOperationFailure{"SaveShortWrite", true, FailingCalls::Call::kShortWrite, 0, 0,
                            "Disk full while accessing %1."},
        MidOperationFailure{"SaveFlush", true, FailingCalls::Call::kSync, os_error::kHardwareIo, 0,
                            "A hardware I/O error was reported while accessing %1."},
        MidOperationFailure{"SaveClose", true, FailingCalls::Call::kClose, os_error::kHardwareIo, 0,
                            "A hardware I/O error was reported while accessing %1."}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
