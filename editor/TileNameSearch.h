#pragma once

#include "StaticTileEntry.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The line of the first tile after `current` (every line when it is -1),
// wrapping past the end and ending with `current` itself, whose name holds
// `text` in any letter case of the Western code page; -1 when none does.
// Line i of the list is tile i. An empty text, or one with a character the
// code page lacks, is in no name.
int FindTileName(std::span<const StaticTileEntry> tiles, int current, std::u16string_view text);

// `text` as names are searched for it: in the Western code page, folded to
// small letters. Nothing when no name can hold it: a character the code
// page lacks, or longer than a name's field.
std::optional<std::string> TileNameSearchText(std::u16string_view text);

// Whether `name` holds `searchText` (from TileNameSearchText) in any letter
// case of the code page. Every name holds the empty text.
bool TileNameHolds(std::string_view name, std::string_view searchText);
