#pragma once

// The system's values that programs built on the framework name as the
// system's headers do, given here without those headers. Where a backend
// includes them too, their macros take over with the same values (the
// Win32 backend holds the two equal at build time).

// Command ids of the standard dialog buttons.
#ifndef IDOK
inline constexpr int IDOK = 1;
#endif
#ifndef IDCANCEL
inline constexpr int IDCANCEL = 2;
#endif
// The system command that closes a window.
#ifndef SC_CLOSE
inline constexpr unsigned SC_CLOSE = 0xF060;
#endif
// Kinds of menu entry.
#ifndef MF_STRING
inline constexpr unsigned MF_STRING = 0x0000;
#endif
#ifndef MF_SEPARATOR
inline constexpr unsigned MF_SEPARATOR = 0x0800;
#endif
// What a list box answers for no line.
#ifndef LB_ERR
inline constexpr int LB_ERR = -1;
#endif
// The size of an icon, asked of GetSystemMetrics.
#ifndef SM_CXICON
inline constexpr int SM_CXICON = 11;
#endif
#ifndef SM_CYICON
inline constexpr int SM_CYICON = 12;
#endif
// The file dialog's flag that hides its read-only box.
#ifndef OFN_HIDEREADONLY
inline constexpr unsigned OFN_HIDEREADONLY = 0x0004;
#endif
// How ShowWindow shows a window.
#ifndef SW_HIDE
inline constexpr int SW_HIDE = 0;
#endif
#ifndef SW_SHOWNOACTIVATE
inline constexpr int SW_SHOWNOACTIVATE = 4;
#endif
#ifndef SW_SHOW
inline constexpr int SW_SHOW = 5;
#endif
// The modifier keys of an accelerator.
#ifndef FSHIFT
inline constexpr unsigned FSHIFT = 0x04;
#endif
#ifndef FCONTROL
inline constexpr unsigned FCONTROL = 0x08;
#endif
#ifndef FALT
inline constexpr unsigned FALT = 0x10;
#endif
// The virtual-key code of a function key an accelerator names.
#ifndef VK_F3
inline constexpr int VK_F3 = 0x72;
#endif
// The virtual-key codes of the keys that move through a list or a grid.
#ifndef VK_PRIOR
inline constexpr int VK_PRIOR = 0x21;  // Page Up
inline constexpr int VK_NEXT = 0x22;   // Page Down
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
#endif
// What OnSize is told of a resize that leaves the window neither minimised
// nor maximised, and of one that maximises it.
#ifndef SIZE_RESTORED
inline constexpr unsigned SIZE_RESTORED = 0;
inline constexpr unsigned SIZE_MINIMIZED = 1;
inline constexpr unsigned SIZE_MAXIMIZED = 2;
#endif
