#include "TileFileLayout.h"

#include <algorithm>
#include <cstddef>
#include <bit>
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

template <typename Value>
Value ByteSwapped(Value value)
{
    Value swapped = 0;
    for (std::size_t i = 0; i < sizeof(Value); ++i)
        swapped = static_cast<Value>(swapped << 8 | ((value >> (8 * i)) & 0xFF));
    return swapped;
}

template <typename Value>
Value LoadLittleEndian(const std::uint8_t* bytes)
{
    Value value;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        value = ByteSwapped(value);
    return value;
}

template <typename Value>
void StoreLittleEndian(Value value, std::uint8_t* bytes)
{
    if constexpr (std::endian::native == std::endian::big)
        value = ByteSwapped(value);
    std::memcpy(bytes, &value, sizeof value);
}

constexpr std::size_t FileFieldsSize()
{
    const StaticTileEntry entry{};
    std::size_t size = 0;
    ForEachFileField(entry, [&](const auto& field) { size += sizeof(field); });
    return size;
}

// On a little-endian machine the entry's members lie exactly as its file
// form does, so a whole entry moves in one copy.
constexpr bool kMemoryFormIsFileForm =
    std::endian::native == std::endian::little && std::is_trivially_copyable_v<StaticTileEntry> &&
    offsetof(StaticTileEntry, flags) == 0 && offsetof(StaticTileEntry, weight) == 4 &&
    offsetof(StaticTileEntry, layer) == 5 && offsetof(StaticTileEntry, unknown1) == 6 &&
    offsetof(StaticTileEntry, unknown2) == 8 && offsetof(StaticTileEntry, tileClass) == 9 &&
    offsetof(StaticTileEntry, gump) == 10 && offsetof(StaticTileEntry, unknown3) == 12 &&
    offsetof(StaticTileEntry, hue) == 13 && offsetof(StaticTileEntry, unknown4) == 14 &&
    offsetof(StaticTileEntry, unknown5) == 15 && offsetof(StaticTileEntry, height) == 16 &&
    offsetof(StaticTileEntry, name) == 17 && offsetof(StaticTileEntry, patched) == kEntryFileSize;

} // namespace

void ReadEntryFields(const std::uint8_t* bytes, std::size_t available, StaticTileEntry& entry)
{
    if (available >= kEntryFileSize && kMemoryFormIsFileForm) {
        std::memcpy(static_cast<void*>(&entry), bytes, kEntryFileSize);
        return;
    }
    if (available >= kEntryFileSize) {
        std::size_t offset = 0;
        ForEachFileField(entry, [&](auto& field) {
            if constexpr (std::is_integral_v<std::remove_reference_t<decltype(field)>>)
                field = LoadLittleEndian<std::remove_reference_t<decltype(field)>>(bytes + offset);
            else
                std::memcpy(field.data(), bytes + offset, sizeof(field));
            offset += sizeof(field);
        });
        return;
    }
    // A field cut short by the end of the file: only its leading bytes arrive.
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
    if constexpr (kMemoryFormIsFileForm) {
        std::memcpy(bytes, &entry, kEntryFileSize);
        return;
    }
    std::size_t offset = 0;
    ForEachFileField(entry, [&](const auto& field) {
        constexpr std::size_t width = sizeof(field);
        if constexpr (std::is_integral_v<std::remove_cvref_t<decltype(field)>>) {
            StoreLittleEndian(field, bytes + offset);
        } else {
            std::memcpy(bytes + offset, field.data(), width);
        }
        offset += width;
    });
}

void ReadBlockEntries(const std::uint8_t* bytes, std::size_t available,
                      StaticTileTable& table, int firstTile, bool patched)
{
    StaticTileEntry* entries = &table[firstTile];
    if (kMemoryFormIsFileForm && available >= kBlockEntriesSize) {
        for (int slot = 0; slot < kTilesPerBlock; ++slot, bytes += kEntryFileSize) {
            std::memcpy(static_cast<void*>(&entries[slot]), bytes, kEntryFileSize);
            entries[slot].patched = patched;
        }
        return;
    }
    for (int slot = 0; slot < kTilesPerBlock; ++slot) {
        const std::size_t offset = std::size_t{kEntryFileSize} * slot;
        ReadEntryFields(bytes + offset, offset < available ? available - offset : 0, entries[slot]);
        entries[slot].patched = patched;
    }
}

void WriteBlockEntries(const StaticTileEntry* entries, std::uint8_t* bytes)
{
    for (int slot = 0; slot < kTilesPerBlock; ++slot, bytes += kEntryFileSize) {
        // The copy is spelled out here so that it stays inline on the save's hot path.
        if constexpr (kMemoryFormIsFileForm)
            std::memcpy(bytes, &entries[slot], kEntryFileSize);
        else
            WriteEntryFields(entries[slot], bytes);
    }
}

static_assert(FileFieldsSize() == kEntryFileSize);
