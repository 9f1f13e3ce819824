#pragma once

#include "SystemHeaders.h"

// Registers the window class of one of the framework's own controls, which
// dialog templates name by `name`: the arrow cursor, no background brush
// (the control paints every pixel). True when the system took it.
inline bool RegisterControlClass(const wchar_t* name, WNDPROC procedure)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = name;
    return RegisterClassW(&windowClass) != 0;
}
