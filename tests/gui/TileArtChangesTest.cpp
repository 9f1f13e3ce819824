// The Tile Art window's buttons on Qt: a picture saved as a PNG file, a
// tile given a picture from one or its art removed, kept pending until the
// editor's Save writes them into the sample's art in either form; every
// write checked by reading the art back, every other tile's picture
// compared before and after.

#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "CFileException.h"
#include "FailingCalls.h"
#include "GuiTestSupport.h"
#include "PngFile.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TilesTool.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include <sstream>

namespace {

// Tiles of the sample: one with a picture in both forms, one without any.
constexpr int kPictured = 2, kNoArt = 121, kAlsoPictured = 7;

// A PNG's pixel, red, green, blue and alpha.
struct Rgba {
    std::uint8_t r, g, b, a;
};

// 5 x 3, with the pixels the colour rules treat apart: opaque black, alpha
// at 127 (transparent) and 128 (opaque), colours whose low bits are lost,
// rows that start and end transparent.
ArtImage TestPicture()
{
    const Rgba pixels[] = {
        {0, 0, 0, 255},    {255, 0, 0, 127},  {0, 255, 0, 128},  {200, 100, 50, 255}, {0, 0, 0, 0},
        {0, 0, 0, 0},      {255, 255, 255, 255}, {7, 8, 9, 200}, {0, 0, 0, 0},        {0, 0, 0, 0},
        {12, 34, 56, 0},   {0, 0, 0, 0},      {0, 0, 0, 0},      {0, 0, 0, 0},        {248, 4, 130, 255},
    };
    ArtImage image{5, 3, {}};
    for (const Rgba& p : pixels)
        image.rgba.insert(image.rgba.end(), {p.r, p.g, p.b, p.a});
    return image;
}

// What the art reader must give back for a PNG's pixels, worked out from
// the colour rules alone: below alpha 128 nothing; else each channel's top
// five bits, pure black as the darkest blue, widened again by its top bits.
ArtImage ExpectedReadBack(const ArtImage& png)
{
    ArtImage expected{png.width, png.height, {}};
    const auto widen = [](int c5) { return static_cast<std::uint8_t>(c5 << 3 | c5 >> 2); };
    for (std::size_t i = 0; i < png.rgba.size(); i += 4) {
        if (png.rgba[i + 3] < 128) {
            expected.rgba.insert(expected.rgba.end(), {0, 0, 0, 0});
            continue;
        }
        const int r = png.rgba[i] >> 3, g = png.rgba[i + 1] >> 3;
        int b = png.rgba[i + 2] >> 3;
        if (r == 0 && g == 0 && b == 0)
            b = 1;
        expected.rgba.insert(expected.rgba.end(), {widen(r), widen(g), widen(b), 255});
    }
    return expected;
}

bool SamePicture(const ArtResult& a, const ArtResult& b)
{
    return a.kind == b.kind && a.reason == b.reason && a.image.width == b.image.width &&
           a.image.height == b.image.height && a.image.rgba == b.image.rgba;
}

std::string FormName(SampleArtForm form)
{
    return form == SampleArtForm::kContainer ? "Container" : "IndexAndArtFile";
}

class TileArtChanges : public ::testing::TestWithParam<SampleArtForm> {
protected:
    TileArtChanges()
    {
        WriteSampleGameFolder(folder.Path() / "game", kClassicLayout, GetParam());
        // The art's own files; the patch file's art entries are read back with the pictures.
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path() / "game"))
            if (entry.path().filename() != kSampleTileDataName && entry.path().filename() != kSampleVerDataName)
                originalBytes[entry.path().filename().string()] = ReadFileBytes(entry.path().string());
        before = StaticPictures();
    }

    CEditorDlg& Dialog() { return editor.Dialog(); }
    CTileArtDlg& Art() { return Dialog().m_tileArt; }
    QString Line() { return QString::fromStdU16String(Art().GetItemText(IDC_TILE_TEXT)); }
    void Click(int id) { QTest::mouseClick(NativeControl(Art(), id), Qt::LeftButton); }

    void LoadAndOpen()
    {
        editor.Load(tileDataPath);
        Dialog().SendSysCommand(IDM_TILEART);
    }
    // The tile-data and patch files as a Save without pictures writes them.
    std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>> SavedWithoutPictures()
    {
        editor.Save();
        return {ReadFileBytes(tileDataPath), ReadFileBytes((folder.Path() / "game" / kSampleVerDataName).string())};
    }
    // Replace Picture, answering its file dialog with `path`.
    void Replace(const std::string& path)
    {
        editor.fileDialogs.answers.push_back(QString::fromStdString(path));
        Click(IDC_REPLACE_PICTURE);
    }
    std::string WritePng(const std::string& name, const ArtImage& image)
    {
        const std::string path = folder.File(name);
        std::string failure;
        EXPECT_TRUE(WritePngFile(path, image, failure)) << failure;
        return path;
    }
    // Every static tile's picture as the art reader gives it now.
    std::vector<ArtResult> StaticPictures() const
    {
        const ArtFolder art = ArtFolder::Load(tileDataPath);
        ArtFolder::Reader reader(art);
        std::vector<ArtResult> pictures;
        for (int id = 0; id < 0x4000; ++id)
            pictures.push_back(reader.Decode(kFirstStaticArtIndex + id));
        return pictures;
    }
    void ExpectArtFilesAsTheyWere()
    {
        for (const auto& [name, bytes] : originalBytes)
            EXPECT_EQ(ReadFileBytes((folder.Path() / "game" / name).string()), bytes) << name;
    }
    std::vector<std::string> ButtonsEnabled()
    {
        std::vector<std::string> enabled;
        for (const auto& [id, name] : {std::pair{IDC_SAVE_PICTURE, "save"}, {IDC_REPLACE_PICTURE, "replace"},
                                       {IDC_REMOVE_PICTURE, "remove"}})
            if (NativeControl(Art(), id)->isEnabled())
                enabled.push_back(name);
        return enabled;
    }

    TempFolder folder;
    std::string tileDataPath = (folder.Path() / "game" / kSampleTileDataName).string();
    std::map<std::string, std::vector<std::uint8_t>> originalBytes;
    std::vector<ArtResult> before;
    EditorHarness editor;
};

TEST_P(TileArtChanges, ReplacedAndRemovedPicturesShowAtOnceAndSaveWritesThemAndNothingElse)
{
    LoadAndOpen();
    const auto savedAsEver = SavedWithoutPictures();
    const ArtImage png = TestPicture();
    const std::string pngPath = WritePng("new.png", png);
    ArtImage wide{3, 1, {10, 20, 30, 255, 0, 0, 0, 0, 90, 80, 70, 255}};
    const std::string widePath = WritePng("wide.png", wide);

    editor.SelectLine(kPictured);
    Replace(pngPath);
    EXPECT_TRUE(Line().startsWith("0002  ") && Line().endsWith("5 x 3 (new picture, saved with Save)")) << Line().toStdString();
    EXPECT_EQ(Art().m_image.GetScale(), 4) << "shown at once";
    editor.SelectLine(kNoArt);
    EXPECT_TRUE(Line().endsWith("has no art")) << Line().toStdString();
    Replace(widePath);
    EXPECT_TRUE(Line().endsWith("3 x 1 (new picture, saved with Save)")) << Line().toStdString();
    editor.SelectLine(kAlsoPictured);
    Click(IDC_REMOVE_PICTURE);
    EXPECT_EQ(Line(), "0007 has no art (saved with Save)");
    EXPECT_EQ(Art().m_image.GetScale(), 0);
    editor.SelectLine(kPictured);
    EXPECT_TRUE(Line().endsWith("(new picture, saved with Save)")) << "shown again with its tile";
    ExpectArtFilesAsTheyWere();  // nothing is written before Save

    editor.Save();
    EXPECT_TRUE(editor.messages.shown.empty()) << editor.messages.shown[0].text.toStdString();
    EXPECT_TRUE(Line().endsWith("5 x 3")) << "read back from the files: " << Line().toStdString();
    EXPECT_TRUE(Dialog().m_pendingPictures.IsEmpty());

    const std::vector<ArtResult> after = StaticPictures();
    for (int id = 0; id < 0x4000; ++id) {
        if (id == kPictured || id == kNoArt) {
            ASSERT_EQ(after[id].kind, ArtResult::Kind::kImage) << id;
            const ArtImage expected = ExpectedReadBack(id == kPictured ? png : wide);
            EXPECT_EQ(after[id].image.width, expected.width);
            EXPECT_EQ(after[id].image.rgba, expected.rgba) << "tile " << id << " decodes to its new picture";
        } else if (id == kAlsoPictured) {
            EXPECT_EQ(after[id].kind, ArtResult::Kind::kNoArt);
        } else {
            ASSERT_TRUE(SamePicture(after[id], before[id])) << "tile " << id << " changed";
        }
    }
    EXPECT_EQ(ReadFileBytes(tileDataPath), savedAsEver.first) << "the tile data is written as ever";
    EXPECT_EQ(ReadFileBytes((folder.Path() / "game" / kSampleVerDataName).string()), savedAsEver.second)
        << "no tile changed holds art from the patch file";
}

TEST_P(TileArtChanges, PicturesAreSavedWhereThePatchFileIsNot)
{
    // Later folders hold no patch file: every Save says it cannot save one,
    // and the pictures still follow the tile data.
    std::filesystem::remove(folder.Path() / "game" / kSampleVerDataName);
    LoadAndOpen();
    editor.messages.shown.clear();
    editor.SelectLine(kNoArt);
    Replace(WritePng("new.png", TestPicture()));
    editor.Save();
    ASSERT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_TRUE(editor.messages.shown[0].text.startsWith("ERROR: cannot save"));
    EXPECT_TRUE(Dialog().m_pendingPictures.IsEmpty());
    const ArtResult saved = ArtFolder::Load(tileDataPath).Decode(kFirstStaticArtIndex + kNoArt);
    EXPECT_EQ(saved.image.rgba, ExpectedReadBack(TestPicture()).rgba);
}

TEST_P(TileArtChanges, TheButtonsDoOnlyWhatTheyCanCarryTheirNamesAndALoadDropsWhatIsPending)
{
    Dialog().SendSysCommand(IDM_TILEART);
    EXPECT_EQ(ButtonsEnabled(), std::vector<std::string>{}) << "no file loaded";
    editor.Load(tileDataPath);
    EXPECT_EQ(ButtonsEnabled(), std::vector<std::string>{}) << "no tile selected";
    editor.SelectLine(kPictured);
    EXPECT_EQ(ButtonsEnabled(), (std::vector<std::string>{"save", "replace", "remove"}));
    editor.SelectLine(kNoArt);
    EXPECT_EQ(ButtonsEnabled(), std::vector<std::string>{"replace"});
    Replace(WritePng("new.png", TestPicture()));
    EXPECT_EQ(ButtonsEnabled(), (std::vector<std::string>{"save", "replace", "remove"}));
    Click(IDC_REMOVE_PICTURE);
    EXPECT_EQ(Line(), "0079 has no art") << "a new picture on a tile without art is only taken back";
    EXPECT_TRUE(Dialog().m_pendingPictures.IsEmpty());
    editor.SelectLine(kPictured);
    Click(IDC_REMOVE_PICTURE);
    EXPECT_EQ(ButtonsEnabled(), std::vector<std::string>{"replace"});
    editor.SelectLine(kAlsoPictured);
    Replace(WritePng("new.png", TestPicture()));

    editor.Load(tileDataPath);  // drops both
    EXPECT_TRUE(Line().startsWith("0007  ") && !Line().contains("saved with Save")) << Line().toStdString();
    editor.SelectLine(kPictured);
    EXPECT_EQ(ButtonsEnabled(), (std::vector<std::string>{"save", "replace", "remove"})) << "the files' picture again";
    editor.Save();
    ExpectArtFilesAsTheyWere();

    for (const auto& [id, name] : {std::pair{IDC_SAVE_PICTURE, "Save Picture As..."},
                                   {IDC_REPLACE_PICTURE, "Replace Picture..."}, {IDC_REMOVE_PICTURE, "Remove Picture"}}) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(NativeControl(Art(), id));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(QAccessible::Name), name);
    }

    const std::filesystem::path bare = folder.Path() / "bare";
    std::filesystem::create_directories(bare);
    std::filesystem::copy_file(tileDataPath, bare / "tiledata.mul");
    editor.Load((bare / "tiledata.mul").string());
    editor.SelectLine(kPictured);
    EXPECT_EQ(ButtonsEnabled(), std::vector<std::string>{}) << "no art files beside the tile-data file";
}

TEST_P(TileArtChanges, ABadPictureIsRefusedWithItsFileAndWhyAndNothingBecomesPending)
{
    LoadAndOpen();
    editor.SelectLine(kPictured);
    const QString shownBefore = Line();
    const std::string notPng = folder.File("notes.png");
    WriteFileBytes(notPng, {'h', 'e', 'l', 'l', 'o'});
    ArtImage tooWide{2049, 1, std::vector<std::uint8_t>(2049 * 4, 255)};
    struct Case {
        std::string path, reason;
    };
    const Case cases[] = {
        {notPng, "not a PNG file"},
        {WritePng("wide.png", tooWide), "the picture is 2049 x 1, larger than 2048 x 2048"},
        {folder.File("missing.png"), "cannot be opened (" + CFileException::OsErrorText(os_error::kFileNotFound) + ")"},
    };
    for (const Case& c : cases) {
        editor.messages.shown.clear();
        Replace(c.path);
        ASSERT_EQ(editor.messages.shown.size(), 1u) << c.path;
        EXPECT_EQ(editor.messages.shown[0].text.toStdString(), "ERROR: cannot use \"" + c.path + "\"!\n" + c.reason);
        EXPECT_EQ(editor.messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(Line(), shownBefore);
        EXPECT_TRUE(Dialog().m_pendingPictures.IsEmpty());
    }
    const FileDialogRequest& request = editor.fileDialogs.requests.back();
    EXPECT_FALSE(request.forSaving);
    EXPECT_EQ(request.filterPattern, "*.png");
    EXPECT_EQ(request.initialName, "0002.png");
    editor.Save();
    ExpectArtFilesAsTheyWere();
}

TEST_P(TileArtChanges, SavePictureAsWritesTheBytesArtOutWrites)
{
    LoadAndOpen();
    editor.SelectLine(kPictured);
    const std::string saved = folder.File("saved.png");
    editor.fileDialogs.answers.push_back(QString::fromStdString(saved));
    Click(IDC_SAVE_PICTURE);
    ASSERT_TRUE(editor.messages.shown.empty());
    const FileDialogRequest& request = editor.fileDialogs.requests.back();
    EXPECT_TRUE(request.forSaving);
    EXPECT_EQ(request.initialName, "0002.png");
    EXPECT_EQ(request.defaultExtension, "png");
    EXPECT_EQ(request.filterPattern, "*.png");

    const auto artOut = [&](const std::string& out, const std::string& hue) {
        std::ostringstream ignored;
        EXPECT_EQ(RunTilesTool({"art", tileDataPath, "--out", folder.File(out), "--ids", "0002-0002", "--hue", hue},
                               ignored, ignored), 0);
        return ReadFileBytes(folder.File(out) + "/0002.png");
    };
    EXPECT_EQ(ReadFileBytes(saved), artOut("out", "0"));

    // A pending picture is saved as the files will give it back, through the hue chosen.
    Art().SetItemText(IDC_HUE_NUMBER, u"3");
    Replace(WritePng("new.png", TestPicture()));
    editor.fileDialogs.answers.push_back(QString::fromStdString(saved));
    Click(IDC_SAVE_PICTURE);
    editor.Save();
    EXPECT_EQ(ReadFileBytes(saved), artOut("out-after", "3"));
    EXPECT_NE(ReadFileBytes(saved), artOut("out-plain", "0")) << "the hue drew it";

    editor.fileDialogs.answers.push_back(QString::fromStdString(folder.File("no-such-folder/0002.png")));
    Click(IDC_SAVE_PICTURE);
    ASSERT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_TRUE(editor.messages.shown[0].text.startsWith(
        QString::fromStdString("ERROR: cannot save \"" + folder.File("no-such-folder/0002.png") + "\"!\n")));
}

TEST_P(TileArtChanges, AFailingArtWriteNamesTheFileAndLeavesEveryPictureForASecondSave)
{
    LoadAndOpen();
    const auto savedAsEver = SavedWithoutPictures();
    editor.SelectLine(kPictured);
    Replace(WritePng("new.png", TestPicture()));
    const bool container = GetParam() == SampleArtForm::kContainer;
    const std::string artFile = (folder.Path() / "game" / (container ? "artLegacyMUL.uop" : "art.mul")).string();
    {
        // The index form fails appending the picture; the container writing the entry that points at it.
        FailingCalls failing(FailingCalls::Call::kWrite, os_error::kDiskFull, container ? 1 : 0);
        failing.OnlyIn(container ? "artLegacyMUL.uop" : "art.mul");
        ScopedFileSystemCalls scope(failing);
        editor.Save();
        EXPECT_GT(failing.failures, 0);
    }
    ASSERT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_EQ(editor.messages.shown[0].text,
              QString::fromStdString("ERROR: cannot save \"" + artFile + "\"!\n" +
                                     CFileException::OsErrorText(os_error::kDiskFull)));
    EXPECT_EQ(ReadFileBytes(tileDataPath), savedAsEver.first) << "the tile data was saved first";
    const std::vector<ArtResult> after = StaticPictures();
    for (int id = 0; id < 0x4000; ++id)
        ASSERT_TRUE(SamePicture(after[id], before[id])) << "tile " << id << " changed";
    if (!container)
        ExpectArtFilesAsTheyWere();  // the container keeps the bytes appended before the failure, unreferenced
    EXPECT_TRUE(Line().endsWith("(new picture, saved with Save)")) << "still pending";

    editor.Save();
    EXPECT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_EQ(StaticPictures()[kPictured].image.rgba, ExpectedReadBack(TestPicture()).rgba);
}

INSTANTIATE_TEST_SUITE_P(BothForms, TileArtChanges,
                         ::testing::Values(SampleArtForm::kIndexAndArtFile, SampleArtForm::kContainer),
                         [](const auto& instance) { return FormName(instance.param); });

} // namespace
