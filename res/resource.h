#pragma once

// Resource and control ids of the program.

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_EDITOR_DIALOG = 102;
inline constexpr int IDD_TILEART_DIALOG = 103;
inline constexpr int IDS_TILEART = 104;
inline constexpr int IDD_FIND_DIALOG = 105;
inline constexpr int IDS_FINDTILE = 106;
// Added to the editor while a newer file is loaded: the group of flag bits
// 32-63, and the editor's size with it.
inline constexpr int IDD_EDITOR_HIGH_FLAGS = 107;
// The Tile Pictures window, and its menu entry.
inline constexpr int IDD_TILEPICTURES_DIALOG = 108;
inline constexpr int IDS_TILEPICTURES = 109;
inline constexpr int IDR_MAINFRAME = 128;

// The system-menu command of the About entry.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;
// The system-menu command of the Tile Art entry, and of its key.
inline constexpr unsigned IDM_TILEART = 0x0020;
// The system-menu command of the Find Tile entry, and of its key; and the
// command of the key that repeats the last search, which has no entry.
inline constexpr unsigned IDM_FINDTILE = 0x0030;
inline constexpr unsigned IDM_FINDNEXT = 0x0040;
// The command the editor sends itself to load the file it was started with,
// once its window is shown; no entry, no key.
inline constexpr unsigned IDM_LOADATSTART = 0x0050;
// The system-menu command of the Tile Pictures entry, and of its key.
inline constexpr unsigned IDM_TILEPICTURES = 0x0060;

inline constexpr int IDC_LOAD = 3;
inline constexpr int IDC_SAVE = 4;
inline constexpr int IDC_LIST = 1000;
inline constexpr int IDC_NAME = 1001;
inline constexpr int IDC_WEIGHT = 1002;
inline constexpr int IDC_HEIGHT = 1003;
inline constexpr int IDC_LAYER = 1004;
inline constexpr int IDC_GUMP = 1005;
inline constexpr int IDC_CLASS = 1006;
inline constexpr int IDC_HUE = 1007;
// Check box of flag bit i: IDC_FLAG0 + i, i = 0 .. 31.
inline constexpr int IDC_FLAG0 = 1008;
inline constexpr int IDC_UNKNOWN1 = 1040;
inline constexpr int IDC_UNKNOWN2 = 1044;
inline constexpr int IDC_UNKNOWN3 = 1045;
inline constexpr int IDC_UNKNOWN4 = 1046;
inline constexpr int IDC_UNKNOWN5 = 1047;
// Check box of flag bit 32 + i of a newer file: IDC_FLAG32 + i, i = 0 .. 31.
inline constexpr int IDC_FLAG32 = 1200;
inline constexpr int IDC_FLAG63 = IDC_FLAG32 + 31;
// The Tile Art window's picture and the line under it.
inline constexpr int IDC_TILE_IMAGE = 1100;
inline constexpr int IDC_TILE_TEXT = 1101;
// The Tile Art window's hue: the number box, and the line beside it naming the hue.
inline constexpr int IDC_HUE_NUMBER = 1103;
inline constexpr int IDC_HUE_NAME = 1104;
// The Find Tile dialog's text to look for.
inline constexpr int IDC_FIND_TEXT = 1102;
// The Tile Art window's buttons under the picture.
inline constexpr int IDC_SAVE_PICTURE = 1105;
inline constexpr int IDC_REPLACE_PICTURE = 1106;
inline constexpr int IDC_REMOVE_PICTURE = 1107;
// The Tile Pictures window: its filters, its hue, the grid and the status line under it.
inline constexpr int IDC_PICTURES_SHOW = 1110;
inline constexpr int IDC_PICTURES_NAME = 1111;
inline constexpr int IDC_PICTURES_FLAG = 1112;
inline constexpr int IDC_PICTURES_HUE = 1113;
inline constexpr int IDC_PICTURES_GRID = 1114;
inline constexpr int IDC_PICTURES_STATUS = 1115;
