#include "CImageCtrl.h"

#include "ImageControl.h"
#include "NativeWindow.h"

#include <utility>

// What a CImageCtrl holds on this platform: the control's widget.
class ImagePort {
public:
    explicit ImagePort(ImageControl& target) : control(target) {}
    ImageControl& control;
};

CImageCtrl::CImageCtrl() = default;
CImageCtrl::~CImageCtrl() = default;

void CImageCtrl::SubclassDlgItem(int id, CDialog* dialog)
{
    auto* control = dynamic_cast<ImageControl*>(NativeControl(*dialog, id));
    m_port = control ? std::make_unique<ImagePort>(*control) : nullptr;
}

void CImageCtrl::ClientSize(int* width, int* height) const
{
    *width = m_port->control.width();
    *height = m_port->control.height();
}

void CImageCtrl::Show(ComposedImage composed)
{
    m_port->control.SetComposed(std::move(composed));
}
