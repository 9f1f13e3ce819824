#include "CPaintDC.h"

#include "NativeWindow.h"

// What a CPaintDC holds on this platform: the system's paint of the
// dialog's window, begun and ended with it.
class PaintPort {
public:
    explicit PaintPort(HWND target) : window(target), dc(BeginPaint(target, &paint)) {}
    ~PaintPort() { EndPaint(window, &paint); }
    PaintPort(const PaintPort&) = delete;
    PaintPort& operator=(const PaintPort&) = delete;

    const HWND window;
    PAINTSTRUCT paint{};
    const HDC dc;
};

CPaintDC::CPaintDC(CDialog* dialog) : m_port(std::make_unique<PaintPort>(NativeWindow(*dialog))) {}

CPaintDC::~CPaintDC() = default;

void CPaintDC::EraseBackground()
{
    SendMessageW(m_port->window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(m_port->dc), 0);
}

void CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    ::DrawIcon(m_port->dc, x, y, icon);
}
