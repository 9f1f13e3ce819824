// The Tile Pictures window on every backend, written in names no window
// system (built into the Qt GUI tests and the Windows ones): opened from
// the editor, its grid following the editor and selecting in it by click
// and key, each filter against a count of its own over the sample, free
// slots in both art forms, a Load while it is open, its hue, and pictures
// in their cells as the window system draws them.

#include "ArtEncoder.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "CEditorDlg.h"
#include "DialogServiceStandIns.h"
#include "NativeReadBack.h"
#include "Resources.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TestArtFiles.h"
#include "TileFlags.h"
#include "WindowsSharing.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>

namespace {

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

class TilePictures : public ::testing::Test, protected DialogStandIns {
protected:
    TilePictures() { dialog.Create(); }

    void Load(const std::filesystem::path& tileData)
    {
        files.path = tileData.string();
        dialog.SendNotification(Notification::ButtonClicked, IDC_LOAD);
    }
    void SelectInList(int tileId)
    {
        dialog.m_list.SetCurSel(tileId);
        dialog.SendNotification(Notification::ListSelChange, IDC_LIST);
    }
    void Open() { dialog.SendSysCommand(IDM_TILEPICTURES); }
    CTilePicturesDlg& Window() { return dialog.m_tilePictures; }
    CPictureGridCtrl& Grid() { return dialog.m_tilePictures.m_grid; }
    std::u16string Status() { return Window().GetItemText(IDC_PICTURES_STATUS); }
    void ClickCell(int cell)
    {
        const CRect box = Grid().GetCellRect(cell);
        ClickAt(Window(), IDC_PICTURES_GRID, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
        HandleWaitingEvents();
    }
    void Press(int key)
    {
        PressKey(Window(), IDC_PICTURES_GRID, key);
        HandleWaitingEvents();
    }
    void Show(int line)
    {
        PickNatively(Window(), IDC_PICTURES_SHOW, line);
        HandleWaitingEvents();
    }
    // Which tiles in use have art, read by decoding each whole.
    std::vector<bool> ArtByDecoding(const std::string& tileDataPath)
    {
        const ArtFolder art = ArtFolder::Load(tileDataPath);
        ArtFolder::Reader reader(art);
        std::vector<bool> hasArt;
        for (int tileId = 0; tileId < dialog.m_table.count; ++tileId)
            hasArt.push_back(reader.Decode(ArtIndexOfTile(tileId)).kind != ArtResult::Kind::kNoArt);
        return hasArt;
    }

    // The tiles the grid shows, counted by a reading of their own.
    template <typename Passes>
    int CountTiles(Passes passes)
    {
        int count = 0;
        for (int tileId = 0; tileId < dialog.m_table.count; ++tileId)
            count += passes(tileId) ? 1 : 0;
        return count;
    }

    bool resourcesHandedOver = (AfxSetResourceHandle(QuarnelResources()), true);  // before the dialog is made
    TempFolder folder;
    CEditorDlg dialog;
};

TEST_F(TilePictures, BeforeALoadItIsEmptyAndSaysSo)
{
    Open();
    ASSERT_TRUE(Window().IsWindowVisible());
    EXPECT_EQ(Grid().GetCellCount(), 0);
    EXPECT_EQ(Status(), u"No tile-data file loaded");
    EXPECT_EQ(AccessibleNameOf(Window(), IDC_PICTURES_GRID), u"Tile pictures");
    EXPECT_EQ(AccessibleNameOf(Window(), IDC_PICTURES_SHOW), u"Show:");
    EXPECT_EQ(AccessibleNameOf(Window(), IDC_PICTURES_NAME), u"Name:");
    EXPECT_EQ(AccessibleNameOf(Window(), IDC_PICTURES_FLAG), u"Flag:");
    EXPECT_EQ(DropDownLines(Window(), IDC_PICTURES_SHOW),
              (std::vector<std::u16string>{u"All tiles", u"Tiles with art", u"Tiles without art", u"Free slots"}));
    const std::vector<std::u16string> flags = DropDownLines(Window(), IDC_PICTURES_FLAG);
    ASSERT_EQ(flags.size(), 1u + TileFlag::kCount);
    EXPECT_EQ(flags[0], u"Any");
    EXPECT_EQ(flags[1], u"Background");
    EXPECT_EQ(flags[32], u"Stairs Right");
}

TEST_F(TilePictures, AClickAndTheKeysSelectInTheEditorAndTheEditorsSelectionIsFramed)
{
    WriteSampleGameFolder(folder.Path(), kClassicLayout);
    Load(folder.File(kSampleTileDataName));
    Open();
    ASSERT_EQ(Grid().GetCellCount(), 16384);
    EXPECT_EQ(Grid().GetCurSel(), -1);
    EXPECT_EQ(Status(), u"No tile selected  -  16,384 of 16,384 tiles shown");

    ClickCell(5);
    EXPECT_EQ(dialog.m_list.GetCurSel(), 5);
    EXPECT_EQ(dialog.GetItemText(IDC_NAME), u"wallpaper") << "the fields follow, as after a click in the list";
    EXPECT_EQ(Grid().GetCurSel(), 5);
    EXPECT_EQ(AccessibleValueOf(Window(), IDC_PICTURES_GRID), u"0005");
    EXPECT_EQ(Status().substr(0, 15), u"0005  wallpaper");

    const int columns = Grid().GetColumnCount();
    Press(VK_RIGHT);
    EXPECT_EQ(dialog.m_list.GetCurSel(), 6);
    Press(VK_DOWN);
    EXPECT_EQ(dialog.m_list.GetCurSel(), 6 + columns);
    Press(VK_LEFT);
    Press(VK_UP);
    EXPECT_EQ(dialog.m_list.GetCurSel(), 5);
    Press(VK_NEXT);
    EXPECT_EQ(dialog.m_list.GetCurSel(), 5 + columns * Grid().GetRowsInView());
    Press(VK_END);
    EXPECT_EQ(dialog.m_list.GetCurSel(), 16383);
    EXPECT_GE(16383 / columns, Grid().GetTopRow()) << "scrolled into view";
    Press(VK_HOME);
    EXPECT_EQ(dialog.m_list.GetCurSel(), 0);

    // The editor's selection, from the list and from Find, is framed and brought into view.
    SelectInList(9000);
    EXPECT_EQ(Grid().GetCurSel(), 9000);
    const int row = 9000 / columns;
    EXPECT_TRUE(row >= Grid().GetTopRow() && row < Grid().GetTopRow() + Grid().GetRowsInView());
    EXPECT_EQ(VerticalScrollBarOf(Window(), IDC_PICTURES_GRID).position, Grid().GetTopRow());
    EXPECT_EQ(AccessibleValueOf(Window(), IDC_PICTURES_GRID), u"2328");
}

TEST_F(TilePictures, EachFilterShowsWhatAReadingOfItsOwnCounts)
{
    WriteSampleGameFolder(folder.Path(), kClassicLayout);
    Load(folder.File(kSampleTileDataName));
    Open();
    const std::vector<bool> hasArt = ArtByDecoding(folder.File(kSampleTileDataName));
    auto name = [&](int tileId) { return std::string(TileName(dialog.m_table[tileId])); };

    Show(1);
    EXPECT_EQ(Grid().GetCellCount(), CountTiles([&](int id) { return hasArt[id]; }));
    Show(2);
    EXPECT_EQ(Grid().GetCellCount(), CountTiles([&](int id) { return !hasArt[id]; }));
    Show(3);
    const int free = CountTiles([&](int id) { return !hasArt[id] && name(id).empty(); });
    EXPECT_GT(free, 0) << "the sample holds free slots";
    EXPECT_EQ(Grid().GetCellCount(), free);
    for (const int tileId : Window().ShownTiles())
        ASSERT_TRUE(name(tileId).empty() && !hasArt[tileId]) << tileId;

    Show(0);
    Window().SetItemText(IDC_PICTURES_NAME, u"WaLL");
    HandleWaitingEvents();
    EXPECT_EQ(Grid().GetCellCount(), CountTiles([&](int id) { return LowerCase(name(id)).find("wall") != std::string::npos; }));
    EXPECT_GT(Grid().GetCellCount(), 0);

    Window().SetItemText(IDC_PICTURES_NAME, u"");
    PickNatively(Window(), IDC_PICTURES_FLAG, 1 + 6);  // Impassable
    HandleWaitingEvents();
    EXPECT_EQ(Grid().GetCellCount(),
              CountTiles([&](int id) { return (dialog.m_table[id].flags & TileFlag::kImpassable) != 0; }));

    // All three at once.
    Show(1);
    Window().SetItemText(IDC_PICTURES_NAME, u"a");
    HandleWaitingEvents();
    EXPECT_EQ(Grid().GetCellCount(), CountTiles([&](int id) {
                  return hasArt[id] && LowerCase(name(id)).find('a') != std::string::npos &&
                         (dialog.m_table[id].flags & TileFlag::kImpassable) != 0;
              }));
    EXPECT_NE(Status().find(u" of 16,384 tiles shown"), std::u16string::npos);

    // A tile filtered out is framed nowhere, and the status line still names it.
    SelectInList(kSampleWallpaperTile);
    EXPECT_EQ(Grid().GetCurSel(), -1);
    EXPECT_EQ(Status().substr(0, 15), u"0005  wallpaper");
}

TEST_F(TilePictures, NoSlotWhoseArtIsInTheContainerIsFree)
{
    WriteSampleGameFolder(folder.Path(), kNewerLayout, SampleArtForm::kContainer);
    Load(folder.File(kSampleTileDataName));
    Open();
    ASSERT_EQ(ArtFolder::Find(folder.File(kSampleTileDataName)).form, ArtFolder::Form::kContainer);
    const std::vector<bool> hasArt = ArtByDecoding(folder.File(kSampleTileDataName));
    Show(3);
    const int free = CountTiles(
        [&](int id) { return !hasArt[id] && TileName(dialog.m_table[id]).empty(); });
    EXPECT_GT(free, 0);
    EXPECT_EQ(Grid().GetCellCount(), free);
    Show(1);
    EXPECT_EQ(Grid().GetCellCount(), CountTiles([&](int id) { return hasArt[id]; }));
}

TEST_F(TilePictures, ALoadWhileOpenShowsTheNewFolderAndItsFlagBits)
{
    const std::filesystem::path classic = folder.Path() / "classic", newer = folder.Path() / "newer";
    WriteSampleGameFolder(classic, kClassicLayout);
    WriteSampleGameFolder(newer, kNewerLayout);
    Load(classic / kSampleTileDataName);
    Open();
    PickNatively(Window(), IDC_PICTURES_FLAG, 1 + 4);  // Wall
    HandleWaitingEvents();
    const int classicWalls = Grid().GetCellCount();

    Load(newer / kSampleTileDataName);
    const std::vector<std::u16string> flags = DropDownLines(Window(), IDC_PICTURES_FLAG);
    ASSERT_EQ(flags.size(), 1u + 64);
    EXPECT_EQ(flags[33], u"Bit 32");
    EXPECT_EQ(flags[64], u"Bit 63");
    EXPECT_EQ(Window().GetItemSelection(IDC_PICTURES_FLAG), 1 + 4) << "the filter stays";
    EXPECT_EQ(Grid().GetCellCount(), CountTiles([&](int id) { return (dialog.m_table[id].flags & TileFlag::kWall) != 0; }));
    EXPECT_NE(Grid().GetCellCount(), classicWalls);
    PickNatively(Window(), IDC_PICTURES_FLAG, 1 + 40);
    HandleWaitingEvents();
    EXPECT_EQ(Grid().GetCellCount(), CountTiles([&](int id) { return (dialog.m_table[id].flags & TileFlag::Bit(40)) != 0; }));

    Load(classic / kSampleTileDataName);
    EXPECT_EQ(DropDownLines(Window(), IDC_PICTURES_FLAG).size(), 1u + 32);
    EXPECT_EQ(Window().GetItemSelection(IDC_PICTURES_FLAG), 0) << "bit 40 is gone: Any";
    EXPECT_EQ(Grid().GetCellCount(), 16384);
}

TEST_F(TilePictures, ATinyAndAHugePictureSitInTheirCellsOnTheCheckerboard)
{
    WriteSampleGameFolder(folder.Path(), kClassicLayout);
    constexpr int kTiny = 2, kHuge = 3;  // tiles whose art the sample's patch file leaves alone
    TestArtFiles art;
    art.AddStatic(kTiny, {1, 1, {31 << 10}});  // red
    // 600 x 600, each row a band of 100 blue pixels at x = 250..349 (rows
    // of a picture that large cannot all be whole: the row table's offsets are 16-bit).
    art.AddStaticEntry(kHuge, StaticEntryOfOneRunARow(600, 600, 250, 100, [](int, int) { return 31; }));
    art.Write(folder.Path().string());
    Load(folder.File(kSampleTileDataName));
    Open();
    HandleWaitingEvents();
    const RenderedControl shown = RenderControl(Window(), IDC_PICTURES_GRID);
    // A pixel of a cell's picture area, from its top left corner.
    auto area = [&](int cell, int x, int y) {
        const CRect box = Grid().GetCellRect(cell);
        return shown.At(box.left + kGridCellPadding + x, box.top + kGridCellPadding + y);
    };
    // 1 x 1: never enlarged, its one pixel centred at (44 - 1) / 2, on the checkerboard.
    EXPECT_EQ(area(kTiny, 21, 21), 0xFFFF0000u);
    EXPECT_EQ(area(kTiny, 22, 21), kCheckerLight);
    EXPECT_EQ(area(kTiny, 21, 22), kCheckerLight);
    EXPECT_EQ(area(kTiny, 8, 0), kCheckerDark);
    // 600 x 600 shrinks by 14 to 43 x 43 at (0, 0): each pixel the centre of
    // its block, x = 14c + 7, so the band 250..349 is columns 18..24, in every row.
    for (const int y : {0, 21, 42}) {
        EXPECT_EQ(area(kHuge, 18, y), 0xFF0000FFu) << y;
        EXPECT_EQ(area(kHuge, 24, y), 0xFF0000FFu) << y;
        EXPECT_NE(area(kHuge, 17, y), 0xFF0000FFu) << y;
        EXPECT_NE(area(kHuge, 25, y), 0xFF0000FFu) << y;
    }
    EXPECT_NE(area(kHuge, 21, 43), 0xFF0000FFu) << "never enlarged: the 44th row is the checkerboard";
    SelectInList(kHuge);
    EXPECT_EQ(Status().substr(0, 6), u"0003  ");
    EXPECT_NE(Status().find(u"600 x 600  -  16,384 of 16,384 tiles shown"), std::u16string::npos)
        << "the whole picture's size, not the cell's";
}

TEST_F(TilePictures, ItsHueBoxDrawsTheGridThroughAHue)
{
    constexpr int kWhite = 2;  // a tile whose art the sample's patch file leaves alone
    WriteSampleGameFolder(folder.Path(), kClassicLayout);
    TestArtFiles art;
    art.AddStatic(kWhite, {1, 1, {0x7FFF}});  // every hue draws white in its brightest colour
    art.Write(folder.Path().string());
    Load(folder.File(kSampleTileDataName));
    Open();
    HandleWaitingEvents();
    auto centre = [&] {
        const RenderedControl shown = RenderControl(Window(), IDC_PICTURES_GRID);
        const CRect box = Grid().GetCellRect(kWhite);
        // Its one pixel, centred at (44 - 1) / 2.
        return shown.At(box.left + kGridCellPadding + 21, box.top + kGridCellPadding + 21);
    };
    EXPECT_EQ(centre(), 0xFFFFFFFFu);
    EXPECT_TRUE(IsControlEnabled(Window(), IDC_PICTURES_HUE));
    EXPECT_EQ(Window().GetItemText(IDC_PICTURES_HUE), u"0");
    dialog.SendSysCommand(IDM_TILEART);
    PressArrowKey(Window(), IDC_PICTURES_HUE, true);
    PressArrowKey(Window(), IDC_PICTURES_HUE, true);
    HandleWaitingEvents();
    EXPECT_EQ(Window().GetItemText(IDC_PICTURES_HUE), u"2");
    // The sample's hue 2 is red: white is drawn in its brightest red.
    const std::uint32_t hued = centre();
    EXPECT_GT((hued >> 16) & 0xFF, 0xF0u);
    EXPECT_LT((hued >> 8) & 0xFF, 0x40u);
    EXPECT_EQ(dialog.m_tileArt.GetItemText(IDC_HUE_NUMBER), u"0") << "the Tile Art window's box is its own";
    // A folder without a hue table, then this one again: the number in the box is drawn once more.
    const std::filesystem::path plain = folder.Path() / "plain";
    WriteSampleGameFolder(plain, kClassicLayout);
    std::filesystem::remove(plain / "hues.mul");
    Load(plain / kSampleTileDataName);
    EXPECT_FALSE(IsControlEnabled(Window(), IDC_PICTURES_HUE));
    Load(folder.File(kSampleTileDataName));
    HandleWaitingEvents();
    EXPECT_EQ(Window().GetItemText(IDC_PICTURES_HUE), u"2");
    EXPECT_EQ(centre(), hued);
    Window().SetItemText(IDC_PICTURES_HUE, u"0");
    HandleWaitingEvents();
    EXPECT_EQ(centre(), 0xFFFFFFFFu);
}

// The grid's reader holds the art files open between paints; Windows lets
// no one write a file another open holds, so Save must get them back first.
TEST_F(TilePictures, SaveWritesPicturesWhileTheGridHasDrawnThem)
{
    WriteSampleGameFolder(folder.Path(), kClassicLayout);
    Load(folder.File(kSampleTileDataName));
    WindowsSharing sharing;  // files opened as Windows shares them, on every platform
    ScopedFileSystemCalls seam(sharing);
    Open();
    HandleWaitingEvents();
    ASSERT_GT(Window().PictureCacheBytes(), 0u) << "the grid has read pictures";
    constexpr int kTile = 0x0079;  // the sample's slot without art
    ArtImage picture{3, 2, std::vector<std::uint8_t>(3 * 2 * 4, 255)};
    dialog.m_pendingPictures.Replace(kTile, PixelsFromImage(picture));
    dialog.SendNotification(Notification::ButtonClicked, IDC_SAVE);
    for (const RecordingMessageBoxes::Shown& shown : messages.shown)
        ADD_FAILURE() << "Save said: " << shown.text;
    EXPECT_TRUE(dialog.m_pendingPictures.IsEmpty());
    EXPECT_EQ(ArtFolder::Load(folder.File(kSampleTileDataName)).Decode(ArtIndexOfTile(kTile)).image.width, 3);
    HandleWaitingEvents();
    EXPECT_GT(Window().PictureCacheBytes(), 0u) << "the grid reads the art again as Save left it";
}

} // namespace
