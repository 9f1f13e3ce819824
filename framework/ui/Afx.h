#pragma once

// Ids, styles and notification codes shared by the framework and programs built on it.
//
// Accepted, no effect on Qt: the program keeps the framework's classic
// calls, and the Qt backend takes these without acting on them (the Win32
// backend honours the styles and the icon flag; the rest has no effect on
// either).
// - Styles of the templates: kListSort (the list box always keeps its lines
//   sorted), kListNotify (it always reports user selections),
//   kListNoIntegralHeight, kEditAutoHScroll (line edits always scroll),
//   kStaticNoPrefix (labels show their text as it stands), kPopup,
//   kModalFrame and kAppWindow (the window manager decides the frame).
// - CDialog::GetSystemMenu's revert flag and SetIcon's big-icon flag (one
//   window icon holds both sizes).
// - CFileDialog's OFN_ flags (an open dialog offers no read-only box; a
//   save dialog always asks before writing over a file).
// - CWinApp::Enable3dControls and AfxEnableControlContainer.

#include "SystemValues.h"  // IDOK, IDCANCEL and SC_CLOSE

// The id of controls that no code refers to (labels, icons).
inline constexpr int IDC_STATIC = -1;
// The framework's help command (the F1 key).
inline constexpr int ID_HELP = 0xE146;

// Window and control styles that dialog templates carry.
namespace Style {
inline constexpr unsigned kTabStop = 1u << 0;
inline constexpr unsigned kBorder = 1u << 1;
inline constexpr unsigned kVScroll = 1u << 2;
inline constexpr unsigned kListSort = 1u << 3;
inline constexpr unsigned kListNotify = 1u << 4;
inline constexpr unsigned kListNoIntegralHeight = 1u << 5;
inline constexpr unsigned kEditAutoHScroll = 1u << 6;
inline constexpr unsigned kStaticNoPrefix = 1u << 7;
inline constexpr unsigned kPopup = 1u << 8;
inline constexpr unsigned kCaption = 1u << 9;
inline constexpr unsigned kSysMenu = 1u << 10;
inline constexpr unsigned kModalFrame = 1u << 11;
inline constexpr unsigned kAppWindow = 1u << 12;  // shown in the task bar
// A label whose text wraps at its width onto the lines below, as the
// system's left-aligned static text always does; Qt's labels need telling.
inline constexpr unsigned kLabelWordWrap = 1u << 13;
// A window the user may resize by its frame, never smaller than its
// template's size; the dialog hears each new size (ON_WM_SIZE) and places
// its controls itself (CDialog::MoveItem).
inline constexpr unsigned kThickFrame = 1u << 14;
} // namespace Style

// A key that sends a command wherever the focus is in the dialog, as an
// accelerator table's entry does. The key is a virtual-key code: for the
// letters and digits, the upper-case character; for a function key, as
// SystemValues.h names it. The command goes to the
// system-command handler, as the system sends an accelerator whose command
// is an entry of the window's system menu.
struct Accelerator {
    unsigned modifiers;  // FCONTROL, FSHIFT, FALT together
    int key;
    unsigned command;
};

// What a control reports to its dialog.
enum class Notification {
    ButtonClicked,
    EditChange,
    ListSelChange,  // a list box's or a picture grid's selection, changed by the user
    ComboSelChange,  // a drop-down list's line, picked by the user
};

// A rectangle in a window's client coordinates.
struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Message box icons.
enum class MessageIcon {
    Exclamation,
    Stop,
    Information,
};
