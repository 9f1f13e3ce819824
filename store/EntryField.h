#pragma once

// One field of an entry's file form: the column it is exported under and
// the member that holds it. Each half lists its fields once, in file order
// (StaticTileFields.h, LandTileFields.h); where each lies in an entry of a
// layout, how wide it is and which are numbers all follow from that list.

#include "TileFlags.h"

#include <cstdint>
#include <string_view>
#include <tuple>
#include <type_traits>

template <typename Entry, typename Value>
struct EntryField {
    using value_type = Value;
    std::string_view column;
    Value Entry::*member;
};

// For compilers that deduce no aggregate's arguments by themselves.
template <typename Entry, typename Value>
EntryField(std::string_view, Value Entry::*) -> EntryField<Entry, Value>;

// The flag word that starts every entry of either half, as wide as the
// layout's.
template <typename Entry>
inline constexpr EntryField<Entry, TileFlags> kFlagsField{"flags", &Entry::flags};

// Specialised by each half: kAfterFlags, the fields that follow the flag
// word in file order, each as wide in the file as in memory.
template <typename Entry>
struct EntryFields;

// The bytes a field after the flag word takes in the file.
template <typename Field>
inline constexpr std::uint32_t kFieldWidth = sizeof(typename Field::value_type);

// Calls visit(field, offset) for each field after the flag word, in file
// order, with the offset of its first byte from the flag word's end.
template <typename Entry, typename Visit>
constexpr void ForEachFieldAfterFlags(Visit&& visit)
{
    std::uint32_t offset = 0;
    std::apply(
        [&](const auto&... field) {
            ((visit(field, offset), offset += kFieldWidth<std::remove_cvref_t<decltype(field)>>), ...);
        },
        EntryFields<Entry>::kAfterFlags);
}

// What follows the flag word in an entry's file form.
template <typename Entry>
inline constexpr std::uint32_t kFileBytesAfterFlags = [] {
    std::uint32_t size = 0;
    ForEachFieldAfterFlags<Entry>([&](const auto& field, std::uint32_t) {
        size += kFieldWidth<std::remove_cvref_t<decltype(field)>>;
    });
    return size;
}();

// Whether a field holds a number (the rest are the name's bytes).
template <typename Field>
inline constexpr bool kIsNumberField = std::is_integral_v<typename Field::value_type>;

// Calls visit(field, number) for each number after the flag word, in file
// order, counting them from 0.
template <typename Entry, typename Visit>
constexpr void ForEachNumberField(Visit&& visit)
{
    int number = 0;
    ForEachFieldAfterFlags<Entry>([&](const auto& field, std::uint32_t) {
        if constexpr (kIsNumberField<std::remove_cvref_t<decltype(field)>>)
            visit(field, number++);
    });
}

template <typename Entry>
inline constexpr int kNumberFieldCount = [] {
    int count = 0;
    ForEachNumberField<Entry>([&](const auto&, int) { ++count; });
    return count;
}();
