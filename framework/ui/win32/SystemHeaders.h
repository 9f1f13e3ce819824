#pragma once

// The system's headers as the backend includes them. They define AppendMenu
// and TranslateAccelerator as macros, which would rename the framework's own
// CMenu::AppendMenu and CDialog::TranslateAccelerator in whatever follows;
// the backend calls the wide functions by their own names.
#include <windows.h>
#include <commctrl.h>

#undef AppendMenu
#undef TranslateAccelerator
