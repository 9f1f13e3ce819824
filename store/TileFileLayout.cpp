#include "TileFileLayout.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>

namespace {

// The file fields of each kind of entry that follow its flag word, in file order.
template <typename Entry>
struct EntryForm;

template <>
struct EntryForm<StaticTileEntry> {
    static constexpr std::uint32_t kFieldsAfterFlags = kStaticFieldsAfterFlags;
    template <typename Entry, typename Visit>
    static constexpr void ForEachFieldAfterFlags(Entry& entry, Visit&& visit)
    {
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
    // On a little-endian machine the members after the flag word lie exactly
    // as the file form does, so they move in one copy.
    static constexpr std::size_t kFirstAfterFlags = offsetof(StaticTileEntry, weight);
    static constexpr bool kMemoryIsFileForm =
        offsetof(StaticTileEntry, layer) == kFirstAfterFlags + 1 &&
        offsetof(StaticTileEntry, unknown1) == kFirstAfterFlags + 2 &&
        offsetof(StaticTileEntry, unknown2) == kFirstAfterFlags + 4 &&
        offsetof(StaticTileEntry, tileClass) == kFirstAfterFlags + 5 &&
        offsetof(StaticTileEntry, gump) == kFirstAfterFlags + 6 &&
        offsetof(StaticTileEntry, unknown3) == kFirstAfterFlags + 8 &&
        offsetof(StaticTileEntry, hue) == kFirstAfterFlags + 9 &&
        offsetof(StaticTileEntry, unknown4) == kFirstAfterFlags + 10 &&
        offsetof(StaticTileEntry, unknown5) == kFirstAfterFlags + 11 &&
        offsetof(StaticTileEntry, height) == kFirstAfterFlags + 12 &&
        offsetof(StaticTileEntry, name) == kFirstAfterFlags + 13 &&
        offsetof(StaticTileEntry, patched) == kFirstAfterFlags + kFieldsAfterFlags;
};

template <>
struct EntryForm<LandTileEntry> {
    static constexpr std::uint32_t kFieldsAfterFlags = kLandFieldsAfterFlags;
    template <typename Entry, typename Visit>
    static constexpr void ForEachFieldAfterFlags(Entry& entry, Visit&& visit)
    {
        visit(entry.texture);
        visit(entry.name);
    }
    static constexpr std::size_t kFirstAfterFlags = offsetof(LandTileEntry, texture);
    static constexpr bool kMemoryIsFileForm = offsetof(LandTileEntry, name) == kFirstAfterFlags + 2 &&
                                              offsetof(LandTileEntry, patched) == kFirstAfterFlags + kFieldsAfterFlags;
};

template <typename Entry>
constexpr std::uint32_t FieldsSizeAfterFlags()
{
    const Entry entry{};
    std::uint32_t size = 0;
    EntryForm<Entry>::ForEachFieldAfterFlags(entry, [&](const auto& field) { size += sizeof(field); });
    return size;
}
static_assert(FieldsSizeAfterFlags<StaticTileEntry>() == kStaticFieldsAfterFlags);
static_assert(FieldsSizeAfterFlags<LandTileEntry>() == kLandFieldsAfterFlags);

template <typename Entry>
constexpr bool kCopyWhole = std::endian::native == std::endian::little && std::is_trivially_copyable_v<Entry> &&
                            EntryForm<Entry>::kMemoryIsFileForm;

// The width of the flag word is a parameter of every routine below: a
// std::integral_constant for the widths in use, so that the hot loops are
// compiled for each, or a plain number for any other.
template <std::uint32_t Width>
using FixedWidth = std::integral_constant<std::uint32_t, Width>;

template <typename Visit>
void WithFlagsWidth(std::uint32_t flagsSize, Visit&& visit)
{
    switch (flagsSize) {
    case 4: return visit(FixedWidth<4>{});
    case 8: return visit(FixedWidth<8>{});
    default: return visit(flagsSize);
    }
}

template <typename Entry, typename Width>
constexpr std::uint32_t EntryFileSize(Width flagsSize)
{
    return flagsSize + EntryForm<Entry>::kFieldsAfterFlags;
}

// The leading `present` bytes of a little-endian number of `width` bytes,
// over the low-order bytes of `value`; with all of them, the number itself.
std::uint64_t WithLeadingBytes(std::uint64_t value, const std::uint8_t* bytes, std::size_t width, std::size_t present)
{
    if (present == width)
        value = 0;  // a whole field: the file's number, zero-extended
    for (std::size_t i = 0; i < present; ++i) {
        value &= ~(std::uint64_t{0xFF} << (8 * i));
        value |= std::uint64_t{bytes[i]} << (8 * i);
    }
    return value;
}

void StoreLittleEndian(std::uint64_t value, std::uint8_t* bytes, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A whole flag word of the layout's width, as the number it holds.
template <typename Width>
std::uint64_t LoadFlags(const std::uint8_t* bytes, Width flagsSize)
{
    if constexpr (std::endian::native == std::endian::little) {
        if (flagsSize == sizeof(std::uint64_t)) {
            std::uint64_t flags;
            std::memcpy(&flags, bytes, sizeof flags);
            return flags;
        }
        if (flagsSize == sizeof(std::uint32_t)) {
            std::uint32_t flags;
            std::memcpy(&flags, bytes, sizeof flags);
            return flags;
        }
    }
    return WithLeadingBytes(0, bytes, flagsSize, flagsSize);
}

template <typename Width>
void StoreFlags(std::uint64_t flags, std::uint8_t* bytes, Width flagsSize)
{
    if constexpr (std::endian::native == std::endian::little) {
        if (flagsSize == sizeof(std::uint64_t)) {
            std::memcpy(bytes, &flags, sizeof flags);
            return;
        }
        if (flagsSize == sizeof(std::uint32_t)) {
            const auto low = static_cast<std::uint32_t>(flags);  // the low-order bytes come first
            std::memcpy(bytes, &low, sizeof low);
            return;
        }
    }
    StoreLittleEndian(flags, bytes, flagsSize);
}

// Reads a field of `width` file bytes, of which `present` arrived.
template <typename Field>
void ReadField(Field& field, const std::uint8_t* bytes, std::size_t width, std::size_t present)
{
    if constexpr (std::is_integral_v<Field>)
        field = static_cast<Field>(WithLeadingBytes(field, bytes, width, present));
    else
        std::memcpy(field.data(), bytes, present);
}

template <typename Entry, typename Width>
void ReadEntry(const std::uint8_t* bytes, std::size_t available, Entry& entry, Width flagsSize)
{
    if constexpr (kCopyWhole<Entry>) {
        if (available >= EntryFileSize<Entry>(flagsSize)) {
            entry.flags = LoadFlags(bytes, flagsSize);
            std::memcpy(reinterpret_cast<char*>(&entry) + EntryForm<Entry>::kFirstAfterFlags, bytes + flagsSize,
                        EntryForm<Entry>::kFieldsAfterFlags);
            return;
        }
    }
    // Field by field: a field cut short by the end of the file gets only its leading bytes.
    std::size_t offset = 0;
    const auto visit = [&](auto& field, std::size_t width) {
        const std::size_t present = offset < available ? std::min(width, available - offset) : 0;
        ReadField(field, bytes + offset, width, present);
        offset += width;
    };
    visit(entry.flags, flagsSize);
    EntryForm<Entry>::ForEachFieldAfterFlags(entry, [&](auto& field) { visit(field, sizeof(field)); });
}

template <typename Entry, typename Width>
void WriteEntry(const Entry& entry, std::uint8_t* bytes, Width flagsSize)
{
    StoreFlags(entry.flags, bytes, flagsSize);
    bytes += flagsSize;
    if constexpr (kCopyWhole<Entry>) {
        std::memcpy(bytes, reinterpret_cast<const char*>(&entry) + EntryForm<Entry>::kFirstAfterFlags,
                    EntryForm<Entry>::kFieldsAfterFlags);
        return;
    }
    EntryForm<Entry>::ForEachFieldAfterFlags(entry, [&](const auto& field) {
        if constexpr (std::is_integral_v<std::remove_cvref_t<decltype(field)>>)
            StoreLittleEndian(field, bytes, sizeof(field));
        else
            std::memcpy(bytes, field.data(), sizeof(field));
        bytes += sizeof(field);
    });
}

} // namespace

template <typename Entry>
void ReadEntryFields(const std::uint8_t* bytes, std::size_t available, Entry& entry, const TileDataLayout& layout)
{
    ReadEntry(bytes, available, entry, layout.flagsSize);
}

template <typename Entry>
void WriteEntryFields(const Entry& entry, std::uint8_t* bytes, const TileDataLayout& layout)
{
    WriteEntry(entry, bytes, layout.flagsSize);
}

template <typename Entry>
void ReadBlockEntries(const std::uint8_t* bytes, std::size_t available, Entry* entries, const TileDataLayout& layout,
                      bool patched)
{
    if (available == 0) {  // a block wholly past the file's end: every entry keeps its bytes
        for (int slot = 0; slot < kTilesPerBlock; ++slot)
            entries[slot].patched = patched;
        return;
    }
    WithFlagsWidth(layout.flagsSize, [&](auto flagsSize) {
        const std::size_t entrySize = EntryFileSize<Entry>(flagsSize);
        for (int slot = 0; slot < kTilesPerBlock; ++slot) {
            const std::size_t offset = entrySize * slot;
            ReadEntry(bytes + offset, offset < available ? available - offset : 0, entries[slot], flagsSize);
            entries[slot].patched = patched;
        }
    });
}

template <typename Entry>
void WriteBlockEntries(const Entry* entries, std::uint8_t* bytes, const TileDataLayout& layout)
{
    WithFlagsWidth(layout.flagsSize, [&](auto flagsSize) {
        const std::size_t entrySize = EntryFileSize<Entry>(flagsSize);
        for (int slot = 0; slot < kTilesPerBlock; ++slot)
            WriteEntry(entries[slot], bytes + entrySize * slot, flagsSize);
    });
}

template void ReadEntryFields(const std::uint8_t*, std::size_t, StaticTileEntry&, const TileDataLayout&);
template void ReadEntryFields(const std::uint8_t*, std::size_t, LandTileEntry&, const TileDataLayout&);
template void WriteEntryFields(const StaticTileEntry&, std::uint8_t*, const TileDataLayout&);
template void WriteEntryFields(const LandTileEntry&, std::uint8_t*, const TileDataLayout&);
template void ReadBlockEntries(const std::uint8_t*, std::size_t, StaticTileEntry*, const TileDataLayout&, bool);
template void ReadBlockEntries(const std::uint8_t*, std::size_t, LandTileEntry*, const TileDataLayout&, bool);
template void WriteBlockEntries(const StaticTileEntry*, std::uint8_t*, const TileDataLayout&);
template void WriteBlockEntries(const LandTileEntry*, std::uint8_t*, const TileDataLayout&);
