// A number box on every backend: its Up and Down keys step the number
// within the range set, reported as an edit's change; a number typed
// outside the range comes back to its nearer end; a disabled box is out of
// the Tab key's reach.

#include "CDialog.h"
#include "NativeReadBack.h"
#include "ResourceModule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kDialogId = 500, kBox = 10, kAfter = 11;

using enum ControlKind;
using namespace Style;
constexpr DialogItemTemplate kItems[] = {
    {Label, IDC_STATIC, "Hue:", 5, 7, 20, 8, 0},
    {NumberBox, kBox, nullptr, 27, 5, 40, 12, kBorder | kTabStop},
    {PushButton, kAfter, "After", 75, 4, 40, 14, kTabStop},
};
constexpr DialogTemplate kDialogs[] = {
    {kDialogId, "Numbers", "MS Sans Serif", 8, 120, 25, kPopup | kCaption | kSysMenu, kItems},
};
const ResourceModule kResources = {kDialogs, {}, nullptr, "1.0.0.1"};

class NumberDlg : public CDialog {
public:
    NumberDlg() : CDialog(kDialogId) {}
    std::vector<std::u16string> changes;  // the box's text at each change reported

protected:
    void OnChangeBox() { changes.push_back(GetItemText(kBox)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NumberDlg, CDialog)
    ON_EN_CHANGE(kBox, OnChangeBox)
END_MESSAGE_MAP()

class NumberBox : public ::testing::Test {
protected:
    NumberBox()
    {
        dialog.Create();
        dialog.ShowWindow(SW_SHOWNOACTIVATE);
        dialog.SetItemRange(kBox, 0, 3);
    }
    // The box's text after pressing each key in turn (true: Up), from `start`.
    std::vector<std::u16string> Pressed(std::u16string_view start, std::initializer_list<bool> keys)
    {
        dialog.SetItemText(kBox, start);
        std::vector<std::u16string> seen;
        for (const bool up : keys) {
            PressArrowKey(dialog, kBox, up);
            seen.push_back(dialog.GetItemText(kBox));
        }
        return seen;
    }

    bool resourcesHandedOver = (AfxSetResourceHandle(kResources), true);
    NumberDlg dialog;
};

TEST_F(NumberBox, UpAndDownStepWithinTheRangeAndStopAtItsEnds)
{
    EXPECT_EQ(Pressed(u"1", {true, true, true, false}), (std::vector<std::u16string>{u"2", u"3", u"3", u"2"}));
    EXPECT_EQ(Pressed(u"1", {false, false, true}), (std::vector<std::u16string>{u"0", u"0", u"1"}));
}

TEST_F(NumberBox, ANumberOutsideTheRangeOrNoneStepsBackToItsNearerEnd)
{
    EXPECT_EQ(Pressed(u"3001", {true}), std::vector<std::u16string>{u"3"});
    EXPECT_EQ(Pressed(u"3001", {false}), std::vector<std::u16string>{u"3"});
    EXPECT_EQ(Pressed(u"", {true}), std::vector<std::u16string>{u"0"});
    dialog.SetItemRange(kBox, 1, 3000);
    EXPECT_EQ(Pressed(u"2999", {true, true}), (std::vector<std::u16string>{u"3000", u"3000"}));
}

TEST_F(NumberBox, EachStepIsReportedAsAChangeAndAStepThatChangesNothingIsNot)
{
    dialog.SetItemText(kBox, u"2");
    dialog.changes.clear();
    for (const bool up : {true, true, false})
        PressArrowKey(dialog, kBox, up);
    EXPECT_EQ(dialog.changes, (std::vector<std::u16string>{u"3", u"2"}));
}

TEST_F(NumberBox, ADisabledBoxIsPassedBy)
{
    EXPECT_TRUE(dialog.IsItemEnabled(kBox));
    EXPECT_EQ(TabOrder(dialog), (std::vector<int>{kBox, kAfter}));
    dialog.EnableItem(kBox, false);
    EXPECT_FALSE(dialog.IsItemEnabled(kBox));
    EXPECT_EQ(TabOrder(dialog), std::vector<int>{kAfter});
    dialog.EnableItem(kBox, true);
    EXPECT_EQ(TabOrder(dialog), (std::vector<int>{kBox, kAfter}));
}

} // namespace
