#include "PictureGridWindow.h"

#include "AccessibleTexts.h"
#include "CPictureGridCtrl.h"
#include "ControlClass.h"

#include <algorithm>
#include <climits>
#include <string>

namespace {

// What the window holds from creation to destruction.
struct PictureGridState {
    CPictureGridCtrl* grid = nullptr;
    HFONT font = nullptr;
    // Wheel turns not yet a whole row: a fine-grained wheel sends less than a notch.
    int wheelRemainder = 0;
};

PictureGridState* StateOf(HWND window)
{
    return reinterpret_cast<PictureGridState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

CPictureGridCtrl* GridOf(HWND window)
{
    const PictureGridState* state = StateOf(window);
    return state ? state->grid : nullptr;
}

// The composed cells of `area` copied out, then the labels drawn over them
// with the dialog's font; all in a bitmap first, so that the screen never
// shows the cells without their labels. Only the part the system asks for
// is drawn: a new selection draws two cells, not the screen.
void Paint(HWND window, HDC target, const RECT& area)
{
    RECT client{};
    GetClientRect(window, &client);
    RECT part{};
    if (!IntersectRect(&part, &area, &client))
        return;
    const int width = part.right - part.left, height = part.bottom - part.top;
    CPictureGridCtrl* grid = GridOf(window);
    if (!grid) {
        FillRect(target, &part, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    const GridFrame& frame = grid->ComposeFrame({part.left, part.top, part.right, part.bottom});
    const HDC dc = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    const HGDIOBJ bitmapBefore = SelectObject(dc, bitmap);
    const ComposedImage& image = frame.image;
    if (image.width == width && image.height == height && !image.pixels.empty()) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = image.width;
        info.bmiHeader.biHeight = -image.height;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;  // 0x00RRGGBB: the composed pixels as they are
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(image.width), static_cast<DWORD>(image.height), 0, 0, 0,
                          static_cast<UINT>(image.height), image.pixels.data(), &info, DIB_RGB_COLORS);
    } else {
        const RECT whole{0, 0, width, height};
        FillRect(dc, &whole, GetSysColorBrush(COLOR_WINDOW));
    }
    const PictureGridState* state = StateOf(window);
    const HGDIOBJ fontBefore = state->font ? SelectObject(dc, state->font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (const GridLabel& label : frame.labels) {
        const std::wstring text(label.text.begin(), label.text.end());
        // The bitmap's corner is the part's.
        RECT box{label.box.left - part.left, label.box.top - part.top, label.box.right - part.left,
                 label.box.bottom - part.top};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    BitBlt(target, part.left, part.top, width, height, dc, 0, 0, SRCCOPY);
    if (fontBefore)
        SelectObject(dc, fontBefore);
    SelectObject(dc, bitmapBefore);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// The scroll bar's own moves, in rows. The thumb's position comes in the
// message's 16 bits, whole while the range fits them (always, but for a
// grid one cell wide of more than 65535 cells), else from the bar.
void Scroll(HWND window, CPictureGridCtrl& grid, WPARAM wParam)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_TRACKPOS;
    GetScrollInfo(window, SB_VERT, &info);
    const int top = grid.GetTopRow(), page = grid.GetRowsInView();
    switch (LOWORD(wParam)) {
    case SB_LINEUP: grid.ScrollToRow(top - 1); break;
    case SB_LINEDOWN: grid.ScrollToRow(top + 1); break;
    case SB_PAGEUP: grid.ScrollToRow(top - page); break;
    case SB_PAGEDOWN: grid.ScrollToRow(top + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: grid.ScrollToRow(info.nMax > 0xFFFF ? info.nTrackPos : HIWORD(wParam)); break;
    case SB_TOP: grid.ScrollToRow(0); break;
    case SB_BOTTOM: grid.ScrollToRow(grid.GetLastTopRow()); break;
    default: break;
    }
}

// A wheel's turn in rows, as many a notch as the system's setting says
// (a whole page when it says so).
void Wheel(PictureGridState& state, CPictureGridCtrl& grid, int delta)
{
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    if (lines == 0)
        return;
    const int perNotch = lines == WHEEL_PAGESCROLL ? grid.GetRowsInView() : static_cast<int>(std::min<UINT>(lines, 1000));
    state.wheelRemainder += delta * perNotch;
    const int rows = state.wheelRemainder / WHEEL_DELTA;
    state.wheelRemainder -= rows * WHEEL_DELTA;
    if (rows != 0)
        grid.OnWheel(rows);
}

std::wstring ValueOf(HWND window)
{
    const CPictureGridCtrl* grid = GridOf(window);
    const std::u16string value = grid ? grid->GetAccessibleValue() : std::u16string();
    return {value.begin(), value.end()};
}

LRESULT CALLBACK PictureGridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureGridState));
        break;
    case WM_NCDESTROY:
        delete StateOf(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    case WM_SETFONT:
        if (PictureGridState* state = StateOf(window)) {
            state->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam))
                InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_GETFONT: {
        const PictureGridState* state = StateOf(window);
        return reinterpret_cast<LRESULT>(state ? state->font : nullptr);
    }
    case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
    case WM_PAINT: {
        // The part to draw again, asked for before BeginPaint takes it: Wine
        // gives an empty rcPaint for a window grown since it was shown.
        RECT update{};
        GetUpdateRect(window, &update, FALSE);
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        Paint(window, dc, IsRectEmpty(&paint.rcPaint) ? update : paint.rcPaint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(window, &client);
        Paint(window, reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_GETDLGCODE:
        // The arrows are the grid's; Tab, Escape and Enter stay the dialog's.
        return DLGC_WANTARROWS;
    case WM_GETOBJECT: {
        static constexpr AccessibleTexts kTexts = {nullptr, &ValueOf};
        if (const LRESULT answer = AnswerAccessibleObject(window, wParam, lParam, kTexts))
            return answer;
        break;
    }
    default:
        break;
    }
    CPictureGridCtrl* grid = GridOf(window);
    if (!grid)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_SIZE: grid->OnResize(); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: grid->OnFocusChange(); return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        grid->OnClick(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_KEYDOWN:
        if (grid->OnKey(static_cast<int>(wParam)))
            return 0;
        break;
    case WM_MOUSEWHEEL:
        Wheel(*StateOf(window), *grid, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_VSCROLL: Scroll(window, *grid, wParam); return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void RegisterPictureGridWindowClass()
{
    static const bool registered = RegisterControlClass(kPictureGridWindowClass, &PictureGridProc);
    (void)registered;
}

bool IsPictureGridWindow(HWND window)
{
    wchar_t name[64] = {};
    return window && GetClassNameW(window, name, 64) > 0 && std::wstring_view(name) == kPictureGridWindowClass;
}

void AttachPictureGrid(HWND window, CPictureGridCtrl* grid)
{
    if (PictureGridState* state = StateOf(window))
        state->grid = grid;
    InvalidateRect(window, nullptr, FALSE);
}
