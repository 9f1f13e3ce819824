// The boxes of flag bits 32-63 in the system's own dialog: shown, with the
// room they take, for a newer file; gone, with the window's exact first
// size, for a classic one.

#include "CEditorDlg.h"
#include "DialogServiceStandIns.h"
#include "NativeWindow.h"
#include "Resources.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(Win32HighFlags, ShowForANewerFileAndGoForAClassicOneWithTheWindowsSize)
{
    TempFolder folder;
    WriteSampleGameFolder(folder.Path() / "classic", kClassicLayout);
    WriteSampleGameFolder(folder.Path() / "newer", kNewerLayout);
    AfxSetResourceHandle(QuarnelResources());
    RecordingMessageBoxes messages;
    ScopedMessageBoxService messageScope(messages);
    FixedFileDialog files;
    ScopedFileDialogService fileScope(files);
    const auto editor = std::make_unique<CEditorDlg>();  // its table is more than a thread's stack
    CEditorDlg& dialog = *editor;
    dialog.Create();
    const HWND window = NativeWindow(dialog);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const auto load = [&](const char* layout) {
        files.path = (folder.Path() / layout / kSampleTileDataName).string();
        SendMessageW(NativeControl(dialog, IDC_LOAD), BM_CLICK, 0, 0);
    };
    const auto client = [&] {
        RECT rect{};
        GetClientRect(window, &rect);
        return rect;
    };
    const auto boxesShown = [&] {
        int shown = 0;
        for (int id = IDC_FLAG32; id <= IDC_FLAG63; ++id)
            shown += IsWindowVisible(NativeControl(dialog, id)) ? 1 : 0;
        return shown;
    };
    RECT own{0, 0, 383, 242};
    MapDialogRect(window, &own);
    const RECT made = client();
    EXPECT_EQ(made.right, own.right);
    EXPECT_EQ(made.bottom, own.bottom);
    EXPECT_EQ(boxesShown(), 0);

    load("newer");
    EXPECT_EQ(boxesShown(), 32);
    EXPECT_EQ(client().right, made.right);
    RECT bit63{};
    GetWindowRect(NativeControl(dialog, IDC_FLAG63), &bit63);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bit63), 2);
    EXPECT_GE(bit63.top, made.bottom) << "below the classic window";
    EXPECT_LE(bit63.bottom, client().bottom) << "inside the grown one";
    wchar_t text[16] = {};
    GetWindowTextW(NativeControl(dialog, IDC_FLAG63), text, 16);
    EXPECT_EQ(std::wstring(text), L"Bit 63");

    // The system's own click, with a tile past 3FFF selected.
    SendMessageW(NativeControl(dialog, IDC_LIST), LB_SETCURSEL, 0x8003, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_LIST, LBN_SELCHANGE), 0);
    const TileFlags flags = dialog.m_table[0x8003].flags;
    SendMessageW(NativeControl(dialog, IDC_FLAG32 + 5), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.m_table[0x8003].flags, flags ^ TileFlag::Bit(37));

    load("classic");
    EXPECT_EQ(boxesShown(), 0);
    EXPECT_EQ(client().right, made.right);
    EXPECT_EQ(client().bottom, made.bottom) << "exactly the size it was made with";
    EXPECT_TRUE(messages.shown.empty());
    ShowWindow(window, SW_HIDE);
}

} // namespace
