#include "Resources.h"

#include "IconResource.h"

#include "Afx.h"
#include "TileDataLayout.h"
#include "TileFlags.h"
#include "VersionRecord.h"
#include "resource.h"

#include <array>

namespace {

using enum ControlKind;
using namespace Style;

constexpr unsigned kEdit = kBorder | kEditAutoHScroll | kTabStop;

// Template 100: the About box.
constexpr DialogItemTemplate kAboutItems[] = {
    {Icon, IDC_STATIC, "128", 11, 17, 20, 20, 0},
    {Label, IDC_STATIC, VersionRecord::kAboutLine, 40, 10, 119, 8, kStaticNoPrefix},
    {Label, IDC_STATIC, "Edits the static tiles of tile-data files.", 40, 25, 119, 8, 0},
    {DefPushButton, IDOK, "OK", 178, 7, 50, 14, kTabStop},
};

// Template 102: the editor. The check boxes stand in four columns of eight.
constexpr int kFlagColumnX[] = {129, 193, 254, 314};
constexpr int kFlagWidths[TileFlag::kCount] = {
    55, 43, 54, 53, 30, 48, 51, 35, 53, 41, 36, 41, 42, 46, 48, 52,
    39, 39, 51, 53, 30, 46, 47, 53, 47, 55, 53, 34, 31, 31, 52, 52,
};

constexpr DialogItemTemplate kLeadingEditorItems[] = {
    {DefPushButton, IDOK, "&Quit", 316, 45, 50, 14, kTabStop},
    // A list box shows no text of its own: its text is the name a screen reader gives it.
    {ListBox, IDC_LIST, "Tiles", 7, 7, 105, 228,
     kListSort | kListNotify | kVScroll | kBorder | kListNoIntegralHeight | kTabStop},
    {PushButton, IDC_LOAD, "&Load", 315, 7, 50, 14, kTabStop},
    {PushButton, IDC_SAVE, "&Save", 316, 26, 50, 14, kTabStop},
    {Label, IDC_STATIC, "Name:", 129, 9, 22, 8, 0},
    {Edit, IDC_NAME, nullptr, 157, 7, 103, 12, kEdit},
    {Label, IDC_STATIC, "Weight:", 130, 25, 26, 8, 0},
    {Edit, IDC_WEIGHT, nullptr, 157, 23, 29, 12, kEdit},
    {Label, IDC_STATIC, "Height:", 203, 25, 24, 8, 0},
    {Edit, IDC_HEIGHT, nullptr, 231, 23, 29, 12, kEdit},
    {Label, IDC_STATIC, "Layer:", 129, 41, 20, 8, 0},
    {Edit, IDC_LAYER, nullptr, 157, 39, 29, 12, kEdit},
    {Label, IDC_STATIC, "Gump:", 203, 41, 22, 8, 0},
    {Edit, IDC_GUMP, nullptr, 231, 39, 29, 12, kEdit},
    {Label, IDC_STATIC, "Class:", 129, 57, 20, 8, 0},
    {Edit, IDC_CLASS, nullptr, 157, 55, 29, 12, kEdit},
    {Label, IDC_STATIC, "Hue:", 203, 57, 16, 8, 0},
    {Edit, IDC_HUE, nullptr, 231, 55, 29, 12, kEdit},
};

constexpr DialogItemTemplate kTrailingEditorItems[] = {
    {Label, IDC_STATIC, "Unknown 1:", 132, 164, 40, 8, 0},
    {Edit, IDC_UNKNOWN1, nullptr, 174, 162, 29, 12, kEdit},
    {Label, IDC_STATIC, "Unknown 2:", 214, 164, 40, 8, 0},
    {Edit, IDC_UNKNOWN2, nullptr, 256, 162, 29, 12, kEdit},
    {Label, IDC_STATIC, "Unknown 3:", 132, 180, 40, 8, 0},
    {Edit, IDC_UNKNOWN3, nullptr, 174, 177, 29, 12, kEdit},
    {Label, IDC_STATIC, "Unknown 4:", 214, 179, 40, 8, 0},
    {Edit, IDC_UNKNOWN4, nullptr, 256, 177, 29, 12, kEdit},
    {Label, IDC_STATIC, "Unknown 5:", 132, 196, 40, 8, 0},
    {Edit, IDC_UNKNOWN5, nullptr, 174, 193, 29, 12, kEdit},
};

constexpr auto MakeEditorItems()
{
    constexpr std::size_t leading = std::size(kLeadingEditorItems);
    std::array<DialogItemTemplate, leading + TileFlag::kCount + std::size(kTrailingEditorItems)> items{};
    std::size_t n = 0;
    for (const DialogItemTemplate& item : kLeadingEditorItems)
        items[n++] = item;
    for (int bit = 0; bit < TileFlag::kCount; ++bit)
        items[n++] = {AutoCheckBox, IDC_FLAG0 + bit, TileFlag::kLabels[bit], kFlagColumnX[bit / 8],
                      71 + 10 * (bit % 8), kFlagWidths[bit], 10, kTabStop};
    for (const DialogItemTemplate& item : kTrailingEditorItems)
        items[n++] = item;
    return items;
}

constexpr auto kEditorItems = MakeEditorItems();

// Template 107: the newer file's flag bits 32-63, added below the editor's
// own controls, in a group the width of the window, four columns of eight
// boxes as the flags above. Its size is the editor's with the group.
constexpr int kHighFlagCount = kNewerLayout.FlagBitCount() - TileFlag::kCount;
static_assert(IDC_FLAG63 - IDC_FLAG32 + 1 == kHighFlagCount);
constexpr int kHighFlagGroupX = 7, kHighFlagGroupY = 240, kHighFlagGroupWidth = 369, kHighFlagGroupHeight = 96;
constexpr int kHighFlagColumnX[] = {17, 107, 197, 287};
constexpr int kHighFlagTopY = kHighFlagGroupY + 13;

// "Bit 32" .. "Bit 63".
constexpr auto kHighFlagLabels = [] {
    std::array<std::array<char, sizeof "Bit 63">, kHighFlagCount> labels{};
    for (int i = 0; i < kHighFlagCount; ++i) {
        const int bit = TileFlag::kCount + i;
        labels[i] = {'B', 'i', 't', ' ', static_cast<char>('0' + bit / 10), static_cast<char>('0' + bit % 10), '\0'};
    }
    return labels;
}();

constexpr auto MakeHighFlagItems()
{
    std::array<DialogItemTemplate, 1 + kHighFlagCount> items{};
    items[0] = {GroupBox, IDC_STATIC, "Bits 32-63", kHighFlagGroupX, kHighFlagGroupY, kHighFlagGroupWidth,
                kHighFlagGroupHeight, 0};
    for (int i = 0; i < kHighFlagCount; ++i)
        items[1 + i] = {AutoCheckBox, IDC_FLAG32 + i, kHighFlagLabels[i].data(), kHighFlagColumnX[i / 8],
                        kHighFlagTopY + 10 * (i % 8), 40, 10, kTabStop};
    return items;
}

constexpr auto kHighFlagItems = MakeHighFlagItems();

// Template 103: the Tile Art window, a picture over its line of text, and
// under them the hue it is drawn in and that hue's name, then the buttons
// that save the picture, replace it or remove it. The line wraps: a message
// naming the files looked for is longer than the window is wide.
constexpr DialogItemTemplate kTileArtItems[] = {
    {Image, IDC_TILE_IMAGE, "Tile art", 7, 7, 212, 160, 0},
    {Label, IDC_TILE_TEXT, nullptr, 7, 172, 212, 26, kStaticNoPrefix | kLabelWordWrap},
    {Label, IDC_STATIC, "Hue:", 7, 203, 18, 8, 0},
    {NumberBox, IDC_HUE_NUMBER, nullptr, 27, 201, 40, 12, kBorder | kTabStop},
    {Label, IDC_HUE_NAME, nullptr, 72, 203, 147, 17, kStaticNoPrefix | kLabelWordWrap},
    {PushButton, IDC_SAVE_PICTURE, "Save Picture &As...", 7, 223, 72, 14, kTabStop},
    {PushButton, IDC_REPLACE_PICTURE, "&Replace Picture...", 83, 223, 70, 14, kTabStop},
    {PushButton, IDC_REMOVE_PICTURE, "Re&move Picture", 157, 223, 62, 14, kTabStop},
};

// Template 108: Tile Pictures, resizable: a row of filters and the hue over
// the grid, which takes what the window grows by, and the status line under
// it. Each filter's text is the name a screen reader gives it, its label's.
constexpr DialogItemTemplate kTilePicturesItems[] = {
    {Label, IDC_STATIC, "&Show:", 7, 9, 22, 8, 0},
    {DropDownList, IDC_PICTURES_SHOW, "Show:", 30, 7, 72, 12, kTabStop},
    {Label, IDC_STATIC, "&Name:", 108, 9, 22, 8, 0},
    {Edit, IDC_PICTURES_NAME, nullptr, 131, 7, 80, 12, kEdit},
    {Label, IDC_STATIC, "F&lag:", 217, 9, 18, 8, 0},
    {DropDownList, IDC_PICTURES_FLAG, "Flag:", 236, 7, 80, 12, kTabStop},
    {Label, IDC_STATIC, "H&ue:", 322, 9, 18, 8, 0},
    {NumberBox, IDC_PICTURES_HUE, nullptr, 341, 7, 40, 12, kBorder | kTabStop},
    {PictureGrid, IDC_PICTURES_GRID, "Tile pictures", 7, 24, 374, 208, kBorder | kTabStop},
    {Label, IDC_PICTURES_STATUS, nullptr, 7, 236, 374, 8, kStaticNoPrefix},
};

// Template 105: Find Tile, the text to look for in the tiles' names.
constexpr DialogItemTemplate kFindItems[] = {
    {Label, IDC_STATIC, "Find &what:", 7, 9, 40, 8, 0},
    {Edit, IDC_FIND_TEXT, nullptr, 49, 7, 110, 12, kEdit},
    {DefPushButton, IDOK, "Find Next", 166, 6, 50, 14, kTabStop},
    {PushButton, IDCANCEL, "Cancel", 166, 24, 50, 14, kTabStop},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_ABOUTBOX, "About Quarnel", "MS Sans Serif", 8, 235, 55, kPopup | kCaption | kSysMenu | kModalFrame,
     kAboutItems},
    {IDD_EDITOR_DIALOG, "Quarnel Editor", "MS Sans Serif", 8, 383, 242,
     kPopup | kCaption | kSysMenu | kModalFrame | kAppWindow, kEditorItems},
    {IDD_EDITOR_HIGH_FLAGS, nullptr, "MS Sans Serif", 8, 383, kHighFlagGroupY + kHighFlagGroupHeight + 7, 0,
     kHighFlagItems},
    {IDD_TILEART_DIALOG, "Tile Art", "MS Sans Serif", 8, 226, 244, kPopup | kCaption | kSysMenu, kTileArtItems},
    {IDD_TILEPICTURES_DIALOG, "Tile Pictures", "MS Sans Serif", 8, 388, 250,
     kPopup | kCaption | kSysMenu | kThickFrame, kTilePicturesItems},
    {IDD_FIND_DIALOG, "Find Tile", "MS Sans Serif", 8, 223, 45, kPopup | kCaption | kSysMenu | kModalFrame, kFindItems},
};

constexpr StringResource kStrings[] = {
    {IDS_ABOUTBOX, "&About Quarnel..."},
    {IDS_TILEART, "&Tile Art..."},
    {IDS_FINDTILE, "&Find Tile..."},
    {IDS_TILEPICTURES, "Tile &Pictures..."},
};

} // namespace

#ifndef _WIN32
// Where `readelf -p .quarnel.version Quarnel` finds the version record; on
// Windows it is the executable's own version resource.
[[gnu::used, gnu::section(".quarnel.version")]] extern const std::array<char, sizeof VersionRecord::kText>
    kVersionRecordSection = std::to_array(VersionRecord::kText);
#endif

const ResourceModule& QuarnelResources()
{
    static const ResourceModule module = {kDialogs, kStrings, &LoadIconResource, VersionRecord::kDottedVersion};
    return module;
}
