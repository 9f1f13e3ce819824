#include "CImageCtrl.h"

#include <utility>

void CImageCtrl::SetImage(int width, int height, std::span<const std::uint8_t> rgba)
{
    int areaWidth = 0;
    int areaHeight = 0;
    ClientSize(&areaWidth, &areaHeight);
    ComposedImage composed = ComposeImage(width, height, rgba, areaWidth, areaHeight);
    m_scale = composed.scale;
    Show(std::move(composed));
}

void CImageCtrl::Clear()
{
    m_scale = 0;
    Show({});
}
