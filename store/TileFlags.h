#pragma once

#include <cstdint>

// The 32-bit flag word of a static tile. Bit i belongs to the editor's
// check box i; the constants are named after those boxes' labels.
using TileFlags = std::uint32_t;

namespace TileFlag {
inline constexpr TileFlags kBackground = 1u << 0;
inline constexpr TileFlags kWeapon = 1u << 1;
inline constexpr TileFlags kTransparent = 1u << 2;
inline constexpr TileFlags kTranslucent = 1u << 3;
inline constexpr TileFlags kWall = 1u << 4;
inline constexpr TileFlags kDamaging = 1u << 5;
inline constexpr TileFlags kImpassable = 1u << 6;
inline constexpr TileFlags kLiquid = 1u << 7;
inline constexpr TileFlags kUnknown1 = 1u << 8;
inline constexpr TileFlags kSurface = 1u << 9;
inline constexpr TileFlags kBridge = 1u << 10;
inline constexpr TileFlags kGeneric = 1u << 11;
inline constexpr TileFlags kWindow = 1u << 12;
inline constexpr TileFlags kNoShoot = 1u << 13;
inline constexpr TileFlags kArticleA = 1u << 14;
inline constexpr TileFlags kArticleAn = 1u << 15;
inline constexpr TileFlags kInternal = 1u << 16;
inline constexpr TileFlags kFoliage = 1u << 17;
inline constexpr TileFlags kPartialHue = 1u << 18;
inline constexpr TileFlags kUnknown2 = 1u << 19;
inline constexpr TileFlags kMap = 1u << 20;
inline constexpr TileFlags kContainer = 1u << 21;
inline constexpr TileFlags kWearable = 1u << 22;
inline constexpr TileFlags kLightsource = 1u << 23;
inline constexpr TileFlags kAnimation = 1u << 24;
inline constexpr TileFlags kNoDiagonal = 1u << 25;
inline constexpr TileFlags kUnknown3 = 1u << 26;
inline constexpr TileFlags kArmor = 1u << 27;
inline constexpr TileFlags kRoof = 1u << 28;
inline constexpr TileFlags kDoor = 1u << 29;
inline constexpr TileFlags kStairsBack = 1u << 30;
inline constexpr TileFlags kStairsRight = 1u << 31;

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
