#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Every tile's name field, land or static: 20 bytes of 8-bit characters.
inline constexpr std::size_t kTileNameSize = 20;
using TileNameField = std::array<char, kTileNameSize>;

// The name's bytes up to its terminator, at most 20 of them.
template <typename Entry>
std::string_view TileName(const Entry& entry)
{
    const std::string_view field(entry.name.data(), entry.name.size());
    return field.substr(0, field.find('\0'));
}

// Stores a name over the start of the field: at most 20 bytes, then a
// terminator when shorter. The bytes after the terminator keep their values.
template <typename Entry>
void SetTileName(Entry& entry, std::string_view name)
{
    const std::size_t length = name.size() < kTileNameSize ? name.size() : kTileNameSize;
    name.copy(entry.name.data(), length);
    if (length < kTileNameSize)
        entry.name[length] = '\0';
}
