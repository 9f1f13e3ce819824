#pragma once

#include "TileDataLayout.h"
#include "TileFlags.h"
#include "TileName.h"
#include "TileTable.h"

#include <cstdint>

// One static tile as held in memory: the 13 fields of its file form, in
// file order, and whether its contents came from the patch file. The flag
// word is 64 bits whatever the file's layout; a classic file has only the low 32.
struct StaticTileEntry {
    TileFlags flags = 0;
    std::uint8_t weight = 0;
    std::uint8_t layer = 0;
    std::uint16_t unknown1 = 0;
    std::uint8_t unknown2 = 0;
    std::uint8_t tileClass = 0;
    std::uint16_t gump = 0;
    std::uint8_t unknown3 = 0;
    std::uint8_t hue = 0;
    std::uint8_t unknown4 = 0;
    std::uint8_t unknown5 = 0;
    std::uint8_t height = 0;
    // A zero byte ends a shorter name; a 20-byte name has no terminator.
    // Bytes after the terminator are kept as they are.
    TileNameField name{};
    bool patched = false;

    bool operator==(const StaticTileEntry&) const = default;
};

// Every static tile a file can hold: up to 65536.
using StaticTileTable = TileTable<StaticTileEntry, kMaxStaticTileCount>;
