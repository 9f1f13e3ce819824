#include "CImageCtrl.h"

#include <utility>

void CImageCtrl::SetImage(int width, int height, std::span<const std::uint8_t> rgba)
{
    int areaWidth = 0;
    int areaHeight = 0;
    ClientSize(&areaWidth, &areaHeight);
    m_shown = ComposeImage(width, height, rgba, areaWidth, areaHeight);
    Show();
}

void CImageCtrl::Clear()
{
    m_shown = {};
    Show();
}
