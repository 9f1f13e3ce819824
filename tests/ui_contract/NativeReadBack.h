#pragma once

#include "CDialog.h"

#include <cstdint>
#include <string>
#include <vector>

// What a control looks like and is called, read back from the window
// system rather than from the framework: each backend has its own reading.
struct RenderedControl {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, row by row
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

RenderedControl RenderControl(const CDialog& dialog, int id);
// The name a screen reader gives the control.
std::u16string AccessibleNameOf(const CDialog& dialog, int id);

// A size in dialog units in the window's pixels, as the window system converts it.
CRect DialogUnitsToPixels(const CDialog& dialog, int cx, int cy);
// Whether the control would show with its window (the window itself may be hidden).
bool IsControlShown(const CDialog& dialog, int id);
// Presses and lets go of the Up (or Down) key in a control, as the window system delivers it.
void PressArrowKey(const CDialog& dialog, int id, bool up);
// The ids of the controls the Tab key reaches, in order.
std::vector<int> TabOrder(const CDialog& dialog);
// Whether the window system takes the control as enabled.
bool IsControlEnabled(const CDialog& dialog, int id);
// A push button clicked through the window system's own button.
void ClickNatively(const CDialog& dialog, int id);
// Handles what the window system has waiting, as a modal loop would.
void HandleWaitingEvents();
