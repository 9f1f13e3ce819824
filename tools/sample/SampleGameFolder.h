#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// A made-up game folder for demos and tests: a full-size tile-data file and
// a patch file beside it. Every byte comes from a fixed-seed generator; none
// comes from any game installation.
struct SampleGameFiles {
    std::vector<std::uint8_t> tileData;
    std::vector<std::uint8_t> verData;
};

inline constexpr char kSampleTileDataName[] = "tiledata.mul";
inline constexpr char kSampleVerDataName[] = "verdata.mul";
inline constexpr std::size_t kSampleTailSize = 77;

// Tiles whose entries the sample patch file replaces (block b holds tiles 32b..32b+31).
inline constexpr int kSamplePatchedStaticBlocks[] = {0, 100, 200, 511};
// Index entry of the sample patch file whose block lies past the file's end.
inline constexpr int kSamplePastEndStaticBlock = 200;
// Tiles with names the demos and tests lean on.
inline constexpr int kSampleWallpaperTile = 5;    // "wallpaper", patched
inline constexpr int kSampleApostropheTile = 40;  // "smith\x92s anvil"
inline constexpr int kSampleHeavyTile = 41;       // weight 200

SampleGameFiles MakeSampleGameFiles();

// Writes tiledata.mul and verdata.mul into `folder`, creating it if needed.
void WriteSampleGameFolder(const std::filesystem::path& folder);
