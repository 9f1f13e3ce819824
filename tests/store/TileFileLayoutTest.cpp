#include "TileFileLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

// An entry whose every field holds distinct bytes, so a field at the wrong
// offset or in the wrong byte order shows.
StaticTileEntry DistinctEntry()
{
    StaticTileEntry entry;
    entry.flags = 0x04030201;
    entry.weight = 0x05;
    entry.layer = 0x06;
    entry.unknown1 = 0x0807;
    entry.unknown2 = 0x09;
    entry.tileClass = 0x0A;
    entry.gump = 0x0C0B;
    entry.unknown3 = 0x0D;
    entry.hue = 0x0E;
    entry.unknown4 = 0x0F;
    entry.unknown5 = 0x10;
    entry.height = 0x11;
    for (std::size_t i = 0; i < kTileNameSize; ++i)
        entry.name[i] = static_cast<char>(0x12 + i);
    return entry;
}

TEST(EntryFileForm, FieldsLieInFileOrderLittleEndian)
{
    std::array<std::uint8_t, kEntryFileSize> bytes{};
    WriteEntryFields(DistinctEntry(), bytes.data());
    for (std::size_t i = 0; i < kEntryFileSize; ++i)
        EXPECT_EQ(bytes[i], i + 1) << "byte " << i;

    StaticTileEntry read;
    read.patched = true;
    ReadEntryFields(bytes.data(), bytes.size(), read);
    StaticTileEntry expected = DistinctEntry();
    expected.patched = true;
    EXPECT_EQ(read, expected) << "reading leaves the patched mark alone";
}

TEST(EntryFileForm, ShortBytesReplaceOnlyWhatTheyCover)
{
    std::array<std::uint8_t, kEntryFileSize> bytes;
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
        ReadEntryFields(bytes.data(), c.available, entry);
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
