#include "TileFileLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

// An entry whose every field holds distinct bytes in its file form (1, 2,
// 3, ... from the first byte of the flag word on), so a field at the wrong
// offset or in the wrong byte order shows.
StaticTileEntry DistinctEntry(const TileDataLayout& layout = kClassicLayout)
{
    StaticTileEntry entry;
    const auto f = static_cast<std::uint8_t>(layout.flagsSize);
    entry.flags = 0x0807060504030201 & layout.FlagsMask();
    entry.weight = static_cast<std::uint8_t>(f + 1);
    entry.layer = static_cast<std::uint8_t>(f + 2);
    entry.unknown1 = static_cast<std::uint16_t>((f + 4) << 8 | (f + 3));
    entry.unknown2 = static_cast<std::uint8_t>(f + 5);
    entry.tileClass = static_cast<std::uint8_t>(f + 6);
    entry.gump = static_cast<std::uint16_t>((f + 8) << 8 | (f + 7));
    entry.unknown3 = static_cast<std::uint8_t>(f + 9);
    entry.hue = static_cast<std::uint8_t>(f + 10);
    entry.unknown4 = static_cast<std::uint8_t>(f + 11);
    entry.unknown5 = static_cast<std::uint8_t>(f + 12);
    entry.height = static_cast<std::uint8_t>(f + 13);
    for (std::size_t i = 0; i < kTileNameSize; ++i)
        entry.name[i] = static_cast<char>(f + 14 + i);
    return entry;
}

TEST(EntryFileForm, FieldsLieInFileOrderLittleEndianInEachLayout)
{
    for (const TileDataLayout* layout : kTileDataLayouts) {
        SCOPED_TRACE(layout->name);
        std::array<std::uint8_t, kNewerLayout.statics.entrySize + 1> bytes{};
        WriteEntryFields(DistinctEntry(*layout), bytes.data(), *layout);
        for (std::size_t i = 0; i < layout->statics.entrySize; ++i)
            EXPECT_EQ(bytes[i], i + 1) << "byte " << i;
        EXPECT_EQ(bytes[layout->statics.entrySize], 0) << "nothing written past the entry";

        StaticTileEntry read;
        read.flags = ~TileFlags{0};  // a whole flag word replaces every bit, the ones the file lacks too
        read.patched = true;
        ReadEntryFields(bytes.data(), layout->statics.entrySize, read, *layout);
        StaticTileEntry expected = DistinctEntry(*layout);
        expected.patched = true;
        EXPECT_EQ(read, expected) << "reading leaves the patched mark alone";
    }
}

TEST(EntryFileForm, AClassicEntryCarriesTheLowFlagBitsOnly)
{
    StaticTileEntry entry = DistinctEntry(kNewerLayout);
    std::array<std::uint8_t, kClassicLayout.statics.entrySize> bytes{};
    WriteEntryFields(entry, bytes.data(), kClassicLayout);
    StaticTileEntry read;
    ReadEntryFields(bytes.data(), bytes.size(), read, kClassicLayout);
    EXPECT_EQ(read.flags, 0x04030201u);
    EXPECT_EQ(read.gump, entry.gump);
}

TEST(EntryFileForm, ShortBytesReplaceOnlyWhatTheyCover)
{
    std::array<std::uint8_t, kClassicLayout.statics.entrySize> bytes;
    bytes.fill(0xEE);
    struct Case {
        std::size_t available;
        void (*expect)(const StaticTileEntry&);
    };
    const Case cases[] = {
        {0, [](const StaticTileEntry& e) { EXPECT_EQ(e, DistinctEntry()); }},
        {1, [](const StaticTileEntry& e) { EXPECT_EQ(e.flags, 0x040302EEu); EXPECT_EQ(e.weight, 0x05); }},
        {3, [](const StaticTileEntry& e) { EXPECT_EQ(e.flags, 0x04EEEEEEu); }},
        {7, [](const StaticTileEntry& e) { EXPECT_EQ(e.unknown1, 0x08EE); EXPECT_EQ(e.unknown2, 0x09); }},
        {11, [](const StaticTileEntry& e) { EXPECT_EQ(e.gump, 0x0CEE); EXPECT_EQ(e.tileClass, 0xEE); }},
        {17, [](const StaticTileEntry& e) { EXPECT_EQ(e.height, 0xEE); EXPECT_EQ(e.name[0], 0x12); }},
        {25, [](const StaticTileEntry& e) {
             EXPECT_EQ(static_cast<std::uint8_t>(e.name[7]), 0xEE);
             EXPECT_EQ(e.name[8], 0x12 + 8);
         }},
        {36, [](const StaticTileEntry& e) { EXPECT_EQ(e.name[19], 0x12 + 19); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.available);
        StaticTileEntry entry = DistinctEntry();
        ReadEntryFields(bytes.data(), c.available, entry, kClassicLayout);
        c.expect(entry);
    }
}

TEST(TileName, StopsAtTheTerminatorOrAfterTwentyBytes)
{
    StaticTileEntry entry;
    SetTileName(entry, "wallpaper");
    EXPECT_EQ(TileName(entry), "wallpaper");
    SetTileName(entry, "wall");
    EXPECT_EQ(TileName(entry), "wall");
    EXPECT_EQ(std::memcmp(entry.name.data(), "wall\0aper", 9), 0) << "old bytes stay after the terminator";

    SetTileName(entry, "enchanted armor rack");
    EXPECT_EQ(TileName(entry), "enchanted armor rack");
    SetTileName(entry, "a name longer than twenty bytes");
    EXPECT_EQ(TileName(entry), "a name longer than t");
    SetTileName(entry, "");
    EXPECT_EQ(TileName(entry), "");
}

} // namespace
