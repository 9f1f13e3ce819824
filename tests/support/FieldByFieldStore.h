#pragma once

// Checks the program against docs/file-formats.md, "Tile-data file" and "Patch file".

// The store's operations done the straightforward way: one system call per
// field, straight into the entry's memory, as a little-endian machine would.
// The yardstick for the real store in tests (same bytes, same places) and
// in benchmarks (how much the real store's buffering saves).

#include "StaticTileEntry.h"

#include <string>

bool FieldByFieldLoadTileData(StaticTileTable& table, const std::string& path);
bool FieldByFieldSaveTileData(const StaticTileTable& table, const std::string& path);
bool FieldByFieldLoadVerData(StaticTileTable& table, const std::string& path);
bool FieldByFieldSaveVerData(const StaticTileTable& table, const std::string& path);
