#include "TileFileLayout.h"

#include "LittleEndian.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace {

template <typename Field>
using FieldValue = typename std::remove_cvref_t<Field>::value_type;

// Where the members after the flag word start in memory: straight after it.
template <typename Entry>
constexpr std::size_t kFirstAfterFlags = offsetof(Entry, flags) + sizeof(TileFlags);

// Whether the members after the flag word lie in memory exactly as the file
// form does after the flag word, so that they move in one copy: each field
// is filled with marks that count the file form's bytes, and the entry's
// memory must show them in order.
template <typename Entry>
constexpr bool MemoryIsFileForm()
{
    Entry entry{};
    ForEachFieldAfterFlags<Entry>([&](const auto& field, std::uint32_t offset) {
        using Value = FieldValue<decltype(field)>;
        std::array<std::uint8_t, sizeof(Value)> marks{};
        for (std::uint32_t i = 0; i < sizeof(Value); ++i)
            marks[i] = static_cast<std::uint8_t>(offset + i + 1);
        auto& value = entry.*field.member;
        if constexpr (std::is_integral_v<Value>)
            value = static_cast<Value>(LoadLittleEndian(marks.data(), sizeof(Value)));
        else
            std::copy(marks.begin(), marks.end(), value.begin());
    });
    const auto memory = std::bit_cast<std::array<std::uint8_t, sizeof(Entry)>>(entry);
    for (std::uint32_t i = 0; i < kFileBytesAfterFlags<Entry>; ++i)
        if (kFirstAfterFlags<Entry> + i >= sizeof(Entry) || memory[kFirstAfterFlags<Entry> + i] != i + 1)
            return false;
    return true;
}

template <typename Entry>
constexpr bool kCopyWhole = std::endian::native == std::endian::little && std::is_trivially_copyable_v<Entry> &&
                            MemoryIsFileForm<Entry>();

// The speed of loading and saving rests on the one copy: an entry's members
// must keep to its field list.
static_assert(std::endian::native != std::endian::little ||
              (kCopyWhole<StaticTileEntry> && kCopyWhole<LandTileEntry>));

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
    return flagsSize + kFileBytesAfterFlags<Entry>;
}

// The leading `present` bytes of a little-endian number of `width` bytes,
// over the low-order bytes of `value`; with all of them, the number itself.
std::uint64_t WithLeadingBytes(std::uint64_t value, const std::uint8_t* bytes, std::size_t width, std::size_t present)
{
    if (present == width)
        return LoadLittleEndian(bytes, width);  // a whole field: the file's number, zero-extended
    const std::uint64_t replaced = (std::uint64_t{1} << (8 * present)) - 1;  // present < width <= 8
    return (value & ~replaced) | LoadLittleEndian(bytes, present);
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
    return LoadLittleEndian(bytes, flagsSize);
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
    auto& flags = entry.*kFlagsField<Entry>.member;
    if constexpr (kCopyWhole<Entry>) {
        if (available >= EntryFileSize<Entry>(flagsSize)) {
            flags = LoadFlags(bytes, flagsSize);
            std::memcpy(reinterpret_cast<char*>(&entry) + kFirstAfterFlags<Entry>, bytes + flagsSize,
                        kFileBytesAfterFlags<Entry>);
            return;
        }
    }
    // Field by field: a field cut short by the end of the file gets only its leading bytes.
    const auto read = [&](auto& value, std::size_t offset, std::size_t width) {
        const std::size_t present = offset < available ? std::min(width, available - offset) : 0;
        ReadField(value, bytes + offset, width, present);
    };
    read(flags, 0, flagsSize);
    ForEachFieldAfterFlags<Entry>([&](const auto& field, std::uint32_t offset) {
        read(entry.*field.member, flagsSize + offset, kFieldWidth<std::remove_cvref_t<decltype(field)>>);
    });
}

template <typename Entry, typename Width>
void WriteEntry(const Entry& entry, std::uint8_t* bytes, Width flagsSize)
{
    StoreFlags(entry.*kFlagsField<Entry>.member, bytes, flagsSize);
    if constexpr (kCopyWhole<Entry>) {
        std::memcpy(bytes + flagsSize, reinterpret_cast<const char*>(&entry) + kFirstAfterFlags<Entry>,
                    kFileBytesAfterFlags<Entry>);
        return;
    }
    ForEachFieldAfterFlags<Entry>([&](const auto& field, std::uint32_t offset) {
        const auto& value = entry.*field.member;
        std::uint8_t* at = bytes + flagsSize + offset;
        if constexpr (std::is_integral_v<FieldValue<decltype(field)>>)
            StoreLittleEndian(value, at, sizeof(value));
        else
            std::memcpy(at, value.data(), sizeof(value));
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
