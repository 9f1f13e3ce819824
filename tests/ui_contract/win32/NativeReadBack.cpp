#include "NativeReadBack.h"

#include "NativeWindow.h"

#include <oleacc.h>

#include <algorithm>

namespace {

// The control's accessible object, as a screen reader gets it from the
// system (through the control's WM_GETOBJECT, or the system's own object
// of its class), and one text of it.
std::u16string AccessibleText(HWND control, HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*))
{
    static const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    (void)comStarted;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return u"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    const HRESULT result = (object->*read)(self, &text);
    object->Release();
    std::u16string read16;
    if (SUCCEEDED(result) && text)
        read16.assign(text, text + SysStringLen(text));
    SysFreeString(text);
    return read16;
}

// The point of a control's client area on the screen, as the wheel's messages carry it.
POINT OnScreen(HWND control, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(control, &point);
    return point;
}

// A key's messages as a modeless dialog's message loop hands them on: the
// dialog manager first (Tab, Escape and Enter are its own), then the control.
void DeliverKey(HWND control, UINT message, WPARAM key, LPARAM flags)
{
    MSG delivered{control, message, key, flags, static_cast<DWORD>(GetMessageTime()), {}};
    const HWND root = GetAncestor(control, GA_ROOT);
    if (!root || !IsDialogMessageW(root, &delivered)) {
        TranslateMessage(&delivered);
        DispatchMessageW(&delivered);
    }
}

} // namespace

RenderedControl RenderControl(const CDialog& dialog, int id)
{
    const HWND control = NativeControl(dialog, id);
    RECT client{};
    GetClientRect(control, &client);
    RenderedControl rendered{client.right, client.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = rendered.width;
    info.bmiHeader.biHeight = -rendered.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ before = SelectObject(dc, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < rendered.width * rendered.height; ++i)
        rendered.pixels.push_back(0xFF000000u | pixels[i]);
    SelectObject(dc, before);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return rendered;
}

std::u16string AccessibleNameOf(const CDialog& dialog, int id)
{
    return AccessibleText(NativeControl(dialog, id), &IAccessible::get_accName);
}

CRect DialogUnitsToPixels(const CDialog& dialog, int cx, int cy)
{
    RECT rect{0, 0, cx, cy};
    MapDialogRect(NativeWindow(dialog), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool IsControlShown(const CDialog& dialog, int id)
{
    return (GetWindowLongW(NativeControl(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<int> TabOrder(const CDialog& dialog)
{
    // The dialog manager's own walk, which passes hidden and disabled controls by.
    const HWND window = NativeWindow(dialog);
    std::vector<int> ids;
    const HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    for (HWND control = first; control;) {
        ids.push_back(GetDlgCtrlID(control));
        control = GetNextDlgTabItem(window, control, FALSE);
        if (control == first)
            break;
    }
    return ids;
}

bool IsControlEnabled(const CDialog& dialog, int id)
{
    return IsWindowEnabled(NativeControl(dialog, id)) != FALSE;
}

void ClickNatively(const CDialog& dialog, int id)
{
    SendMessageW(NativeControl(dialog, id), BM_CLICK, 0, 0);
}

void HandleWaitingEvents()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void PressArrowKey(const CDialog& dialog, int id, bool up)
{
    // The key's messages as the message loop hands them to the focused edit.
    const HWND control = NativeControl(dialog, id);
    const WPARAM key = up ? VK_UP : VK_DOWN;
    SendMessageW(control, WM_KEYDOWN, key, 1);
    SendMessageW(control, WM_KEYUP, key, 1 | 0xC0000000);
}

void ClickAt(const CDialog& dialog, int id, int x, int y)
{
    const HWND control = NativeControl(dialog, id);
    const LPARAM point = MAKELPARAM(x, y);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(control, WM_LBUTTONUP, 0, point);
}

void PressKey(const CDialog& dialog, int id, int virtualKey)
{
    const HWND control = NativeControl(dialog, id);
    DeliverKey(control, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    DeliverKey(GetFocus() ? GetFocus() : control, WM_KEYUP, static_cast<WPARAM>(virtualKey), 1 | 0xC0000000);
}

void TurnWheel(const CDialog& dialog, int id, bool up)
{
    // Windows hands the wheel to the window under the pointer, wherever the focus is.
    const HWND control = NativeControl(dialog, id);
    RECT client{};
    GetClientRect(control, &client);
    const POINT centre = OnScreen(control, client.right / 2, client.bottom / 2);
    SendMessageW(control, WM_MOUSEWHEEL, MAKEWPARAM(0, up ? WHEEL_DELTA : -WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
}

ScrollBarState VerticalScrollBarOf(const CDialog& dialog, int id)
{
    const HWND control = NativeControl(dialog, id);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    ScrollBarState state;
    if (!GetScrollInfo(control, SB_VERT, &info))
        return state;
    state.lastPosition = std::max(info.nMax - static_cast<int>(std::max(info.nPage, 1u)) + 1, info.nMin);
    state.page = static_cast<int>(info.nPage);
    state.position = info.nPos;
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    state.shown = GetScrollBarInfo(control, OBJID_VSCROLL, &bar) && !(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    return state;
}

void DragScrollBar(const CDialog& dialog, int id, int position)
{
    // What the system's scroll bar sends its window while its thumb is dragged and let go.
    const HWND control = NativeControl(dialog, id);
    SendMessageW(control, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
    SendMessageW(control, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    SendMessageW(control, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
}

std::u16string AccessibleValueOf(const CDialog& dialog, int id)
{
    return AccessibleText(NativeControl(dialog, id), &IAccessible::get_accValue);
}

CRect ControlRect(const CDialog& dialog, int id)
{
    RECT box{};
    GetWindowRect(NativeControl(dialog, id), &box);
    MapWindowPoints(nullptr, NativeWindow(dialog), reinterpret_cast<POINT*>(&box), 2);
    return {box.left, box.top, box.right, box.bottom};
}

void ResizeClientNatively(const CDialog& dialog, int width, int height)
{
    // The frame keeps its size round the client area; the system holds the
    // window to the least size its procedure allows, as it does for a drag.
    const HWND window = NativeWindow(dialog);
    RECT frame{}, client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    SetWindowPos(window, nullptr, 0, 0, width + (frame.right - frame.left) - client.right,
                 height + (frame.bottom - frame.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<std::u16string> DropDownLines(const CDialog& dialog, int id)
{
    const HWND control = NativeControl(dialog, id);
    std::vector<std::u16string> lines;
    const LRESULT count = SendMessageW(control, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring line(static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        line.resize(static_cast<std::size_t>(
            SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
        lines.emplace_back(line.begin(), line.end());
    }
    return lines;
}

void PickNatively(const CDialog& dialog, int id, int position)
{
    // One key in the closed list, from the line next to the one wanted,
    // picks it as the user does; the list itself reports the pick.
    const HWND control = NativeControl(dialog, id);
    const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
    if (position < 0 || position >= count)
        return;
    SetFocus(control);
    const bool fromBelow = position == 0 && count > 1;
    SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(fromBelow ? 1 : position - 1), 0);
    const WPARAM key = fromBelow ? VK_UP : position == 0 ? VK_HOME : VK_DOWN;
    SendMessageW(control, WM_KEYDOWN, key, 1);
    SendMessageW(control, WM_KEYUP, key, 1 | 0xC0000000);
}

int WheelScrollLines()
{
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<int>(lines);
}
