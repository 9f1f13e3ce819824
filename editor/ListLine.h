#pragma once

#include "StaticTileEntry.h"

#include <string>

// The longest line: four digits, " - ", a 20-byte name, " (p)" and a terminator.
inline constexpr int kListLineBytes = 4 + 3 + static_cast<int>(kTileNameSize) + 4 + 1;

// The entry list's line for entry `index`: "%04X - %s%s" from the index in
// four upper-case hex digits, the name, and " (p)" when patched.
std::string FormatListLine(int index, const StaticTileEntry& entry);
