#pragma once

#include <QIcon>
#include <QWidget>

// The framework's names for a window and an icon, which programs use; on
// this platform they are Qt's own.
using CWnd = QWidget;
using HICON = QIcon;
