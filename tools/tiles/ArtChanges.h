#pragma once

#include "TileIdRange.h"

#include <iosfwd>
#include <string>

// "no art beside TILEDATA (looked for ...)": what art and its changes say
// when neither form of the art files is there.
std::string NoArtText(const std::string& tileData);

// art --in DIR: each DIR/XXXX.png of a tile in `range` becomes that tile's
// picture, every file read and checked before anything is written; a tile
// already showing the same pixels is left alone.
int PutPictures(const std::string& tileData, bool land, int inUse, const std::string& folder,
                const TileIdRange& range, std::ostream& err);

// art --remove RANGE: the tiles in `range` get no art.
int RemovePictures(const std::string& tileData, bool land, const TileIdRange& range, std::ostream& err);
