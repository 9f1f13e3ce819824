#include "TilePictureFilter.h"

#include "ArtNumbering.h"
#include "TileName.h"
#include "TileNameSearch.h"

#include <optional>

TileHasArt StaticTileArtIn(const ArtFolder& art)
{
    return [&art](int tileId) { return art.HasArt(ArtIndexOfTile(tileId, false)); };
}

void FilterTilePictures(std::span<const StaticTileEntry> tiles, const TileHasArt& hasArt,
                        const TilePictureFilter& filter, std::vector<int>& shown)
{
    shown.clear();
    const std::optional<std::string> searchText = TileNameSearchText(filter.name);
    if (!searchText || filter.flagBit < -1 || filter.flagBit > 63)
        return;  // a text no name can hold, a flag no word has
    const TileFlags flagMask = filter.flagBit < 0 ? 0 : TileFlags{1} << filter.flagBit;
    const int count = static_cast<int>(tiles.size());
    for (int id = 0; id < count; ++id) {
        const StaticTileEntry& entry = tiles[static_cast<std::size_t>(id)];
        if (flagMask != 0 && (entry.flags & flagMask) == 0)
            continue;
        const std::string_view name = TileName(entry);
        if (!TileNameHolds(name, *searchText))
            continue;
        switch (filter.show) {
        case TilePictureShow::kAll:
            break;
        case TilePictureShow::kWithArt:
            if (!hasArt(id))
                continue;
            break;
        case TilePictureShow::kWithoutArt:
            if (hasArt(id))
                continue;
            break;
        case TilePictureShow::kFreeSlots:
            if (!name.empty() || hasArt(id))
                continue;
            break;
        }
        shown.push_back(id);
    }
}
