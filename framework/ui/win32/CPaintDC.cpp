#include "CPaintDC.h"

#include "NativeWindow.h"

// What a CPaintDC holds on this platform: the system's paint of the
// dialog's window, begun and ended with it.
class PaintPort {
public:
    explicit PaintPort(HWND window) : m_window(window), m_dc(BeginPaint(window, &m_paint)) {}
    ~PaintPort() { EndPaint(m_window, &m_paint); }
    PaintPort(const PaintPort&) = delete;
    PaintPort& operator=(const PaintPort&) = delete;

    void EraseBackground() { SendMessageW(m_window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(m_dc), 0); }
    void DrawIcon(int x, int y, HICON icon) { ::DrawIcon(m_dc, x, y, icon); }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

CPaintDC::CPaintDC(CDialog* dialog) : m_port(std::make_unique<PaintPort>(NativeWindow(*dialog))) {}

CPaintDC::~CPaintDC() = default;

void CPaintDC::EraseBackground()
{
    m_port->EraseBackground();
}

void CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    m_port->DrawIcon(x, y, icon);
}
