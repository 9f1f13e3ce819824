#pragma once

#include "GameFolder.h"
#include "TileColumns.h"

#include <iosfwd>
#include <memory>
#include <string>

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
    PooledTable<Table> fileValues = CleanTable<Table>();  // the tile-data file's own
    PooledTable<Table> patched = CleanTable<Table>();     // with the patches applied
    GameFolderLoad load;
};

// Loads a half of the game folder of the tile-data file at `path`; false
// after telling why on `err`. A missing patch file is noted unless `quiet`.
template <typename Table>
bool LoadGame(const std::string& path, LoadedGame<Table>& game, std::ostream& err, bool quiet = false);

// Both halves of a game folder as read, each game file read once for both.
struct LoadedFolder {
    LoadedGame<StaticTileTable> statics;
    LoadedGame<LandTileTable> land;
};

// Loads both halves as LoadGame loads one.
bool LoadFolder(const std::string& path, LoadedFolder& folder, std::ostream& err, bool quiet = false);

// Why a game file did not open, for the program's own line of error.
std::string OpenFailureText(const std::string& path, const FileOpenFailure& failure);
