// Decoding into a reused result against decoding into a fresh one: the
// reused buffer is filled with junk before every picture, so a pixel the
// decoder forgets to blank shows.

#include "ArtBytes.h"
#include "ArtDecoder.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

using namespace art_bytes;

namespace {

void ExpectSameResult(const ArtResult& reused, const ArtResult& fresh, const std::string& what)
{
    ASSERT_EQ(reused.kind, fresh.kind) << what << ": " << reused.reason << " / " << fresh.reason;
    ASSERT_EQ(reused.reason, fresh.reason) << what;
    ASSERT_EQ(reused.image.width, fresh.image.width) << what;
    ASSERT_EQ(reused.image.height, fresh.image.height) << what;
    ASSERT_EQ(reused.image.rgba, fresh.image.rgba) << what;
}

// Junk in every byte the buffer holds, its size left at its capacity.
void Soil(ArtResult& result)
{
    result.image.rgba.resize(result.image.rgba.capacity());
    std::fill(result.image.rgba.begin(), result.image.rgba.end(), 0xA5);
    result.image.width = 7;
    result.reason = "left over";
}

// A random entry: a whole static picture or land diamond, or one spoiled
// by a cut, changed bytes or a changed size.
Bytes RandomEntry(std::mt19937& random, std::uint32_t artIndex)
{
    Bytes entry = IsLandArt(artIndex) ? EncodeLand(RandomLand(random))
                                      : EncodeStatic(RandomPicture(random, 1 + static_cast<int>(random() % 120),
                                                                   1 + static_cast<int>(random() % 90)),
                                                     random);
    switch (random() % 6) {
    case 0:
        entry.resize(random() % entry.size());
        break;
    case 1:
        for (int k = 0; k < 3; ++k)
            entry[random() % entry.size()] = static_cast<std::uint8_t>(random());
        break;
    case 2:
        if (entry.size() > 8)
            entry[4 + random() % 4] = static_cast<std::uint8_t>(random() % 4);  // width or height
        break;
    default:
        break;
    }
    return entry;
}

TEST(DecodeArtInto, GivesWhatAFreshResultGetsThroughAReusedBuffer)
{
    std::mt19937 random(2024);
    ArtResult reused;
    std::map<ArtResult::Kind, int> kinds;
    for (int round = 0; round < 3000; ++round) {
        const std::uint32_t artIndex = round % 5 == 0 ? random() % kFirstStaticArtIndex : kFirstStaticArtIndex + 0x0BB6;
        const Bytes entry = RandomEntry(random, artIndex);
        Soil(reused);
        DecodeArtInto(artIndex, entry, ArtPalette::Plain(), reused);
        const ArtResult fresh = DecodeArt(artIndex, entry);
        ExpectSameResult(reused, fresh, "round " + std::to_string(round));
        ++kinds[fresh.kind];
    }
    // Every kind was met many times over, so the comparison covered each.
    for (const ArtResult::Kind kind : {ArtResult::Kind::kImage, ArtResult::Kind::kNoArt, ArtResult::Kind::kDamaged})
        EXPECT_GT(kinds[kind], 30) << static_cast<int>(kind);
}

TEST(DecodeArtInto, ASmallerPictureTakesNoNewBufferAndALargerOneGrowsIt)
{
    std::mt19937 random(9);
    const Picture large = RandomPicture(random, 100, 80), small = RandomPicture(random, 5, 3);
    ArtResult reused;
    DecodeArtInto(kFirstStaticArtIndex, EncodeStatic(large, random), ArtPalette::Plain(), reused);
    ASSERT_EQ(reused.image.rgba, large.Rgba());
    const std::uint8_t* buffer = reused.image.rgba.data();
    DecodeArtInto(kFirstStaticArtIndex, EncodeStatic(small, random), ArtPalette::Plain(), reused);
    EXPECT_EQ(reused.image.rgba, small.Rgba());
    EXPECT_EQ(reused.image.rgba.data(), buffer) << "the buffer was allocated again for a smaller picture";
    DecodeArtInto(kFirstStaticArtIndex, EncodeStatic(large, random), ArtPalette::Plain(), reused);
    EXPECT_EQ(reused.image.rgba, large.Rgba());
}

// Every 16-bit colour, bit 15 and 0 among them, in runs of every length
// from 1 to 40: the plain palette's pixels, which the decoder may work out
// rather than look up, are the palette's own bytes, as a copy of the
// palette (looked up) gives them.
TEST(DecodeArtInto, DrawsEveryColourAsThePlainPaletteHoldsIt)
{
    // Two pictures of 32768 colours each, so that every row start stays
    // within its 16 bits: those without bit 15, then those with it.
    constexpr int kWidth = 1024, kHeight = 32;
    const ArtPalette copy = ArtPalette::Plain();
    for (const int first : {0, 0x8000}) {
        Bytes entry;
        Put32(entry, 0);
        Put16(entry, kWidth);
        Put16(entry, kHeight);
        Bytes runs;
        std::vector<std::uint16_t> colours;
        for (int y = 0; y < kHeight; ++y) {
            Put16(entry, static_cast<std::uint16_t>(runs.size() / 2));
            for (int x = 0, length = 1 + y; x < kWidth; x += length, length = length % 40 + 1) {
                const int run = std::min(length, kWidth - x);
                Put16(runs, 0);
                Put16(runs, static_cast<std::uint16_t>(run));
                for (int k = 0; k < run; ++k) {
                    colours.push_back(static_cast<std::uint16_t>(first + y * kWidth + x + k));
                    Put16(runs, colours.back());
                }
            }
            Put16(runs, 0);
            Put16(runs, 0);
        }
        entry.insert(entry.end(), runs.begin(), runs.end());
        ArtResult plain, lookedUp;
        DecodeArtInto(kFirstStaticArtIndex, entry, ArtPalette::Plain(), plain);
        DecodeArtInto(kFirstStaticArtIndex, entry, copy, lookedUp);
        ASSERT_EQ(plain.kind, ArtResult::Kind::kImage) << plain.reason;
        ASSERT_EQ(colours.size(), 32768u);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            std::uint32_t pixel;
            std::memcpy(&pixel, &plain.image.rgba[4 * i], 4);
            ASSERT_EQ(pixel, ArtPalette::Plain().Pixel(colours[i])) << "colour " << colours[i];
        }
        EXPECT_EQ(plain.image.rgba, lookedUp.image.rgba);
    }
}

// A folder of random entries, some damaged, in the index form with patch
// entries or in the container; every index decoded in a random order
// through one reader into one result, against a decode of its own each.
TEST(ReaderDecodeInto, GivesWhatDecodeGivesForEveryIndexOfBothForms)
{
    std::mt19937 random(77);
    for (const bool container : {false, true}) {
        std::vector<std::uint32_t> indices;
        IndexAndArt index;
        std::vector<ContainerItem> items;
        std::vector<PatchEntry> patches;
        for (int i = 0; i < 300; ++i) {
            const std::uint32_t artIndex =
                i % 6 == 0 ? random() % kFirstStaticArtIndex : kFirstStaticArtIndex + random() % 0x4000;
            const Bytes entry = RandomEntry(random, artIndex);
            if (container)
                items.push_back({artIndex, entry, static_cast<std::uint16_t>(i % 3 == 0 ? 1 : i % 17 == 0 ? 9 : 0)});
            else if (i % 10 == 0)
                patches.push_back({kArtFileId, artIndex, entry, i % 20 == 0});
            else
                index.Add(artIndex, entry);
            indices.push_back(artIndex);
            indices.push_back(artIndex + 1);  // often without art
        }
        TempFolder folder;
        if (container) {
            WriteFileBytes(folder.File("artLegacyMUL.uop"), Container(items, 64));
        } else {
            // An entry reaching past the art file's end.
            index.Add(kFirstStaticArtIndex + 0x4001, Bytes(40, 1));
            index.art.resize(index.art.size() - 20);
            indices.push_back(kFirstStaticArtIndex + 0x4001);
            WriteFileBytes(folder.File("artidx.mul"), index.index);
            WriteFileBytes(folder.File("art.mul"), index.art);
            WriteFileBytes(folder.File("verdata.mul"), PatchFile(patches));
        }
        const ArtFolder art = ArtFolder::Load(folder.File("tiledata.mul"));
        ASSERT_EQ(art.Damage(), "");
        std::shuffle(indices.begin(), indices.end(), random);
        ArtFolder::Reader reader(art);
        ArtResult reused;
        int damaged = 0;
        for (const std::uint32_t artIndex : indices) {
            Soil(reused);
            reader.DecodeInto(artIndex, ArtPalette::Plain(), reused);
            const ArtResult fresh = art.Decode(artIndex);
            ExpectSameResult(reused, fresh, (container ? "container " : "index ") + std::to_string(artIndex));
            damaged += fresh.kind == ArtResult::Kind::kDamaged;
        }
        EXPECT_GT(damaged, 10) << container;
    }
}

// HasArt against what decoding each index gives: art unless no art.
TEST(ArtFolderHasArt, NamesTheIndicesWithArtInBothFormsWithoutReadingThem)
{
    std::mt19937 random(31);
    IndexAndArt index;
    std::vector<ContainerItem> items;
    std::map<std::uint32_t, bool> expected;  // by art index: has art
    for (int i = 0; i < 200; ++i) {
        const std::uint32_t artIndex = kFirstStaticArtIndex + random() % 0x4000;
        const Bytes entry = EncodeStatic(RandomPicture(random, 4, 4), random);
        index.Add(artIndex, entry);
        items.push_back({artIndex, entry});
        expected[artIndex] = true;
    }
    // The patch file takes one index's art away and gives another art.
    const std::uint32_t removed = expected.begin()->first, added = kFirstStaticArtIndex + 0x4000 + 5;
    const Bytes addedEntry = EncodeStatic(RandomPicture(random, 2, 2), random);
    TempFolder indexFolder, containerFolder;
    WriteFileBytes(indexFolder.File("artidx.mul"), index.index);
    // Art bytes past the end are damaged, but still art.
    index.art.resize(index.art.size() - 4);
    WriteFileBytes(indexFolder.File("art.mul"), index.art);
    WriteFileBytes(indexFolder.File("verdata.mul"),
                   PatchFile({{kArtFileId, removed, {}, true}, {kArtFileId, added, addedEntry}}));
    WriteFileBytes(containerFolder.File("artLegacyMUL.uop"), Container(items, 50));

    const ArtFolder inIndex = ArtFolder::Load(indexFolder.File("tiledata.mul"));
    const ArtFolder inContainer = ArtFolder::Load(containerFolder.File("tiledata.mul"));
    ArtFolder::Reader indexReader(inIndex), containerReader(inContainer);
    for (std::uint32_t artIndex = 0; artIndex < kArtIndexCount + 3; ++artIndex) {
        const bool inIndexArt = indexReader.Decode(artIndex).kind != ArtResult::Kind::kNoArt;
        const bool inContainerArt = containerReader.Decode(artIndex).kind != ArtResult::Kind::kNoArt;
        ASSERT_EQ(inIndex.HasArt(artIndex), inIndexArt) << artIndex;
        ASSERT_EQ(inContainer.HasArt(artIndex), inContainerArt) << artIndex;
        ASSERT_EQ(inContainerArt, expected.count(artIndex) == 1) << artIndex;
    }
    EXPECT_FALSE(inIndex.HasArt(removed));
    EXPECT_TRUE(inIndex.HasArt(added));
}

TEST(ArtFolderHasArt, EveryIndexHasArtInArtThatCannotBeReadAndNoneWithoutArtFiles)
{
    TempFolder damaged, none;
    WriteFileBytes(damaged.File("artLegacyMUL.uop"), Bytes(100, 0x42));
    const ArtFolder unreadable = ArtFolder::Load(damaged.File("tiledata.mul"));
    ASSERT_NE(unreadable.Damage(), "");
    const ArtFolder missing = ArtFolder::Load(none.File("tiledata.mul"));
    ASSERT_EQ(missing.GetForm(), ArtFolder::Form::kNone);
    for (const std::uint32_t artIndex : {0u, kFirstStaticArtIndex, kArtIndexCount - 1, kArtIndexCount + 100}) {
        EXPECT_TRUE(unreadable.HasArt(artIndex)) << artIndex;
        EXPECT_FALSE(missing.HasArt(artIndex)) << artIndex;
    }
}

} // namespace
