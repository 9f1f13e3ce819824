#pragma once

#include "StaticTileEntry.h"
#include "TileEdits.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The columns of an exported tile record, in the order they are written.
struct TileColumn {
    enum class Kind { kId, kFlags, kFlagBit, kNumber, kName, kNameTail, kPatched };
    std::string name;
    Kind kind;
    int index;  // the flag's bit, or the TileNumber
};

const std::vector<TileColumn>& TileColumns();
const TileColumn* FindTileColumn(const std::string& name);

// "flag_" and the check box's label in lower case, with underscores for the rest.
std::string FlagColumnName(int bit);

// Each column's text for one tile: id and flags in upper-case hex, numbers
// in decimal, the name escaped, the name's tail in hex (empty when all zero).
// Fills `values` in place, so that one buffer serves every tile.
void TileValues(int id, const StaticTileEntry& entry, std::vector<std::string>& values);

// The bytes after the name's terminator, without the zeros that end them.
std::string NameTail(const StaticTileEntry& entry);

std::string FormatTileId(int id);
// A tile id from one to four hex digits within 0000-3FFF, or nothing.
std::optional<int> ParseTileId(std::string_view text);
