#pragma once

#include "StaticTileEntry.h"

#include <string>

// The entry list's line for entry `index`: "%04X - %s%s" from the index in
// four upper-case hex digits, the name, and " (p)" when patched.
std::string FormatListLine(int index, const StaticTileEntry& entry);
