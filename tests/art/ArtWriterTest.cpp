// Checks the program against docs/file-formats.md, "Writing art": every write
// read back by the reader, every other tile's picture compared before and after.
#include "ArtBytes.h"
#include "ArtContainer.h"
#include "ArtDecoder.h"
#include "ArtEncoder.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "ArtWriter.h"
#include "ByteSource.h"
#include "FailingCalls.h"
#include "PngFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <set>

using namespace art_bytes;

namespace {

// What each art index shows: its RGBA bytes, or nothing for no art.
using Shown = std::map<std::uint32_t, Bytes>;

Shown Decoded(const std::string& tileData)
{
    const ArtFolder folder = ArtFolder::Load(tileData);
    EXPECT_EQ(folder.Damage(), "");
    ArtFolder::Reader reader(folder);
    Shown shown;
    for (std::uint32_t artIndex = 0; artIndex < kArtIndexCount; ++artIndex) {
        const ArtResult result = reader.Decode(artIndex);
        EXPECT_NE(result.kind, ArtResult::Kind::kDamaged) << artIndex << ": " << result.reason;
        if (result.kind == ArtResult::Kind::kImage)
            shown[artIndex] = result.image.rgba;
    }
    return shown;
}

ArtPixels PixelsOf(const Picture& picture)
{
    return PixelsFromImage({picture.width, picture.height, picture.Rgba()});
}

enum class Form { kIndex, kIndexPatched, kContainer };

// A game folder's art in one form: random pictures for some land and
// static art indices, some of them (in the patched form) replaced by the
// patch file, some compressed (in the container).
struct GameArt {
    TempFolder folder;
    std::string tileData = folder.File("tiledata.mul");
    std::vector<std::uint32_t> withArt, patched;

    GameArt(Form form, std::mt19937& random, std::uint32_t indexCount = kFirstStaticArtIndex + 0x4000)
    {
        IndexAndArt files;
        std::vector<ContainerItem> items;
        std::vector<PatchEntry> patches;
        for (std::uint32_t artIndex = 0; artIndex < 48; ++artIndex) {
            const std::uint32_t at = artIndex % 2 ? kFirstStaticArtIndex + artIndex * 37 : artIndex * 5;
            const Bytes entry = Entry(at, random);
            withArt.push_back(at);
            files.Add(at, entry);
            items.push_back({at, entry, static_cast<std::uint16_t>(artIndex % 3 == 0)});
            if (form == Form::kIndexPatched && artIndex % 4 < 2) {
                patches.push_back({kArtFileId, at, Entry(at, random)});
                patched.push_back(at);
            }
        }
        files.Empty(indexCount - 1);  // the index's length
        if (form == Form::kContainer) {
            WriteFileBytes(folder.File("artLegacyMUL.uop"), Container(items, 5));
            return;
        }
        WriteFileBytes(folder.File("artidx.mul"), files.index);
        WriteFileBytes(folder.File("art.mul"), files.art);
        if (form == Form::kIndexPatched)
            WriteFileBytes(folder.File("verdata.mul"), PatchFile(patches));
    }

    static Bytes Entry(std::uint32_t artIndex, std::mt19937& random)
    {
        if (IsLandArt(artIndex))
            return EncodeLand(RandomLand(random));
        return EncodeStatic(RandomPicture(random, 1 + static_cast<int>(random() % 60), 1 + static_cast<int>(random() % 90)),
                            random);
    }
};

Picture NewPicture(std::uint32_t artIndex, std::mt19937& random)
{
    return IsLandArt(artIndex) ? RandomLand(random)
                               : RandomPicture(random, 1 + static_cast<int>(random() % 70), 1 + static_cast<int>(random() % 70));
}

struct FormCase {
    const char* name;
    Form form;
};

class ArtWriting : public ::testing::TestWithParam<FormCase> {};

TEST_P(ArtWriting, ReplacesAddsAndRemovesLandAndStaticPicturesAndChangesNothingElse)
{
    std::mt19937 random(17);
    GameArt game(GetParam().form, random);
    Shown expected = Decoded(game.tileData);
    ASSERT_EQ(expected.size(), game.withArt.size());

    // Replaced and removed: a land and a static tile each, patched ones in
    // the patched form; added: a land and a static tile without art.
    const std::vector<std::uint32_t>& pool = game.patched.empty() ? game.withArt : game.patched;
    const std::uint32_t replaced[] = {pool[0], pool[1]};
    const std::uint32_t removed[] = {pool[2], pool[3]};
    const std::uint32_t added[] = {7, kFirstStaticArtIndex + 0x3001};
    std::vector<ArtChange> changes;
    for (const std::uint32_t artIndex : {replaced[0], replaced[1], added[0], added[1]}) {
        const Picture picture = NewPicture(artIndex, random);
        changes.push_back({artIndex, PixelsOf(picture)});
        expected[artIndex] = picture.Rgba();
    }
    for (const std::uint32_t artIndex : removed) {
        changes.push_back({artIndex, std::nullopt});
        expected.erase(artIndex);
    }
    const bool container = GetParam().form == Form::kContainer;
    const Bytes artBefore = ReadFileBytes(game.folder.File(container ? "artLegacyMUL.uop" : "art.mul"));
    const ArtWrite write = WriteArt(game.tileData, changes);
    ASSERT_EQ(write.result, ArtWrite::Result::kWritten) << write.error.GetErrorMessage() << write.damage;
    EXPECT_EQ(Decoded(game.tileData), expected);

    if (!container) {
        const Bytes artAfter = ReadFileBytes(game.folder.File("art.mul"));
        ASSERT_GE(artAfter.size(), artBefore.size());
        EXPECT_TRUE(std::equal(artBefore.begin(), artBefore.end(), artAfter.begin())) << "only appended to";
    }
}

INSTANTIATE_TEST_SUITE_P(EachForm, ArtWriting,
                         ::testing::Values(FormCase{"Index", Form::kIndex}, FormCase{"Patched", Form::kIndexPatched},
                                           FormCase{"Container", Form::kContainer}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ArtWriting, AnIndexTooShortGrowsByEmptyEntriesUpToTheTile)
{
    std::mt19937 random(3);
    GameArt game(Form::kIndex, random, kFirstStaticArtIndex + 0x4000);
    const Bytes before = ReadFileBytes(game.folder.File("artidx.mul"));
    const std::uint32_t last = kArtIndexCount - 1;  // static tile FFFF of a newer folder
    const Picture picture = NewPicture(last, random);
    ASSERT_EQ(WriteArt(game.tileData, {{last, PixelsOf(picture)}}).result, ArtWrite::Result::kWritten);
    const Bytes after = ReadFileBytes(game.folder.File("artidx.mul"));
    ASSERT_EQ(after.size(), std::size_t{kArtIndexCount} * 12);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    for (std::size_t at = before.size(); at < after.size() - 12; at += 12)
        ASSERT_EQ(Bytes(after.begin() + at, after.begin() + at + 12),
                  (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF})) << at;
    EXPECT_EQ(ArtFolder::Load(game.tileData).Decode(last).image.rgba, picture.Rgba());
}

// A container of pictures for static tiles 0000-0006 in tables of 4 and 3
// (room for 1), its bytes as `spoil` leaves them.
struct SevenPictureContainer {
    TempFolder folder;
    std::string container = folder.File("artLegacyMUL.uop"), tileData = folder.File("tiledata.mul");

    SevenPictureContainer(std::mt19937& random, const std::function<void(Bytes&)>& spoil = {})
    {
        std::vector<ContainerItem> items;
        for (std::uint32_t i = 0; i < 7; ++i)
            items.push_back({kFirstStaticArtIndex + i, GameArt::Entry(kFirstStaticArtIndex + i, random)});
        Bytes bytes = Container(items, 4);
        if (spoil)
            spoil(bytes);
        WriteFileBytes(container, bytes);
    }
};

TEST(ArtWriting, ATileWithoutAnEntryTakesAFreeSlotThenATablesRoomThenANewTable)
{
    std::mt19937 random(5);
    const SevenPictureContainer seven(random);
    const std::string &container = seven.container, &tileData = seven.tileData;
    ASSERT_EQ(WriteArt(tileData, {{kFirstStaticArtIndex + 1, std::nullopt}}).result, ArtWrite::Result::kWritten);
    const auto tables = [&] {
        FileByteSource source;
        EXPECT_TRUE(source.Open(container, nullptr));
        return ReadContainerTables(source);
    };
    EXPECT_EQ(tables().fileCount, 6u);
    EXPECT_EQ(tables().freeSlots.size(), 1u);

    Shown expected = Decoded(tileData);
    std::vector<ArtChange> changes;
    for (std::uint32_t i = 0; i < 8; ++i) {  // a free slot, the room, then a new table for 6
        const Picture picture = NewPicture(kFirstStaticArtIndex + 100 + i, random);
        changes.push_back({kFirstStaticArtIndex + 100 + i, PixelsOf(picture)});
        expected[kFirstStaticArtIndex + 100 + i] = picture.Rgba();
    }
    ASSERT_EQ(WriteArt(tileData, changes).result, ArtWrite::Result::kWritten);
    const ContainerTables after = tables();
    EXPECT_EQ(after.damage, "");
    EXPECT_EQ(after.tableCount, 4);
    EXPECT_EQ(after.fileCount, 14u);
    EXPECT_TRUE(after.freeSlots.empty());
    EXPECT_EQ(after.tables[1].inUse, 4u);
    EXPECT_EQ(after.tables[3].inUse, 2u);
    EXPECT_EQ(Decoded(tileData), expected);
}

struct Fault {
    const char* name;
    const char* file;  // the file whose writes fail
    int countdown;     // writes to it that go through first
    int times;         // -1: every one after
    bool leftChanged;  // putting back fails too
};

class ArtWriteFault : public ::testing::TestWithParam<Fault> {};

TEST_P(ArtWriteFault, LeavesEveryOldPictureReadable)
{
    const Fault& fault = GetParam();
    std::mt19937 random(11);
    const bool container = std::string(fault.file) == "artLegacyMUL.uop";
    GameArt game(container ? Form::kContainer : Form::kIndexPatched, random);
    const Shown before = Decoded(game.tileData);
    const Bytes indexBefore = container ? Bytes() : ReadFileBytes(game.folder.File("artidx.mul"));
    std::vector<ArtChange> changes;
    for (const std::uint32_t artIndex : {game.withArt[0], game.withArt[1], game.withArt[5], game.withArt[7],
                                         kFirstStaticArtIndex + 0x3FFF})
        changes.push_back({artIndex, PixelsOf(NewPicture(artIndex, random))});
    changes.push_back({game.withArt[9], std::nullopt});

    FailingCalls failing(FailingCalls::Call::kWrite, os_error::kDiskFull, fault.countdown, fault.times);
    failing.OnlyIn(fault.file);
    ArtWrite write;
    {
        ScopedFileSystemCalls seam(failing);
        write = WriteArt(game.tileData, changes);
    }
    EXPECT_EQ(write.result, ArtWrite::Result::kFileError);
    EXPECT_GE(failing.failures, 1);
    EXPECT_EQ(write.error.m_cause, CFileException::diskFull);
    EXPECT_EQ(write.error.m_strFileName, game.folder.File(fault.file));
    EXPECT_EQ(write.filesLeftChanged, fault.leftChanged ? std::vector{game.folder.File(fault.file)}
                                                        : std::vector<std::string>{});
    if (!fault.leftChanged) {
        EXPECT_EQ(Decoded(game.tileData), before);
        if (!container) {
            EXPECT_EQ(ReadFileBytes(game.folder.File("artidx.mul")), indexBefore);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, ArtWriteFault,
    ::testing::Values(Fault{"DataAppended", "art.mul", 0, 1, false},
                      // The pictures are down, no entry points at them: a crash there.
                      Fault{"FirstEntry", "artidx.mul", 0, -1, false},
                      Fault{"SecondEntry", "artidx.mul", 1, 1, false},
                      Fault{"PatchEntry", "verdata.mul", 1, 1, false},
                      Fault{"PuttingBack", "artidx.mul", 1, -1, true},
                      Fault{"ContainerData", "artLegacyMUL.uop", 0, 1, false},
                      Fault{"ContainerEntry", "artLegacyMUL.uop", 2, 1, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ArtWriting, WhatTheFilesCannotHoldIsRefusedBeforeAByteIsWritten)
{
    std::mt19937 random(4);
    const Picture picture = NewPicture(kFirstStaticArtIndex + 3, random);
    struct Case {
        const char* what;
        Form form;
        std::function<void(GameArt&)> spoil;
        std::uint32_t artIndex;
        std::string why;
    };
    const Case cases[] = {
        // The patch file's count claims one entry more than it holds: bytes
        // appended would be read as that entry.
        {"count", Form::kIndexPatched,
         [](GameArt& game) {
             Bytes patch = ReadFileBytes(game.folder.File("verdata.mul"));
             Set32(patch, 0, static_cast<std::uint32_t>(patch[0] + 1));
             WriteFileBytes(game.folder.File("verdata.mul"), patch);
         },
         0, "cannot hold: verdata.mul: its index claims more than the file holds"},
        // The container's tables claim room for more entries than the file has bytes.
        {"capacity", Form::kContainer,
         [&](GameArt& game) {
             Bytes container = Container({{kFirstStaticArtIndex + 1, GameArt::Entry(kFirstStaticArtIndex + 1, random)}}, 4);
             Set32(container, 20, 0x10000000);
             WriteFileBytes(game.folder.File("artLegacyMUL.uop"), container);
         },
         kFirstStaticArtIndex + 1, "cannot hold: artLegacyMUL.uop: its tables claim room for 268435456 entries"},
        {"land size", Form::kIndex, [](GameArt&) {}, 3, "bad picture: art index 3: a land picture is 44 x 44, not "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameArt game(c.form, random);
        const auto patchedStatic = std::find_if(game.patched.begin(), game.patched.end(),
                                                [](std::uint32_t i) { return !IsLandArt(i); });
        const std::uint32_t artIndex = c.form == Form::kIndexPatched ? *patchedStatic : c.artIndex;
        c.spoil(game);
        const auto before = std::map<std::string, Bytes>{
            {"a", ReadFileBytes(game.folder.File(c.form == Form::kContainer ? "artLegacyMUL.uop" : "art.mul"))}};
        const ArtWrite write = WriteArt(game.tileData, {{artIndex, PixelsOf(picture)}});
        const std::string said = (write.result == ArtWrite::Result::kCannotHold  ? "cannot hold: "
                                  : write.result == ArtWrite::Result::kBadPicture ? "bad picture: "
                                                                                  : "written: ") +
                                 write.damage;
        EXPECT_EQ(said.substr(0, c.why.size()), c.why);
        EXPECT_EQ(ReadFileBytes(game.folder.File(c.form == Form::kContainer ? "artLegacyMUL.uop" : "art.mul")),
                  before.at("a"));
    }
}

// The platform's calls, but a file opened by a name ending in `suffix`
// measures `length` bytes: a file near 2 GiB without writing one.
class LongFile : public FileSystemCalls {
public:
    LongFile(std::string suffix, std::int64_t length) : m_suffix(std::move(suffix)), m_length(length) {}
    SystemResult Open(const std::string& path, bool readWrite, bool exclusive) override
    {
        const SystemResult opened = FileSystemCalls::Open(path, readWrite, exclusive);
        if (!opened.Failed() && path.ends_with(m_suffix))
            m_long.insert(static_cast<NativeFile>(opened.value));
        return opened;
    }
    SystemResult Length(NativeFile file) override
    {
        return m_long.count(file) ? SystemResult{m_length, 0} : FileSystemCalls::Length(file);
    }
    SystemResult Close(NativeFile file) override
    {
        m_long.erase(file);
        return FileSystemCalls::Close(file);
    }

private:
    std::string m_suffix;
    std::int64_t m_length;
    std::set<NativeFile> m_long;
};

TEST(ArtWriting, AFileThatWouldGrowPastWhatItsEntriesCanNameIsNotWritten)
{
    std::mt19937 random(6);
    GameArt game(Form::kIndex, random);
    const Bytes art = ReadFileBytes(game.folder.File("art.mul")), index = ReadFileBytes(game.folder.File("artidx.mul"));
    const std::uint32_t added = kFirstStaticArtIndex + 0x3002;  // no art yet: nothing of it is read
    const ArtPixels picture = PixelsOf(NewPicture(added, random));
    LongFile nearTwoGibibytes("art.mul", 0x7FFFFFFF - 100);
    ArtWrite write;
    {
        ScopedFileSystemCalls seam(nearTwoGibibytes);
        write = WriteArt(game.tileData, {{added, picture}});
    }
    EXPECT_EQ(write.result, ArtWrite::Result::kCannotHold);
    EXPECT_EQ(write.damage, "art.mul would grow past the 2 GiB its entries can point into");
    EXPECT_EQ(ReadFileBytes(game.folder.File("art.mul")), art);
    EXPECT_EQ(ReadFileBytes(game.folder.File("artidx.mul")), index);
}

TEST(ArtWriting, AContainerTableCutShortOffersNoRoom)
{
    // The last table holds 3 entries of 4 and ends with them: its fourth
    // slot would lie over the data appended after it.
    std::mt19937 random(8);
    const SevenPictureContainer seven(random, [](Bytes& bytes) { bytes.resize(bytes.size() - 34); });
    const std::string &container = seven.container, &tileData = seven.tileData;
    Shown expected = Decoded(tileData);
    const Picture picture = NewPicture(kFirstStaticArtIndex + 50, random);
    expected[kFirstStaticArtIndex + 50] = picture.Rgba();
    ASSERT_EQ(WriteArt(tileData, {{kFirstStaticArtIndex + 50, PixelsOf(picture)}}).result, ArtWrite::Result::kWritten);
    EXPECT_EQ(Decoded(tileData), expected);
    FileByteSource source;
    ASSERT_TRUE(source.Open(container, nullptr));
    EXPECT_EQ(ReadContainerTables(source).tableCount, 3) << "a new table, not the cut one's room";
}

TEST(ArtWriting, RefusesWhatItCannotWriteAndWritesNothing)
{
    std::mt19937 random(2);
    GameArt game(Form::kIndex, random);
    const Bytes index = ReadFileBytes(game.folder.File("artidx.mul"));
    CFile holder;
    ASSERT_TRUE(holder.Open(game.folder.File("art.mul"), CFile::modeRead | CFile::shareExclusive));
    const ArtWrite held = WriteArt(game.tileData, {{game.withArt[1], std::nullopt}});
    EXPECT_EQ(held.result, ArtWrite::Result::kRefused);
    EXPECT_EQ(held.file, game.folder.File("art.mul"));
    holder.Close();
    EXPECT_EQ(ReadFileBytes(game.folder.File("artidx.mul")), index);

    TempFolder empty;
    EXPECT_EQ(WriteArt(empty.File("tiledata.mul"), {{kFirstStaticArtIndex, std::nullopt}}).result,
              ArtWrite::Result::kNoArt);
}

// A PNG file's bytes for a picture, through the program's own encoder.
Bytes PngOf(const ArtImage& image)
{
    TempFolder folder;
    std::string failure;
    EXPECT_TRUE(WritePngFile(folder.File("p.png"), image, failure)) << failure;
    return ReadFileBytes(folder.File("p.png"));
}

TEST(ArtPictures, ColoursFollowTheRulesAndEdgeSizesComeBackAsTheyWent)
{
    // Alpha 127 is transparent, 128 opaque; opaque black is the darkest colour.
    const ArtImage image{4, 1, {10, 20, 30, 127, 10, 20, 30, 128, 0, 0, 0, 255, 255, 255, 255, 255}};
    ArtImage read;
    std::string failure;
    ASSERT_TRUE(DecodePng(PngOf(image), read, failure)) << failure;
    const ArtPixels pixels = PixelsFromImage(read);
    EXPECT_EQ(pixels.pixels, (std::vector<std::uint16_t>{0, (10 >> 3) << 10 | (20 >> 3) << 5 | 30 >> 3, 1, 0x7FFF}));

    std::mt19937 random(9);
    for (const auto& [width, height] : {std::pair{1, 1}, std::pair{2048, 1}, std::pair{1, 2048}, std::pair{300, 300}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const Picture picture = RandomPicture(random, width, height);
        const ArtPixels stored = PixelsOf(picture);
        ASSERT_FALSE(WhyNotStorable(kFirstStaticArtIndex, stored));
        const ArtResult decoded = DecodeArt(kFirstStaticArtIndex, EncodeArt(kFirstStaticArtIndex, stored, 0xCAFE));
        ASSERT_EQ(decoded.kind, ArtResult::Kind::kImage) << decoded.reason;
        EXPECT_EQ(decoded.image.rgba, picture.Rgba());
    }
}

TEST(ArtPictures, WhatCannotBeStoredIsRefusedWithWhy)
{
    ArtImage image;
    std::string failure;
    // A PNG whose header claims a picture of 100000 x 100000 pixels.
    Bytes lying = PngOf({1, 1, {1, 2, 3, 255}});
    Set32(lying, 16, 0xA0860100);  // the width, big-endian in the header
    EXPECT_FALSE(DecodePng(lying, image, failure));
    EXPECT_EQ(failure, "the picture is 100000 x 1, larger than 2048 x 2048");
    // One whose first chunk claims two gibibytes: no room is made for them.
    Bytes claiming = PngOf({1, 1, {1, 2, 3, 255}});
    Set32(claiming, 8, 0x00000080);
    EXPECT_FALSE(DecodePng(claiming, image, failure));
    EXPECT_EQ(failure, "not a readable PNG file (a chunk claims 2147483648 bytes past its end)");
    EXPECT_FALSE(DecodePng(Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}, image, failure));
    EXPECT_EQ(failure, "not a PNG file");

    const auto why = [](std::uint32_t artIndex, int width, int height, std::uint16_t pattern) {
        ArtPixels picture{width, height, std::vector<std::uint16_t>(static_cast<std::size_t>(width) * height)};
        for (std::size_t i = 0; i < picture.pixels.size(); ++i)
            picture.pixels[i] = (i + i / width) % 2 ? pattern : 0;  // a checkerboard: a run every other pixel
        return WhyNotStorable(artIndex, picture).value_or("");
    };
    EXPECT_EQ(why(5, 44, 43, 1), "a land picture is 44 x 44, not 44 x 43");
    EXPECT_EQ(why(5, 44, 44, 1), "");
    EXPECT_EQ(why(kFirstStaticArtIndex, 0, 5, 1), "the picture is empty (0 x 5)");
    EXPECT_EQ(why(kFirstStaticArtIndex, 2049, 1, 1), "the picture is 2049 x 1, larger than 2048 x 2048");
    // Each checkerboard row of 2048 pixels takes 1024 runs of 3 words and its end.
    EXPECT_EQ(why(kFirstStaticArtIndex, 2048, 23, 1),
              "its last rows would start " + std::to_string(22 * 3074) +
                  " words into its run data, past the 65,535 a row table can name");
    EXPECT_EQ(why(kFirstStaticArtIndex, 2048, 22, 1), "");

    // The last row starting at word 65,535, then 65,536: an empty row (2
    // words), 63 full rows of 1020 (1024 each), then a row of 1017 or 1018.
    for (const int wide : {1017, 1018}) {
        ArtPixels picture{1020, 66, std::vector<std::uint16_t>(1020 * 66)};
        for (int y = 1; y <= 64; ++y)
            std::fill_n(&picture.pixels[static_cast<std::size_t>(y) * 1020], y == 64 ? wide : 1020, 1);
        const std::string why65535 = WhyNotStorable(kFirstStaticArtIndex, picture).value_or("");
        EXPECT_EQ(why65535, wide == 1017 ? "" : "its last rows would start 65536 words into its run data, past the "
                                                "65,535 a row table can name");
        if (wide == 1017) {
            const ArtResult decoded = DecodeArt(kFirstStaticArtIndex, EncodeArt(kFirstStaticArtIndex, picture));
            ASSERT_EQ(decoded.kind, ArtResult::Kind::kImage) << decoded.reason;
            EXPECT_TRUE(ShowsPixels(decoded.image, picture));
        }
    }
}

} // namespace
