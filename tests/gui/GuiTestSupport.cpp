#include "GuiTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QKeyEvent>
#include <QTest>

EditorHarness::EditorHarness(std::function<void()> showAbout)
    : EditorHarness(std::make_unique<CEditorDlg>(std::move(showAbout)))
{
}

EditorHarness::EditorHarness(std::unique_ptr<CEditorDlg> dialog) : m_dialog(std::move(dialog))
{
    m_dialog->Create();
    Window().show();
    QApplication::setActiveWindow(&Window());
    QApplication::processEvents();
}

EditorHarness::~EditorHarness()
{
    Window().hide();
}

QWidget* EditorHarness::Control(int id) const
{
    return NativeControl(*m_dialog, id);
}

QLineEdit* EditorHarness::Edit(int id) const
{
    return qobject_cast<QLineEdit*>(Control(id));
}

QCheckBox* EditorHarness::Check(int id) const
{
    return qobject_cast<QCheckBox*>(Control(id));
}

void EditorHarness::ClickButton(int id)
{
    QTest::mouseClick(Control(id), Qt::LeftButton);
}

void EditorHarness::ClickCheck(int bit)
{
    QCheckBox* box = Check(bit < TileFlag::kCount ? IDC_FLAG0 + bit : IDC_FLAG32 + (bit - TileFlag::kCount));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
}

void EditorHarness::SelectLine(int position)
{
    auto* list = qobject_cast<QAbstractItemView*>(Control(IDC_LIST));
    const QModelIndex index = list->model()->index(position, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
            continue;
        }
        // A key the keyboard map does not know, carrying its character.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void EditorHarness::TypeInto(int id, const QString& text)
{
    QLineEdit* edit = Edit(id);
    edit->setFocus();
    edit->end(false);
    TypeText(edit, text);
}

void EditorHarness::ClearBox(int id)
{
    QLineEdit* edit = Edit(id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
}

void EditorHarness::ReplaceText(int id, const QString& text)
{
    QLineEdit* edit = Edit(id);
    edit->setFocus();
    edit->selectAll();
    TypeText(edit, text);
}

void EditorHarness::Paste(int id, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QLineEdit* edit = Edit(id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void EditorHarness::Load(const std::string& path)
{
    fileDialogs.answers.push_back(QString::fromStdString(path));
    ClickButton(IDC_LOAD);
}
