#pragma once

#include "SystemHeaders.h"

class CPictureGridCtrl;

// The window class of a picture grid, which dialog templates name: it
// draws what its CPictureGridCtrl composes, with the dialog's font, and
// hands the grid its clicks, keys, wheel turns, scroll bar moves, focus
// and size. Until a grid is attached it shows the window's background.
inline constexpr wchar_t kPictureGridWindowClass[] = L"QuarnelPictureGrid";

// Registers the class once, before the first template that names it.
void RegisterPictureGridWindowClass();
bool IsPictureGridWindow(HWND window);
// The grid the window reports to from now on (null: none).
void AttachPictureGrid(HWND window, CPictureGridCtrl* grid);
