#pragma once

#include <windows.h>

// The framework's window: the handle of a window the system made. HICON is
// the system's own.
class CWnd {
public:
    virtual ~CWnd() = default;

    HWND m_hWnd = nullptr;
};
