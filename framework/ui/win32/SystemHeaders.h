#pragma once

// The system's headers as the backend includes them. They define AppendMenu
// as a macro, which would rename the framework's own CMenu::AppendMenu in
// whatever follows; the backend calls the wide function by its own name.
#include <windows.h>
#include <commctrl.h>

#undef AppendMenu
