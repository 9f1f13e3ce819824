#pragma once

#include "ArtFolder.h"
#include "StaticTileEntry.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

// Which tiles a grid of tile pictures shows, by their art.
enum class TilePictureShow {
    kAll,
    kWithArt,
    kWithoutArt,
    // Tiles with no art and no name: slots free for a new item.
    kFreeSlots,
};

// The grid's filters, each passed by a tile for it to show.
struct TilePictureFilter {
    TilePictureShow show = TilePictureShow::kAll;
    // A piece of the name, in any letter case, matched as Find Tile matches
    // it; empty for any name. A character the Western code page lacks is
    // in no name.
    std::u16string name;
    // -1 for any flags, or 0..63: only tiles whose flag word has that bit
    // (bits 32-63 are set only in a newer file).
    int flagBit = -1;
};

// Whether static tile `tileId` has art.
using TileHasArt = std::function<bool(int tileId)>;
// Static tiles' art as the folder names it (art that cannot be read at all
// counts as art for every tile). The folder must outlive the function.
TileHasArt StaticTileArtIn(const ArtFolder& art);

// The ids of the tiles in use (`tiles`, tile i at i) that pass every
// filter, in id order, into `shown` (its buffer reused). `hasArt` is asked
// only when the filter looks at art.
void FilterTilePictures(std::span<const StaticTileEntry> tiles, const TileHasArt& hasArt,
                        const TilePictureFilter& filter, std::vector<int>& shown);
