#include "CFile.h"
#include "FailingCalls.h"
#include "FieldByFieldStore.h"
#include "StoreFiles.h"
#include "StoreFixture.h"
#include "TileDataFile.h"
#include "TileEdits.h"
#include "TileFileLayout.h"
#include "VerDataFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

void Put32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    if (bytes.size() < offset + 4)
        bytes.resize(offset + 4);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A patch file with the given index and, at each position, a block of
// entries filled with `fill`.
std::vector<std::uint8_t> PatchFile(const std::vector<VerDataIndexEntry>& index,
                                    std::uint8_t fill = 0x5A, std::uint32_t count = UINT32_MAX)
{
    std::vector<std::uint8_t> bytes;
    Put32(bytes, 0, count == UINT32_MAX ? static_cast<std::uint32_t>(index.size()) : count);
    for (std::size_t k = 0; k < index.size(); ++k) {
        const VerDataIndexEntry& e = index[k];
        const std::size_t at = 4 + 20 * k;
        Put32(bytes, at, e.fileId);
        Put32(bytes, at + 4, e.block);
        Put32(bytes, at + 8, e.position);
        Put32(bytes, at + 12, e.length);
        Put32(bytes, at + 16, e.extra);
    }
    for (const VerDataIndexEntry& e : index) {
        if (e.position > 1 << 20)
            continue;
        if (bytes.size() < e.position + kClassicLayout.statics.blockSize)
            bytes.resize(e.position + kClassicLayout.statics.blockSize);
        Put32(bytes, e.position, 0xDEADBEEF);  // the replacement block's header
        std::fill_n(bytes.begin() + e.position + 4, (kTilesPerBlock * kClassicLayout.statics.entrySize), fill);
    }
    return bytes;
}

std::size_t BlockEntriesOffset(std::uint32_t position, int slot)
{
    return position + kBlockHeaderSize + std::size_t{kClassicLayout.statics.entrySize} * slot;
}

class VerDataFileTest : public StoreFixture {
protected:
    void LoadBoth()
    {
        ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
        ASSERT_TRUE(LoadVerData(*table, verDataPath, waitCursor));
    }
    // The patch file's index entries, read straight from its bytes.
    std::vector<VerDataIndexEntry> SampleIndex() const
    {
        std::vector<VerDataIndexEntry> index(files.verData[0]);
        std::memcpy(index.data(), &files.verData[4], index.size() * 20);
        return index;
    }
};

TEST_F(VerDataFileTest, AppliesTheSampleStaticBlocksAndNothingElse)
{
    auto unpatched = std::make_unique<StaticTileTable>();
    ASSERT_TRUE(LoadTileData(*unpatched, tileDataPath, waitCursor));
    auto reference = std::make_unique<StaticTileTable>(*unpatched);
    ASSERT_TRUE(FieldByFieldLoadVerData(*reference, verDataPath));
    LoadBoth();
    EXPECT_EQ(*table, *reference);

    std::vector<bool> patchedBlock((kMinStaticTileCount / kTilesPerBlock));
    for (const int block : kSamplePatchedStaticBlocks)
        patchedBlock[block] = true;
    for (int tile = 0; tile < kMinStaticTileCount; ++tile) {
        const bool patched = patchedBlock[tile / kTilesPerBlock];
        ASSERT_EQ((*table)[tile].patched, patched) << tile;
        const bool pastEnd = tile / kTilesPerBlock == kSamplePastEndStaticBlock;
        StaticTileEntry fileValues = (*unpatched)[tile];
        fileValues.patched = patched;
        if (!patched || pastEnd) {
            ASSERT_EQ((*table)[tile], fileValues) << tile;
        }
    }
    EXPECT_NE((*table)[0], (*unpatched)[0]) << "block 0's replacement is applied";
    EXPECT_EQ(waitCursor.begun, 3);
    EXPECT_EQ(waitCursor.ended, 3);
}

TEST_F(VerDataFileTest, TheLaterOfTwoBlocksForOneStaticBlockWins)
{
    const std::uint32_t first = 4 + 20 * 2;
    const std::uint32_t second = first + kClassicLayout.statics.blockSize;
    auto bytes = PatchFile({{30, 512 + 9, first, 1188, 0}, {30, 512 + 9, second, 1188, 0}});
    std::fill_n(bytes.begin() + second + 4, (kTilesPerBlock * kClassicLayout.statics.entrySize), 0x33);
    WriteFileBytes(verDataPath, bytes);
    LoadBoth();
    EXPECT_EQ((*table)[9 * 32].weight, 0x33);
    EXPECT_EQ((*table)[9 * 32 + 31].height, 0x33);
}

TEST_F(VerDataFileTest, AnEditInABlockCutShortKeepsTheBytesItsOtherEntriesHold)
{
    // Two blocks for static block 9: the earlier one last in the file and cut
    // short after 10 entries, the later one (whose values the table shows) whole.
    const std::uint32_t later = 4 + 20 * 2;
    const std::uint32_t earlier = later + kClassicLayout.statics.blockSize;
    const std::uint32_t entrySize = kClassicLayout.statics.entrySize;
    auto bytes = PatchFile({{30, 512 + 9, earlier, 1188, 0}, {30, 512 + 9, later, 1188, 0}}, 0x22);
    std::fill_n(bytes.begin() + later + 4, kTilesPerBlock * entrySize, 0x11);
    bytes.resize(earlier + 4 + 10 * entrySize);
    WriteFileBytes(verDataPath, bytes);
    LoadBoth();
    ASSERT_EQ((*table)[9 * 32 + 1].weight, 0x11);

    TileEdit edit;
    edit.tile = 9 * 32;
    edit.numbers[static_cast<int>(TileNumber::kWeight)] = 7;
    ASSERT_TRUE(WriteVerDataEdits({edit}, *table, verDataPath));
    const std::vector<std::uint8_t> written = ReadFileBytes(verDataPath);
    std::vector<std::uint8_t> expected = bytes;
    expected[later + 4 + 4] = 7;    // the weight, byte 4 of the entry
    expected[earlier + 4 + 4] = 7;
    ASSERT_GE(written.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), written.begin()))
        << "entries 1-9 of the earlier block keep their own bytes";
}

TEST_F(VerDataFileTest, SavingWritesCurrentEntriesIntoEveryBlockAndNothingElse)
{
    LoadBoth();
    (*table)[kSampleWallpaperTile].weight = 99;        // block 0, patched
    (*table)[100 * 32 + 3].gump = 0xABCD;              // block 100, two replacement blocks
    (*table)[100 * 32 + 3].patched = false;            // written whatever the mark says
    (*table)[64].hue = 7;                              // an unpatched tile
    ASSERT_TRUE(SaveTileData(*table, tileDataPath, waitCursor));
    ASSERT_TRUE(SaveVerData(*table, verDataPath, waitCursor));

    const std::string referencePath = folder.File("reference.mul");
    WriteFileBytes(referencePath, files.verData);
    ASSERT_TRUE(FieldByFieldSaveVerData(*table, referencePath));
    const auto saved = ReadFileBytes(verDataPath);
    EXPECT_EQ(saved, ReadFileBytes(referencePath));

    // Only entry bytes of the selected static blocks differ from the original.
    std::vector<bool> mayChange(saved.size());
    for (const VerDataIndexEntry& e : SampleIndex())
        if (e.fileId == kTileDataFileId && e.block >= 512)
            std::fill_n(mayChange.begin() + e.position + 4, (kTilesPerBlock * kClassicLayout.statics.entrySize), true);
    for (std::size_t i = 0; i < files.verData.size(); ++i) {
        if (!mayChange[i]) {
            ASSERT_EQ(saved[i], files.verData[i]) << "offset " << i;
        }
    }

    for (const VerDataIndexEntry& e : SampleIndex()) {
        if (e.fileId != kTileDataFileId || e.block < 512)
            continue;
        const int firstTile = static_cast<int>(e.block - 512) * 32;
        for (int slot = 0; slot < 32; ++slot) {
            StaticTileEntry fromFile;
            ReadEntryFields(&saved[BlockEntriesOffset(e.position, slot)], kClassicLayout.statics.entrySize, fromFile, kClassicLayout);
            fromFile.patched = (*table)[firstTile + slot].patched;
            ASSERT_EQ(fromFile, (*table)[firstTile + slot]) << "block " << e.block << " slot " << slot;
        }
    }

    // And both files give back the edited table.
    auto reloaded = std::make_unique<StaticTileTable>();
    ASSERT_TRUE(LoadTileData(*reloaded, tileDataPath, waitCursor));
    ASSERT_TRUE(LoadVerData(*reloaded, verDataPath, waitCursor));
    EXPECT_EQ((*reloaded)[kSampleWallpaperTile].weight, 99);
    EXPECT_EQ((*reloaded)[100 * 32 + 3].gump, 0xABCD);
    EXPECT_EQ((*reloaded)[64].hue, 7);
}

TEST_F(VerDataFileTest, ABlockPastTheEndLoadsNothingAndIsWrittenThereOnSave)
{
    LoadBoth();
    const VerDataIndexEntry pastEnd = SampleIndex().back();
    ASSERT_EQ(pastEnd.block, 512u + kSamplePastEndStaticBlock);
    ASSERT_GT(pastEnd.position, files.verData.size());
    ASSERT_TRUE(SaveVerData(*table, verDataPath, waitCursor));
    const auto saved = ReadFileBytes(verDataPath);
    ASSERT_EQ(saved.size(), pastEnd.position + kClassicLayout.statics.blockSize);
    EXPECT_TRUE(std::all_of(saved.begin() + files.verData.size(), saved.begin() + pastEnd.position + 4,
                            [](std::uint8_t b) { return b == 0; }))
        << "the gap and the header the saver skips stay empty";
    StaticTileEntry last;
    ReadEntryFields(&saved[BlockEntriesOffset(pastEnd.position, 31)], kClassicLayout.statics.entrySize, last, kClassicLayout);
    last.patched = true;
    EXPECT_EQ(last, (*table)[kSamplePastEndStaticBlock * 32 + 31]);
}

TEST_F(VerDataFileTest, EntriesThatNameNoStaticBlockOfTheTableAreSkipped)
{
    const std::uint32_t block = 4 + 20 * 6;
    const std::vector<VerDataIndexEntry> index = {
        {29, 512 + 1, block, 1188, 0},             // another file
        {30, 511, block, 1188, 0},                 // the last land block
        {30, 0, block, 1188, 0},                   // the first land block
        {30, 1024, block, 1188, 0},                // past the table
        {30, 0xFFFFFFFF, block, 1188, 0},          // far past it
        {0xFFFFFFFF, 600, block, 1188, 0},
    };
    const auto bytes = PatchFile(index);
    WriteFileBytes(verDataPath, bytes);
    LoadBoth();
    for (const StaticTileEntry& entry : *table)
        ASSERT_FALSE(entry.patched);
    for (StaticTileEntry& entry : *table)
        entry.weight = 1;
    ASSERT_TRUE(SaveVerData(*table, verDataPath, waitCursor));
    EXPECT_EQ(ReadFileBytes(verDataPath), bytes);
}

TEST_F(VerDataFileTest, ACountOfZeroOrNoCountAtAllPatchesNothing)
{
    for (const std::vector<std::uint8_t>& bytes :
         {std::vector<std::uint8_t>{0, 0, 0, 0}, std::vector<std::uint8_t>{},
          std::vector<std::uint8_t>{1, 0}, PatchFile({{30, 512, 24, 1188, 0}}, 0x5A, 0)}) {
        WriteFileBytes(verDataPath, bytes);
        LoadBoth();
        for (const StaticTileEntry& entry : *table)
            ASSERT_FALSE(entry.patched);
        ASSERT_TRUE(SaveVerData(*table, verDataPath, waitCursor));
        EXPECT_EQ(ReadFileBytes(verDataPath), bytes);
    }
}

TEST_F(VerDataFileTest, AnIndexShorterThanItsCountIsWalkedOverItsWholeEntriesOnly)
{
    // Three entries claimed, two whole ones present and a third cut short
    // after 13 bytes that would read as file 30, block 512 + 4.
    const std::uint32_t cut = 4 + 20 * 2 + 13;
    const std::uint32_t blockAt = 100;  // past the end: the blocks read nothing
    std::vector<std::uint8_t> bytes;
    Put32(bytes, 0, 3);
    for (const std::uint32_t k : {0u, 1u, 2u}) {
        Put32(bytes, 4 + 20 * k, 30);
        Put32(bytes, 8 + 20 * k, 512 + 2 + k);
        Put32(bytes, 12 + 20 * k, blockAt);
    }
    bytes.resize(cut);
    WriteFileBytes(verDataPath, bytes);
    LoadBoth();
    EXPECT_TRUE((*table)[2 * 32].patched);
    EXPECT_TRUE((*table)[3 * 32].patched);
    EXPECT_FALSE((*table)[4 * 32].patched) << "no entry from bytes the file did not deliver";

    ASSERT_TRUE(SaveVerData(*table, verDataPath, waitCursor));
    const auto saved = ReadFileBytes(verDataPath);
    ASSERT_EQ(saved.size(), blockAt + kClassicLayout.statics.blockSize);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), saved.begin()))
        << "count and index unchanged";
}

TEST_F(VerDataFileTest, OnlyTheIndexEntriesTheFileHeldBeforeTheSaveAreActedOn)
{
    // A count over one batch of the index, an index cut short after one
    // batch and two entries, and a block for static block 0 at the file's
    // end. Written there, that block's entries lie where the count claims
    // more index: tile 0 is made to read as an entry for block 1 further out.
    constexpr std::uint32_t kHeld = kIndexBatchEntries + 2;
    const std::uint32_t end = 4 + 20 * kHeld;
    std::vector<std::uint8_t> bytes(end);
    Put32(bytes, 0, kHeld + 100);
    Put32(bytes, 4, kTileDataFileId);
    Put32(bytes, 8, 512);
    Put32(bytes, 12, end);
    WriteFileBytes(verDataPath, bytes);

    // The claimed entry at end + 20 is the written block's bytes 16 to 35:
    // tile 0's height and the start of its name.
    StaticTileEntry& tile0 = (*table)[0];
    tile0.height = kTileDataFileId;
    const std::uint32_t words[] = {512 + 1, end + 5000};
    std::memcpy(tile0.name.data() + 3, words, sizeof words);
    const auto expectOnlyTheHeldBlockWritten = [&] {
        const auto saved = ReadFileBytes(verDataPath);
        ASSERT_EQ(saved.size(), std::size_t{end} + kClassicLayout.statics.blockSize) << "one block, at the end";
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), saved.begin()));
        EXPECT_EQ(saved[end + 4 + 16], kTileDataFileId);
    };
    ASSERT_TRUE(SaveVerData(*table, verDataPath, waitCursor));
    expectOnlyTheHeldBlockWritten();

    // The field-precise writer walks the same index.
    WriteFileBytes(verDataPath, bytes);
    TileEdit edit;
    edit.tile = 1;
    edit.numbers[static_cast<int>(TileNumber::kWeight)] = 9;
    ASSERT_TRUE(WriteVerDataEdits({edit}, *table, verDataPath, waitCursor));
    expectOnlyTheHeldBlockWritten();
}

TEST_F(VerDataFileTest, APositionThatWrapsRoundIsNeverWrittenOverTheFilesStart)
{
    for (const std::uint32_t position : {0xFFFFFFFCu, 0xFFFFFFFDu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(position);
        const auto bytes = PatchFile({{30, 512 + 1, position, 1188, 0}});
        WriteFileBytes(verDataPath, bytes);
        LoadBoth();
        EXPECT_FALSE((*table)[32].patched);
        ASSERT_TRUE(SaveVerData(*table, verDataPath, waitCursor));
        EXPECT_EQ(ReadFileBytes(verDataPath), bytes);
    }
}

TEST_F(VerDataFileTest, ABlockOverTheCountOrIndexIsSkipped)
{
    // Positions whose entry bytes would start inside the 4 + 2 * 20 bytes of count and index.
    for (const std::uint32_t position : {0u, 10u, 39u}) {
        SCOPED_TRACE(position);
        std::vector<std::uint8_t> bytes;
        Put32(bytes, 0, 2);
        Put32(bytes, 4, 30);
        Put32(bytes, 8, 512 + 6);
        Put32(bytes, 12, position);
        Put32(bytes, 24, 30);
        Put32(bytes, 28, 512 + 7);
        Put32(bytes, 32, 44);  // a sound block right after the index
        bytes.resize(44 + kClassicLayout.statics.blockSize, 0x21);
        WriteFileBytes(verDataPath, bytes);
        LoadBoth();
        EXPECT_FALSE((*table)[6 * 32].patched);
        EXPECT_TRUE((*table)[7 * 32].patched);
        (*table)[7 * 32].weight = 0x99;
        ASSERT_TRUE(SaveVerData(*table, verDataPath, waitCursor));
        const auto saved = ReadFileBytes(verDataPath);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 44, saved.begin()));
        EXPECT_EQ(saved[44 + 4 + 4], 0x99);
    }
}

TEST_F(VerDataFileTest, ATargetPastTwoGibibytesIsASeekErrorOnThePatchFile)
{
    for (const std::uint32_t position : {0x7FFFFFFCu, 0x80000000u, 0xFFFFFFFBu}) {
        for (const bool saving : {false, true}) {
            SCOPED_TRACE(position);
            WriteFileBytes(verDataPath, PatchFile({{30, 512 + 1, 44, 1188, 0}, {30, 512 + 2, position, 1188, 0}}));
            ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
            try {
                saving ? SaveVerData(*table, verDataPath, waitCursor)
                       : LoadVerData(*table, verDataPath, waitCursor);
                ADD_FAILURE() << "no seek error";
            } catch (const CFileException& error) {
                EXPECT_EQ(error.GetErrorMessage(), "Seek failed on " + verDataPath);
            }
            EXPECT_EQ((*table)[32].patched, !saving) << "the entry before the bad one was applied";
            EXPECT_EQ(waitCursor.begun, waitCursor.ended);
        }
    }
}

TEST_F(VerDataFileTest, AFileThatCannotBeOpenedChangesNothing)
{
    ASSERT_TRUE(LoadTileData(*table, tileDataPath, waitCursor));
    const auto before = std::make_unique<StaticTileTable>(*table);
    CFile holder;
    ASSERT_TRUE(holder.Open(verDataPath, CFile::modeRead | CFile::shareExclusive));
    FileOpenFailure failure;
    EXPECT_FALSE(LoadVerData(*table, verDataPath, waitCursor, &failure));
    EXPECT_EQ(failure.cause.m_cause, CFileException::sharingViolation);
    EXPECT_FALSE(SaveVerData(*table, verDataPath, waitCursor));
    holder.Close();
    EXPECT_FALSE(LoadVerData(*table, folder.File("missing.mul"), waitCursor, &failure));
    EXPECT_EQ(failure.cause.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(*table, *before);
    EXPECT_EQ(ReadFileBytes(verDataPath), files.verData);
}

TEST_F(VerDataFileTest, AFailingWriteCarriesThePathAndEndsTheWaitCursor)
{
    LoadBoth();
    for (const auto call : {FailingCalls::Call::kWrite, FailingCalls::Call::kShortWrite,
                            FailingCalls::Call::kSync}) {
        FailingCalls failing(call, os_error::kDiskFull, 1);
        if (call == FailingCalls::Call::kSync)
            failing = FailingCalls(call, os_error::kDiskFull, 0);
        ScopedFileSystemCalls scope(failing);
        try {
            SaveVerData(*table, verDataPath, waitCursor);
            ADD_FAILURE() << "no file error";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.GetErrorMessage(), "Disk full while accessing " + verDataPath + ".");
        }
        EXPECT_EQ(waitCursor.begun, waitCursor.ended);
    }
}

} // namespace
