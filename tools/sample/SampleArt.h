#pragma once

// The art files written are of the forms in docs/file-formats.md.

#include "TileDataLayout.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// The sample folder's art: drawn pictures a newcomer recognises, each
// static tile a shape of its own size and colour showing its id in hex,
// each land tile a coloured diamond with its id. Written in either form of
// the art files; the patch file carries a few art entries of its own.

enum class SampleArtForm {
    kIndexAndArtFile,  // artidx.mul and art.mul
    kContainer,        // artLegacyMUL.uop: tables chained, some entries compressed
};

// Static tiles without a picture: one in every kSampleArtGap ids below
// 0x4000, and above it all but one in kSampleArtHighStride.
inline constexpr int kSampleArtGap = 61;
inline constexpr int kSampleArtHighStride = 8;
// Land tiles with a picture: the first kSampleLandArtTiles, then one in every kSampleLandArtStride.
inline constexpr int kSampleLandArtTiles = 0x200;
inline constexpr int kSampleLandArtStride = 64;
// The patch file's art entries: a static tile's and a land tile's picture
// replaced, one static tile's removed, and one added where the art file has none.
inline constexpr int kSampleArtReplacedTile = 5;
inline constexpr int kSampleArtReplacedLand = 0x207;
inline constexpr int kSampleArtRemovedTile = 1;
inline constexpr int kSampleArtAddedTile = kSampleArtGap - 1;

// Free slots: static tiles with neither art nor a name, where a new item
// can go. A run of them, and a few scattered ones (those past 3FFF only in
// a newer sample). None lies in a block the patch file replaces.
inline constexpr int kSampleFreeRunFirst = 0x0300;
inline constexpr int kSampleFreeRunLength = 40;
inline constexpr int kSampleScatteredFreeTiles[] = {0x1111, 0x2222, 0x3333, 0x4001, 0x9999, 0xEEEE};
bool SampleIsFreeSlot(int id);

bool SampleStaticHasArt(int id);
bool SampleLandHasArt(int id);

// A picture as 16-bit colours, row by row; 0 draws nothing.
struct SamplePicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> colours;
};
// `patched`: the look the patch file gives it.
SamplePicture SampleStaticPicture(int id, bool patched = false);
SamplePicture SampleLandPicture(int id, bool patched = false);

// The art files of a sample of `layout`: each file's name and bytes.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> MakeSampleArtFiles(const TileDataLayout& layout,
                                                                                   SampleArtForm form);

// Adds the patch file's art entries to a sample patch file: their index
// entries after the art entry it has, so that they win over it, their
// bytes between the index and the blocks, every block moved on by as much.
// The blocks' bytes stay as they are, and the index keeps its last entry.
void AddSampleArtPatches(std::vector<std::uint8_t>& verData);
