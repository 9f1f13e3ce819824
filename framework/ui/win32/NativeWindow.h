#pragma once

// What only code of this backend (its tests, benchmarks and tools) may
// reach: the system's windows behind a dialog and its controls.

#include "DialogPort.h"

inline HWND NativeWindow(const CDialog& dialog)
{
    return dialog.Port().Window();
}

// The control with that id, or null.
inline HWND NativeControl(const CDialog& dialog, int id)
{
    const HWND window = NativeWindow(dialog);
    return window ? GetDlgItem(window, id) : nullptr;
}
