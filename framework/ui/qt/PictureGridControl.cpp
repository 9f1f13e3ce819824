// A picture grid on Qt's widgets: the scroll area that is its window, what
// Qt reports handed to the grid's shared logic, its painting, and what a
// screen reader is told of it.

#include "PictureGridControl.h"

#include "CPictureGridCtrl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <utility>

namespace {

// The virtual-key code of a key the grid moves by, or 0.
int NavigationKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    default: return 0;
    }
}

// The grid as a screen reader sees it: a list named by its template's
// text, whose value is the framed cell's label.
class PictureGridAccessible final : public QAccessibleWidget {
public:
    explicit PictureGridAccessible(PictureGridControl* grid) : QAccessibleWidget(grid, QAccessible::List) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const PictureGridControl*>(widget())->AccessibleValue();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* PictureGridAccessibleFactory(const QString&, QObject* object)
{
    auto* grid = dynamic_cast<PictureGridControl*>(object);
    return grid ? new PictureGridAccessible(grid) : nullptr;
}

} // namespace

PictureGridControl::PictureGridControl(QWidget* parent) : QAbstractScrollArea(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(PictureGridAccessibleFactory), true);
    (void)factoryInstalled;
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that the columns never change as the bar comes and goes.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setRange(0, 0);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int row) {
        if (m_grid)
            m_grid->ScrollToRow(row);
    });
}

void PictureGridControl::Attach(CPictureGridCtrl* grid)
{
    m_grid = grid;
    m_announced.clear();
    viewport()->update();
}

void PictureGridControl::Detach(const CPictureGridCtrl* grid)
{
    if (m_grid == grid)
        m_grid = nullptr;
}

void PictureGridControl::ShowScrollBar(int lastTopRow, int rowsInView, int topRow)
{
    QScrollBar* bar = verticalScrollBar();
    const QSignalBlocker quiet(bar);
    bar->setRange(0, lastTopRow);
    bar->setPageStep(rowsInView);
    bar->setSingleStep(1);
    bar->setValue(topRow);
}

QString PictureGridControl::AccessibleValue() const
{
    if (!m_grid)
        return {};
    const std::u16string value = m_grid->GetAccessibleValue();
    return QString::fromUtf16(value.data(), static_cast<qsizetype>(value.size()));
}

void PictureGridControl::AnnounceValue()
{
    const QString value = AccessibleValue();
    if (value == m_announced)
        return;
    m_announced = value;
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

void PictureGridControl::paintEvent(QPaintEvent* event)
{
    if (!m_grid)
        return;
    // Only the part Qt asks for: a new selection draws two cells, not the screen.
    const QRect asked = event->rect();
    const GridFrame& frame =
        m_grid->ComposeFrame({asked.left(), asked.top(), asked.left() + asked.width(), asked.top() + asked.height()});
    if (frame.image.pixels.empty())
        return;
    QPainter painter(viewport());
    const QImage image(reinterpret_cast<const uchar*>(frame.image.pixels.data()), frame.image.width,
                       frame.image.height, frame.image.width * static_cast<int>(sizeof(ComposedPixel)),
                       QImage::Format_RGB32);
    painter.drawImage(frame.image.x, frame.image.y, image);
    painter.setFont(font());  // the dialog's
    painter.setPen(palette().color(QPalette::WindowText));
    for (const GridLabel& label : frame.labels) {
        const QRect box(label.box.left, label.box.top, label.box.Width(), label.box.Height());
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromUtf16(label.text.data(), static_cast<qsizetype>(label.text.size())));
    }
}

void PictureGridControl::resizeEvent(QResizeEvent* event)
{
    // Both the area's and its viewport's resizes arrive here; the grid lays
    // itself out again from the viewport's size either way.
    QAbstractScrollArea::resizeEvent(event);
    if (m_grid)
        m_grid->OnResize();
}

void PictureGridControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    if (m_grid) {
        const QPoint at = event->position().toPoint();
        m_grid->OnClick(at.x(), at.y());
    }
}

void PictureGridControl::keyPressEvent(QKeyEvent* event)
{
    // Keys held with Control or Alt are the dialog's accelerators; the
    // others the grid has no use for (Tab, Escape, Enter) go on to the dialog.
    const int key = NavigationKey(event->key());
    if (m_grid && key && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && m_grid->OnKey(key))
        return;
    event->ignore();
}

void PictureGridControl::wheelEvent(QWheelEvent* event)
{
    if (!m_grid)
        return event->ignore();
    // A notch is 120; a finer wheel's turns add up to notches.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    if (notches)
        m_grid->OnWheel(notches * QApplication::wheelScrollLines());
}

void PictureGridControl::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (m_grid)
        m_grid->OnFocusChange();
}

void PictureGridControl::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    if (m_grid)
        m_grid->OnFocusChange();
}
