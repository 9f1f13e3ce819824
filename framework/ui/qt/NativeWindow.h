#pragma once

// What only code of this backend (its tests, benchmarks and tools) may
// reach: the Qt widgets behind a dialog and its controls.

#include "DialogPort.h"

inline QDialog& NativeDialog(const CDialog& dialog)
{
    return dialog.Port();
}

// The control with that id, or null.
inline QWidget* NativeControl(const CDialog& dialog, int id)
{
    return dialog.Port().Control(id);
}
