#pragma once

#include "ImageComposition.h"
#include "SystemHeaders.h"

// The window class of an image control, which dialog templates name; it
// paints the composed picture it is given over the dialog's background.
inline constexpr wchar_t kImageWindowClass[] = L"QuarnelImage";

// Registers the class once, before the first template that names it.
void RegisterImageWindowClass();
// Gives the control a new picture and repaints it.
void SetImageWindowPicture(HWND window, ComposedImage composed);
