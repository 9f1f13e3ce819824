#pragma once

#include "FileOpenFailure.h"
#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "WaitCursorHook.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The numeric fields of the entries, in file order: a static entry's
// eleven, then a land entry's one.
enum class TileNumber {
    kWeight, kLayer, kUnknown1, kUnknown2, kClass, kGump, kUnknown3, kHue, kUnknown4, kUnknown5, kHeight,
    kTexture,
};
inline constexpr int kTileNumberCount = 12;

// Each entry's own numbers only: a land entry has no weight, a static one no texture.
std::uint32_t GetTileNumber(const StaticTileEntry& entry, TileNumber field);
void SetTileNumber(StaticTileEntry& entry, TileNumber field, std::uint32_t value);
std::uint32_t GetTileNumber(const LandTileEntry& entry, TileNumber field);
void SetTileNumber(LandTileEntry& entry, TileNumber field, std::uint32_t value);
std::uint32_t TileNumberMaximum(TileNumber field);

// A change to some fields of one tile, to be made wherever the tile is
// stored: in the tile-data file and in every replacement block holding it.
// What the edit does not name keeps, at each place, the bytes it has there.
struct TileEdit {
    int tile = 0;
    std::array<std::optional<std::uint32_t>, kTileNumberCount> numbers;
    TileFlags setFlags = 0;    // bits to set
    TileFlags clearFlags = 0;  // bits to clear
    std::optional<std::string> name;  // stored as the editor stores a name
    // The bytes after the name's terminator, zero-filled to the field's end.
    std::optional<std::string> nameTail;

    bool IsEmpty() const;
};

// Entry is StaticTileEntry or LandTileEntry; Table below StaticTileTable or LandTileTable.
template <typename Entry>
void ApplyTileEdit(const TileEdit& edit, Entry& entry);

// Makes each edit in the tile-data file, entry by entry: every other byte
// of the file keeps its value. `loaded` is the table as the file loaded,
// standing in for entries that lie beyond the end of a short file. Opens
// and refuses as SaveTileData does; flushes before closing.
template <typename Table>
bool WriteTileDataEdits(const std::vector<TileEdit>& edits, const Table& loaded, const std::string& path,
                        WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                        FileOpenFailure* failure = nullptr);

// Makes each edit in every replacement block of the patch file that holds
// its tile, the blocks chosen as loading chooses them. `loaded` is the
// table with the patches applied, standing in for entries past the file's end.
template <typename Table>
bool WriteVerDataEdits(const std::vector<TileEdit>& edits, const Table& loaded, const std::string& path,
                       WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                       FileOpenFailure* failure = nullptr);
