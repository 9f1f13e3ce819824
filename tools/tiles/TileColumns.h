#pragma once

#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "TileEdits.h"

#include <optional>
#include <type_traits>
#include <string>
#include <string_view>
#include <vector>

// A column of an exported tile record.
struct TileColumn {
    enum class Kind { kId, kFlags, kFlagBit, kNumber, kName, kNameTail, kPatched };
    std::string name;
    Kind kind;
    int index;  // the flag's bit, or the TileNumber
};

// The two halves of a tile-data file, whose records have columns of their own.
enum class TileHalf { kStatic, kLand };

// The half a table holds.
template <typename Table>
inline constexpr TileHalf kHalfOfTable =
    std::is_same_v<typename Table::value_type, LandTileEntry> ? TileHalf::kLand : TileHalf::kStatic;

// The columns of a half of a file of `layout`, in the order they are
// written: a flag-bit column for each bit the layout's flag word has, then
// the half's numbers (a static tile's weight ... height, a land tile's texture).
std::vector<TileColumn> TileColumns(const TileDataLayout& layout, TileHalf half);
// The column of that name in the half in any layout, or null.
const TileColumn* FindTileColumn(const std::string& name, TileHalf half);
// Why a column the half lacks is not one of its own: unknown, or the other half's.
std::string NotAColumnOf(const std::string& name, TileHalf half);

// For the named bits 0-31, "flag_" and the check box's label in lower case,
// with underscores for the rest; for the others, "flag_bit" and the number.
std::string FlagColumnName(int bit);

// Each column's text for one tile: id and flags in upper-case hex (flags in
// as many digits as the layout's flag word has), numbers in decimal, the
// name escaped, the name's tail in hex (empty when all zero). Fills
// `values` in place, so that one buffer serves every tile.
template <typename Entry>
void TileValues(int id, const Entry& entry, const TileDataLayout& layout, const std::vector<TileColumn>& columns,
                std::vector<std::string>& values);

// The bytes after the name's terminator, without the zeros that end them.
std::string NameTail(const TileNameField& name);

std::string FormatTileId(int id);
// A tile id from one to four hex digits, or nothing. Whether the file has
// that tile is the caller's to check.
std::optional<int> ParseTileId(std::string_view text);
