#include "CPictureGridCtrl.h"

#include "NativeWindow.h"
#include "PictureGridControl.h"

#include <QPointer>
#include <QWidget>

// What a CPictureGridCtrl holds on this platform: the control's widget,
// which may go with its dialog before the grid does.
class PictureGridPort {
public:
    explicit PictureGridPort(PictureGridControl& target) : control(&target) {}
    QPointer<PictureGridControl> control;
};

CPictureGridCtrl::CPictureGridCtrl() = default;

CPictureGridCtrl::~CPictureGridCtrl()
{
    if (m_port && m_port->control)
        m_port->control->Detach(this);
}

void CPictureGridCtrl::SubclassDlgItem(int id, CDialog* dialog)
{
    auto* control = dynamic_cast<PictureGridControl*>(NativeControl(*dialog, id));
    if (!control) {
        m_port.reset();
        return;
    }
    m_port = std::make_unique<PictureGridPort>(*control);
    m_dialog = dialog;
    m_id = id;
    control->Attach(this);
    OnResize();
}

void CPictureGridCtrl::ClientSize(int* width, int* height) const
{
    const QWidget* area = m_port && m_port->control ? m_port->control->viewport() : nullptr;
    *width = area ? area->width() : 0;
    *height = area ? area->height() : 0;
}

void CPictureGridCtrl::ShowScrollBar(int lastTopRow, int rowsInView, int topRow)
{
    if (m_port && m_port->control)
        m_port->control->ShowScrollBar(lastTopRow, rowsInView, topRow);
}

void CPictureGridCtrl::Invalidate(const CRect* area)
{
    if (!m_port || !m_port->control)
        return;
    if (area)
        m_port->control->viewport()->update(area->left, area->top, area->Width(), area->Height());
    else
        m_port->control->viewport()->update();
}

bool CPictureGridCtrl::HasFocus() const
{
    return m_port && m_port->control && m_port->control->hasFocus();
}

void CPictureGridCtrl::AnnounceValue()
{
    if (m_port && m_port->control)
        m_port->control->AnnounceValue();
}
