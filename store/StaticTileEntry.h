#pragma once

#include "StaticTileFields.h"
#include "TileDataLayout.h"
#include "TileTable.h"

// Every static tile a file can hold: up to 65536, and a new table counts
// the classic file's 16384.
using StaticTileTable = TileTable<StaticTileEntry, kMinStaticTileCount, kMaxStaticTileCount>;
