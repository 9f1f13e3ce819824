#pragma once

#include <span>

// A dialog's layout as data, in dialog units, the way a resource file
// describes it. Controls are listed in tab order.
enum class ControlKind {
    PushButton,
    DefPushButton,
    ListBox,
    Edit,
    AutoCheckBox,
    Label,
    Icon,   // text holds the icon's resource id
    Image,  // pixels a CImageCtrl shows; text holds the name a screen reader gives it
};

struct DialogItemTemplate {
    ControlKind kind;
    int id;
    const char* text;
    int x, y, cx, cy;
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* caption;
    const char* fontName;
    int pointSize;
    int cx, cy;
    unsigned style;
    std::span<const DialogItemTemplate> items;
};
