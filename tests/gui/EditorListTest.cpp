#include "EditorFixture.h"
#include "CListBox.h"
#include "ListBoxOrder.h"
#include "ListLine.h"

#include <QListView>
#include <QTest>

namespace {

TEST(ListLine, FormatsIndexNameAndPatchedMark)
{
    StaticTileEntry entry;
    SetTileName(entry, "wall");
    entry.patched = true;
    EXPECT_EQ(FormatListLine(161, entry), "00A1 - wall (p)");
    entry.patched = false;
    EXPECT_EQ(FormatListLine(0x3FFF, entry), "3FFF - wall");
    EXPECT_EQ(FormatListLine(0, StaticTileEntry{}), "0000 - ");
    SetTileName(entry, "enchanted armor rack");
    EXPECT_EQ(FormatListLine(10, entry), "000A - enchanted armor rack");
}

TEST(ListBoxOrder, SortsAsTheSortedListBoxDoes)
{
    EXPECT_TRUE(ListBoxLineLess("0009 - zebra", "000A - apple"));
    EXPECT_TRUE(ListBoxLineLess("0FFF - ", "1000 - "));
    EXPECT_TRUE(ListBoxLineLess("abc", "ABD"));
    EXPECT_FALSE(ListBoxLineLess("ABC", "abc"));
    EXPECT_FALSE(ListBoxLineLess("abc", "ABC"));
}

class EditorListTest : public EditorFixture {};

TEST_F(EditorListTest, HoldsOneLinePerEntryInIndexOrder)
{
    editor.Load(tileDataPath);
    ASSERT_TRUE(editor.messages.shown.empty());
    CListBox& list = Dialog().m_list;
    ASSERT_EQ(list.GetCount(), 16384);
    for (int i = 0; i < 16384; ++i)
        ASSERT_EQ(list.GetText(i), FormatListLine(i, Dialog().m_table[i])) << i;
    EXPECT_EQ(LineText(kSampleWallpaperTile), "0005 - wallpaper (p)");
    EXPECT_EQ(LineText(10).left(7), "000A - ");
    EXPECT_EQ(LineText(16383).left(4), "3FFF");
    EXPECT_EQ(list.GetCurSel(), -1) << "no line is selected after a fill";
    auto* view = qobject_cast<QListView*>(editor.Control(IDC_LIST));
    EXPECT_EQ(view->model()->index(kSampleApostropheTile, 0).data().toString(),
              QString::fromUtf8("0028 - smith\u2019s anvil"));
}

TEST_F(EditorListTest, SelectingShowsTheEntryWithBytesUnsigned)
{
    editor.Load(tileDataPath);
    editor.SelectLine(kSampleHeavyTile);
    EXPECT_EQ(Dialog().m_current, kSampleHeavyTile);
    const StaticTileEntry& entry = Dialog().m_table[kSampleHeavyTile];
    EXPECT_EQ(editor.Edit(IDC_WEIGHT)->text(), "200");
    EXPECT_EQ(editor.Edit(IDC_GUMP)->text(), QString::number(entry.gump));
    EXPECT_EQ(editor.Edit(IDC_UNKNOWN1)->text(), QString::number(entry.unknown1));
    EXPECT_EQ(editor.Edit(IDC_UNKNOWN5)->text(), QString::number(entry.unknown5));
    EXPECT_EQ(editor.Edit(IDC_NAME)->text().toStdString(), std::string(TileName(entry)));
    for (int bit = 0; bit < 32; ++bit)
        EXPECT_EQ(editor.Check(IDC_FLAG0 + bit)->isChecked(), (entry.flags >> bit & 1) != 0) << bit;
}

TEST_F(EditorListTest, ShowingAnotherEntryNeverWritesIntoAny)
{
    editor.Load(tileDataPath);
    const auto before = std::make_unique<StaticTileTable>(Dialog().m_table);
    for (const int line : {kSampleWallpaperTile, kSampleHeavyTile, 0, 16383, kSampleApostropheTile, 3200})
        editor.SelectLine(line);
    EXPECT_EQ(Dialog().m_current, 3200);
    EXPECT_TRUE(Dialog().m_table == *before);
    EXPECT_TRUE(editor.messages.shown.empty());
}

TEST_F(EditorListTest, ASelectionChangeWithNoLineSelectedReadsNoEntry)
{
    editor.Load(tileDataPath);
    editor.SelectLine(7);
    const QString shownName = editor.Edit(IDC_NAME)->text();
    Dialog().m_list.SetCurSel(-1);
    Dialog().SendNotification(Notification::ListSelChange, IDC_LIST);
    EXPECT_EQ(Dialog().m_current, -1);
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), shownName);
    const auto before = std::make_unique<StaticTileTable>(Dialog().m_table);
    editor.TypeInto(IDC_WEIGHT, "1");
    editor.ClickCheck(3);
    editor.TypeInto(IDC_NAME, "x");
    EXPECT_TRUE(Dialog().m_table == *before) << "with no entry being edited, edits go nowhere";
}

TEST_F(EditorListTest, TypingALinesFirstCharactersJumpsToIt)
{
    editor.Load(tileDataPath);
    auto* view = qobject_cast<QListView*>(editor.Control(IDC_LIST));
    view->setFocus();
    QTest::keyClicks(view, "00a1");
    EXPECT_EQ(Dialog().m_list.GetCurSel(), 0xA1);
    EXPECT_EQ(Dialog().m_current, 0xA1) << "a jump is a selection change";
}

TEST_F(EditorListTest, ANewerFilesLastLineIsReachedByTypingAndByEnd)
{
    const SampleGameFiles newer = MakeSampleGameFiles(kNewerLayout);
    WriteFileBytes(tileDataPath, newer.tileData);
    WriteFileBytes(verDataPath, newer.verData);
    editor.Load(tileDataPath);
    auto* view = qobject_cast<QListView*>(editor.Control(IDC_LIST));
    view->setFocus();
    QTest::keyClicks(view, "ffff");
    EXPECT_EQ(Dialog().m_current, 0xFFFF);
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(Dialog().m_current, 0);
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(Dialog().m_current, 0xFFFF);
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->currentIndex()))) << "scrolled to it";
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), QString::fromLatin1(std::string(TileName(Dialog().m_table[0xFFFF]))));
}

} // namespace
