#pragma once

#include "StaticTileEntry.h"

#include <span>
#include <string_view>

// The line of the first tile after `current` (every line when it is -1),
// wrapping past the end and ending with `current` itself, whose name holds
// `text` in any letter case of the Western code page; -1 when none does.
// Line i of the list is tile i. An empty text, or one with a character the
// code page lacks, is in no name.
int FindTileName(std::span<const StaticTileEntry> tiles, int current, std::u16string_view text);
