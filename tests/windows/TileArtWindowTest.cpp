// The Tile Art window on the system's own windows: owned by the editor,
// following the tile being edited with its three messages, its buttons,
// and opened by Ctrl+T inside the editor's modal loop.

#include "CEditorDlg.h"
#include "DialogServiceStandIns.h"
#include "NativeWindow.h"
#include "Resources.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TestArtFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kPictured = 2, kNoArt = 3, kDamaged = 4;

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

class Win32TileArt : public ::testing::Test, protected DialogStandIns {
protected:
    Win32TileArt()
    {
        WriteSampleGameFolder(folder.Path(), kClassicLayout);
        TestArtFiles art;
        art.AddStatic(kPictured, {3, 2, {0x7C00, 0, 0, 0, 0, 0x7FFF}});
        art.AddCutShort(kDamaged);
        art.Write(folder.Path().string());
        dialog.Create();
    }

    void Load(const std::string& path)
    {
        files.path = path;
        dialog.SendNotification(Notification::ButtonClicked, IDC_LOAD);
    }
    void Select(int position)
    {
        dialog.m_list.SetCurSel(position);
        dialog.SendNotification(Notification::ListSelChange, IDC_LIST);
    }
    HWND ArtWindow() const { return NativeWindow(dialog.m_tileArt); }
    std::wstring Line() const { return WindowText(NativeControl(dialog.m_tileArt, IDC_TILE_TEXT)); }

    bool resourcesHandedOver = (AfxSetResourceHandle(QuarnelResources()), true);  // before the dialog is made
    TempFolder folder;
    CEditorDlg dialog;
};

TEST_F(Win32TileArt, ItIsAWindowOwnedByTheEditorThatFollowsTheTileBeingEdited)
{
    Load(folder.File(kSampleTileDataName));
    dialog.SendSysCommand(IDM_TILEART);
    ASSERT_NE(ArtWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(ArtWindow()));
    EXPECT_EQ(GetWindow(ArtWindow(), GW_OWNER), NativeWindow(dialog));
    EXPECT_EQ(WindowText(ArtWindow()), L"Tile Art");
    EXPECT_EQ(WindowText(NativeControl(dialog.m_tileArt, IDC_TILE_IMAGE)), L"Tile art") << "its accessible name";
    EXPECT_EQ(Line(), L"No tile selected");

    Select(kPictured);
    const std::string name(TileName(dialog.m_table[kPictured]));
    const std::wstring named = name.empty() ? L"" : std::wstring(name.begin(), name.end()) + L"  ";
    EXPECT_EQ(Line(), L"0002  " + named + L"3 x 2");
    EXPECT_EQ(dialog.m_tileArt.m_image.GetScale(), 4);
    Select(kNoArt);
    EXPECT_EQ(Line(), L"0003 has no art");
    EXPECT_EQ(dialog.m_tileArt.m_image.GetScale(), 0);
    Select(kDamaged);
    EXPECT_EQ(Line().rfind(L"0004: the art is damaged (", 0), 0u) << std::string(Line().begin(), Line().end());

    SendMessageW(ArtWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    // The system posts the close box's cancel command: take what was posted.
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
        DispatchMessageW(&message);
    EXPECT_FALSE(IsWindowVisible(ArtWindow())) << "the close box hides it";
    EXPECT_TRUE(IsWindow(NativeWindow(dialog)));
}

TEST_F(Win32TileArt, ItsButtonsAreEnabledForWhatTheyCanDoAndARemovalShowsAtOnce)
{
    Load(folder.File(kSampleTileDataName));
    dialog.SendSysCommand(IDM_TILEART);
    const auto enabled = [&] {
        std::wstring which;
        for (const int id : {IDC_SAVE_PICTURE, IDC_REPLACE_PICTURE, IDC_REMOVE_PICTURE})
            which += IsWindowEnabled(NativeControl(dialog.m_tileArt, id)) ? L'1' : L'0';
        return which;
    };
    EXPECT_EQ(enabled(), L"000") << "no tile selected";
    Select(kPictured);
    EXPECT_EQ(enabled(), L"111");
    EXPECT_EQ(WindowText(NativeControl(dialog.m_tileArt, IDC_SAVE_PICTURE)), L"Save Picture &As...");
    SendMessageW(NativeControl(dialog.m_tileArt, IDC_REMOVE_PICTURE), BM_CLICK, 0, 0);
    EXPECT_EQ(Line(), L"0002 has no art (saved with Save)");
    EXPECT_EQ(enabled(), L"010");
    Select(kNoArt);
    EXPECT_EQ(enabled(), L"010");
}

TEST_F(Win32TileArt, AFolderWithoutArtIsNamedWithWhatWasLookedFor)
{
    TempFolder bare;
    CopyFileW(std::filesystem::path(folder.File(kSampleTileDataName)).wstring().c_str(),
              (bare.Path() / "TILEDATA.MUL").wstring().c_str(), TRUE);
    dialog.SendSysCommand(IDM_TILEART);
    EXPECT_EQ(Line(), L"No tile-data file loaded");
    Load((bare.Path() / "TILEDATA.MUL").string());
    EXPECT_EQ(Line(), L"No art beside TILEDATA.MUL (looked for artLegacyMUL.uop, art.mul and artidx.mul)");
}

// Ctrl+T typed while the editor runs modally, as the program runs it: the
// key reaches the editor through its modal loop.
TEST(Win32TileArtKey, CtrlTInTheModalEditorOpensTheWindowAndEndingTheEditorClosesIt)
{
    AfxSetResourceHandle(QuarnelResources());
    static CEditorDlg* editor = nullptr;
    static bool openedByKey = false;
    static int ticks = 0;
    const auto dialog = std::make_unique<CEditorDlg>();  // on the heap: it carries the whole tile table
    editor = dialog.get();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        const HWND window = NativeWindow(*editor);
        if (!window)
            return;
        if (++ticks == 1) {
            SetForegroundWindow(window);
            SetFocus(NativeControl(*editor, IDC_LIST));
            INPUT keys[4] = {};
            const WORD sequence[4][2] = {{VK_CONTROL, 0}, {'T', 0}, {'T', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
            for (int i = 0; i < 4; ++i) {
                keys[i].type = INPUT_KEYBOARD;
                keys[i].ki.wVk = sequence[i][0];
                keys[i].ki.dwFlags = sequence[i][1];
            }
            SendInput(4, keys, sizeof(INPUT));
            return;
        }
        const HWND art = NativeWindow(editor->m_tileArt);
        openedByKey = art && IsWindowVisible(art);
        if (openedByKey || ticks > 40)
            editor->EndDialog(IDCANCEL);
    });
    dialog->DoModal();
    KillTimer(nullptr, timer);
    EXPECT_TRUE(openedByKey);
    EXPECT_EQ(NativeWindow(dialog->m_tileArt), nullptr) << "closed with the editor";
}

TEST_F(Win32TileArt, TheHueBoxStepsOnTheUpKeyNamesTheHueAndIsDisabledWithoutAHueTable)
{
    Load(folder.File(kSampleTileDataName));
    Select(kPictured);
    dialog.SendSysCommand(IDM_TILEART);
    const HWND box = NativeControl(dialog.m_tileArt, IDC_HUE_NUMBER);
    const HWND name = NativeControl(dialog.m_tileArt, IDC_HUE_NAME);
    ASSERT_TRUE(IsWindowEnabled(box));
    EXPECT_EQ(WindowText(box), L"0");
    // The key as the message loop hands it to the box: the arrows beside it take it.
    SendMessageW(box, WM_KEYDOWN, VK_UP, 1);
    SendMessageW(box, WM_KEYUP, VK_UP, 1 | 0xC0000000);
    EXPECT_EQ(WindowText(box), L"1");
    EXPECT_EQ(WindowText(name), L"Coal");
    SetWindowTextW(box, L"33");
    EXPECT_EQ(WindowText(name), L"no hue 33 (0-32)");
    EXPECT_EQ(dialog.m_tileArt.m_image.GetScale(), 4) << "the picture stays";

    std::filesystem::remove(folder.File("hues.mul"));
    Load(folder.File(kSampleTileDataName));
    EXPECT_FALSE(IsWindowEnabled(box));
    EXPECT_EQ(WindowText(name), L"No hues.mul beside tiledata.mul");
}

} // namespace
