// Find Tile: the search, its letter case beside Qt's reading of the code
// page; and on Qt the dialog, its selection, its miss message and F3.

#include "EditorFixture.h"
#include "TestArtFiles.h"
#include "TileNameSearch.h"
#include "WindowsCodePage.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

using namespace std::literals;

StaticTileEntry Tile(std::string_view field)  // a name field starting with these bytes
{
    StaticTileEntry entry;
    std::copy(field.begin(), field.end(), entry.name.begin());
    return entry;
}

TEST(TileNameSearch, FindsTheNextNameHoldingTheTextAndNothingElse)
{
    std::vector<StaticTileEntry> walls = {Tile("stone wall"), Tile("anvil"), Tile("wall"), Tile("gate")};
    walls[2].patched = true;
    const std::vector<StaticTileEntry> older = {Tile("an\0older"sv)}, rack = {Tile("enchanted armor rack")};
    const struct { std::vector<StaticTileEntry> tiles; int current; std::u16string text; int expected; } cases[] = {
        {walls, 0, u"WALL", 2}, {walls, 2, u"wall", 0}, {walls, 1, u"anvil", 1}, {walls, 9, u"gate", 3},
        {walls, 0, u"", -1}, {{}, -1, u"a", -1}, {walls, 0, u"wall\u4E00", -1}, {walls, -1, u"(p)", -1},
        {rack, -1, u"ARMOR RACK", 0}, {older, -1, u"older", -1}, {older, -1, u"an\0older"s, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindTileName(c.tiles, c.current, c.text), c.expected) << &c - cases;
}

TEST(TileNameSearch, FoldsEveryByteAsQtsCaseMappingDoes)
{
    auto text = [](std::string_view bytes) { return QString::fromStdU16String(Utf16FromCodePage1252(bytes)).toLower(); };
    for (char name = 1; name != 0; ++name)
        for (char typed = 1; typed != 0; ++typed)
            ASSERT_EQ(FindTileName(std::vector{Tile({&name, 1})}, -1, Utf16FromCodePage1252({&typed, 1})),
                      text({&name, 1}) == text({&typed, 1}) ? 0 : -1) << +name << " " << +typed;
}

class FindTile : public EditorFixture {
protected:
    // Opens the dialog by `open`, types `text` over what it shows, and
    // presses Enter, then Escape if still open. Answers what it showed ("?"
    // when not selected) and whether Enter closed it.
    std::pair<QString, bool> Find(const QString& text, const std::function<void()>& open)
    {
        std::pair<QString, bool> shown{"(no dialog)", false};
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* edit = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
            if (!edit || dialog->windowTitle() != "Find Tile")
                return;
            shown.first = edit->selectedText() == edit->text() ? edit->text() : "?";
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            TypeText(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
            shown.second = !dialog->isVisible();
            if (dialog->isVisible())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        open();
        return shown;
    }
    bool CtrlF(const QString& text)
    {
        return Find(text, [&] { QTest::keyClick(editor.Control(IDC_LIST), Qt::Key_F, Qt::ControlModifier); }).second;
    }
    void F3(int control) { QTest::keyClick(editor.Control(control), Qt::Key_F3); }
    int Selected() { return Dialog().m_list.GetCurSel(); }
};

TEST_F(FindTile, SelectsTheNextNameHoldingTheTextAsAClickWouldOrSaysThereIsNone)
{
    const auto& items = Dialog().GetSystemMenu(false)->Items();
    EXPECT_EQ(items[items.size() - 2].id, IDM_FINDTILE);  // before Tile Pictures
    EXPECT_EQ(items[items.size() - 2].text, "&Find Tile...");
    EXPECT_FALSE(CtrlF("a")) << "nothing loaded, nothing found: the dialog stays open";
    TestArtFiles().Write(gameFolder.string());  // the patch file's art entries picture the sample's tiles
    editor.Load(tileDataPath);
    Dialog().SendSysCommand(IDM_TILEART);
    editor.SelectLine(kSampleHeavyTile);
    for (const char* miss : {"no such tile", "", "wall\u4E00"})
        EXPECT_FALSE(CtrlF(miss)) << miss;
    EXPECT_EQ(Dialog().m_current, kSampleHeavyTile);
    ASSERT_EQ(editor.messages.shown.size(), 4u);
    for (int n = 0; const QString text : {"a", "no such tile", "", "wall\u4E00"}) {
        const QtRecordedMessages::Shown& shown = editor.messages.shown[n++];
        EXPECT_EQ(shown.text, "No tile name contains \"" + text + "\".");
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.caption.toStdString(), AfxProgramBaseName());
    }
    editor.messages.shown.clear();

    const std::pair<QString, bool> lastTextClosed("wall\u4E00", true);
    EXPECT_EQ(Find("WallPaper", [&] { Dialog().SendSysCommand(IDM_FINDTILE); }), lastTextClosed);
    EXPECT_EQ(Selected(), kSampleWallpaperTile) << "wrapped past the end";
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), "wallpaper");
    EXPECT_TRUE(QString::fromStdU16String(Dialog().m_tileArt.GetItemText(IDC_TILE_TEXT)).startsWith("0005  wallpaper  "));
    EXPECT_TRUE(editor.messages.shown.empty());
}

TEST_F(FindTile, F3AsksForATextFirstThenRepeatsItThroughEveryLineHoldingItAndWraps)
{
    editor.Load(tileDataPath);
    EXPECT_EQ(Find("anvil", [&] { F3(IDC_LIST); }).first, "") << "F3 before any search asks for one";
    std::vector<int> anvils = {Selected()};
    for (F3(IDC_NAME); Selected() != anvils[0] && anvils.size() < 5000; F3(IDC_LIST))
        anvils.push_back(Selected());
    EXPECT_TRUE(std::is_sorted(anvils.begin(), anvils.end())) << "in line order, then back to the first";
    const auto holds = [](const StaticTileEntry& e) { return QString::fromLatin1(TileName(e)).contains("anvil"); };
    EXPECT_EQ(anvils.size(), std::count_if(Dialog().m_table.begin(), Dialog().m_table.end(), holds)) << "each one";
    EXPECT_EQ(editor.Edit(IDC_NAME)->text().toStdU16String(), Utf16FromCodePage1252(TileName(Dialog().m_table[anvils[0]])));
}

} // namespace
