#include "ArtBytes.h"
#include "ArtFolder.h"
#include "ArtIndex.h"
#include "VerDataFile.h"
#include "ArtNumbering.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

using namespace art_bytes;

namespace {

// What each art index should decode to: a picture's RGBA bytes, or nothing.
using Expected = std::map<std::uint32_t, Bytes>;

// Random pictures for some land and static art indices, with their entries.
struct RandomArt {
    std::map<std::uint32_t, Bytes> entries;
    Expected expected;

    RandomArt(std::mt19937& random, int count)
    {
        for (int i = 0; i < count; ++i) {
            const bool land = i % 4 == 0;
            const std::uint32_t artIndex = land ? random() % kFirstStaticArtIndex : kFirstStaticArtIndex + random() % 0x10000;
            const Picture picture = land ? RandomLand(random)
                                         : RandomPicture(random, 1 + static_cast<int>(random() % 80),
                                                         1 + static_cast<int>(random() % 120));
            entries[artIndex] = land ? EncodeLand(picture) : EncodeStatic(picture, random);
            expected[artIndex] = picture.Rgba();
        }
    }
};

// Decodes every art index the folder could hold and compares each with the expectation.
void ExpectDecodes(const ArtFolder& folder, const Expected& expected)
{
    ArtFolder::Reader reader(folder);
    for (std::uint32_t artIndex = 0; artIndex < kArtIndexCount; ++artIndex) {
        const ArtResult result = reader.Decode(artIndex);
        const auto found = expected.find(artIndex);
        if (found == expected.end()) {
            ASSERT_EQ(result.kind, ArtResult::Kind::kNoArt) << artIndex << ": " << result.reason;
            continue;
        }
        ASSERT_EQ(result.kind, ArtResult::Kind::kImage) << artIndex << ": " << result.reason;
        ASSERT_EQ(result.image.rgba, found->second) << artIndex;
    }
}

TEST(ArtFolder, ReadsTheIndexAndArtFileWithThePatchFilesArtEntriesInAnyLetterCase)
{
    std::mt19937 random(1);
    RandomArt art(random, 300);
    IndexAndArt files;
    for (const auto& [artIndex, entry] : art.entries)
        files.Add(artIndex, entry);
    const std::uint32_t indexCount = static_cast<std::uint32_t>(files.index.size() / 12);
    Expected expected = art.expected;

    // Patches: one replaces a picture and a later one replaces it again, one
    // removes a picture, one adds art past the index's end; entries of
    // other files and a tile-data block (file id 30) are left alone.
    const std::uint32_t replaced = art.entries.begin()->first, removed = std::next(art.entries.begin())->first;
    const Picture first = RandomPicture(random, 5, 5), second = RandomPicture(random, 30, 12);
    const Picture beyond = RandomPicture(random, 17, 3);
    std::vector<PatchEntry> patches = {
        {kArtFileId, replaced, IsLandArt(replaced) ? EncodeLand(RandomLand(random)) : EncodeStatic(first, random)},
        {30, 600, Bytes(1188, 7)},
        {kArtFileId, removed, {}, true},
        {12, replaced, Bytes(40, 9)},
        {kArtFileId, kArtIndexCount - 1, EncodeStatic(beyond, random)},
        {kArtFileId, kArtIndexCount, EncodeStatic(beyond, random)},  // no tile's art
    };
    const Picture last = IsLandArt(replaced) ? RandomLand(random) : second;
    patches.push_back({kArtFileId, replaced, IsLandArt(replaced) ? EncodeLand(last) : EncodeStatic(last, random)});
    expected[replaced] = last.Rgba();
    expected.erase(removed);
    expected[kArtIndexCount - 1] = beyond.Rgba();

    TempFolder folder;
    WriteFileBytes(folder.File("ARTIDX.MUL"), files.index);
    WriteFileBytes(folder.File("Art.Mul"), files.art);
    WriteFileBytes(folder.File("VerData.mul"), PatchFile(patches));
    const ArtFolder loaded = ArtFolder::Load(folder.File("tiledata.mul"));
    ASSERT_EQ(loaded.GetForm(), ArtFolder::Form::kIndexAndArtFile);
    EXPECT_EQ(loaded.Damage(), "");
    EXPECT_EQ(loaded.IndexCount(), indexCount);
    EXPECT_EQ(loaded.PatchEntriesApplied(), 4);
#ifndef _WIN32
    EXPECT_EQ(loaded.Files(), (std::vector<std::string>{folder.File("ARTIDX.MUL"), folder.File("Art.Mul"),
                                                         folder.File("VerData.mul")}));
#endif
    ExpectDecodes(loaded, expected);
    // Reading changed nothing.
    EXPECT_EQ(ReadFileBytes(folder.File("Art.Mul")), files.art);
}

TEST(ArtFolder, AnEntryPastTheArtFilesEndIsDamagedNotMissing)
{
    std::mt19937 random(2);
    IndexAndArt files;
    const Picture picture = RandomPicture(random, 10, 10);
    files.Add(kFirstStaticArtIndex, EncodeStatic(picture, random));
    files.Add(kFirstStaticArtIndex + 1, EncodeStatic(picture, random));
    files.art.resize(files.art.size() - 1);
    files.Empty(kFirstStaticArtIndex + 2);
    TempFolder folder;
    WriteFileBytes(folder.File("artidx.mul"), files.index);
    WriteFileBytes(folder.File("art.mul"), files.art);
    // A patch entry whose bytes lie past the patch file's end.
    Bytes patch = PatchFile({{kArtFileId, 5, Bytes(2024, 1)}});
    patch.resize(patch.size() - 1000);
    WriteFileBytes(folder.File("verdata.mul"), patch);

    const ArtFolder loaded = ArtFolder::Load(folder.File("tiledata.mul"));
    EXPECT_EQ(loaded.Decode(kFirstStaticArtIndex).kind, ArtResult::Kind::kImage);
    const ArtResult cut = loaded.Decode(kFirstStaticArtIndex + 1);
    EXPECT_EQ(cut.kind, ArtResult::Kind::kDamaged);
    EXPECT_NE(cut.reason.find("reach past the end of art.mul"), std::string::npos) << cut.reason;
    EXPECT_EQ(loaded.Decode(kFirstStaticArtIndex + 2).kind, ArtResult::Kind::kNoArt);
    EXPECT_EQ(loaded.Decode(kFirstStaticArtIndex + 3).kind, ArtResult::Kind::kNoArt) << "past the index";
    const ArtResult patched = loaded.Decode(5);
    EXPECT_NE(patched.reason.find("reach past the end of verdata.mul"), std::string::npos) << patched.reason;
}

// A container of random pictures, a third of them compressed, `perTable` to a table.
struct RandomContainer {
    RandomArt art;
    Bytes bytes;
    RandomContainer(std::mt19937& random, int count, std::uint32_t perTable) : art(random, count)
    {
        std::vector<ContainerItem> items;
        int i = 0;
        for (const auto& [artIndex, entry] : art.entries)
            items.push_back({artIndex, entry, static_cast<std::uint16_t>(i++ % 3 == 0 ? 1 : 0)});
        bytes = Container(items, perTable);
    }
};

TEST(ArtFolder, ReadsTheContainerFirstThroughChainedTablesAndCompressedEntries)
{
    std::mt19937 random(3);
    RandomContainer container(random, 250, 37);
    ASSERT_GT(TableLinks(container.bytes).size(), 5u);
    TempFolder folder;
    WriteFileBytes(folder.File("ArtLegacyMUL.UOP"), container.bytes);
    // A stale index and art file, and the patch file's art entries, are not read.
    IndexAndArt stale;
    stale.Add(kFirstStaticArtIndex + 0x7777, EncodeStatic(RandomPicture(random, 3, 3), random));
    WriteFileBytes(folder.File("artidx.mul"), stale.index);
    WriteFileBytes(folder.File("art.mul"), stale.art);
    WriteFileBytes(folder.File("verdata.mul"), PatchFile({{kArtFileId, 9, EncodeLand(RandomLand(random))}}));

    const ArtFolder loaded = ArtFolder::Load(folder.File("tiledata.mul"));
    ASSERT_EQ(loaded.GetForm(), ArtFolder::Form::kContainer);
    EXPECT_EQ(loaded.Damage(), "");
    EXPECT_EQ(loaded.IndexCount(), container.art.entries.size());
    EXPECT_EQ(loaded.PatchEntriesApplied(), 0);
    EXPECT_EQ(loaded.Files().size(), 1u);
    ExpectDecodes(loaded, container.art.expected);
}

TEST(ArtFolder, NamesWhyAContainerEntryIsDamaged)
{
    std::mt19937 random(4);
    const Bytes picture = EncodeStatic(RandomPicture(random, 20, 20), random);
    Bytes bad = Compress(picture);
    bad[bad.size() / 2] ^= 0x55;
    const std::vector<ContainerItem> items = {
        {kFirstStaticArtIndex + 0, picture, 3},
        {kFirstStaticArtIndex + 1, bad, 0},  // stored as is: not a picture
        {kFirstStaticArtIndex + 2, picture, 1},
        {kFirstStaticArtIndex + 3, picture, 1},
        {kFirstStaticArtIndex + 4, picture, 1},
    };
    Bytes bytes = Container(items, 8);
    // Entry 3 claims to inflate to one byte fewer, entry 4 one more, and
    // entry 2's data is corrupted in the file.
    const std::size_t table = TableLinks(bytes)[0] - 4, entries = table + 12;
    const auto size = [&](int slot) { return entries + 34 * slot + 16; };
    Set32(bytes, size(3), static_cast<std::uint32_t>(picture.size() - 1));
    Set32(bytes, size(4), static_cast<std::uint32_t>(picture.size() + 1));
    const std::size_t data2 = bytes[entries + 34 * 2] | bytes[entries + 34 * 2 + 1] << 8;
    bytes[data2 + 6 + 2] ^= 0xFF;

    TempFolder folder;
    WriteFileBytes(folder.File("artLegacyMUL.uop"), bytes);
    const ArtFolder loaded = ArtFolder::Load(folder.File("tiledata.mul"));
    const std::pair<int, std::string> cases[] = {
        {0, "the entry is compressed by method 3, which Quarnel does not read (only zlib, method 1)"},
        {2, "the compressed data is not zlib data"},
        {3, "the compressed data inflates to more than " + std::to_string(picture.size() - 1) + " bytes"},
        {4, "the compressed data inflates to " + std::to_string(picture.size()) + " bytes, not " +
                std::to_string(picture.size() + 1)},
    };
    for (const auto& [slot, reason] : cases) {
        const ArtResult result = loaded.Decode(kFirstStaticArtIndex + slot);
        EXPECT_EQ(result.kind, ArtResult::Kind::kDamaged) << slot;
        EXPECT_EQ(result.reason.substr(0, reason.size()), reason) << slot;
    }
    EXPECT_EQ(loaded.Decode(kFirstStaticArtIndex + 1).kind, ArtResult::Kind::kDamaged);
}

TEST(ArtFolder, ABrokenTableChainDamagesTheWholeContainer)
{
    std::mt19937 random(6);
    const RandomContainer container(random, 20, 4);
    const std::vector<std::size_t> links = TableLinks(container.bytes);
    const auto tableAt = [&](std::size_t k) { return static_cast<std::uint32_t>(links[k] - 4); };
    const struct {
        const char* what;
        std::size_t at;
        std::uint32_t value;
        std::string reason;
    } cases[] = {
        {"loop", links[3], tableAt(1), "the table chain loops back to offset 0x"},
        {"self", links[0], tableAt(0), "the table chain loops back to offset 0x"},
        {"past end", links[2], static_cast<std::uint32_t>(container.bytes.size() - 5), "a table at offset 0x"},
        {"too many", tableAt(2), 5, "the table at offset 0x"},
        // A table of a million entries: the file has room for no second one.
        {"no room", 20, 0x00100000, "the table chain holds more tables than the file has room for"},
        {"magic", 0, 0x0050594E, "the file does not start as a container (MYP)"},
        {"version", 4, 6, "the container's version is 6, not 4 or 5"},
    };
    for (const auto& c : cases) {
        Bytes bytes = container.bytes;
        Set32(bytes, c.at, c.value);
        TempFolder folder;
        WriteFileBytes(folder.File("artLegacyMUL.uop"), bytes);
        const ArtFolder loaded = ArtFolder::Load(folder.File("tiledata.mul"));
        EXPECT_EQ(loaded.Damage().rfind("artLegacyMUL.uop: " + c.reason, 0), 0u) << c.what << ": " << loaded.Damage();
        const ArtResult result = loaded.Decode(container.art.entries.begin()->first);
        EXPECT_EQ(result.kind, ArtResult::Kind::kDamaged) << c.what;
        EXPECT_EQ(result.reason, loaded.Damage()) << c.what;
    }
}

// A patch file that claims more bytes than memory could hold: its index
// entries are made up as they are asked for, and no read may ask for more
// than one batch of them.
class HugePatchFile final : public ByteSource {
public:
    static constexpr std::uint64_t kClaimedSize = std::uint64_t{5} << 30;
    // Entries past this many read as a file cut short while it was walked.
    static constexpr std::uint64_t kEntriesServed = 3 * kIndexBatchEntries + 7;

    std::uint64_t Size() const override { return kClaimedSize; }
    std::span<const std::uint8_t> View(std::uint64_t offset, std::uint32_t count) override
    {
        if (count > kIndexBatchEntries * kVerDataIndexEntrySize)
            throw std::length_error("asked for " + std::to_string(count) + " bytes at once");
        m_bytes.assign(count, 0);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint64_t at = offset + i;
            if (at < 4) {
                m_bytes[i] = 0xFF;  // the count: 2^32 - 1 entries
                continue;
            }
            const std::uint64_t entry = (at - 4) / kVerDataIndexEntrySize;
            if (entry >= kEntriesServed) {
                m_bytes.resize(i);
                break;
            }
            // Entry k: art file (4), art index k, at 2k, k bytes long.
            const std::uint32_t words[5] = {4, static_cast<std::uint32_t>(entry % kArtIndexCount),
                                            static_cast<std::uint32_t>(2 * entry), static_cast<std::uint32_t>(entry), 0};
            const std::uint64_t within = (at - 4) % kVerDataIndexEntrySize;
            m_bytes[i] = static_cast<std::uint8_t>(words[within / 4] >> (8 * (within % 4)));
        }
        return m_bytes;
    }

private:
    std::vector<std::uint8_t> m_bytes;
};

TEST(ArtFolder, APatchIndexClaimingBillionsOfEntriesIsWalkedABatchAtATime)
{
    HugePatchFile patchFile;
    std::vector<ArtPlace> places(kArtIndexCount);
    EXPECT_EQ(ApplyArtPatches(patchFile, places), static_cast<int>(HugePatchFile::kEntriesServed));
    for (const std::uint32_t k : {1u, kIndexBatchEntries, static_cast<std::uint32_t>(HugePatchFile::kEntriesServed - 1)}) {
        EXPECT_EQ(places[k].file, ArtPlace::File::kPatchFile) << k;
        EXPECT_EQ(places[k].offset, 2 * k) << k;
        EXPECT_EQ(places[k].storedSize, k) << k;
    }
    EXPECT_EQ(places[HugePatchFile::kEntriesServed].file, ArtPlace::File::kNone);
}

TEST(ArtFolder, FindsNoArtWhereNeitherFormIsWhole)
{
    TempFolder folder;
    WriteFileBytes(folder.File("art.mul"), {1, 2, 3});  // the index is missing
    const ArtFolder loaded = ArtFolder::Load(folder.File("tiledata.mul"));
    EXPECT_EQ(loaded.GetForm(), ArtFolder::Form::kNone);
    EXPECT_TRUE(loaded.Files().empty());
    EXPECT_EQ(loaded.Decode(kFirstStaticArtIndex).kind, ArtResult::Kind::kNoArt);
    EXPECT_EQ(ArtNamesLookedFor(), "artLegacyMUL.uop, art.mul and artidx.mul");
}

} // namespace
