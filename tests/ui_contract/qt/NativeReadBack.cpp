#include "NativeReadBack.h"

#include "DialogUnits.h"
#include "NativeWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

namespace {

// The widget that is the control's client area: a scroll area's viewport,
// or the control itself.
QWidget* ClientArea(const CDialog& dialog, int id)
{
    QWidget* control = NativeControl(dialog, id);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        return area->viewport();
    return control;
}

int QtKey(int virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_HOME: return Qt::Key_Home;
    case VK_END: return Qt::Key_End;
    default: return virtualKey;  // letters and digits are their own codes on both
    }
}

void SendKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier), release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

} // namespace

RenderedControl RenderControl(const CDialog& dialog, int id)
{
    const QImage image = ClientArea(dialog, id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    RenderedControl rendered{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            rendered.pixels.push_back(image.pixel(x, y));
    return rendered;
}

std::u16string AccessibleNameOf(const CDialog& dialog, int id)
{
    // What Qt's accessibility hands a screen reader: a button's label
    // without its mnemonic marker, or the name set on the widget. A
    // drop-down list on Linux gives its picked line as its own name and is
    // named by the label it is labelled by, as a screen reader reads it.
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(NativeControl(dialog, id));
    if (!control)
        return {};
    if (control->role() == QAccessible::ComboBox) {
        const auto labels = control->relations(QAccessible::Label);
        if (!labels.isEmpty())
            return labels.first().first->text(QAccessible::Name).remove(QLatin1Char('&')).toStdU16String();
    }
    return control->text(QAccessible::Name).toStdU16String();
}

CRect DialogUnitsToPixels(const CDialog& dialog, int cx, int cy)
{
    const DialogUnits units(NativeDialog(dialog).font());
    return {0, 0, units.ToPixelsX(cx), units.ToPixelsY(cy)};
}

bool IsControlShown(const CDialog& dialog, int id)
{
    return NativeControl(dialog, id)->isVisibleTo(&NativeDialog(dialog));
}

std::vector<int> TabOrder(const CDialog& dialog)
{
    // Qt's own rule for Tab: the focus chain's widgets that take the focus by
    // Tab, shown with the window and enabled.
    QDialog& window = NativeDialog(dialog);
    std::vector<int> ids;
    for (QWidget* widget = window.nextInFocusChain(); widget != &window; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window) && widget->isEnabled())
            ids.push_back(widget->objectName().toInt());
    }
    return ids;
}

bool IsControlEnabled(const CDialog& dialog, int id)
{
    return NativeControl(dialog, id)->isEnabled();
}

void ClickNatively(const CDialog& dialog, int id)
{
    qobject_cast<QAbstractButton*>(NativeControl(dialog, id))->click();
}

void HandleWaitingEvents()
{
    QApplication::processEvents();
}

void PressArrowKey(const CDialog& dialog, int id, bool up)
{
    QWidget* control = NativeControl(dialog, id);
    const int key = up ? Qt::Key_Up : Qt::Key_Down;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier), release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    QApplication::sendEvent(control, &release);
}

void ClickAt(const CDialog& dialog, int id, int x, int y)
{
    // Sent through the application, which also gives the focus as a click does.
    QWidget* area = ClientArea(dialog, id);
    const QPointF at(x, y), global = area->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &press);
    QApplication::sendEvent(area, &release);
}

void PressKey(const CDialog& dialog, int id, int virtualKey)
{
    SendKey(NativeControl(dialog, id), QtKey(virtualKey));
}

void TurnWheel(const CDialog& dialog, int id, bool up)
{
    QWidget* area = ClientArea(dialog, id);
    const QPointF at(area->width() / 2.0, area->height() / 2.0);
    QWheelEvent wheel(at, area->mapToGlobal(at), QPoint(), QPoint(0, up ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(area, &wheel);
}

int WheelScrollLines()
{
    return QApplication::wheelScrollLines();
}

ScrollBarState VerticalScrollBarOf(const CDialog& dialog, int id)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(NativeControl(dialog, id));
    if (!area)
        return {};
    const QScrollBar* bar = area->verticalScrollBar();
    return {bar->maximum(), bar->pageStep(), bar->value(), bar->isVisibleTo(area)};
}

void DragScrollBar(const CDialog& dialog, int id, int position)
{
    // The thumb held, moved and let go: Qt's scroll bar reports the moves as it tracks them.
    QScrollBar* bar = qobject_cast<QAbstractScrollArea*>(NativeControl(dialog, id))->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(position);
    bar->setSliderDown(false);
}

std::u16string AccessibleValueOf(const CDialog& dialog, int id)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(NativeControl(dialog, id));
    return control ? control->text(QAccessible::Value).toStdU16String() : std::u16string();
}

CRect ControlRect(const CDialog& dialog, int id)
{
    const QWidget* control = NativeControl(dialog, id);
    const QPoint at = control->mapTo(&NativeDialog(dialog), QPoint(0, 0));
    return {at.x(), at.y(), at.x() + control->width(), at.y() + control->height()};
}

void ResizeClientNatively(const CDialog& dialog, int width, int height)
{
    // As the window manager's drag ends: Qt keeps the window within its
    // minimum size, and the resize is handled before this returns.
    NativeDialog(dialog).resize(width, height);
    QApplication::processEvents();
}

std::vector<std::u16string> DropDownLines(const CDialog& dialog, int id)
{
    const auto* dropDown = qobject_cast<const QComboBox*>(NativeControl(dialog, id));
    std::vector<std::u16string> lines;
    for (int i = 0; dropDown && i < dropDown->count(); ++i)
        lines.push_back(dropDown->itemText(i).toStdU16String());
    return lines;
}

void PickNatively(const CDialog& dialog, int id, int position)
{
    // The list opened, the line made current in it and Enter pressed there,
    // as the user picks a line by the keyboard.
    auto* dropDown = qobject_cast<QComboBox*>(NativeControl(dialog, id));
    dropDown->showPopup();
    QAbstractItemView* list = dropDown->view();
    list->setCurrentIndex(dropDown->model()->index(position, dropDown->modelColumn()));
    SendKey(list, Qt::Key_Return);
    QApplication::processEvents();
}
