#include "CPaintDC.h"

#include "Icon.h"
#include "NativeWindow.h"

#include <QPainter>

// What a CPaintDC holds on this platform: a painter on the dialog's window.
class PaintPort {
public:
    explicit PaintPort(QWidget& target) : window(target), painter(&target) {}
    QWidget& window;
    QPainter painter;
};

CPaintDC::CPaintDC(CDialog* dialog) : m_port(std::make_unique<PaintPort>(NativeDialog(*dialog))) {}

CPaintDC::~CPaintDC() = default;

void CPaintDC::EraseBackground()
{
    m_port->painter.fillRect(m_port->window.rect(), m_port->window.palette().window());
}

void CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    IconOf(icon).paint(&m_port->painter, x, y, kIconSize, kIconSize);
}

int GetSystemMetrics(int index)
{
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}
