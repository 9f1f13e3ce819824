#pragma once

// A land entry's bytes: docs/file-formats.md, "Tile-data file", "Land entry".

#include "EntryField.h"
#include "TileFlags.h"
#include "TileName.h"

#include <cstdint>
#include <tuple>

// One land tile as held in memory: the 3 fields of its file form, in file
// order, and whether its contents came from the patch file. The flag word
// is 64 bits whatever the file's layout; a classic file has only the low 32.
struct LandTileEntry {
    TileFlags flags = 0;
    std::uint16_t texture = 0;
    // As a static tile's name: a zero byte ends a shorter one, and the bytes
    // after the terminator are kept as they are.
    TileNameField name{};
    bool patched = false;

    bool operator==(const LandTileEntry&) const = default;
};

// The land entry's file form, the one list of its fields.
template <>
struct EntryFields<LandTileEntry> {
    using E = LandTileEntry;
    static constexpr std::tuple kAfterFlags{EntryField{"texture", &E::texture}, EntryField{"name", &E::name}};
};
