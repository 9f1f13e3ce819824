#include "TileFileLayout.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

// The 13 file fields in file order; the name is the only non-number.
template <typename Entry, typename Visit>
constexpr void ForEachFileField(Entry& entry, Visit&& visit)
{
    visit(entry.flags);
    visit(entry.weight);
    visit(entry.layer);
    visit(entry.unknown1);
    visit(entry.unknown2);
    visit(entry.tileClass);
    visit(entry.gump);
    visit(entry.unknown3);
    visit(entry.hue);
    visit(entry.unknown4);
    visit(entry.unknown5);
    visit(entry.height);
    visit(entry.name);
}

constexpr std::size_t FileFieldsSize()
{
    const StaticTileEntry entry{};
    std::size_t size = 0;
    ForEachFileField(entry, [&](const auto& field) { size += sizeof(field); });
    return size;
}

} // namespace

void ReadEntryFields(const std::uint8_t* bytes, std::size_t available, StaticTileEntry& entry)
{
    std::size_t offset = 0;
    ForEachFileField(entry, [&](auto& field) {
        constexpr std::size_t width = sizeof(field);
        const std::size_t present = offset < available ? std::min(width, available - offset) : 0;
        if constexpr (std::is_integral_v<std::remove_reference_t<decltype(field)>>) {
            using Value = std::remove_reference_t<decltype(field)>;
            std::uint64_t value = field;
            for (std::size_t i = 0; i < present; ++i) {
                value &= ~(std::uint64_t{0xFF} << (8 * i));
                value |= std::uint64_t{bytes[offset + i]} << (8 * i);
            }
            field = static_cast<Value>(value);
        } else {
            std::memcpy(field.data(), bytes + offset, present);
        }
        offset += width;
    });
}

void WriteEntryFields(const StaticTileEntry& entry, std::uint8_t* bytes)
{
    std::size_t offset = 0;
    ForEachFileField(entry, [&](const auto& field) {
        constexpr std::size_t width = sizeof(field);
        if constexpr (std::is_integral_v<std::remove_cvref_t<decltype(field)>>) {
            for (std::size_t i = 0; i < width; ++i)
                bytes[offset + i] = static_cast<std::uint8_t>(std::uint64_t{field} >> (8 * i));
        } else {
            std::memcpy(bytes + offset, field.data(), width);
        }
        offset += width;
    });
}

void ReadBlockEntries(const std::uint8_t* bytes, std::size_t available,
                      StaticTileTable& table, int firstTile, bool patched)
{
    for (int slot = 0; slot < kTilesPerBlock; ++slot) {
        const std::size_t offset = std::size_t{kEntryFileSize} * slot;
        StaticTileEntry& entry = table[firstTile + slot];
        ReadEntryFields(bytes + offset, offset < available ? available - offset : 0, entry);
        entry.patched = patched;
    }
}

void WriteBlockEntries(const StaticTileTable& table, int firstTile, std::uint8_t* bytes)
{
    for (int slot = 0; slot < kTilesPerBlock; ++slot)
        WriteEntryFields(table[firstTile + slot], bytes + std::size_t{kEntryFileSize} * slot);
}

static_assert(FileFieldsSize() == kEntryFileSize);
