// What only the Win32 backend can show: the "&About Quarnel...", "&Tile
// Art..." and "&Find Tile..." entries in the window's real system menu, icon 128 as the window's large and small
// icon and the drag-icon handler's answer, the name box refusing a typed
// character that the Western code page lacks, and the native list box
// holding a newer file's 65536 lines; and the file the program was started
// with, loaded once the system has shown the window.

#include "CEditorDlg.h"
#include "CFileException.h"
#include "DialogServiceStandIns.h"
#include "FailingCalls.h"
#include "NativeWindow.h"
#include "Resources.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TileDataFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Handles what the system has waiting, as the modal loop would.
void HandleWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Win32Shell : public ::testing::Test {
protected:
    Win32Shell() { dialog.Create(); }

    bool resourcesHandedOver = (AfxSetResourceHandle(QuarnelResources()), true);  // before the dialog is made
    CEditorDlg dialog;
};

TEST_F(Win32Shell, TheSystemMenuEndsWithASeparatorTheAboutTileArtFindTileAndTilePicturesEntries)
{
    const HMENU menu = GetSystemMenu(NativeWindow(dialog), FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 5);
    auto text = [&](int position) {
        wchar_t entry[64] = {};
        GetMenuStringW(menu, position, entry, 64, MF_BYPOSITION);
        return std::wstring(entry);
    };
    EXPECT_TRUE(GetMenuState(menu, count - 5, MF_BYPOSITION) & MF_SEPARATOR);
    const UINT ids[] = {IDM_ABOUTBOX, IDM_TILEART, IDM_FINDTILE, IDM_TILEPICTURES};
    const wchar_t* texts[] = {L"&About Quarnel...", L"&Tile Art...", L"&Find Tile...", L"Tile &Pictures..."};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(GetMenuItemID(menu, count - 4 + i), ids[i]) << i;
        EXPECT_EQ(text(count - 4 + i), texts[i]) << i;
    }
}

TEST_F(Win32Shell, IconOneTwentyEightIsTheWindowsIconAndTheDragIcon)
{
    ASSERT_NE(dialog.m_hIcon, nullptr) << "icon 128 is among the executable's resources";
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(NativeWindow(dialog), WM_GETICON, ICON_BIG, 0)), dialog.m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(NativeWindow(dialog), WM_GETICON, ICON_SMALL, 0)), dialog.m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(NativeWindow(dialog), WM_QUERYDRAGICON, 0, 0)), dialog.m_hIcon);
}

TEST_F(Win32Shell, TheNameBoxTakesOnlyCharactersOfTheWesternCodePage)
{
    const HWND name = NativeControl(dialog, IDC_NAME);
    for (const wchar_t typed : {L'\u00E9', L'\u0416', L'\u20AC'})  // é, a Cyrillic letter, the euro sign
        SendMessageW(name, WM_CHAR, typed, 0);
    wchar_t text[32] = {};
    GetWindowTextW(name, text, 32);
    EXPECT_EQ(std::wstring(text), L"\u00E9\u20AC");
}

TEST_F(Win32Shell, TheNativeListReachesANewerFilesLastLineByKeyboard)
{
    TempFolder folder;
    WriteSampleGameFolder(folder.Path(), kNewerLayout);
    ASSERT_TRUE(LoadTileData(dialog.m_table, folder.File(kSampleTileDataName)));
    dialog.FillList();
    const HWND list = NativeControl(dialog, IDC_LIST);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0x10000);
    const auto press = [&](WPARAM key) {
        SendMessageW(list, WM_KEYDOWN, key, 0);
        SendMessageW(list, WM_KEYUP, key, 0);
    };
    ShowWindow(NativeWindow(dialog), SW_SHOW);  // a list box that is not shown and focused takes no keys
    SetFocus(list);
    press(VK_DOWN);  // the first line, as a click on it; Wine's list moves by keys only from a selection
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    press(VK_END);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0xFFFF);
    EXPECT_EQ(dialog.m_current, 0xFFFF) << "the selection change reached the editor";
    EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0xFF00) << "scrolled to the last line";
    press(VK_HOME);
    SendMessageW(list, WM_CHAR, L'F', 0);  // the native list jumps to the first line starting so
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0xF000);
    EXPECT_EQ(dialog.m_current, 0xF000);
}

TEST_F(Win32Shell, TheStartFileLoadsAsLoadDoesOnceTheWindowIsShownOrIsToldWhyNot)
{
    TempFolder folder;
    WriteSampleGameFolder(folder.Path());
    RecordingMessageBoxes messages;
    ScopedMessageBoxService scope(messages);
    const std::string sample = folder.File(kSampleTileDataName), missing = folder.File("nosuch.mul");
    for (const std::string& path : {sample, missing, std::string()}) {
        messages.shown.clear();
        const auto started = std::make_unique<CEditorDlg>();  // on the heap: it carries the whole tile table
        started->LoadAtStart(path);
        started->Create();
        HandleWaitingMessages();
        EXPECT_EQ(started->m_list.GetCount(), 0) << "loaded while hidden: " << path;
        ShowWindow(NativeWindow(*started), SW_SHOW);
        HandleWaitingMessages();
        EXPECT_EQ(messages.shown.size(), path == missing ? 1u : 0u) << path;
        if (path == missing && !messages.shown.empty()) {
            EXPECT_EQ(messages.shown[0].text, "ERROR: cannot open \"" + missing + "\"!\n" +
                                                  CFileException::OsErrorText(os_error::kFileNotFound));
        }
        const bool loads = path == sample;
        EXPECT_EQ(started->m_list.GetCount(), loads ? 0x4000 : 0) << path;
        EXPECT_EQ(started->m_list.GetCurSel(), loads ? 0 : -1) << path;
        EXPECT_EQ(started->m_tileArt.IsWindowVisible(), loads) << path;
        if (loads) {
            EXPECT_EQ(started->m_list.GetText(kSampleWallpaperTile), "0005 - wallpaper (p)");
            EXPECT_EQ(GetActiveWindow(), NativeWindow(*started)) << "the Tile Art window took the keys";
        }
    }
}

} // namespace
