#include "CImageCtrl.h"

#include "ImageWindow.h"
#include "NativeWindow.h"

#include <utility>

// What a CImageCtrl holds on this platform: the control's window.
class ImagePort {
public:
    explicit ImagePort(HWND target) : window(target) {}
    const HWND window;
};

CImageCtrl::CImageCtrl() = default;
CImageCtrl::~CImageCtrl() = default;

void CImageCtrl::SubclassDlgItem(int id, CDialog* dialog)
{
    const HWND control = NativeControl(*dialog, id);
    m_port = control ? std::make_unique<ImagePort>(control) : nullptr;
}

void CImageCtrl::ClientSize(int* width, int* height) const
{
    RECT client{};
    GetClientRect(m_port->window, &client);
    *width = client.right - client.left;
    *height = client.bottom - client.top;
}

void CImageCtrl::Show(ComposedImage composed)
{
    SetImageWindowPicture(m_port->window, std::move(composed));
}
