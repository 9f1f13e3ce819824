#include "IconResource.h"

#include "SystemHeaders.h"

HICON LoadIconResource(int id)
{
    // Shared: the system keeps one copy, which is never destroyed.
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0,
                                         LR_DEFAULTSIZE | LR_SHARED));
}
