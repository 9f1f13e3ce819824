#pragma once

#include "LandTileFields.h"
#include "TileDataLayout.h"
#include "TileTable.h"

// The land half of a file: always 512 blocks, 16384 tiles.
using LandTileTable = TileTable<LandTileEntry, kLandTileCount, kLandTileCount>;
