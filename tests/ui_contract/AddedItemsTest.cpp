// A second template's items added to a dialog, on every backend: made
// hidden and out of the Tab key's reach, shown after the dialog's own in
// tab order, hidden again; the client area sized to a template and back to
// exactly its own; and a message-map range entry told which control reported.

#include "CDialog.h"
#include "NativeReadBack.h"
#include "ResourceModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kOwnId = 400, kAddedId = 401, kEdit = 10, kFirst = 20, kLast = 22, kPast = 23;

using enum ControlKind;
using namespace Style;
constexpr DialogItemTemplate kOwnItems[] = {
    {DefPushButton, IDOK, "OK", 5, 5, 40, 14, kTabStop},
    {Edit, kEdit, nullptr, 5, 25, 60, 12, kBorder | kTabStop},
    {PushButton, kPast, "Past", 70, 5, 40, 14, kTabStop},
};
constexpr DialogItemTemplate kAddedItems[] = {
    {GroupBox, IDC_STATIC, "More", 5, 45, 110, 30, 0},
    {AutoCheckBox, kFirst, "One", 10, 57, 30, 10, kTabStop},
    {AutoCheckBox, kFirst + 1, "Two", 45, 57, 30, 10, kTabStop},
    {AutoCheckBox, kLast, "Three", 80, 57, 30, 10, kTabStop},
};
// Sizes that are no multiples of 4 or 8 units, so a rounding shows.
constexpr DialogTemplate kDialogs[] = {
    {kOwnId, "Own", "MS Sans Serif", 8, 117, 43, kPopup | kCaption | kSysMenu | kModalFrame, kOwnItems},
    {kAddedId, nullptr, "MS Sans Serif", 8, 123, 81, 0, kAddedItems},
};
const ResourceModule kResources = {kDialogs, {}, nullptr, "1.0.0.1"};

class GrowingDlg : public CDialog {
public:
    GrowingDlg() : CDialog(kOwnId) {}
    std::vector<int> clicked;

protected:
    void OnClickedAdded(int id) { clicked.push_back(id); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GrowingDlg, CDialog)
    ON_CONTROL_RANGE(Notification::ButtonClicked, kFirst, kLast, OnClickedAdded)
END_MESSAGE_MAP()

class AddedItems : public ::testing::Test {
protected:
    AddedItems()
    {
        dialog.Create();
        dialog.AddItems(kAddedId);
        dialog.ShowWindow(SW_SHOWNOACTIVATE);  // the Tab key's walk passes windows not shown
    }
    ~AddedItems() override { dialog.ShowWindow(SW_HIDE); }

    // Which added boxes show, then the Tab key's walk from OK.
    std::vector<int> Shown() const
    {
        std::vector<int> ids;
        for (int id = kFirst; id <= kLast; ++id)
            if (IsControlShown(dialog, id))
                ids.push_back(id);
        std::vector<int> tabs = TabOrder(dialog);
        std::rotate(tabs.begin(), std::find(tabs.begin(), tabs.end(), IDOK), tabs.end());
        ids.push_back(-1);
        ids.insert(ids.end(), tabs.begin(), tabs.end());
        return ids;
    }
    void ExpectClient(const CRect& size) const
    {
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.Width(), size.Width());
        EXPECT_EQ(client.Height(), size.Height());
    }

    bool resourcesHandedOver = (AfxSetResourceHandle(kResources), true);  // before the dialog is made
    GrowingDlg dialog;
};

TEST_F(AddedItems, AreMadeHiddenShownLastInTabOrderAndHiddenAgainOnce)
{
    const std::vector<int> hidden = {-1, IDOK, kEdit, kPast};
    EXPECT_EQ(Shown(), hidden);
    dialog.ShowItems(kAddedId, true);
    EXPECT_EQ(Shown(), (std::vector<int>{20, 21, 22, -1, IDOK, kEdit, kPast, 20, 21, 22}));
    dialog.ShowItems(kAddedId, false);
    EXPECT_EQ(Shown(), hidden);
    dialog.AddItems(kAddedId);  // a second time makes nothing more
    dialog.ShowItems(kAddedId, true);
    EXPECT_EQ(Shown().size(), 10u);
}

TEST_F(AddedItems, TheClientAreaTakesATemplatesSizeAndGoesBackToExactlyItsOwn)
{
    ExpectClient(DialogUnitsToPixels(dialog, 117, 43));
    dialog.SizeClientTo(kAddedId);
    ExpectClient(DialogUnitsToPixels(dialog, 123, 81));
    dialog.SizeClientTo(kOwnId);
    ExpectClient(DialogUnitsToPixels(dialog, 117, 43));
}

TEST_F(AddedItems, ARangeEntryIsToldWhichControlInItsRangeReported)
{
    for (const int id : {kLast, kFirst, kPast, kEdit})
        dialog.SendNotification(Notification::ButtonClicked, id);
    dialog.SendNotification(Notification::EditChange, kFirst);
    EXPECT_EQ(dialog.clicked, (std::vector<int>{kLast, kFirst}));
}

} // namespace
