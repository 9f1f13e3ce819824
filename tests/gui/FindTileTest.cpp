// Find Tile: the search, against a second reading of the names through Qt's
// case mapping; and on Qt the dialog, its selection, its miss message and F3.

#include "EditorFixture.h"
#include "TestArtFiles.h"
#include "TileNameSearch.h"
#include "WindowsCodePage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <random>

namespace {

using namespace std::literals;

// A tile whose name field starts with `field`'s bytes.
StaticTileEntry Tile(std::string_view field, bool patched = false)
{
    StaticTileEntry entry;
    std::copy(field.begin(), field.end(), entry.name.begin());
    entry.patched = patched;
    return entry;
}

TEST(TileNameSearch, FindsTheNextNameHoldingTheTextInAnyLetterCaseAndNothingElse)
{
    const std::vector<StaticTileEntry> walls = {Tile("stone wall"), Tile("anvil"), Tile("wall", true), Tile("gate")};
    const struct {
        std::vector<StaticTileEntry> tiles;
        int current;
        std::u16string text;
        int expected;
    } cases[] = {
        {walls, 0, u"WALL", 2}, {walls, 2, u"wall", 0}, {walls, 1, u"anvil", 1}, {walls, -1, u"wall", 0},
        {walls, 9, u"gate", 3},  // a line the list no longer holds: from the top
        {walls, 0, u"", -1}, {{}, -1, u"a", -1}, {walls, 0, u"wall\u4E00", -1}, {walls, -1, u"(p)", -1},
        {walls, -1, u"stone wall stone wall", -1},
        // Texts of both cases, names in small letters, then in capitals.
        {{Tile("\xE0\xE9\xFE"), Tile("\xC0\xC9\xDE")}, -1, u"\u00C0\u00E9\u00DE", 0},
        {{Tile("\xE0\xE9\xFE"), Tile("\xC0\xC9\xDE")}, 0, u"\u00C0\u00E9\u00DE", 1},
        {{Tile("\x9A\x9C\x9E\xFF"), Tile("\x8A\x8C\x8E\x9F")}, -1, u"\u0160\u0153\u017D\u00FF", 0},
        {{Tile("\x9A\x9C\x9E\xFF"), Tile("\x8A\x8C\x8E\x9F")}, 0, u"\u0160\u0153\u017D\u00FF", 1},
        {{Tile("\xF7")}, -1, u"\u00D7", -1},  // the multiplication sign is no capital
        {{Tile("enchanted armor rack")}, -1, u"ARMOR RACK", 0},  // no terminator
        {{Tile("an\0older name"sv)}, -1, u"older", -1},
        {{Tile("an\0older name"sv)}, -1, u"an\0older"s, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindTileName(c.tiles, c.current, c.text), c.expected) << &c - cases;
}

TEST(TileNameSearch, AgreesWithASecondReadingOfRandomNames)
{
    std::mt19937 random(20261207);
    const std::string letters = "aAbB \xC0\xE0\xC9\xE9\x8A\x9A\x9F\xFF\xD7\xF7\xDF\xB5";  // both cases, often found
    auto letter = [&] { return letters[random() % letters.size()]; };
    for (int round = 0; round < 300; ++round) {
        std::vector<StaticTileEntry> tiles(1 + random() % 40);
        for (StaticTileEntry& entry : tiles)
            for (char& byte : entry.name)
                byte = random() % 6 ? letter() : '\0';
        const QString text = QString::fromStdU16String(Utf16FromCodePage1252(std::string{letter(), letter()}));
        const int count = static_cast<int>(tiles.size()), current = static_cast<int>(random() % (count + 1)) - 1;
        int expected = -1;
        for (int k = 1; k <= count && expected < 0; ++k) {
            const int line = (current + k) % count;
            const auto name = QString::fromStdU16String(Utf16FromCodePage1252(TileName(tiles[line])));
            expected = name.toLower().contains(text.toLower()) ? line : -1;
        }
        ASSERT_EQ(FindTileName(tiles, current, text.toStdU16String()), expected) << round;
    }
}

class FindTile : public EditorFixture {
protected:
    // Opens the dialog by `open`, types `text` (each character one key) over
    // what it shows and presses Enter, then Escape should it still be open.
    // Answers what it showed first, and whether Enter closed it.
    std::pair<QString, bool> Find(const QString& text, const std::function<void()>& open)
    {
        std::pair<QString, bool> seen{"(no dialog)", false};
        QTimer::singleShot(0, [&] {
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            auto* edit = modal ? modal->findChild<QLineEdit*>() : nullptr;
            if (!edit)
                return;
            EXPECT_EQ(modal->windowTitle(), "Find Tile");
            EXPECT_EQ(edit->selectedText(), edit->text()) << "shown selected";
            seen.first = edit->text();
            QTest::keyClick(edit, Qt::Key_Delete);
            for (const char32_t c : text.toUcs4()) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
                QApplication::sendEvent(edit, &key);
            }
            QTest::keyClick(edit, Qt::Key_Return);
            seen.second = !modal->isVisible();
            if (!seen.second)
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        open();
        return seen;
    }
    std::pair<QString, bool> FindByKey(const QString& text)
    {
        return Find(text, [&] { QTest::keyClick(editor.Control(IDC_LIST), Qt::Key_F, Qt::ControlModifier); });
    }
    void ExpectMessage(const QString& text)
    {
        ASSERT_EQ(editor.messages.shown.size(), 1u);
        EXPECT_EQ(editor.messages.shown[0].text, text);
        EXPECT_EQ(editor.messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(editor.messages.shown[0].caption.toStdString(), AfxProgramBaseName());
        editor.messages.shown.clear();
    }
    int Selected() { return Dialog().m_list.GetCurSel(); }
};

TEST_F(FindTile, TheMenuEntryAndCtrlFOpenItAndEnterSelectsTheTileAsAClickWouldAndClosesIt)
{
    const auto& items = Dialog().GetSystemMenu(false)->Items();
    EXPECT_EQ(items.back().id, IDM_FINDTILE);
    EXPECT_EQ(items.back().text, "&Find Tile...");
    EXPECT_EQ(Dialog().FirstProgramSystemCommand(), IDM_ABOUTBOX) << "F1 runs the first";
    TestArtFiles().Write(gameFolder.string());  // the patch file's art entries picture the sample's tiles
    editor.Load(tileDataPath);
    Dialog().SendSysCommand(IDM_TILEART);
    editor.SelectLine(kSampleApostropheTile);

    const std::pair<QString, bool> first("", true);  // nothing shown the first time; closed by a find
    EXPECT_EQ(Find("WallPaper", [&] { Dialog().SendSysCommand(IDM_FINDTILE); }), first);
    EXPECT_EQ(Selected(), kSampleWallpaperTile) << "wrapped past the end";
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), "wallpaper");
    EXPECT_TRUE(QString::fromStdU16String(Dialog().m_tileArt.GetItemText(IDC_TILE_TEXT)).startsWith("0005  wallpaper  "));
    EXPECT_TRUE(FindByKey("SMITH\u2019S").second);  // the apostrophe is the code page's 0x92
    EXPECT_EQ(Dialog().m_current, kSampleApostropheTile);
    EXPECT_TRUE(editor.messages.shown.empty());
}

TEST_F(FindTile, AMissSaysSoOverTheOpenDialogAndLeavesTheSelection)
{
    FindByKey("a");
    ExpectMessage("No tile name contains \"a\".");  // nothing loaded, nothing found
    editor.Load(tileDataPath);
    editor.SelectLine(kSampleHeavyTile);
    for (const QString text : {"no such tile", "", "wall\U0001F600"}) {
        EXPECT_FALSE(FindByKey(text).second) << "open, for the text to be corrected";
        ExpectMessage("No tile name contains \"" + text + "\".");
    }
    EXPECT_EQ(Dialog().m_current, kSampleHeavyTile);
}

TEST_F(FindTile, F3RepeatsTheLastTextWrappingAndTheDialogShowsItAgain)
{
    editor.Load(tileDataPath);
    const auto f3 = [&](int control) { QTest::keyClick(editor.Control(control), Qt::Key_F3); };
    EXPECT_EQ(Find("anvil", [&] { f3(IDC_LIST); }).first, "") << "F3 before any search asks for one";
    std::vector<int> anvils = {Selected()};
    for (f3(IDC_NAME); Selected() != anvils[0]; f3(IDC_LIST))
        anvils.push_back(Selected());
    EXPECT_GT(anvils.size(), 100u);
    EXPECT_TRUE(std::is_sorted(anvils.begin(), anvils.end())) << "in line order, wrapping to the first";
    for (int line = 0; line < Dialog().m_list.GetCount(); ++line)
        EXPECT_EQ(std::count(anvils.begin(), anvils.end(), line) == 1,
                  QString::fromLatin1(TileName(Dialog().m_table[line])).contains("anvil", Qt::CaseInsensitive))
            << line;
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), QString::fromLatin1(TileName(Dialog().m_table[anvils[0]])))
        << "F3 typed nothing";
    EXPECT_EQ(FindByKey("x").first, "anvil");
}

} // namespace
