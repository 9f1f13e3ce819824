#include "CAboutDlg.h"
#include "CEditorApp.h"
#include "EditorFixture.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

// Runs `check` on the modal window that opens next, then closes it with a key.
void OnNextModal(std::function<void(QWidget*)> check, Qt::Key closeKey = Qt::Key_Escape)
{
    QTimer::singleShot(0, [check = std::move(check), closeKey] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        check(modal);
        QTest::keyClick(modal, closeKey);
    });
}

class ShellTest : public ::testing::Test {
protected:
    EditorHarness editor{&ShowAboutBox};
    CEditorDlg& dialog = editor.Dialog();
    QDialog& window = NativeDialog(dialog);
};

TEST_F(ShellTest, TheSystemMenuCarriesTheAboutEntryAndItsCommandShowsTheAboutBox)
{
    // The About entry after a separator, then the Tile Art, Find Tile and Tile Pictures entries.
    const auto& items = dialog.GetSystemMenu(false)->Items();
    ASSERT_GE(items.size(), 5u);
    EXPECT_TRUE(items[items.size() - 5].IsSeparator());
    EXPECT_EQ(items[items.size() - 4].id, IDM_ABOUTBOX);
    EXPECT_EQ(items[items.size() - 4].text, "&About Quarnel...");
    EXPECT_EQ(items[items.size() - 3].id, IDM_TILEART);
    EXPECT_EQ(items[items.size() - 3].text, "&Tile Art...");
    EXPECT_EQ(items.back().id, IDM_TILEPICTURES);
    EXPECT_EQ(items.back().text, "Tile &Pictures...");

    QString title;
    OnNextModal([&](QWidget* modal) { title = modal->windowTitle(); });
    dialog.SendSysCommand(IDM_ABOUTBOX | 0x3);  // the low four bits do not count
    EXPECT_EQ(title, "About Quarnel");
    EXPECT_TRUE(window.isVisible()) << "the editor is unchanged";
}

TEST_F(ShellTest, CtrlPOpensTheTilePicturesWindowFromAnyControlAndEscapeHidesIt)
{
    CTilePicturesDlg& pictures = dialog.m_tilePictures;
    for (const int control : {IDC_NAME, IDC_LIST, IDC_FLAG0}) {
        editor.Control(control)->setFocus();
        QTest::keyClick(editor.Control(control), Qt::Key_P, Qt::ControlModifier);
        ASSERT_TRUE(pictures.IsWindowVisible()) << control;
        EXPECT_EQ(NativeDialog(pictures).windowTitle(), "Tile Pictures");
        EXPECT_EQ(NativeDialog(pictures).parentWidget(), &window) << "owned by the editor";
        EXPECT_EQ(dialog.GetItemText(IDC_NAME), u"") << "the key typed nothing";
        QTest::keyClick(&NativeDialog(pictures), Qt::Key_Escape);
        EXPECT_FALSE(pictures.IsWindowVisible());
        EXPECT_TRUE(window.isVisible());
    }
}

TEST_F(ShellTest, TheContextMenuOfTheFreeAreaOffersTheSystemMenu)
{
    QString title;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* about = menu->actions().at(menu->actions().size() - 4);  // Tile Art, Find Tile and Tile Pictures follow it
        EXPECT_EQ(about->text(), "&About Quarnel...");
        OnNextModal([&](QWidget* modal) { title = modal->windowTitle(); }, Qt::Key_Return);
        about->trigger();
        menu->close();
    });
    const QPoint freeArea(window.width() - 5, window.height() - 5);
    ASSERT_EQ(window.childAt(freeArea), nullptr);
    QContextMenuEvent event(QContextMenuEvent::Mouse, freeArea, window.mapToGlobal(freeArea));
    QApplication::sendEvent(&window, &event);
    EXPECT_EQ(title, "About Quarnel");
}

TEST_F(ShellTest, F1ShowsTheAboutBox)
{
    CEditorApp app;
    app.m_pMainWnd = &dialog;
    QString title;
    OnNextModal([&](QWidget* modal) { title = modal->windowTitle(); });
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(title, "About Quarnel");
}

TEST_F(ShellTest, F1InTheAboutBoxOpensNoSecondOne)
{
    CEditorApp app;
    app.m_pMainWnd = &dialog;
    // Shared with a check that, should F1 open a second box, runs inside it and closes it.
    auto boxes = std::make_shared<std::vector<QPointer<QWidget>>>();
    OnNextModal([boxes](QWidget* about) {
        boxes->push_back(about);
        QTimer::singleShot(0, [boxes] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != boxes->front()) {
                boxes->push_back(modal);
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        QTest::keyClick(about, Qt::Key_F1);
    });
    QTest::keyClick(&window, Qt::Key_F1);
    QApplication::processEvents();
    EXPECT_EQ(boxes->size(), 1u) << "F1 in the About box opened another";
}

TEST_F(ShellTest, EnterRunsQuitThroughATakeAndABadNumberKeepsTheEditorOpen)
{
    editor.ReplaceText(IDC_UNKNOWN2, "12a");
    QTest::keyClick(editor.Edit(IDC_UNKNOWN2), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(editor.messages.Texts(), std::vector<QString>{"Please enter an integer."});

    editor.ReplaceText(IDC_UNKNOWN2, "12");
    QTest::keyClick(editor.Edit(IDC_UNKNOWN2), Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), IDOK);
    EXPECT_EQ(dialog.m_unknown2, 12);
}

TEST_F(ShellTest, EscapeEndsWithoutAnExchange)
{
    editor.ReplaceText(IDC_UNKNOWN2, "not a number");
    editor.ReplaceText(IDC_UNKNOWN4, "44");
    QTest::keyClick(editor.Edit(IDC_UNKNOWN2), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), IDCANCEL);
    EXPECT_EQ(dialog.m_unknown4, 0);
    EXPECT_TRUE(editor.messages.shown.empty());
}

TEST_F(ShellTest, TheWindowIsFixedInSizeWithNoMinimiseOrMaximiseBox)
{
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST(MessageBox, TheRealBoxHasOnlyOkTheProgramsNameAndItsIcon)
{
    QtMessageBoxService real;
    ScopedMessageBoxService scope(real);
    QString text, caption;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        buttons = static_cast<int>(box->buttons().size());
        icon = box->icon();
    }, Qt::Key_Return);
    AfxMessageBox("Disk full while accessing x.", MessageIcon::Stop);
    EXPECT_EQ(text, "Disk full while accessing x.");
    EXPECT_EQ(caption, "gui_tests") << "the program file's base name";
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

} // namespace
