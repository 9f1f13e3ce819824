#pragma once

// Where tiles lie in the two game files, worked out from the bytes alone,
// so that tests check the program against an independent reading.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sample_layout {

inline constexpr std::size_t kLandSection = 0x68800, kBlock = 1188, kEntry = 37;
// Offsets of fields within an entry's 37 bytes.
inline constexpr std::size_t kFlags = 0, kWeight = 4, kUnknown3 = 12, kHue = 13, kName = 17;

inline std::size_t TileOffset(int tile)
{
    return kLandSection + kBlock * static_cast<std::size_t>(tile / 32) + 4 + kEntry * static_cast<std::size_t>(tile % 32);
}

inline std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

struct StaticPatch {
    std::uint32_t block;     // 512 and up
    std::uint32_t position;  // of the replacement block
    int FirstTile() const { return static_cast<int>(block - 512) * 32; }
    std::size_t TileOffset(int tile) const { return position + 4 + kEntry * static_cast<std::size_t>(tile - FirstTile()); }
};

// The patch file's index entries for static blocks of the tile-data file, in order.
inline std::vector<StaticPatch> StaticPatches(const std::vector<std::uint8_t>& verData)
{
    std::vector<StaticPatch> patches;
    for (std::uint32_t k = 0; k < Read32(verData, 0); ++k) {
        const std::size_t at = 4 + 20 * static_cast<std::size_t>(k);
        if (Read32(verData, at) == 30 && Read32(verData, at + 4) >= 512 && Read32(verData, at + 4) < 1024)
            patches.push_back({Read32(verData, at + 4), Read32(verData, at + 8)});
    }
    return patches;
}

} // namespace sample_layout
