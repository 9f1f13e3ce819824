#include "CFile.h"
#include "EditorFixture.h"
#include "ExpectedFiles.h"
#include "FailingCalls.h"
#include "FileSystemCalls.h"
#include "SampleLayout.h"
#include "TileDataFile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <map>

namespace {

using namespace sample_layout;

class EditorCommandsTest : public EditorFixture {
protected:
    QString Quoted(const char* leadIn, const std::string& path)
    {
        return QString::fromLatin1(leadIn) + " \"" + QString::fromStdString(path) + "\"!";
    }
    // The same message, then the system's words for why on a line of their own.
    QString Quoted(const char* leadIn, const std::string& path, int osError)
    {
        return Quoted(leadIn, path) + "\n" + QString::fromStdString(CFileException::OsErrorText(osError));
    }
    std::string DerivedPatchPath() const { return (gameFolder / "verdata.mul").string(); }
};

TEST_F(EditorCommandsTest, LoadAsksForTheTileDataFileAsTheProgramAlwaysHas)
{
    editor.Load(tileDataPath);
    ASSERT_EQ(editor.fileDialogs.requests.size(), 1u);
    const FileDialogRequest& request = editor.fileDialogs.requests[0];
    EXPECT_EQ(request.defaultExtension, "mul");
    EXPECT_EQ(request.initialName, "tiledata");
    EXPECT_EQ(request.filterDescription, "UO MUL-Files (*.mul)");
    EXPECT_EQ(request.filterPattern, "*.mul");
    EXPECT_EQ(Dialog().m_path, tileDataPath);
    EXPECT_TRUE(editor.messages.shown.empty());
}

TEST_F(EditorCommandsTest, ACancelledLoadChangesNothing)
{
    editor.fileDialogs.answers.push_back({});
    editor.ClickButton(IDC_LOAD);
    EXPECT_EQ(Dialog().m_list.GetCount(), 0);
    EXPECT_TRUE(Dialog().m_path.empty());
}

TEST_F(EditorCommandsTest, EditsTypedAndClickedReachBothFilesAndNothingElse)
{
    editor.Load(tileDataPath);
    ExpectedFiles expected(files.tileData, files.verData);

    // A patched tile: a weight past a byte, the top flag bit, a shorter name.
    editor.SelectLine(kSampleWallpaperTile);
    editor.ReplaceText(IDC_WEIGHT, "300");
    expected.Edit(kSampleWallpaperTile, kWeight, {44});
    const std::uint32_t flags = Read32(expected.tileData, TileOffset(kSampleWallpaperTile));
    editor.ClickCheck(31);
    const std::uint32_t toggled = flags ^ 0x80000000u;
    expected.Edit(kSampleWallpaperTile, kFlags,
                  {std::uint8_t(toggled), std::uint8_t(toggled >> 8), std::uint8_t(toggled >> 16),
                   std::uint8_t(toggled >> 24)});
    editor.Edit(IDC_NAME)->setFocus();
    editor.Edit(IDC_NAME)->setSelection(4, 5);  // "paper", deleted at one stroke
    QTest::keyClick(editor.Edit(IDC_NAME), Qt::Key_Delete);
    expected.Edit(kSampleWallpaperTile, kName + 4, {0});

    // An unpatched tile: its hue.
    editor.SelectLine(70);
    editor.ReplaceText(IDC_HUE, "7");
    expected.Edit(70, kHue, {7});

    editor.Save();
    EXPECT_TRUE(editor.messages.shown.empty());
    EXPECT_EQ(ReadFileBytes(tileDataPath), expected.tileData);
    EXPECT_EQ(ReadFileBytes(verDataPath), expected.VerData());

    // The name field keeps the old bytes after the new terminator, in both files.
    const auto saved = ReadFileBytes(tileDataPath);
    EXPECT_EQ(std::memcmp(&saved[TileOffset(kSampleWallpaperTile) + kName], "wall\0aper", 9), 0);
    EXPECT_EQ(LineText(kSampleWallpaperTile), "0005 - wall (p)");
}

TEST_F(EditorCommandsTest, SavingAnUneditedLoadWritesThePatchesIntoTheTileDataFile)
{
    editor.Load(tileDataPath);
    editor.Save();
    const ExpectedFiles expected(files.tileData, files.verData);
    EXPECT_EQ(ReadFileBytes(tileDataPath), expected.tileData);
    EXPECT_EQ(ReadFileBytes(verDataPath), expected.VerData());
}

TEST_F(EditorCommandsTest, StairsRightClearsAndSetsBit31Only)
{
    editor.Load(tileDataPath);
    editor.SelectLine(3);
    const TileFlags before = Dialog().m_table[3].flags;
    editor.ClickCheck(31);
    EXPECT_EQ(Dialog().m_table[3].flags, before ^ TileFlag::kStairsRight);
    editor.ClickCheck(31);
    EXPECT_EQ(Dialog().m_table[3].flags, before);
}

TEST_F(EditorCommandsTest, NumbersAreStoredAsTheirLowBits)
{
    editor.Load(tileDataPath);
    editor.SelectLine(9);
    const std::pair<QString, int> cases[] = {{"300", 44}, {"256", 0}, {"12", 12}};
    for (const auto& [typed, stored] : cases) {
        editor.ReplaceText(IDC_WEIGHT, typed);
        EXPECT_EQ(Dialog().m_table[9].weight, stored) << typed.toStdString();
    }
    // A minus typed alone is no number yet, so -1 arrives pasted.
    editor.Paste(IDC_WEIGHT, "-1");
    EXPECT_EQ(Dialog().m_table[9].weight, 255);
    editor.ReplaceText(IDC_GUMP, "70000");
    EXPECT_EQ(Dialog().m_table[9].gump, 4464);
    editor.ReplaceText(IDC_CLASS, "258");
    EXPECT_EQ(Dialog().m_table[9].tileClass, 2);
    editor.ReplaceText(IDC_LAYER, "17");
    EXPECT_EQ(Dialog().m_table[9].layer, 17);
    editor.ReplaceText(IDC_HEIGHT, "99");
    EXPECT_EQ(Dialog().m_table[9].height, 99);
    EXPECT_TRUE(editor.messages.shown.empty());
}

TEST_F(EditorCommandsTest, RenamingAPatchedEntryKeepsItsMarkAndPlaceWithNoLineSelected)
{
    editor.Load(tileDataPath);
    editor.SelectLine(kSampleWallpaperTile);
    editor.ReplaceText(IDC_NAME, "tapestry");
    EXPECT_EQ(LineText(kSampleWallpaperTile), "0005 - tapestry (p)");
    EXPECT_EQ(LineText(kSampleWallpaperTile - 1).left(4), "0004");
    EXPECT_EQ(LineText(kSampleWallpaperTile + 1).left(4), "0006");
    EXPECT_EQ(Dialog().m_list.GetCount(), 16384);
    EXPECT_EQ(Dialog().m_list.GetCurSel(), -1);
    EXPECT_EQ(Dialog().m_current, kSampleWallpaperTile) << "further edits go to the same entry";
    editor.TypeInto(IDC_NAME, "s");
    EXPECT_EQ(TileName(Dialog().m_table[kSampleWallpaperTile]), "tapestrys");
}

TEST_F(EditorCommandsTest, ARenameMovesOneLineRatherThanRebuildingTheList)
{
    editor.Load(tileDataPath);
    editor.SelectLine(300);
    QAbstractItemModel* model = qobject_cast<QAbstractItemView*>(editor.Control(IDC_LIST))->model();
    int resets = 0, removed = 0, inserted = 0;
    QObject::connect(model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, [&](const QModelIndex&, int first, int last) {
        removed += last - first + 1;
        EXPECT_EQ(first, 300);
    });
    QObject::connect(model, &QAbstractItemModel::rowsInserted, [&](const QModelIndex&, int first, int last) {
        inserted += last - first + 1;
        EXPECT_EQ(first, 300);
    });
    editor.TypeInto(IDC_NAME, "!");
    EXPECT_EQ(resets, 0);
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(inserted, 1);
}

TEST_F(EditorCommandsTest, EmptyingClassThenTypingANameChangesNeitherNameNorLine)
{
    editor.Load(tileDataPath);
    editor.SelectLine(12);
    const StaticTileEntry before = Dialog().m_table[12];
    const QString line = LineText(12);
    editor.ClearBox(IDC_CLASS);
    editor.TypeInto(IDC_NAME, "x");
    EXPECT_EQ(editor.messages.Texts(),
              (std::vector<QString>{"Please enter an integer.", "Please enter an integer."}));
    EXPECT_EQ(Dialog().m_table[12], before);
    EXPECT_EQ(LineText(12), line);
}

TEST_F(EditorCommandsTest, ALetterInUnknown3PromptsAtTheNextHandledChange)
{
    editor.Load(tileDataPath);
    editor.SelectLine(20);
    const StaticTileEntry before = Dialog().m_table[20];
    editor.TypeInto(IDC_UNKNOWN3, "q");
    EXPECT_TRUE(editor.messages.shown.empty()) << "the box has no handler";
    editor.ReplaceText(IDC_WEIGHT, "5");
    EXPECT_EQ(editor.messages.Texts(), std::vector<QString>{"Please enter an integer."});
    EXPECT_EQ(QApplication::focusWidget(), editor.Edit(IDC_UNKNOWN3));
    StaticTileEntry after = before;
    after.weight = 5;
    EXPECT_EQ(Dialog().m_table[20], after) << "the weight, taken before, is stored; unknown3 never is";
}

TEST_F(EditorCommandsTest, UnknownBoxesNeverReachTheFiles)
{
    editor.Load(tileDataPath);
    editor.SelectLine(33);
    for (const int id : {IDC_UNKNOWN1, IDC_UNKNOWN2, IDC_UNKNOWN3, IDC_UNKNOWN4, IDC_UNKNOWN5})
        editor.ReplaceText(id, "99");
    editor.Save();
    const ExpectedFiles expected(files.tileData, files.verData);
    EXPECT_EQ(ReadFileBytes(tileDataPath), expected.tileData);
}

TEST_F(EditorCommandsTest, AFolderWithoutAPatchFileLoadsUnpatchedAndEverySaveSaysSo)
{
    std::filesystem::remove(verDataPath);
    editor.Load(tileDataPath);
    EXPECT_EQ(editor.messages.Texts(), std::vector<QString>{Quoted("ERROR: cannot load", DerivedPatchPath(), ENOENT)});
    EXPECT_EQ(editor.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(LineText(kSampleWallpaperTile), "0005 - wallpaper");
    editor.messages.shown.clear();

    editor.SelectLine(1);
    editor.ReplaceText(IDC_HUE, "1");
    for (int save = 0; save < 2; ++save)
        editor.Save();
    EXPECT_EQ(editor.messages.Texts(), (std::vector<QString>{Quoted("ERROR: cannot save", DerivedPatchPath()),
                                                             Quoted("ERROR: cannot save", DerivedPatchPath())}));
    EXPECT_EQ(ReadFileBytes(tileDataPath)[TileOffset(1) + kHue], 1);
    EXPECT_FALSE(std::filesystem::exists(verDataPath)) << "no file is ever created";
}

TEST_F(EditorCommandsTest, APatchFileNamedInCapitalsIsFoundAndTheMessagesKeepTheDerivedName)
{
    const std::string capitals = (gameFolder / "VERDATA.MUL").string();
    std::filesystem::rename(verDataPath, capitals);
    {
        CFile holder;
        ASSERT_TRUE(holder.Open(capitals, CFile::modeRead | CFile::shareExclusive));
        editor.Load(tileDataPath);
    }
    EXPECT_EQ(editor.messages.Texts(), std::vector<QString>{Quoted("ERROR: cannot load", verDataPath, EWOULDBLOCK)});
    editor.Load(tileDataPath);
    EXPECT_EQ(editor.messages.shown.size(), 1u) << "once free, the file in capitals loads";
    EXPECT_EQ(LineText(kSampleWallpaperTile), "0005 - wallpaper (p)");
}

TEST_F(EditorCommandsTest, APatchFileThatDidNotLoadIsNotWrittenOverBySave)
{
    // Held by another program at Load (a game client, say), free again by Save.
    {
        CFile holder;
        ASSERT_TRUE(holder.Open(verDataPath, CFile::modeRead | CFile::shareExclusive));
        editor.Load(tileDataPath);
    }
    EXPECT_EQ(LineText(kSampleWallpaperTile), "0005 - wallpaper") << "the tile-data file's own values";
    editor.messages.shown.clear();
    editor.SelectLine(1);
    editor.ReplaceText(IDC_HUE, "1");
    editor.Save();
    EXPECT_EQ(editor.messages.Texts(), std::vector<QString>{Quoted("ERROR: cannot save", DerivedPatchPath())});
    EXPECT_EQ(ReadFileBytes(verDataPath), files.verData) << "the patches it holds are kept";
    std::vector<std::uint8_t> ownValuesEdited = files.tileData;
    ownValuesEdited[TileOffset(1) + kHue] = 1;
    EXPECT_EQ(ReadFileBytes(tileDataPath), ownValuesEdited) << "the tile-data file's own values, with the edit";

    editor.Load(tileDataPath);  // read now: the next Save writes into it again
    editor.messages.shown.clear();
    editor.Save();
    EXPECT_TRUE(editor.messages.shown.empty());
    EXPECT_EQ(ReadFileBytes(verDataPath), ExpectedFiles(files.tileData, files.verData).VerData())
        << "the patches, loaded and saved as they are";
}

TEST_F(EditorCommandsTest, ATileDataFileHeldElsewhereCannotBeSavedAndPathEmpties)
{
    editor.Load(tileDataPath);
    editor.SelectLine(1);
    editor.ReplaceText(IDC_HUE, "1");
    CFile holder;
    ASSERT_TRUE(holder.Open(tileDataPath, CFile::modeRead | CFile::shareExclusive));
    editor.Save();
    EXPECT_EQ(editor.messages.Texts(), std::vector<QString>{Quoted("ERROR: cannot save", tileDataPath, EWOULDBLOCK)});
    EXPECT_TRUE(Dialog().m_path.empty());
    holder.Close();
    editor.Save();
    EXPECT_EQ(editor.messages.shown.size(), 1u) << "a second Save does nothing";
    EXPECT_EQ(ReadFileBytes(tileDataPath), files.tileData);
    EXPECT_EQ(ReadFileBytes(verDataPath), files.verData);
}

TEST_F(EditorCommandsTest, LoadingAgainDropsUnsavedEditsAndKeepsTheCurrentIndex)
{
    editor.Load(tileDataPath);
    editor.SelectLine(kSampleWallpaperTile);
    editor.ReplaceText(IDC_NAME, "renamed");
    editor.Load(tileDataPath);
    EXPECT_EQ(LineText(kSampleWallpaperTile), "0005 - wallpaper (p)");
    EXPECT_EQ(Dialog().m_current, kSampleWallpaperTile);
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), "renamed") << "the fields are not refreshed";
}

TEST_F(EditorCommandsTest, SaveBeforeAnyLoadDoesNothing)
{
    editor.Save();
    EXPECT_TRUE(editor.messages.shown.empty());
    EXPECT_EQ(ReadFileBytes(tileDataPath), files.tileData);
}

TEST_F(EditorCommandsTest, AMissingFileTypedIntoTheDialogGivesTheOpenError)
{
    editor.Load(tileDataPath);
    const std::string missing = (gameFolder / "nosuch.mul").string();
    editor.Load(missing);
    EXPECT_EQ(editor.messages.Texts(), std::vector<QString>{Quoted("ERROR: cannot open", missing, ENOENT)});
    EXPECT_TRUE(Dialog().m_path.empty());
    EXPECT_EQ(Dialog().m_list.GetCount(), 16384) << "the list keeps the earlier file's lines";
    editor.Save();
    EXPECT_EQ(editor.messages.shown.size(), 1u);
}

TEST_F(EditorCommandsTest, ANewerFileIsListedWholeAndAFlagClickKeepsTheHighBits)
{
    const SampleGameFiles newer = MakeSampleGameFiles(kNewerLayout);
    WriteFileBytes(tileDataPath, newer.tileData);
    WriteFileBytes(verDataPath, newer.verData);
    editor.Load(tileDataPath);
    EXPECT_TRUE(editor.messages.shown.empty());
    ASSERT_EQ(Dialog().m_list.GetCount(), 0x10000);
    EXPECT_TRUE(LineText(0xFFFF).startsWith("FFFF - ")) << LineText(0xFFFF).toStdString();
    EXPECT_TRUE(LineText(0xFFE0).endsWith(" (p)")) << "a patched block past 3FFF";

    // The first tile past 3FFF with a high bit set: clicking box 0 twice
    // changes nothing; clicking it once changes bit 0 alone.
    int tile = 0x4000;
    while ((Dialog().m_table[tile].flags >> 32) == 0)
        ++tile;
    const TileFlags before = Dialog().m_table[tile].flags;
    editor.SelectLine(tile);
    editor.ClickCheck(0);
    EXPECT_EQ(Dialog().m_table[tile].flags, before ^ 1);
    editor.Save();
    EXPECT_TRUE(editor.messages.shown.empty());

    // An independent reading: the patched blocks as saved, and bit 0 of the tile flipped.
    ExpectedFiles expected(newer.tileData, newer.verData, kNewer);
    ASSERT_EQ(expected.tileData[TileOffset(tile, kNewer)] & 1, static_cast<int>(before & 1));
    expected.Edit(tile, kFlags, {static_cast<std::uint8_t>(expected.tileData[TileOffset(tile, kNewer)] ^ 1)});
    EXPECT_TRUE(ReadFileBytes(tileDataPath) == expected.tileData);
    EXPECT_TRUE(ReadFileBytes(verDataPath) == expected.VerData());
}

TEST_F(EditorCommandsTest, AFileErrorPartWayThroughALoadLeavesNothingToSave)
{
    // The tile-data file's reads go through, one a chunk, then the patch
    // file's count, its index and its first block: the second block's read fails.
    constexpr int kReadsBeforeSecondBlock = (kMinStaticTileCount / kTilesPerBlock) / kBlocksPerChunk + 3;
    FailingCalls failing(FailingCalls::Call::kRead, os_error::kHardwareIo, kReadsBeforeSecondBlock);
    {
        ScopedFileSystemCalls scope(failing);
        editor.Load(tileDataPath);
    }
    ASSERT_EQ(failing.failures, 1);
    ASSERT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_EQ(editor.messages.shown[0].text,
              QString::fromStdString("A hardware I/O error was reported while accessing " + verDataPath + ".\n" +
                                     CFileException::OsErrorText(os_error::kHardwareIo)));
    EXPECT_EQ(editor.messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(Dialog().m_path.empty());
    EXPECT_EQ(Dialog().m_list.GetCount(), 0) << "the list was not refilled";
    editor.Save();
    EXPECT_EQ(ReadFileBytes(tileDataPath), files.tileData);
    EXPECT_EQ(ReadFileBytes(verDataPath), files.verData);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor ended";
}

TEST_F(EditorCommandsTest, AFileErrorDuringSaveKeepsThePathSoASecondSaveCanFinish)
{
    editor.Load(tileDataPath);
    editor.SelectLine(1);
    editor.ReplaceText(IDC_HUE, "1");
    {
        FailingCalls failing(FailingCalls::Call::kWrite, os_error::kDiskFull, 0);
        ScopedFileSystemCalls scope(failing);
        editor.Save();
    }
    ASSERT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_EQ(editor.messages.shown[0].text, QString::fromStdString("Disk full while accessing " + tileDataPath + ".\n" +
                                                                    CFileException::OsErrorText(os_error::kDiskFull)));
    EXPECT_EQ(Dialog().m_path, tileDataPath);
    editor.Save();
    ExpectedFiles expected(files.tileData, files.verData);
    expected.Edit(1, kHue, {1});
    EXPECT_EQ(ReadFileBytes(tileDataPath), expected.tileData);
    EXPECT_EQ(ReadFileBytes(verDataPath), expected.VerData());
}

TEST_F(EditorCommandsTest, TheRealFileDialogTakesATypedPath)
{
    QtFileDialogService real;
    ScopedFileDialogService scope(real);
    QString offeredName;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nameEdit, nullptr);
        offeredName = nameEdit->text();
        nameEdit->setText(QString::fromStdString((gameFolder / "tiledata").string()));
        QTest::keyClick(nameEdit, Qt::Key_Return);
    });
    editor.ClickButton(IDC_LOAD);
    EXPECT_EQ(offeredName, "tiledata");
    EXPECT_EQ(Dialog().m_path, tileDataPath) << "the default extension was added";
    EXPECT_EQ(Dialog().m_list.GetCount(), 16384);
}

} // namespace
