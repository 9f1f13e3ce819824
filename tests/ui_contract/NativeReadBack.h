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

// A press and release of the left button at (x, y) of the control's client
// area, as the window system delivers them.
void ClickAt(const CDialog& dialog, int id, int x, int y);
// A key (a virtual-key code: VK_LEFT, VK_NEXT, ...) pressed and let go in the control.
void PressKey(const CDialog& dialog, int id, int virtualKey);
// One notch of the mouse wheel over the control, towards the top when `up`.
void TurnWheel(const CDialog& dialog, int id, bool up);
// The lines one notch of the wheel scrolls, as the user has set the system.
int WheelScrollLines();
// The control's vertical scroll bar as the window system holds it: the
// highest position the thumb can reach, the page and the position.
struct ScrollBarState {
    int lastPosition = 0;
    int page = 0;
    int position = 0;
    bool shown = false;
};
ScrollBarState VerticalScrollBarOf(const CDialog& dialog, int id);
// Moves the thumb to `position`, as a drag of it does.
void DragScrollBar(const CDialog& dialog, int id, int position);
// What a screen reader reads as the control's value.
std::u16string AccessibleValueOf(const CDialog& dialog, int id);
// The control's box in its window's client area, in pixels.
CRect ControlRect(const CDialog& dialog, int id);
// The window's client area resized as a drag of its frame does (the
// window system may keep it from going below a minimum).
void ResizeClientNatively(const CDialog& dialog, int width, int height);
// The lines of a drop-down list as the system holds them, and a line picked as the user picks it.
std::vector<std::u16string> DropDownLines(const CDialog& dialog, int id);
void PickNatively(const CDialog& dialog, int id, int position);
