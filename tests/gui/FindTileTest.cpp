// Find Tile: the search on its own, against a second reading of the names
// through Qt's case mapping; and on Qt, the dialog from Ctrl+F and the
// menu, the selection it makes, its message on a miss, and F3.

#include "EditorFixture.h"
#include "MessageBox.h"
#include "TestArtFiles.h"
#include "TileNameSearch.h"
#include "WindowsCodePage.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <random>
#include <vector>

namespace {

std::vector<StaticTileEntry> Tiles(std::initializer_list<const char*> names)
{
    std::vector<StaticTileEntry> tiles;
    for (const char* name : names) {
        StaticTileEntry& entry = tiles.emplace_back();
        SetTileName(entry, name);
    }
    return tiles;
}

struct SearchCase {
    const char* what;
    std::vector<StaticTileEntry> tiles;
    int current;
    std::u16string text;
    int expected;
};

TEST(TileNameSearch, FindsTheNextLineWhoseNameHoldsTheTextInAnyLetterCase)
{
    const auto walls = Tiles({"stone wall", "anvil", "wall", "gate"});
    const SearchCase cases[] = {
        {"after the current line", walls, 0, u"wall", 2},
        {"wrapping past the end", walls, 2, u"wall", 0},
        {"the current line last", walls, 1, u"anvil", 1},
        {"from the top with none selected", walls, -1, u"wall", 0},
        {"a line past the list's end as none", walls, 9, u"gate", 3},
        {"after the last line, the first", walls, 3, u"stone", 0},
        {"ASCII capitals", walls, -1, u"STONE W", 0},
        {"a text in the middle", walls, 0, u"NVI", 1},
        {"no name holds it", walls, 0, u"wallx", -1},
        {"an empty text", walls, 0, u"", -1},
        {"an empty list", {}, -1, u"wall", -1},
        {"a character outside the code page", walls, -1, u"wall\u4E00", -1},
        {"a text longer than any name", walls, -1, u"stone wall stone wall", -1},
        {"accented capitals", Tiles({"x", "\xE0\xE9\xFE"}), 0, u"\u00C0\u00C9\u00DE", 1},
        {"accented small letters for capitals", Tiles({"\xC0\xC9\xDE"}), -1, u"\u00E0\u00E9\u00FE", 0},
        {"the four capitals apart", Tiles({"\x9A\x9C\x9E\xFF"}), -1, u"\u0160\u0152\u017D\u0178", 0},
        {"and the other way", Tiles({"\x8A\x8C\x8E\x9F"}), -1, u"\u0161\u0153\u017E\u00FF", 0},
        {"the multiplication sign is no letter", Tiles({"\xF7"}), -1, u"\u00D7", -1},
        {"a 20-byte name has no terminator", Tiles({"enchanted armor rack"}), -1, u"ARMOR RACK", 0},
    };
    for (const SearchCase& c : cases)
        EXPECT_EQ(FindTileName(c.tiles, c.current, c.text), c.expected) << c.what;
}

TEST(TileNameSearch, MatchesOnlyTheNameNeitherThePatchMarkNorBytesAfterTheTerminator)
{
    auto tiles = Tiles({"wall"});
    tiles[0].patched = true;
    EXPECT_EQ(FindTileName(tiles, -1, u"wall"), 0);
    EXPECT_EQ(FindTileName(tiles, -1, u"(p)"), -1);
    EXPECT_EQ(FindTileName(tiles, -1, u"wall ("), -1);

    StaticTileEntry older;
    SetTileName(older, "an older longer name");
    SetTileName(older, "an");  // "older longer name" stays behind the terminator
    const std::vector<StaticTileEntry> shorter = {older};
    EXPECT_EQ(FindTileName(shorter, -1, u"AN"), 0);
    EXPECT_EQ(FindTileName(shorter, -1, u"older"), -1);
    EXPECT_EQ(FindTileName(shorter, -1, std::u16string(u"an\0older", 8)), -1) << "a text across the terminator";
}

// The names read a second way: as Unicode text, lower-cased by Qt. The code
// page's letters have their other case inside it, so both must agree.
int ReferenceFind(const std::vector<StaticTileEntry>& tiles, int current, const QString& text)
{
    const int count = static_cast<int>(tiles.size());
    const int start = current >= 0 && current < count ? current + 1 : 0;
    for (int k = 0; !text.isEmpty() && k < count; ++k) {
        const int line = (start + k) % count;
        const std::u16string name = Utf16FromCodePage1252(TileName(tiles[static_cast<std::size_t>(line)]));
        if (QString::fromStdU16String(name).toLower().contains(text.toLower()))
            return line;
    }
    return -1;
}

TEST(TileNameSearch, AgreesWithASecondReadingOfRandomNames)
{
    std::mt19937 random(20261207);
    // Bytes from a small alphabet of both cases, so that texts are often found.
    const std::string alphabet = "aAbB \xC0\xE0\xC9\xE9\x8A\x9A\x9F\xFF\xD7\xF7\xDF\xB5";
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 300; ++round) {
        std::vector<StaticTileEntry> tiles(static_cast<std::size_t>(1 + pick(40)));
        for (StaticTileEntry& entry : tiles)
            for (char& byte : entry.name)
                byte = pick(6) == 0 ? '\0' : alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        std::string textBytes;
        for (int n = 1 + pick(3); n > 0; --n)
            textBytes += alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        const std::u16string text = Utf16FromCodePage1252(textBytes);
        const int current = pick(static_cast<int>(tiles.size()) + 1) - 1;
        ASSERT_EQ(FindTileName(tiles, current, text), ReferenceFind(tiles, current, QString::fromStdU16String(text)))
            << "round " << round;
    }
}

// Types text as key presses, one character each, those beyond the Basic
// Multilingual Plane as one key carrying both halves.
void TypeCharacters(QWidget* widget, const QString& text)
{
    for (const char32_t character : text.toUcs4()) {
        const QString typed = QString::fromUcs4(&character, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// What a run of the Find Tile dialog saw.
struct FindRun {
    bool opened = false;
    QString title, label, findNext, cancel, shownText;
    bool shownSelected = false;
    bool findNextIsDefault = false;
    bool closedByEnter = false;
};

class FindTile : public EditorFixture {
protected:
    // Runs `act` on the next modal window, the Find Tile dialog, after noting
    // what it shows; types `text` over its text and presses Enter, then
    // Escape should the dialog still be open.
    void OnFindDialog(FindRun& run, const QString& text)
    {
        QTimer::singleShot(0, [&run, text] {
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            if (!modal) {
                ADD_FAILURE() << "no modal window opened";
                return;
            }
            run.opened = true;
            run.title = modal->windowTitle();
            const auto labels = modal->findChildren<QLabel*>();
            run.label = labels.isEmpty() ? QString() : labels.front()->text();
            for (QPushButton* button : modal->findChildren<QPushButton*>()) {
                (button->isDefault() ? run.findNext : run.cancel) = button->text();
                run.findNextIsDefault |= button->isDefault() && button->text() == "Find Next";
            }
            auto* edit = modal->findChild<QLineEdit*>();
            run.shownText = edit->text();
            run.shownSelected = modal->focusWidget() == edit && edit->selectedText() == edit->text();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            TypeCharacters(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
            run.closedByEnter = !modal->isVisible();
            if (modal && modal->isVisible())
                QTest::keyClick(modal, Qt::Key_Escape);
        });
    }
    FindRun FindByKey(const QString& text)
    {
        FindRun run;
        OnFindDialog(run, text);
        QTest::keyClick(editor.Control(IDC_LIST), Qt::Key_F, Qt::ControlModifier);
        EXPECT_TRUE(run.opened) << "Ctrl+F opened no dialog";
        return run;
    }
    // Where a name holding `text` (lower-case ASCII) is, after line `after`.
    int NextHolding(const std::string& text, int after)
    {
        const int count = Dialog().m_list.GetCount();
        for (int k = 1; k <= count; ++k) {
            const int line = (after + k + count) % count;
            std::string name(TileName(Dialog().m_table[line]));
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
            if (name.find(text) != std::string::npos)
                return line;
        }
        return -1;
    }
    void ExpectMiss(const QString& message)
    {
        ASSERT_EQ(editor.messages.shown.size(), 1u);
        const RecordingMessageBoxes::Shown& shown = editor.messages.shown.front();
        EXPECT_EQ(shown.text, message);
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.caption, QString::fromStdString(AfxProgramBaseName()));
        editor.messages.shown.clear();
    }
};

TEST_F(FindTile, TheMenuEntryFollowsTileArtWithAboutStillTheFirstCommand)
{
    const auto& items = Dialog().GetSystemMenu(false)->Items();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2].id, IDM_TILEART);
    EXPECT_EQ(items.back().id, IDM_FINDTILE);
    EXPECT_EQ(items.back().text, "&Find Tile...");
    EXPECT_EQ(Dialog().FirstProgramSystemCommand(), IDM_ABOUTBOX) << "F1 runs the first";

    FindRun run;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* find = menu->actions().back();
        EXPECT_EQ(find->text(), "&Find Tile...");
        OnFindDialog(run, "");
        find->trigger();
        menu->close();
    });
    QWidget& window = editor.Window();
    const QPoint freeArea(window.width() - 5, window.height() - 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, freeArea, window.mapToGlobal(freeArea));
    QApplication::sendEvent(&window, &event);
    EXPECT_TRUE(run.opened);
    EXPECT_EQ(run.title, "Find Tile");
    EXPECT_EQ(run.label, "Find &what:");
    EXPECT_TRUE(run.findNextIsDefault);
    EXPECT_EQ(run.cancel, "Cancel");
}

TEST_F(FindTile, EnterSelectsTheNextNameHoldingTheTextAsAClickWouldAndClosesTheDialog)
{
    TestArtFiles art;  // empty: the patch file's art entries picture the sample's tiles
    art.Write(gameFolder.string());
    editor.Load(tileDataPath);
    Dialog().SendSysCommand(IDM_TILEART);
    editor.SelectLine(kSampleApostropheTile);

    const FindRun run = FindByKey("SMITH\u2019S");  // the apostrophe is the code page's 0x92
    EXPECT_TRUE(run.closedByEnter);
    EXPECT_EQ(Dialog().m_list.GetCurSel(), kSampleApostropheTile) << "the current line, found last";
    EXPECT_TRUE(editor.messages.shown.empty());

    const int wallpaperAfter = NextHolding("wallpaper", kSampleApostropheTile);
    ASSERT_GE(wallpaperAfter, 0);
    FindByKey("WallPaper");
    EXPECT_EQ(Dialog().m_list.GetCurSel(), wallpaperAfter);
    EXPECT_EQ(Dialog().m_current, wallpaperAfter);
    EXPECT_EQ(editor.Edit(IDC_NAME)->text(), "wallpaper");
    const QString artLine = QString::fromStdU16String(Dialog().m_tileArt.GetItemText(IDC_TILE_TEXT));
    EXPECT_TRUE(artLine.startsWith(QString("%1  wallpaper  ").arg(wallpaperAfter, 4, 16, QChar('0'))))
        << "the Tile Art window follows: " << artLine.toStdString();
    auto* list = qobject_cast<QAbstractItemView*>(editor.Control(IDC_LIST));
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->model()->index(wallpaperAfter, 0))))
        << "the list shows the line";
}

TEST_F(FindTile, AMissSaysSoOverTheOpenDialogAndLeavesTheSelection)
{
    editor.Load(tileDataPath);
    editor.SelectLine(kSampleHeavyTile);
    const FindRun run = FindByKey("no such tile");
    EXPECT_FALSE(run.closedByEnter) << "open, for the text to be corrected";
    ExpectMiss("No tile name contains \"no such tile\".");
    EXPECT_EQ(Dialog().m_list.GetCurSel(), kSampleHeavyTile);

    FindByKey("");
    ExpectMiss("No tile name contains \"\".");
    FindByKey("wall\U0001F600");
    ExpectMiss("No tile name contains \"wall\U0001F600\".");
    EXPECT_EQ(Dialog().m_current, kSampleHeavyTile);
}

TEST_F(FindTile, BeforeALoadNothingIsFound)
{
    FindByKey("a");
    ExpectMiss("No tile name contains \"a\".");
    EXPECT_EQ(Dialog().m_list.GetCurSel(), -1);
}

TEST_F(FindTile, TheDialogShowsTheLastTextSelectedAndF3RepeatsItWrapping)
{
    editor.Load(tileDataPath);
    FindRun first;
    OnFindDialog(first, "wallpaper");
    QTest::keyClick(editor.Control(IDC_LIST), Qt::Key_F3);
    EXPECT_TRUE(first.opened) << "F3 before any search asks for one";
    EXPECT_EQ(first.shownText, "");
    EXPECT_EQ(Dialog().m_list.GetCurSel(), kSampleWallpaperTile);
    QTest::keyClick(editor.Control(IDC_LIST), Qt::Key_F3);
    EXPECT_EQ(Dialog().m_list.GetCurSel(), kSampleWallpaperTile) << "the only one, found again";
    EXPECT_TRUE(editor.messages.shown.empty());

    const FindRun again = FindByKey("ANVIL");
    EXPECT_EQ(again.shownText, "wallpaper");
    EXPECT_TRUE(again.shownSelected);
    EXPECT_EQ(Dialog().m_list.GetCurSel(), NextHolding("anvil", kSampleWallpaperTile));

    const int firstAnvil = NextHolding("anvil", -1);
    int lastAnvil = firstAnvil;
    while (NextHolding("anvil", lastAnvil) > lastAnvil)
        lastAnvil = NextHolding("anvil", lastAnvil);
    ASSERT_GT(lastAnvil, firstAnvil);
    editor.SelectLine(lastAnvil);
    QTest::keyClick(editor.Control(IDC_LIST), Qt::Key_F3);
    EXPECT_EQ(Dialog().m_list.GetCurSel(), firstAnvil) << "wrapped past the end";
    editor.Edit(IDC_NAME)->setFocus();
    QTest::keyClick(editor.Control(IDC_NAME), Qt::Key_F3);
    const int secondAnvil = NextHolding("anvil", firstAnvil);
    EXPECT_EQ(Dialog().m_list.GetCurSel(), secondAnvil) << "from the Name box too";
    EXPECT_EQ(editor.Edit(IDC_NAME)->text().toStdU16String(),
              Utf16FromCodePage1252(TileName(Dialog().m_table[secondAnvil])));
    EXPECT_TRUE(editor.messages.shown.empty());

    FindRun third;
    OnFindDialog(third, "");
    Dialog().SendSysCommand(IDM_FINDTILE);
    EXPECT_EQ(third.shownText, "ANVIL");
}

} // namespace
