#include "NativeReadBack.h"

#include "NativeWindow.h"

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
    // The system's accessibility takes a window's own text as its name,
    // without the marker of its mnemonic ("&&" standing for "&").
    const HWND control = NativeControl(dialog, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    std::u16string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        name.push_back(static_cast<char16_t>(text[i]));
    }
    return name;
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
