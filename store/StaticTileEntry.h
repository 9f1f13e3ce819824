#pragma once

#include "TileDataLayout.h"
#include "TileFlags.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <type_traits>
#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr std::size_t kTileNameSize = 20;

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
    std::array<char, kTileNameSize> name{};
    bool patched = false;

    bool operator==(const StaticTileEntry&) const = default;
};

// The name's bytes up to its terminator, at most 20 of them.
inline std::string_view TileName(const StaticTileEntry& entry)
{
    const std::string_view field(entry.name.data(), entry.name.size());
    return field.substr(0, field.find('\0'));
}

// Stores a name over the start of the field: at most 20 bytes, then a
// terminator when shorter. The bytes after the terminator keep their values.
inline void SetTileName(StaticTileEntry& entry, std::string_view name)
{
    const std::size_t length = name.size() < kTileNameSize ? name.size() : kTileNameSize;
    name.copy(entry.name.data(), length);
    if (length < kTileNameSize)
        entry.name[length] = '\0';
}

// Every static tile a file can hold, indexed by tile id; tile i lies in
// block i / 32 at slot i % 32. One fixed array, never allocated per load:
// `count` says how many tiles the file loaded last has in use, and `layout`
// in which shape it keeps them. A new table holds all-zero, unpatched
// entries, as a classic file of 512 blocks would count them.
struct StaticTileTable {
    std::array<StaticTileEntry, kMaxStaticTileCount> entries{};
    int count = kMinStaticTileCount;
    const TileDataLayout* layout = &kClassicLayout;

    StaticTileEntry& operator[](int tile) { return entries[static_cast<std::size_t>(tile)]; }
    const StaticTileEntry& operator[](int tile) const { return entries[static_cast<std::size_t>(tile)]; }
    int size() const { return count; }
    // The tiles in use.
    StaticTileEntry* begin() { return entries.data(); }
    StaticTileEntry* end() { return entries.data() + count; }
    const StaticTileEntry* begin() const { return entries.data(); }
    const StaticTileEntry* end() const { return entries.data() + count; }
    int BlockCount() const { return count / kTilesPerBlock; }
    bool operator==(const StaticTileTable&) const = default;

    // Takes on another table's tiles in use, its count and its layout;
    // entries past them are not copied.
    void AssignInUse(const StaticTileTable& other)
    {
        std::copy(other.begin(), other.end(), begin());
        count = other.count;
        layout = other.layout;
    }
    // Back to a new table's state, for a table used again. Only the tiles in
    // use are cleared: nothing writes past them.
    void Clear()
    {
        // A new entry is all zero bytes: cleared in one stroke.
        static_assert(std::is_trivially_copyable_v<StaticTileEntry>);
        std::memset(static_cast<void*>(entries.data()), 0, sizeof(StaticTileEntry) * static_cast<std::size_t>(count));
        count = kMinStaticTileCount;
        layout = &kClassicLayout;
    }
};
