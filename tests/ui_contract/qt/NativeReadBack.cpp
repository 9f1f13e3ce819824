#include "NativeReadBack.h"

#include "DialogUnits.h"
#include "NativeWindow.h"


#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QWidget>

RenderedControl RenderControl(const CDialog& dialog, int id)
{
    const QImage image = NativeControl(dialog, id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    RenderedControl rendered{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            rendered.pixels.push_back(image.pixel(x, y));
    return rendered;
}

std::u16string AccessibleNameOf(const CDialog& dialog, int id)
{
    // What Qt's accessibility hands a screen reader: a button's label
    // without its mnemonic marker, or the name set on the widget.
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(NativeControl(dialog, id));
    return control ? control->text(QAccessible::Name).toStdU16String() : std::u16string();
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
