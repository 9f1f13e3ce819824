#pragma once

#include "TileDataLayout.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>

// Every tile of one half of a file that a table can hold, indexed by tile
// id; tile i lies in block i / 32 at slot i % 32. One fixed array, never
// allocated per load: `count` says how many tiles the file loaded last has
// in use (from MinCount to MaxCount), and `layout` in which shape it keeps
// them. A new table holds MinCount all-zero, unpatched entries of a
// classic file.
template <typename Entry, int MinCount, int MaxCount>
struct TileTable {
    using value_type = Entry;
    static constexpr int kMinCount = MinCount;
    static constexpr int kMaxCount = MaxCount;
    std::array<Entry, MaxCount> entries{};
    int count = MinCount;
    const TileDataLayout* layout = &kClassicLayout;

    Entry& operator[](int tile) { return entries[static_cast<std::size_t>(tile)]; }
    const Entry& operator[](int tile) const { return entries[static_cast<std::size_t>(tile)]; }
    // The tiles in use.
    Entry* begin() { return entries.data(); }
    Entry* end() { return entries.data() + count; }
    const Entry* begin() const { return entries.data(); }
    const Entry* end() const { return entries.data() + count; }
    int BlockCount() const { return count / kTilesPerBlock; }
    bool operator==(const TileTable&) const = default;

    // Takes on another table's tiles in use, its count and its layout;
    // entries past them are not copied.
    void AssignInUse(const TileTable& other)
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
        static_assert(std::is_trivially_copyable_v<Entry>);
        std::memset(static_cast<void*>(entries.data()), 0, sizeof(Entry) * static_cast<std::size_t>(count));
        count = MinCount;
        layout = &kClassicLayout;
    }
};
