#pragma once

#include "SystemHeaders.h"

#include <string>

// What a control tells a screen reader beyond what the system's accessible
// object of its class knows: its name and its value, asked afresh at each
// call, so that a reader holding the object hears what the control shows
// now. Null: the system's own answer.
struct AccessibleTexts {
    std::wstring (*name)(HWND window) = nullptr;
    std::wstring (*value)(HWND window) = nullptr;
};

// The answer to WM_GETOBJECT: for the control's client area, the system's
// own accessible object with `texts` in its place; 0 for any other object,
// which the caller leaves to the default procedure.
LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleTexts& texts);
