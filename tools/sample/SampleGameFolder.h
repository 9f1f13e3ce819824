#pragma once

// The files written are of the forms in docs/file-formats.md.

#include "SampleArt.h"
#include "TileDataLayout.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// A made-up game folder for demos and tests: a full-size tile-data file of
// a layout, with the usual number of static tiles, and a patch file beside
// it. Every byte comes from a fixed-seed generator; none comes from any game
// installation.
struct SampleGameFiles {
    std::vector<std::uint8_t> tileData;
    std::vector<std::uint8_t> verData;
};

inline constexpr char kSampleTileDataName[] = "tiledata.mul";
inline constexpr char kSampleVerDataName[] = "verdata.mul";
// What follows the static section, where the layout's size allows it.
inline constexpr std::size_t kSampleTailSize = 77;

// Tiles whose entries the sample patch file replaces (block b holds tiles 32b..32b+31).
inline constexpr int kSamplePatchedStaticBlocks[] = {0, 100, 200, 511};
// More of them, past 3FFF, where the file has those tiles.
inline constexpr int kSamplePatchedHighStaticBlocks[] = {1024, 2047};
// Land blocks the sample patch file replaces (block b holds land tiles 32b..32b+31).
inline constexpr int kSamplePatchedLandBlocks[] = {3, 0, 511};
// Index entry of the sample patch file whose block lies past the file's end.
inline constexpr int kSamplePastEndStaticBlock = 200;
// Tiles with names the demos and tests lean on.
inline constexpr int kSampleWallpaperTile = 5;    // "wallpaper", patched
inline constexpr int kSampleApostropheTile = 40;  // "smith\x92s anvil"
inline constexpr int kSampleHeavyTile = 41;       // weight 200

SampleGameFiles MakeSampleGameFiles(const TileDataLayout& layout = kClassicLayout);

// Writes tiledata.mul, verdata.mul, the art files of `art`'s form and the
// hue table into `folder`, creating it if needed.
void WriteSampleGameFolder(const std::filesystem::path& folder, const TileDataLayout& layout = kClassicLayout,
                           SampleArtForm art = SampleArtForm::kIndexAndArtFile);
