#pragma once

// A static entry's bytes: docs/file-formats.md, "Tile-data file", "Static entry".

#include "EntryField.h"
#include "TileFlags.h"
#include "TileName.h"

#include <cstdint>
#include <tuple>

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

// The static entry's file form, the one list of its fields.
template <>
struct EntryFields<StaticTileEntry> {
    using E = StaticTileEntry;
    static constexpr std::tuple kAfterFlags{
        EntryField{"weight", &E::weight},     EntryField{"layer", &E::layer},
        EntryField{"unknown1", &E::unknown1}, EntryField{"unknown2", &E::unknown2},
        EntryField{"class", &E::tileClass},   EntryField{"gump", &E::gump},
        EntryField{"unknown3", &E::unknown3}, EntryField{"hue", &E::hue},
        EntryField{"unknown4", &E::unknown4}, EntryField{"unknown5", &E::unknown5},
        EntryField{"height", &E::height},     EntryField{"name", &E::name},
    };
};
