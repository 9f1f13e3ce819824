#include "CPaintDC.h"

#include "Icon.h"
#include "NativeWindow.h"

#include <QPainter>

// What a CPaintDC holds on this platform: a painter on the dialog's window.
class PaintPort {
public:
    explicit PaintPort(QWidget& window) : m_window(window), m_painter(&window) {}
    void EraseBackground() { m_painter.fillRect(m_window.rect(), m_window.palette().window()); }
    void DrawIcon(int x, int y, HICON icon) { IconOf(icon).paint(&m_painter, x, y, kIconSize, kIconSize); }

private:
    QWidget& m_window;
    QPainter m_painter;
};

CPaintDC::CPaintDC(CDialog* dialog) : m_port(std::make_unique<PaintPort>(NativeDialog(*dialog))) {}

CPaintDC::~CPaintDC() = default;

void CPaintDC::EraseBackground()
{
    m_port->EraseBackground();
}

void CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    m_port->DrawIcon(x, y, icon);
}

int GetSystemMetrics(int index)
{
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}
