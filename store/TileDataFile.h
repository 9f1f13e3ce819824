#pragma once

// The tile-data file's bytes, and what a short or odd one does: docs/file-formats.md, "Tile-data file".

#include "FileOpenFailure.h"
#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "WaitCursorHook.h"

#include <string>

// A section moves in chunks of whole blocks, one read or write a
// chunk: few system calls, and a buffer small enough to be reused rather
// than mapped afresh each time.
inline constexpr int kBlocksPerChunk = 512;

// Reads the table's section of the tile-data file at `path` (the static
// section for a StaticTileTable, the land section for a LandTileTable) and clears the patched mark of every tile in use. The file's size gives
// its layout and the tiles in use, which the table takes on. Returns false,
// with the table unchanged, when the file cannot be opened exclusively;
// `failure` then says why. A file error after opening is thrown as
// CFileException. A short file loads: entries beyond its end keep their bytes.
template <typename Table>
bool LoadTileData(Table& table, const std::string& path, WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                  FileOpenFailure* failure = nullptr);

// Reads both sections, opening the file once for both.
bool LoadTileData(StaticTileTable& statics, LandTileTable& land, const std::string& path,
                  WaitCursorHook& waitCursor = NoWaitCursor::Instance(), FileOpenFailure* failure = nullptr);

// Writes the table's tiles in use into the static section of the existing
// file at `path`, in place and in the table's layout, leaving the land
// section, the block headers and whatever follows alone, and flushes it to
// stable storage. Refuses, as a file that cannot be opened, a file whose
// size now says another layout. Same failures as loading.
bool SaveTileData(const StaticTileTable& table, const std::string& path,
                  WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                  FileOpenFailure* failure = nullptr);
