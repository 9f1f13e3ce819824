#pragma once

#include <cstdint>

// The flag word of a tile, as wide as the newer layout's. Bits 0-31 mean
// the same in every layout, and bit i belongs to the editor's check box i;
// the constants are named after those boxes' labels. Bits 32-63 exist only
// in the newer layout and have no names that all agree on.
using TileFlags = std::uint64_t;

namespace TileFlag {
inline constexpr TileFlags kBackground = TileFlags{1} << 0;
inline constexpr TileFlags kWeapon = TileFlags{1} << 1;
inline constexpr TileFlags kTransparent = TileFlags{1} << 2;
inline constexpr TileFlags kTranslucent = TileFlags{1} << 3;
inline constexpr TileFlags kWall = TileFlags{1} << 4;
inline constexpr TileFlags kDamaging = TileFlags{1} << 5;
inline constexpr TileFlags kImpassable = TileFlags{1} << 6;
inline constexpr TileFlags kLiquid = TileFlags{1} << 7;
inline constexpr TileFlags kUnknown1 = TileFlags{1} << 8;
inline constexpr TileFlags kSurface = TileFlags{1} << 9;
inline constexpr TileFlags kBridge = TileFlags{1} << 10;
inline constexpr TileFlags kGeneric = TileFlags{1} << 11;
inline constexpr TileFlags kWindow = TileFlags{1} << 12;
inline constexpr TileFlags kNoShoot = TileFlags{1} << 13;
inline constexpr TileFlags kArticleA = TileFlags{1} << 14;
inline constexpr TileFlags kArticleAn = TileFlags{1} << 15;
inline constexpr TileFlags kInternal = TileFlags{1} << 16;
inline constexpr TileFlags kFoliage = TileFlags{1} << 17;
inline constexpr TileFlags kPartialHue = TileFlags{1} << 18;
inline constexpr TileFlags kUnknown2 = TileFlags{1} << 19;
inline constexpr TileFlags kMap = TileFlags{1} << 20;
inline constexpr TileFlags kContainer = TileFlags{1} << 21;
inline constexpr TileFlags kWearable = TileFlags{1} << 22;
inline constexpr TileFlags kLightsource = TileFlags{1} << 23;
inline constexpr TileFlags kAnimation = TileFlags{1} << 24;
inline constexpr TileFlags kNoDiagonal = TileFlags{1} << 25;
inline constexpr TileFlags kUnknown3 = TileFlags{1} << 26;
inline constexpr TileFlags kArmor = TileFlags{1} << 27;
inline constexpr TileFlags kRoof = TileFlags{1} << 28;
inline constexpr TileFlags kDoor = TileFlags{1} << 29;
inline constexpr TileFlags kStairsBack = TileFlags{1} << 30;
inline constexpr TileFlags kStairsRight = TileFlags{1} << 31;

// The named bits: one check box each.
inline constexpr int kCount = 32;

// The editor's check-box label of each bit, by bit number.
inline constexpr const char* kLabels[kCount] = {
    "Background", "Weapon", "Transparent", "Translucent", "Wall", "Damaging", "Impassable",
    "Liquid", "Unknown 1", "Surface", "Bridge", "Generic", "Window", "No Shoot", "Article \"a\"",
    "Article \"an\"", "Internal", "Foliage", "Partial Hue", "Unknown 2", "Map", "Container",
    "Wearable", "Lightsource", "Animation", "No Diagonal", "Unknown 3", "Armor", "Roof", "Door",
    "Stairs Back", "Stairs Right",
};

constexpr TileFlags Bit(int index)
{
    return TileFlags{1} << index;
}
} // namespace TileFlag
