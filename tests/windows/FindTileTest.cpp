// Find Tile on the system's own windows: the dialog's texts and default
// button, and a search typed with real keys inside the editor's modal loop:
// Ctrl+F, the text, Enter, then F3.

#include "CEditorDlg.h"
#include "DialogServiceStandIns.h"
#include "NativeWindow.h"
#include "Resources.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The Find Tile dialog, when it is open: a window of this thread so captioned.
HWND FindDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            if (IsWindowVisible(window) && WindowText(window) == L"Find Tile") {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void PressKeys(const std::vector<std::pair<WORD, DWORD>>& sequence)
{
    std::vector<INPUT> keys(sequence.size());
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = sequence[i].first;
        keys[i].ki.dwFlags = sequence[i].second;
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void Tap(WORD key)
{
    PressKeys({{key, 0}, {key, KEYEVENTF_KEYUP}});
}

// What the timer saw while the editor ran modally.
struct Run {
    CEditorDlg* editor = nullptr;
    int ticks = 0;
    int step = 0;
    std::wstring title, label, findNext, cancel;
    LRESULT defaultId = 0;
    int foundByEnter = -1, foundByF3 = -1;
    bool closedOnFind = false;
};
Run g_run;

TEST(Win32FindTile, CtrlFTypedTextEnterAndF3SelectTheTileInTheModalEditor)
{
    AfxSetResourceHandle(QuarnelResources());
    TempFolder folder;
    WriteSampleGameFolder(folder.Path(), kClassicLayout);
    RecordingMessageBoxes messages;
    ScopedMessageBoxService messageScope(messages);
    FixedFileDialog files;
    files.path = folder.File(kSampleTileDataName);
    ScopedFileDialogService fileScope(files);
    const auto dialog = std::make_unique<CEditorDlg>();
    g_run = {};
    g_run.editor = dialog.get();

    // Each tick takes the next step once what the last one waits for has come.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        Run& run = g_run;
        CEditorDlg& editor = *run.editor;
        if (!NativeWindow(editor) || ++run.ticks > 200) {
            if (run.ticks > 200)
                editor.EndDialog(IDCANCEL);
            return;
        }
        const HWND find = FindDialog();
        switch (run.step) {
        case 0:
            editor.SendNotification(Notification::ButtonClicked, IDC_LOAD);
            SetForegroundWindow(NativeWindow(editor));
            SetFocus(NativeControl(editor, IDC_LIST));
            PressKeys({{VK_CONTROL, 0}, {'F', 0}, {'F', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}});
            run.step = 1;
            return;
        case 1: {
            if (!find)
                return;
            run.title = WindowText(find);
            HWND label = GetWindow(find, GW_CHILD);
            run.label = WindowText(label);
            run.findNext = WindowText(GetDlgItem(find, IDOK));
            run.cancel = WindowText(GetDlgItem(find, IDCANCEL));
            run.defaultId = LOWORD(SendMessageW(find, DM_GETDEFID, 0, 0));
            for (const char c : std::string("WALLPAPER"))
                Tap(static_cast<WORD>(c));
            Tap(VK_RETURN);
            run.step = 2;
            return;
        }
        case 2:
            if (find)
                return;
            run.closedOnFind = true;
            run.foundByEnter = editor.m_list.GetCurSel();
            editor.m_list.SetCurSel(0);
            editor.SendNotification(Notification::ListSelChange, IDC_LIST);
            Tap(VK_F3);
            run.step = 3;
            return;
        case 3:
            if (editor.m_list.GetCurSel() == 0 && run.ticks < 100)
                return;
            run.foundByF3 = editor.m_list.GetCurSel();
            editor.EndDialog(IDCANCEL);
            return;
        }
    });
    dialog->DoModal();
    KillTimer(nullptr, timer);

    EXPECT_EQ(g_run.title, L"Find Tile");
    EXPECT_EQ(g_run.label, L"Find &what:");
    EXPECT_EQ(g_run.findNext, L"Find Next");
    EXPECT_EQ(g_run.cancel, L"Cancel");
    EXPECT_EQ(g_run.defaultId, IDOK) << "Find Next is the default button";
    EXPECT_TRUE(g_run.closedOnFind);
    EXPECT_EQ(g_run.foundByEnter, kSampleWallpaperTile);
    EXPECT_EQ(g_run.foundByF3, kSampleWallpaperTile);
    EXPECT_EQ(dialog->m_current, kSampleWallpaperTile) << "the fields followed";
    EXPECT_EQ(dialog->m_name, "wallpaper");
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
