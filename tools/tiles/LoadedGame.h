#pragma once

#include "GameFolder.h"
#include "TileColumns.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A table to read a game folder into, as a new one is, lent from a pool
// kept for the process: a table of every static tile a file can hold is
// 3 MB, and commands run one after another in one process (a fuzzer's, a
// benchmark's) then clear only the tiles the last one used rather than
// allocate and clear every table whole. It goes back to the pool when dropped.
template <typename Table>
struct ReturnToPool {
    void operator()(Table* table) const;
};
template <typename Table>
using PooledTable = std::unique_ptr<Table, ReturnToPool<Table>>;
template <typename Table>
PooledTable<Table> CleanTable();

// One half of a game folder as read: Table is StaticTileTable or LandTileTable.
template <typename Table>
struct LoadedGame {
    PooledTable<Table> patched = CleanTable<Table>();  // with the patches applied
    // The tile-data file's own tiles, which an import writes its edits
    // over: read only when the caller has set a table here, as copying
    // every tile again is wasted on a command that only reads them.
    PooledTable<Table> fileValues;
    GameFolderLoad load;
};

// Loads a half of the game folder of the tile-data file at `path`; false
// after telling why on `err`. A missing patch file is noted.
template <typename Table>
bool LoadGame(const std::string& path, LoadedGame<Table>& game, std::ostream& err);

// Both halves of a game folder as read, with the patches applied, each
// game file read once for both.
struct LoadedFolder {
    PooledTable<StaticTileTable> statics = CleanTable<StaticTileTable>();
    PooledTable<LandTileTable> land = CleanTable<LandTileTable>();
    // The tile-data file's own tiles of both halves, as for LoadedGame:
    // read only when the caller has asked for them.
    PooledTable<StaticTileTable> fileStatics;
    PooledTable<LandTileTable> fileLand;
    GameFolderLoad load;

    // Has the load read the file's own tiles of both halves too.
    void KeepFileValues()
    {
        fileStatics = CleanTable<StaticTileTable>();
        fileLand = CleanTable<LandTileTable>();
    }
};

// Loads both halves as LoadGame loads one.
bool LoadFolder(const std::string& path, LoadedFolder& folder, std::ostream& err);

// The size of the tile-data file at `path`; nothing, after telling why on
// `err`, when it cannot be measured.
std::optional<std::uint64_t> TileDataFileSize(const std::string& path, std::ostream& err);

// How a line of error about a change that failed ends: that nothing was
// written, or which files could not be given back their bytes.
std::string WhatWasLeft(const std::vector<std::string>& filesLeftChanged);
// Why a game file did not open, for the program's own line of error.
std::string OpenFailureText(const std::string& path, const FileOpenFailure& failure);
