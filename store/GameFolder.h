#pragma once

#include "CFileException.h"
#include "FileOpenFailure.h"
#include "LandTileEntry.h"
#include "PatchFilePath.h"
#include "StaticTileEntry.h"
#include "WaitCursorHook.h"

#include <string>

// What loading a game folder came to.
struct GameFolderLoad {
    enum class Result {
        kLoaded,            // the table holds the tile-data file with what patches could be applied
        kTileDataRefused,   // the tile-data file did not open; the table is unchanged
        kFileError,         // a file error after opening; the table is partly loaded
    };
    Result result = Result::kTileDataRefused;
    FileOpenFailure tileDataFailure;  // kTileDataRefused: why
    PatchFileLocation patchFile;      // once the tile-data file has loaded
    bool patchFileLoaded = false;     // false: the tiles are the tile-data file's own
    int patchBlocksApplied = 0;       // index entries whose replacement block applied
    FileOpenFailure patchFileFailure; // why the patch file did not open, when it did not
    CFileException fileError;         // kFileError: the cause
};

// Loads the tile-data file at `tileDataPath` into the table, then applies
// the patch file beside it. `unpatched`, when given, also receives the
// tiles in use as the tile-data file alone holds them.
// Table is StaticTileTable, or LandTileTable for the land section and the
// land replacement blocks.
template <typename Table>
GameFolderLoad LoadGameFolder(Table& table, const std::string& tileDataPath, Table* unpatched = nullptr,
                              WaitCursorHook& waitCursor = NoWaitCursor::Instance());
