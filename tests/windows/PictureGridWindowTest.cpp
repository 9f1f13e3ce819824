// What the picture grid and the drop-down list are on the system's own
// windows beyond the shared contract: the dialog manager leaves the grid its
// arrows and paging keys but takes Tab and Escape; a drop-down list opens
// onto room for a dozen lines however high its template or a move makes it;
// and the wheel, which Wine hands to the focus, turns the grid under the
// pointer within the modal loop.

#include "CDialog.h"
#include "CPictureGridCtrl.h"
#include "NativeWindow.h"
#include "ResourceModule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kDialogId = 700, kModalId = 701, kKind = 10, kTall = 11, kGrid = 12, kAfter = 13;

using enum ControlKind;
using namespace Style;
constexpr DialogItemTemplate kItems[] = {
    {DropDownList, kKind, "Kind", 4, 4, 80, 12, 0},
    {DropDownList, kTall, "Tall", 90, 4, 80, 200, 0},
    {PictureGrid, kGrid, "Tile pictures", 4, 22, 200, 120, kBorder},
    {PushButton, kAfter, "After", 4, 146, 40, 14, kTabStop},
};
constexpr DialogItemTemplate kModalItems[] = {
    {DefPushButton, IDOK, "OK", 5, 5, 40, 14, kTabStop},
};
constexpr DialogTemplate kDialogs[] = {
    {kDialogId, "Pictures", "MS Sans Serif", 8, 210, 164, kPopup | kCaption | kSysMenu | kThickFrame, kItems},
    {kModalId, "Modal", "MS Sans Serif", 8, 60, 30, kPopup | kCaption | kModalFrame, kModalItems},
};
const ResourceModule kResources = {kDialogs, {}, nullptr, "1.0.0.1"};

class Labels final : public PictureGridSource {
public:
    GridPicture CellPicture(int) override { return {}; }
    std::u16string CellLabel(int cell) override { return std::u16string(1, static_cast<char16_t>(u'A' + cell % 26)); }
};

class GridDlg final : public CDialog {
public:
    GridDlg() : CDialog(kDialogId) {}
    Labels labels;
    CPictureGridCtrl grid;
    bool closed = false;

protected:
    bool OnInitDialog() override
    {
        grid.SubclassDlgItem(kGrid, this);
        grid.SetSource(&labels);
        grid.SetCellCount(400);
        return CDialog::OnInitDialog();
    }
    void OnCancel() override { closed = true; }
};

// A modal dialog that ends itself once what was posted before it has been handled.
class ClosingDlg final : public CDialog {
public:
    ClosingDlg() : CDialog(kModalId) {}

protected:
    bool OnInitDialog() override
    {
        PostMessageW(NativeWindow(*this), WM_COMMAND, IDCANCEL, 0);
        return CDialog::OnInitDialog();
    }
};

class Win32PictureGrid : public ::testing::Test {
protected:
    Win32PictureGrid()
    {
        dialog.Create();
        dialog.ShowWindow(SW_SHOW);
    }
    HWND Control(int id) const { return NativeControl(dialog, id); }
    // A key as the message loop hands it on: the dialog manager first.
    void Press(int id, WPARAM key)
    {
        MSG message{Control(id), WM_KEYDOWN, key, 1, 0, {}};
        if (!IsDialogMessageW(NativeWindow(dialog), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The lines the opened list of a drop-down list has room for.
    int OpenedLines(int id) const
    {
        RECT opened{}, closed{};
        SendMessageW(Control(id), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&opened));
        GetWindowRect(Control(id), &closed);
        const int line = static_cast<int>(SendMessageW(Control(id), CB_GETITEMHEIGHT, 0, 0));
        return (opened.bottom - closed.bottom) / line;
    }

    bool resourcesHandedOver = (AfxSetResourceHandle(kResources), true);  // before the dialog is made
    GridDlg dialog;
};

TEST_F(Win32PictureGrid, TheArrowsAndPagingKeysAreTheGridsAndTabAndEscapeTheDialogs)
{
    SetFocus(Control(kGrid));
    const int columns = dialog.grid.GetColumnCount();
    struct Step {
        WPARAM key;
        int cell;
    };
    for (const Step step : {Step{VK_RIGHT, 0}, {VK_RIGHT, 1}, {VK_DOWN, 1 + columns}, {VK_HOME, 0}, {VK_END, 399},
                            {VK_PRIOR, 399 - columns * dialog.grid.GetRowsInView()}}) {
        Press(kGrid, step.key);
        EXPECT_EQ(dialog.grid.GetCurSel(), step.cell) << "key " << step.key;
        EXPECT_EQ(GetFocus(), Control(kGrid)) << "key " << step.key;
    }
    Press(kGrid, VK_TAB);
    EXPECT_EQ(GetFocus(), Control(kAfter)) << "Tab leaves the grid";
    SetFocus(Control(kGrid));
    Press(kGrid, VK_ESCAPE);
    EXPECT_TRUE(dialog.closed) << "Escape reaches the dialog";
}

TEST_F(Win32PictureGrid, ADropDownListOpensOntoADozenLinesOrItsTemplatesHeight)
{
    EXPECT_GE(OpenedLines(kKind), 11);
    EXPECT_LE(OpenedLines(kKind), 13);
    EXPECT_GE(OpenedLines(kTall), 15) << "a template higher than that gives its list the rest";

    CRect closed;
    dialog.GetItemRect(kKind, &closed);
    dialog.MoveItem(kKind, {closed.left + 5, closed.top, closed.right + 40, closed.bottom});
    CRect moved;
    dialog.GetItemRect(kKind, &moved);
    EXPECT_EQ(moved.Height(), closed.Height()) << "the closed box keeps its height";
    EXPECT_EQ(moved.Width(), closed.Width() + 35);
    EXPECT_GE(OpenedLines(kKind), 11) << "and the opened list its room";
}

TEST_F(Win32PictureGrid, WithinAModalLoopTheWheelTurnsTheGridUnderThePointerNotTheFocus)
{
    dialog.MoveWindow(0, 0);  // clear of the modal dialog, centred on the screen
    SendMessageW(Control(kKind), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"All"));
    SendMessageW(Control(kKind), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Walls"));
    SetFocus(Control(kKind));
    RECT grid{};
    GetWindowRect(Control(kGrid), &grid);
    const LPARAM pointer = MAKELPARAM((grid.left + grid.right) / 2, (grid.top + grid.bottom) / 2);
    // Wine hands a turn to the focus, here the list, which would change its pick.
    PostMessageW(Control(kKind), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), pointer);
    ClosingDlg modal;
    modal.DoModal();
    EXPECT_GT(dialog.grid.GetTopRow(), 0) << "the grid under the pointer turned";
    EXPECT_EQ(SendMessageW(Control(kKind), CB_GETCURSEL, 0, 0), CB_ERR) << "the list's pick stays as it was";
}

} // namespace
