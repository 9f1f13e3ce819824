#include "ImageWindow.h"

#include "ControlClass.h"

#include <utility>

namespace {

// What the window holds: its picture, from creation to destruction.
struct ImageWindowState {
    ComposedImage composed;
};

ImageWindowState* StateOf(HWND window)
{
    return reinterpret_cast<ImageWindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Paint(HWND window, HDC dc)
{
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const ImageWindowState* state = StateOf(window);
    if (!state || state->composed.pixels.empty())
        return;
    const ComposedImage& composed = state->composed;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = composed.width;
    info.bmiHeader.biHeight = -composed.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;  // 0x00RRGGBB in memory order B, G, R: the composed pixels as they are
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, composed.x, composed.y, static_cast<DWORD>(composed.width),
                      static_cast<DWORD>(composed.height), 0, 0, 0, static_cast<UINT>(composed.height),
                      composed.pixels.data(), &info, DIB_RGB_COLORS);
}

LRESULT CALLBACK ImageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ImageWindowState));
        break;
    case WM_NCDESTROY:
        delete StateOf(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        Paint(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(window, reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void RegisterImageWindowClass()
{
    static const bool registered = RegisterControlClass(kImageWindowClass, &ImageWindowProc);
    (void)registered;
}

void SetImageWindowPicture(HWND window, ComposedImage composed)
{
    if (ImageWindowState* state = StateOf(window)) {
        state->composed = std::move(composed);
        InvalidateRect(window, nullptr, FALSE);
    }
}
