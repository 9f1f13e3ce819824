#pragma once

// What each load and write does to the two files: docs/file-formats.md, "Tile-data file" and "Patch file".

#include "CFileException.h"
#include "FileOpenFailure.h"
#include "LandTileEntry.h"
#include "PatchFilePath.h"
#include "StaticTileEntry.h"
#include "TileEdits.h"
#include "WaitCursorHook.h"

#include <string>
#include <vector>

// A game folder is the tile-data file and the patch file beside it. Every
// program reads and writes one through these functions, so that the two
// files are always taken in the same order and their failures told apart
// the same way: the tile-data file first; the patch file only once the
// tile-data file has been done.

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
    int patchBlocksApplied = 0;       // index entries whose replacement block applied (static ones, when both halves load)
    int landPatchBlocksApplied = 0;   // when both halves load: those of land blocks
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

// Both halves of a game folder, to be read together.
struct GameFolderHalves {
    StaticTileTable& statics;
    LandTileTable& land;
};

// Loads both halves as the function above loads one, each game file opened
// and read once for both.
GameFolderLoad LoadGameFolder(GameFolderHalves tables, const std::string& tileDataPath,
                              const GameFolderHalves* unpatched = nullptr,
                              WaitCursorHook& waitCursor = NoWaitCursor::Instance());

// What writing into a game folder came to.
struct GameFolderSave {
    enum class Result {
        kSaved,              // the tile-data file, and the patch file where there was one to write, are written
        kTileDataRefused,    // the tile-data file did not open: neither file was touched
        kPatchFileRefused,   // the tile-data file is written; the patch file did not open
        kFileError,          // a file error after opening: the files may be partly written
    };
    Result result = Result::kTileDataRefused;
    FileOpenFailure tileDataFailure;   // kTileDataRefused: why
    PatchFileLocation patchFile;       // once the tile-data file has been written
    bool patchFileWritten = false;
    FileOpenFailure patchFileFailure;  // kPatchFileRefused: why
    CFileException fileError;          // kFileError: the cause
    // A write of edits that failed puts back what it wrote in both files;
    // these are the files whose bytes could not all be put back.
    std::vector<std::string> filesLeftChanged;
};

// Writes the table's tiles in use into the tile-data file at
// `tileDataPath`, then into every replacement block of the patch file
// beside it, found afresh. The patch file is written only when
// `patchFileLoaded` says the load of the table read it: otherwise its
// blocks hold what the table never saw, and writing the tile-data file's
// own values over them would lose them. It is then refused as
// kNotReadAtLoad, and left as it is.
GameFolderSave SaveGameFolder(const StaticTileTable& table, const std::string& tileDataPath, bool patchFileLoaded,
                              WaitCursorHook& waitCursor = NoWaitCursor::Instance());

// Makes the edits in the tile-data file of a folder loaded as `load`, then,
// where that load read a patch file, in every replacement block of it that
// holds an edited tile: all or nothing, so that when either file fails,
// both get back what was written into them. `fileValues` and `patched`
// are the tables as the load left them, without and with the patches.
template <typename Table>
GameFolderSave WriteGameFolderEdits(const std::vector<TileEdit>& edits, const std::string& tileDataPath,
                                    const GameFolderLoad& load, const Table& fileValues, const Table& patched);
