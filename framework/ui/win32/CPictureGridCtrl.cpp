#include "CPictureGridCtrl.h"

#include "NativeWindow.h"
#include "PictureGridWindow.h"

// What a CPictureGridCtrl holds on this platform: the control's window,
// which reports to the grid while it is attached, and the value a screen
// reader last heard.
class PictureGridPort {
public:
    PictureGridPort(HWND target, CPictureGridCtrl* grid) : window(target) { AttachPictureGrid(window, grid); }
    ~PictureGridPort()
    {
        if (IsWindow(window))
            AttachPictureGrid(window, nullptr);
    }
    PictureGridPort(const PictureGridPort&) = delete;
    PictureGridPort& operator=(const PictureGridPort&) = delete;

    const HWND window;
    std::u16string announcedValue;
};

CPictureGridCtrl::CPictureGridCtrl() = default;
CPictureGridCtrl::~CPictureGridCtrl() = default;

void CPictureGridCtrl::SubclassDlgItem(int id, CDialog* dialog)
{
    const HWND control = NativeControl(*dialog, id);
    m_port = control && IsPictureGridWindow(control) ? std::make_unique<PictureGridPort>(control, this) : nullptr;
    m_dialog = m_port ? dialog : nullptr;
    m_id = id;
    if (m_port)
        OnResize();
}

void CPictureGridCtrl::ClientSize(int* width, int* height) const
{
    RECT client{};
    if (m_port)
        GetClientRect(m_port->window, &client);
    *width = client.right - client.left;
    *height = client.bottom - client.top;
}

void CPictureGridCtrl::ShowScrollBar(int lastTopRow, int rowsInView, int topRow)
{
    if (!m_port)
        return;
    // The system shows the bar only while the page is less than the range:
    // while every row is in view it goes. Showing or hiding it changes the
    // client area's width, which comes back as a resize.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = lastTopRow + rowsInView - 1;
    info.nPage = static_cast<UINT>(rowsInView);
    info.nPos = topRow;
    SetScrollInfo(m_port->window, SB_VERT, &info, TRUE);
}

void CPictureGridCtrl::Invalidate(const CRect* area)
{
    if (!m_port)
        return;
    const RECT box = area ? RECT{area->left, area->top, area->right, area->bottom} : RECT{};
    InvalidateRect(m_port->window, area ? &box : nullptr, FALSE);
}

bool CPictureGridCtrl::HasFocus() const
{
    return m_port && GetFocus() == m_port->window;
}

void CPictureGridCtrl::AnnounceValue()
{
    if (!m_port)
        return;
    std::u16string value = GetAccessibleValue();
    if (value == m_port->announcedValue)
        return;
    m_port->announcedValue = std::move(value);
    // A screen reader asks the window's accessible object for the new value.
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_port->window, OBJID_CLIENT, CHILDID_SELF);
}
