// Find Tile on the system's own windows, typed with real keys inside the
// editor's modal loop: Ctrl+F, the dialog's texts, a name and Enter, then F3.

#include "CEditorDlg.h"
#include "DialogServiceStandIns.h"
#include "NativeWindow.h"
#include "Resources.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::wstring Text(HWND window)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

void Keys(std::initializer_list<WORD> keys, bool withControl = false)
{
    for (const WORD key : keys) {
        INPUT input[4] = {};
        const WORD sequence[4][2] = {{VK_CONTROL, 0}, {key, 0}, {key, KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
        for (int i = 0; i < 4; ++i) {
            input[i].type = INPUT_KEYBOARD;
            input[i].ki.wVk = sequence[i][0];
            input[i].ki.dwFlags = sequence[i][1];
        }
        SendInput(withControl ? 4 : 2, withControl ? input : input + 1, sizeof(INPUT));
    }
}

CEditorDlg* g_editor;
int g_step, g_ticks, g_foundByEnter = -1;
std::wstring g_texts;

TEST(Win32FindTile, CtrlFATypedNameAndEnterSelectItAndF3FindsItAgainAfterTheFirstLine)
{
    AfxSetResourceHandle(QuarnelResources());
    TempFolder folder;
    WriteSampleGameFolder(folder.Path(), kClassicLayout);
    RecordingMessageBoxes messages;
    ScopedMessageBoxService messageScope(messages);
    FixedFileDialog files;
    files.path = folder.File(kSampleTileDataName);
    ScopedFileDialogService fileScope(files);
    const auto dialog = std::make_unique<CEditorDlg>();  // on the heap: it carries the whole tile table
    g_editor = dialog.get();
    // Each tick takes the next step once the window the last one opened or closed has.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        CEditorDlg& editor = *g_editor;
        const HWND find = FindWindowW(nullptr, L"Find Tile");
        if (!NativeWindow(editor) || (g_step == 1) != (find != nullptr)) {
            if (++g_ticks > 100 && NativeWindow(editor))
                editor.EndDialog(IDCANCEL);
            return;
        }
        if (g_step == 0) {
            editor.SendNotification(Notification::ButtonClicked, IDC_LOAD);
            SetForegroundWindow(NativeWindow(editor));
            SetFocus(NativeControl(editor, IDC_LIST));
            Keys({'F'}, true);
        } else if (g_step == 1) {
            for (HWND child = GetWindow(find, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                g_texts += Text(child) + L"|";
            g_texts += std::to_wstring(LOWORD(SendMessageW(find, DM_GETDEFID, 0, 0)));
            Keys({'W', 'A', 'L', 'L', 'P', VK_RETURN});
        } else if (g_step == 2) {
            g_foundByEnter = editor.m_list.GetCurSel();
            editor.m_list.SetCurSel(0);
            editor.SendNotification(Notification::ListSelChange, IDC_LIST);
            Keys({VK_F3});
        } else {
            editor.EndDialog(IDCANCEL);
        }
        ++g_step;
    });
    dialog->DoModal();
    KillTimer(nullptr, timer);

    EXPECT_EQ(g_texts, L"Find &what:||Find Next|Cancel|1") << "Find Next (IDOK) is the default";
    EXPECT_EQ(g_foundByEnter, kSampleWallpaperTile);
    EXPECT_EQ(dialog->m_current, kSampleWallpaperTile) << "F3 found it again, and the fields followed";
    EXPECT_EQ(dialog->m_name, "wallpaper");
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
