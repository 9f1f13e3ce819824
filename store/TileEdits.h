#pragma once

// Where an edit lands in both files: docs/file-formats.md, "Tile-data file" and "Patch file".

#include "FileOpenFailure.h"
#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "WaitCursorHook.h"
#include "WrittenSpans.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The numbers of both halves, each half's as its field list gives them in
// file order: a static entry's, then a land entry's. A TileNumber is a
// number's place in that sequence, so that one edit can name either half's.
template <typename Entry>
inline constexpr int kFirstTileNumber = 0;
template <>
inline constexpr int kFirstTileNumber<LandTileEntry> = kNumberFieldCount<StaticTileEntry>;
inline constexpr int kTileNumberCount = kNumberFieldCount<StaticTileEntry> + kNumberFieldCount<LandTileEntry>;

// The place of the half's number exported under `column`; a column the
// half has no number of does not compile.
template <typename Entry>
consteval int TileNumberOf(std::string_view column)
{
    int found = -1;
    ForEachNumberField<Entry>([&](const auto& field, int number) {
        if (field.column == column)
            found = kFirstTileNumber<Entry> + number;
    });
    if (found < 0)
        throw "no such number";
    return found;
}

enum class TileNumber : int {
    kWeight = TileNumberOf<StaticTileEntry>("weight"),  // the number callers set on its own
};

// Each entry's own numbers only: a land entry has no weight, a static one no
// texture; the other half's read as 0.
template <typename Entry>
std::uint32_t GetTileNumber(const Entry& entry, TileNumber number);
// The largest value the number's field holds.
std::uint32_t TileNumberMaximum(TileNumber number);

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

// The edit that makes any entry of tile `tile` hold exactly `entry`'s
// fields: every number, every flag bit and all 20 bytes of the name field.
template <typename Entry>
TileEdit EditToMatch(int tile, const Entry& entry);

// The writers below change a file in place. When one fails part-way, what
// it wrote before the failure gets its bytes back and the failure is
// thrown on: the file is as it was, save that a short file may stay longer.
// `written`, when given, receives the bytes the call wrote over: all of
// them after success, so that the caller can put them back if the next
// file of the change fails; after a failure, those that could not be put
// back (none when the file is as it was).

// Makes each edit in the tile-data file, entry by entry: every other byte
// of the file keeps its value. `loaded` is the table as the file loaded,
// standing in for entries that lie beyond the end of a short file. Opens
// and refuses as SaveTileData does; flushes before closing.
template <typename Table>
bool WriteTileDataEdits(const std::vector<TileEdit>& edits, const Table& loaded, const std::string& path,
                        WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                        FileOpenFailure* failure = nullptr, WrittenSpans* written = nullptr);

// The edits of one half of the tile-data file, over the table it loaded as.
template <typename Table>
struct HalfEdits {
    const std::vector<TileEdit>& edits;
    const Table& loaded;
};

// Makes both halves' edits as the function above makes one half's, in one
// open of the file: the land half's first, as the file holds it first.
bool WriteTileDataEdits(HalfEdits<LandTileTable> land, HalfEdits<StaticTileTable> statics, const std::string& path,
                        WaitCursorHook& waitCursor = NoWaitCursor::Instance(), FileOpenFailure* failure = nullptr,
                        WrittenSpans* written = nullptr);

// Makes each edit in every replacement block of the patch file that holds
// its tile, the blocks chosen as loading chooses them. `loaded` is the
// table with the patches applied, standing in for entries past the file's end.
template <typename Table>
bool WriteVerDataEdits(const std::vector<TileEdit>& edits, const Table& loaded, const std::string& path,
                       WaitCursorHook& waitCursor = NoWaitCursor::Instance(),
                       FileOpenFailure* failure = nullptr, WrittenSpans* written = nullptr);
