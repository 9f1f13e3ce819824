#include "CDataExchange.h"
#include "GuiTestSupport.h"
#include "ListBoxControl.h"
#include "SampleGameFolder.h"
#include "StaticTileEntry.h"
#include "Utf8.h"
#include "resource.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct IntegerCase {
    const char* text;
    bool accepted;
    int value;
};

TEST(IntegerTake, FollowsTheExchangeRules)
{
    const IntegerCase cases[] = {
        {"12", true, 12},
        {" +7 ", true, 7},
        {"\t-15\t", true, -15},
        {"0", true, 0},
        {"00", true, 0},
        {" 0 ", true, 0},
        {"-0", false, 0},
        {"+0", false, 0},
        {"+", false, 0},
        {"-", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"2147483647", true, 2147483647},
        {"2147483648", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"-99999999999", true, -2147483647 - 1},
        {"1x", false, 0},
        {"x1", false, 0},
        {"1 2", false, 0},
        {"+-5", false, 0},
        {"- 5", false, 0},
        {"0x10", false, 0},
        {"1234567890123456789012345678901234567890", true, 2147483647},
        // Only 31 characters are looked at: what follows them does not count.
        {"7                              x", true, 7},
        {"                               7", false, 0},
    };
    for (const IntegerCase& c : cases) {
        int value = -12345;
        EXPECT_EQ(ParseDialogInteger(QString::fromLatin1(c.text).toStdU16String(), value), c.accepted) << '"' << c.text << '"';
        EXPECT_EQ(value, c.accepted ? c.value : -12345) << '"' << c.text << '"';
    }
}

class ExchangeTest : public ::testing::Test {
protected:
    EditorHarness editor;
    CEditorDlg& dialog = editor.Dialog();
};

TEST_F(ExchangeTest, AFailedTakePromptsFocusesSelectsAndStopsThere)
{
    dialog.m_tileClass = 1;
    dialog.m_gump = 2;
    dialog.m_height = 3;
    dialog.UpdateData(false);
    editor.Edit(IDC_CLASS)->setText("9");
    editor.Edit(IDC_GUMP)->setText("-");
    editor.Edit(IDC_HEIGHT)->setText("33");
    EXPECT_FALSE(dialog.UpdateData(true));
    ASSERT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_EQ(editor.messages.shown[0].text, "Please enter an integer.");
    EXPECT_EQ(editor.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(editor.messages.shown[0].caption, QString::fromStdString(AfxProgramBaseName()));
    EXPECT_EQ(dialog.m_tileClass, 9) << "taken before the failing box";
    EXPECT_EQ(dialog.m_gump, 2) << "the failing box keeps its member";
    EXPECT_EQ(dialog.m_height, 3) << "the run stopped";
    EXPECT_EQ(QApplication::focusWidget(), editor.Edit(IDC_GUMP));
    EXPECT_EQ(editor.Edit(IDC_GUMP)->selectedText(), "-");
}

TEST_F(ExchangeTest, ShowWritesSignedDecimalsAndLimitsTheName)
{
    dialog.m_gump = -56;
    dialog.m_name = "stone wall";
    dialog.UpdateData(false);
    EXPECT_EQ(editor.Edit(IDC_GUMP)->text(), "-56");
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), "stone wall");
    EXPECT_EQ(editor.Edit(IDC_NAME)->maxLength(), 20);

    editor.Edit(IDC_NAME)->setText("");
    editor.TypeInto(IDC_NAME, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), "abcdefghijklmnopqrst") << "typing stops at 20";
}

TEST_F(ExchangeTest, ANameOverTwentyCharactersPromptsOnTake)
{
    dialog.UpdateData(false);
    editor.Edit(IDC_NAME)->setMaxLength(100);  // only a program could put it there
    editor.Edit(IDC_NAME)->setText("abcdefghijklmnopqrstu");
    EXPECT_FALSE(dialog.UpdateData(true));
    ASSERT_EQ(editor.messages.Texts(), std::vector<QString>{"Please enter no more than 20 characters."});
    EXPECT_EQ(QApplication::focusWidget(), editor.Edit(IDC_NAME));
}

TEST_F(ExchangeTest, CheckBoxesShowOneAsCheckedAndOutOfRangeAsClear)
{
    dialog.m_flags[0] = 1;
    dialog.m_flags[1] = 0;
    dialog.m_flags[2] = 7;
    dialog.m_flags[3] = -1;
    dialog.UpdateData(false);
    EXPECT_TRUE(editor.Check(IDC_FLAG0)->isChecked());
    EXPECT_FALSE(editor.Check(IDC_FLAG0 + 1)->isChecked());
    EXPECT_FALSE(editor.Check(IDC_FLAG0 + 2)->isChecked());
    EXPECT_EQ(dialog.m_flags[2], 0) << "a member outside 0..2 is first set to 0";
    EXPECT_EQ(dialog.m_flags[3], 0);
    editor.Check(IDC_FLAG0 + 1)->setChecked(true);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_flags[1], 1);
}

TEST_F(ExchangeTest, TheNameBoxTakesOnlyCodePageCharactersAndKeepsEveryByte)
{
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    for (std::size_t at = 0; at < everyByte.size(); at += 20) {
        dialog.m_name = everyByte.substr(at, 20);
        dialog.UpdateData(false);
        dialog.m_name.clear();
        ASSERT_TRUE(dialog.UpdateData(true));
        EXPECT_EQ(dialog.m_name, everyByte.substr(at, 20)) << "bytes from " << at + 1;
    }

    dialog.m_name = "smith";
    dialog.UpdateData(false);
    editor.TypeInto(IDC_NAME, QString::fromUtf8("\u2019s \u4E2D"));  // the CJK one has no byte
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), QString::fromUtf8("smith\u2019s "));
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_name, "smith\x92s ");
}

// A dialog whose exchange fails with something other than a prompt.
class ThrowingExchangeDialog final : public CDialog {
public:
    ThrowingExchangeDialog() : CDialog(IDD_ABOUTBOX) {}
    bool throwing = false;

protected:
    void DoDataExchange(CDataExchange*) override
    {
        if (throwing)
            throw std::runtime_error("out of memory");
    }
};

TEST(Utf16FromUtf8, ShowsEachByteThatIsNoUtf8AsOneReplacementAndKeepsWhatFollows)
{
    // A lone lead byte, a cut-short sequence, a stray continuation byte, then good text.
    EXPECT_EQ(Utf16FromUtf8("a\xC3" "b"), u"a\uFFFD" "b");
    EXPECT_EQ(Utf16FromUtf8("\xE2\x82x\xA9\xC3\xA9"), u"\uFFFD\uFFFDx\uFFFD\u00E9");
    EXPECT_EQ(Utf16FromUtf8("\xF0\x9F\x98\x80!"), u"\U0001F600!");
}

TEST(Utf8FromUtf16, JoinsSurrogatePairsAndShowsALoneHalfAsOneReplacement)
{
    EXPECT_EQ(Utf8FromUtf16(u"\u00E9\U0001F600"), "\xC3\xA9\xF0\x9F\x98\x80");
    const char16_t halves[] = {0xDE00, u'x', 0xD83D, 0};  // a low half first, a high one at the end
    EXPECT_EQ(Utf8FromUtf16(halves), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(LockOut, EndsHoweverAnExchangeIsLeft)
{
    ThrowingExchangeDialog dialog;
    dialog.Create();
    dialog.throwing = true;
    EXPECT_THROW(dialog.UpdateData(true), std::runtime_error);
    EXPECT_FALSE(dialog.IsExchanging()) << "every later notification would be ignored";
}

TEST(LockOut, AListChangeOfTheProgramsThatThrowsStillLetsTheUsersSelectionsThrough)
{
    ListBoxControl list(nullptr);
    int reported = 0;
    QObject::connect(&list, &ListBoxControl::selChange, [&] { ++reported; });
    list.Model().Insert("0000 - a");
    list.Model().Insert("0001 - b");
    EXPECT_THROW(list.Programmatic([] { throw std::runtime_error("out of memory"); }), std::runtime_error);
    list.selectionModel()->select(list.Model().index(1), QItemSelectionModel::ClearAndSelect);  // as a click does
    EXPECT_EQ(reported, 1);
}

} // namespace
