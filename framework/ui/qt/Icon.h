#pragma once

#include "WindowTypes.h"

#include <QIcon>

// Behind the framework's icon handle on this platform: Qt's icon. A handle
// is made once and lives as long as the program, as the system's shared
// icons do.
struct HICON__ {
    QIcon icon;
};

inline QIcon IconOf(HICON handle)
{
    return handle ? handle->icon : QIcon();
}

// A large icon's side in pixels: a dialog's icon control, and the icon a
// minimised window draws.
inline constexpr int kIconSize = 32;
