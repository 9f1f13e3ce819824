// The contract of a second list of items added to a dialog, on every
// backend: made hidden and out of the Tab key's reach, shown and hidden
// again, reached in tab order after the dialog's own; the client area
// sized to a template and back to exactly its first size; and a range
// entry of the message map, which names the control that reported.

#include "CDataExchange.h"
#include "CDialog.h"
#include "NativeReadBack.h"
#include "ResourceModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kOwnId = 400, kAddedId = 401;
constexpr int kEdit = 10, kButton = 11, kFirstAdded = 20, kLastAdded = 22, kPastRange = 23;

using enum ControlKind;
using namespace Style;
constexpr DialogItemTemplate kOwnItems[] = {
    {DefPushButton, IDOK, "OK", 5, 5, 40, 14, kTabStop},
    {Edit, kEdit, nullptr, 5, 25, 60, 12, kBorder | kTabStop},
    {PushButton, kButton, "Button", 70, 25, 40, 14, kTabStop},
    {PushButton, kPastRange, "Past", 70, 5, 40, 14, kTabStop},
};
constexpr DialogItemTemplate kAddedItems[] = {
    {GroupBox, IDC_STATIC, "More", 5, 45, 110, 30, 0},
    {AutoCheckBox, kFirstAdded, "One", 10, 57, 30, 10, kTabStop},
    {AutoCheckBox, kFirstAdded + 1, "Two", 45, 57, 30, 10, kTabStop},
    {AutoCheckBox, kLastAdded, "Three", 80, 57, 30, 10, kTabStop},
};
// The added template is taller by 37 units and wider by 3 (neither a multiple of 4 or 8).
constexpr DialogTemplate kDialogs[] = {
    {kOwnId, "Own", "MS Sans Serif", 8, 120, 43, kPopup | kCaption | kSysMenu | kModalFrame, kOwnItems},
    {kAddedId, nullptr, "MS Sans Serif", 8, 123, 80, 0, kAddedItems},
};
const ResourceModule kResources = {kDialogs, {}, nullptr, "1.0.0.1"};

const std::vector<int> kOwnTabOrder = {IDOK, kEdit, kButton, kPastRange};

class GrowingDlg : public CDialog {
public:
    GrowingDlg() : CDialog(kOwnId) {}
    int m_checks[3] = {};
    std::vector<std::string> handled;

protected:
    bool OnInitDialog() override
    {
        AddItems(kAddedId);  // before the first exchange, which then reaches them
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        for (int i = 0; i < 3; ++i)
            DDX_Check(pDX, kFirstAdded + i, m_checks[i]);
    }
    void OnClickedAdded(int id)
    {
        UpdateData(true);
        handled.push_back("added " + std::to_string(id) + " " + std::to_string(m_checks[id - kFirstAdded]));
    }
    void OnClickedButton() { handled.push_back("button"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GrowingDlg, CDialog)
    ON_BN_CLICKED(kButton, OnClickedButton)
    ON_CONTROL_RANGE(Notification::ButtonClicked, kFirstAdded, kLastAdded, OnClickedAdded)
END_MESSAGE_MAP()

class AddedItems : public ::testing::Test {
protected:
    AddedItems()
    {
        dialog.Create();
        dialog.ShowWindow(SW_SHOWNOACTIVATE);  // the Tab key's walk passes windows that are not shown
    }
    ~AddedItems() override { dialog.ShowWindow(SW_HIDE); }

    std::vector<int> AddedShown() const
    {
        std::vector<int> shown;
        for (int id = kFirstAdded; id <= kLastAdded; ++id)
            if (IsControlShown(dialog, id))
                shown.push_back(id);
        return shown;
    }
    CRect Client() const
    {
        CRect client;
        dialog.GetClientRect(&client);
        return client;
    }
    // The walk from the first own tab stop, wherever the backend starts it.
    static std::vector<int> FromOk(std::vector<int> ids)
    {
        const auto ok = std::find(ids.begin(), ids.end(), IDOK);
        std::rotate(ids.begin(), ok == ids.end() ? ids.begin() : ok, ids.end());
        return ids;
    }

    bool resourcesHandedOver = (AfxSetResourceHandle(kResources), true);  // before the dialog is made
    GrowingDlg dialog;
};

TEST_F(AddedItems, AreMadeHiddenThenShownAfterTheOwnInTabOrderThenHiddenAgain)
{
    EXPECT_EQ(AddedShown(), std::vector<int>{});
    EXPECT_EQ(FromOk(TabOrder(dialog)), kOwnTabOrder) << "hidden boxes are out of the Tab key's reach";

    dialog.ShowItems(kAddedId, true);
    EXPECT_EQ(AddedShown(), (std::vector<int>{20, 21, 22}));
    EXPECT_EQ(FromOk(TabOrder(dialog)), (std::vector<int>{IDOK, kEdit, kButton, kPastRange, 20, 21, 22}));

    dialog.ShowItems(kAddedId, false);
    EXPECT_EQ(AddedShown(), std::vector<int>{});
    EXPECT_EQ(FromOk(TabOrder(dialog)), kOwnTabOrder);

    dialog.AddItems(kAddedId);  // a second time makes nothing more
    dialog.ShowItems(kAddedId, true);
    EXPECT_EQ(FromOk(TabOrder(dialog)).size(), kOwnTabOrder.size() + 3);
}

TEST_F(AddedItems, TheClientAreaTakesATemplatesSizeAndReturnsToExactlyItsOwn)
{
    const CRect made = Client();
    const CRect own = DialogUnitsToPixels(dialog, 120, 43);
    EXPECT_EQ(made.Width(), own.Width());
    EXPECT_EQ(made.Height(), own.Height());

    dialog.SizeClientTo(kAddedId);
    const CRect grown = DialogUnitsToPixels(dialog, 123, 80);
    EXPECT_EQ(Client().Width(), grown.Width());
    EXPECT_EQ(Client().Height(), grown.Height());
    EXPECT_GT(grown.Height(), own.Height());

    dialog.SizeClientTo(kOwnId);
    EXPECT_EQ(Client().Width(), made.Width());
    EXPECT_EQ(Client().Height(), made.Height());
}

TEST_F(AddedItems, ARangeEntryNamesTheControlThatReportedAndOnlyThoseInItsRange)
{
    dialog.ShowItems(kAddedId, true);
    ClickControl(dialog, kLastAdded);
    ClickControl(dialog, kFirstAdded);
    ClickControl(dialog, kLastAdded);
    ClickControl(dialog, kButton);
    dialog.SendNotification(Notification::ButtonClicked, kPastRange);
    dialog.SendNotification(Notification::EditChange, kFirstAdded);
    EXPECT_EQ(dialog.handled, (std::vector<std::string>{"added 22 1", "added 20 1", "added 22 0", "button"}));
}

} // namespace
