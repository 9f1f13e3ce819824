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
    GroupBox,  // a frame with a caption round the controls listed after it; never takes the focus
    // An edit of a whole number (digits only) with up and down arrows at its
    // right; the arrows and the Up and Down keys step the number within the
    // range CDialog::SetItemRange gives it. It reports changes as an edit does.
    NumberBox,
    // A drop-down list of lines to pick one from (no text of its own is
    // typed): lines added with CDialog::AddItemString, the picked one read
    // and set by position; a pick by the user reports ComboSelChange.
    // Text holds the name a screen reader gives it: its label's text, as it
    // stands without the mnemonic's '&' (Qt on Linux names it by the label
    // itself, Windows by this text). As
    // the system's, its box is as high as its font needs, whatever the
    // template's or a MoveItem's height: that is the opened list's room.
    DropDownList,
    // Cells of pictures a CPictureGridCtrl shows, scrolled by the system's
    // scroll bar; text holds the name a screen reader gives it.
    PictureGrid,
};

struct DialogItemTemplate {
    ControlKind kind;
    int id;
    const char* text;
    int x, y, cx, cy;
    unsigned style;
};

// A dialog's own template, or a second list of items that a dialog adds to
// its own (CDialog::AddItems): then its size is the window's client area
// while those items show, and its caption, font and style go unused.
struct DialogTemplate {
    int id;
    const char* caption;
    const char* fontName;
    int pointSize;
    int cx, cy;
    unsigned style;
    std::span<const DialogItemTemplate> items;
};
