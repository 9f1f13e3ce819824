#pragma once

#include "FileOpenFailure.h"
#include "StaticTileEntry.h"
#include "WaitCursorHook.h"

#include <cstdint>
#include <string>

// The static section moves in chunks of whole blocks, one read or write a
// chunk: few system calls, and a buffer small enough to be reused rather
// than mapped afresh each time.
inline constexpr int kStaticBlocksPerChunk = 128;

// Reads the static section of the tile-data file at `path` into the whole
// table and clears every patched mark. Returns false, with the table
// unchanged, when the file cannot be opened exclusively or has the newer
// layout; `failure` then says why. A file error after opening is thrown as
// CFileException. A short file loads: entries beyond its end keep their bytes.
bool LoadTileData(StaticTileTable& table, const std::string& path,
                  WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                  FileOpenFailure* failure = nullptr);

// Writes the whole table into the static section of the existing file at
// `path`, in place, leaving the land section, the block headers and the
// tail alone, and flushes it to stable storage. Same failures as loading.
bool SaveTileData(const StaticTileTable& table, const std::string& path,
                  WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                  FileOpenFailure* failure = nullptr);

// The newer tile-data layout (64-bit flags, 41-byte static entries) shows
// in the size of an untrimmed file of it, unless that size also fits this layout.
bool HasNewerTileDataLayout(std::uint64_t fileSize);
