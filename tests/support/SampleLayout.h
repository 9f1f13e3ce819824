#pragma once

// Checks the program against docs/file-formats.md, "Tile-data file" and "Patch file".

// Where tiles lie in the two game files, worked out from the bytes alone,
// so that tests check the program against an independent reading.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sample_layout {

// The numbers of one layout, spelled out here rather than taken from the store.
struct Shape {
    std::size_t land, block, entry, flags;
    int blocks;  // static blocks in use in a usual file
};
inline constexpr Shape kClassic{0x68800, 1188, 37, 4, 512};
inline constexpr Shape kNewer{0x78800, 1316, 41, 8, 2048};

inline constexpr std::size_t kLandSection = kClassic.land, kBlock = kClassic.block, kEntry = kClassic.entry;
// Offsets of fields within a classic entry's 37 bytes; a newer entry's lie 4 bytes later, but the flags.
inline constexpr std::size_t kFlags = 0, kWeight = 4, kUnknown3 = 12, kHue = 13, kName = 17;

inline std::size_t TileOffset(int tile, const Shape& shape = kClassic)
{
    return shape.land + shape.block * static_cast<std::size_t>(tile / 32) + 4 +
           shape.entry * static_cast<std::size_t>(tile % 32);
}

inline std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

struct StaticPatch {
    std::uint32_t block;     // 512 and up
    std::uint32_t position;  // of the replacement block
    std::size_t entry = kEntry;
    int FirstTile() const { return static_cast<int>(block - 512) * 32; }
    std::size_t TileOffset(int tile) const { return position + 4 + entry * static_cast<std::size_t>(tile - FirstTile()); }
};

// The patch file's index entries for static blocks of the tile-data file, in order.
inline std::vector<StaticPatch> StaticPatches(const std::vector<std::uint8_t>& verData, const Shape& shape = kClassic)
{
    std::vector<StaticPatch> patches;
    for (std::uint32_t k = 0; k < Read32(verData, 0); ++k) {
        const std::size_t at = 4 + 20 * static_cast<std::size_t>(k);
        const std::uint32_t block = Read32(verData, at + 4);
        if (Read32(verData, at) == 30 && block >= 512 && block < 512u + static_cast<std::uint32_t>(shape.blocks))
            patches.push_back({block, Read32(verData, at + 8), shape.entry});
    }
    return patches;
}

} // namespace sample_layout
