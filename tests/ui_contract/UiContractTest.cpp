// The window layer's contract, written once against the framework's own
// classes and run on every backend (Qt on Linux; Win32 under Wine): the
// exchange and its prompts, the notification lock-out, the sorted list and
// its notifications, message-map dispatch, and the two dialog services.
// A difference between the backends fails here.

#include "CDataExchange.h"
#include "CDialog.h"
#include "CFileDialog.h"
#include "CListBox.h"
#include "DialogServiceStandIns.h"
#include "MessageBox.h"
#include "NativeReadBack.h"
#include "ResourceModule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kDialogId = 200;
constexpr int kList = 10, kNumber = 11, kText = 12, kCheck = 13, kButton = 14, kUnmapped = 15;
constexpr unsigned kProgramCommand = 0x0010;

using enum ControlKind;
using namespace Style;
constexpr DialogItemTemplate kItems[] = {
    {DefPushButton, IDOK, "OK", 100, 5, 40, 14, kTabStop},
    {ListBox, kList, "Lines", 5, 5, 80, 100, kListSort | kListNotify | kVScroll | kBorder | kTabStop},
    {Edit, kNumber, nullptr, 100, 25, 40, 12, kBorder | kEditAutoHScroll | kTabStop},
    {Edit, kText, nullptr, 100, 40, 40, 12, kBorder | kEditAutoHScroll | kTabStop},
    {AutoCheckBox, kCheck, "Check", 100, 55, 40, 10, kTabStop},
    {PushButton, kButton, "Button", 100, 70, 40, 14, kTabStop},
    {PushButton, kUnmapped, "Other", 100, 88, 40, 14, kTabStop},
};
constexpr DialogTemplate kDialogs[] = {
    {kDialogId, "Contract", "MS Sans Serif", 8, 150, 110, kPopup | kCaption | kSysMenu | kModalFrame, kItems},
};
const ResourceModule kResources = {kDialogs, {}, nullptr, "1.0.0.1"};

class ContractDlg : public CDialog {
public:
    ContractDlg() : CDialog(kDialogId) {}

    CListBox m_list;
    int m_number = 0;
    std::string m_text;
    int m_check = 0;
    std::vector<std::string> handled;  // what reached the handlers, in order

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kList, m_list);
        DDX_Text(pDX, kNumber, m_number);
        DDX_Text(pDX, kText, m_text);
        DDV_MaxChars(pDX, m_text, 5);
        DDX_Check(pDX, kCheck, m_check);
    }
    void OnSysCommand(unsigned id, long) { handled.push_back("system command " + std::to_string(id)); }
    void OnChangeNumber() { handled.push_back("number changed"); }
    void OnClickedButton() { handled.push_back("button clicked"); }
    void OnSelchangeList() { handled.push_back("list selection"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ContractDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_EN_CHANGE(kNumber, OnChangeNumber)
    ON_BN_CLICKED(kButton, OnClickedButton)
    ON_LBN_SELCHANGE(kList, OnSelchangeList)
END_MESSAGE_MAP()

class UiContract : public ::testing::Test {
protected:
    UiContract() { dialog.Create(); }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < dialog.m_list.GetCount(); ++i)
            lines.push_back(dialog.m_list.GetText(i));
        return lines;
    }

    bool resourcesHandedOver = (AfxSetResourceHandle(kResources), true);  // before the dialog is made
    RecordingMessageBoxes messages;
    ScopedMessageBoxService messageScope{messages};
    ContractDlg dialog;
};

TEST_F(UiContract, AShowRunWritesEveryControlAndSetsOffNoHandler)
{
    dialog.m_number = -5;
    dialog.m_text = "caf\xE9";  // é in the Western code page
    dialog.m_check = 1;
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.GetItemText(kNumber), u"-5");
    EXPECT_EQ(dialog.GetItemText(kText), u"caf\u00E9");
    EXPECT_EQ(dialog.GetItemCheck(kCheck), 1);
    dialog.m_check = 7;  // outside 0 .. 2: shown as clear
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.m_check, 0);
    EXPECT_EQ(dialog.GetItemCheck(kCheck), 0);
    EXPECT_TRUE(dialog.handled.empty()) << "the lock-out holds during the exchange";
}

TEST_F(UiContract, ATakeRunReadsTheRulesAndStopsWithAPromptAtABadNumber)
{
    dialog.SetItemText(kNumber, u" +7 ");
    EXPECT_EQ(dialog.handled, std::vector<std::string>{"number changed"}) << "a change outside the exchange is reported";
    dialog.SetItemText(kText, u"caf\u00E9");
    dialog.SetItemCheck(kCheck, 1);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_number, 7);
    EXPECT_EQ(dialog.m_text, "caf\xE9");
    EXPECT_EQ(dialog.m_check, 1);
    EXPECT_TRUE(messages.shown.empty());

    dialog.SetItemText(kNumber, u"-");
    dialog.SetItemText(kText, u"later");
    EXPECT_FALSE(dialog.UpdateData(true));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Please enter an integer.");
    EXPECT_EQ(messages.shown[0].caption, AfxProgramBaseName());
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialog.m_number, 7) << "the failing box keeps its member";
    EXPECT_EQ(dialog.m_text, "caf\xE9") << "the run stopped at the failing box";
    EXPECT_EQ(AfxProgramBaseName(), "ui_contract_tests");
}

TEST_F(UiContract, TheListKeepsItsOrderAndReportsNoChangeOfTheProgramsOwn)
{
    dialog.UpdateData(false);  // attaches the list
    dialog.m_list.SetRedraw(false);
    dialog.m_list.ResetContent();
    for (const char* line : {"0000 - a", "0001 - b", "000A - c", "000B - d", "0010 - e"})
        dialog.m_list.AddString(line);
    dialog.m_list.SetRedraw(true);
    EXPECT_EQ(dialog.m_list.AddString("0005 - out of order"), 2);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"0000 - a", "0001 - b", "0005 - out of order", "000A - c",
                                                 "000B - d", "0010 - e"}));
    EXPECT_EQ(dialog.m_list.GetCurSel(), LB_ERR);

    // A rename: the selected line removed and its new text added, which
    // sorts back into the same place; no line is selected afterwards.
    EXPECT_EQ(dialog.m_list.SetCurSel(3), 3);
    EXPECT_EQ(dialog.m_list.GetCurSel(), 3);
    dialog.m_list.DeleteString(3);
    EXPECT_EQ(dialog.m_list.AddString("000A - renamed \xE9"), 3);
    EXPECT_EQ(dialog.m_list.GetText(3), "000A - renamed \xE9");
    EXPECT_EQ(dialog.m_list.GetCurSel(), LB_ERR);
    EXPECT_EQ(dialog.m_list.GetCount(), 6);
    EXPECT_TRUE(dialog.handled.empty()) << "the program's own list changes are not reported";
}

TEST_F(UiContract, TheMessageMapRoutesNotificationsAndSystemCommands)
{
    dialog.SendNotification(Notification::ButtonClicked, kButton);
    dialog.SendNotification(Notification::ButtonClicked, kUnmapped);
    dialog.SendSysCommand(kProgramCommand);
    EXPECT_EQ(dialog.handled, (std::vector<std::string>{"button clicked", "system command 16"}));
}

TEST_F(UiContract, APostedSystemCommandArrivesOnlyAfterTheWindowIsShownAndWhatWaitedThen)
{
    dialog.PostSysCommand(kProgramCommand);
    HandleWaitingEvents();
    EXPECT_TRUE(dialog.handled.empty()) << "the window is still hidden";
    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.handled.empty()) << "sent during the showing";
    HandleWaitingEvents();
    EXPECT_EQ(dialog.handled, std::vector<std::string>{"system command 16"});
    dialog.PostSysCommand(kProgramCommand + 0x10);
    EXPECT_EQ(dialog.handled.size(), 1u) << "sent at once, while shown";
    HandleWaitingEvents();
    EXPECT_EQ(dialog.handled, (std::vector<std::string>{"system command 16", "system command 32"}));
    dialog.ShowWindow(SW_HIDE);
}

TEST_F(UiContract, TheSystemMenuTakesTheProgramsEntriesAndNamesItsFirstCommand)
{
    CMenu* menu = dialog.GetSystemMenu(false);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(dialog.FirstProgramSystemCommand(), 0u) << "the system's own entries are not the program's";
    EXPECT_TRUE(menu->AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(menu->AppendMenu(MF_STRING, kProgramCommand, "&Program \xE9"));
    EXPECT_TRUE(menu->AppendMenu(MF_STRING, kProgramCommand + 0x10, "&Later"));
    EXPECT_EQ(dialog.FirstProgramSystemCommand(), kProgramCommand);
}

TEST_F(UiContract, TheFileDialogServiceIsAskedAsTheProgramAsksAndAnswers)
{
    FixedFileDialog files;
    ScopedFileDialogService scope(files);
    files.path = "/games/world/tiledata.mul";
    CFileDialog chosen(true, "mul", "tiledata", OFN_HIDEREADONLY, "UO MUL-Files (*.mul)|*.mul||");
    EXPECT_EQ(chosen.DoModal(), IDOK);
    EXPECT_EQ(chosen.GetPathName(), "/games/world/tiledata.mul");
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].defaultExtension, "mul");
    EXPECT_EQ(files.requests[0].initialName, "tiledata");
    EXPECT_EQ(files.requests[0].filterDescription, "UO MUL-Files (*.mul)");
    EXPECT_EQ(files.requests[0].filterPattern, "*.mul");
    EXPECT_FALSE(files.requests[0].forSaving);
    files.path.reset();
    CFileDialog cancelled(true, "mul", "tiledata", OFN_HIDEREADONLY, "UO MUL-Files (*.mul)|*.mul||");
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);

    files.path = "/pictures/0BB6.png";
    CFileDialog save(false, "png", "0BB6.png", OFN_HIDEREADONLY, "PNG Pictures (*.png)|*.png||");
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/pictures/0BB6.png");
    EXPECT_TRUE(files.requests.back().forSaving) << "a save dialog when the open flag is false";
    EXPECT_EQ(files.requests.back().filterPattern, "*.png");
}

} // namespace
