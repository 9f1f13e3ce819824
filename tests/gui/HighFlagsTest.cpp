// The boxes of flag bits 32-63: shown, with the room they take, only while
// a newer file is loaded; each shows and stores its own bit of the selected
// tile, judged against the files' bytes read here.

#include "DialogUnits.h"
#include "EditorFixture.h"
#include "ExpectedFiles.h"
#include "SampleLayout.h"

#include <QTest>

#include <algorithm>
#include <utility>

namespace {

using namespace sample_layout;

constexpr int kHighBits = 32;
// A tile of a block the newer sample's patch file replaces, past 3FFF.
constexpr int kPatchedHighTile = kSamplePatchedHighStaticBlocks[0] * 32 + 3;
constexpr int kBit37 = 37;

int HighBox(int bit)
{
    return IDC_FLAG32 + (bit - 32);
}

// Flag bits 32-63 of a tile, as a newer file's bytes hold them.
std::uint32_t HighFlagsInBytes(const std::vector<std::uint8_t>& tileData, int tile)
{
    return Read32(tileData, TileOffset(tile, kNewer) + kFlags + 4);
}

class HighFlagsTest : public EditorFixture {
protected:
    HighFlagsTest() : newer(MakeSampleGameFiles(kNewerLayout)), newerFolder(folder.Path() / "newer")
    {
        std::filesystem::create_directories(newerFolder);
        newerTileDataPath = (newerFolder / kSampleTileDataName).string();
        WriteFileBytes(newerTileDataPath, newer.tileData);
        WriteFileBytes((newerFolder / kSampleVerDataName).string(), newer.verData);
    }

    std::vector<int> HighBoxesShown()
    {
        std::vector<int> shown;
        for (int bit = 32; bit < 32 + kHighBits; ++bit)
            if (editor.Control(HighBox(bit))->isVisibleTo(&editor.Window()))
                shown.push_back(bit);
        return shown;
    }
    // The ids of the controls shown, and the order Tab takes through them.
    std::vector<int> ShownControls()
    {
        std::vector<int> ids;
        QWidget* start = editor.Control(IDOK);
        QWidget* widget = start;
        do {
            if (widget->isVisibleTo(&editor.Window()) && (widget->focusPolicy() & Qt::TabFocus))
                ids.push_back(widget->objectName().toInt());
            widget = widget->nextInFocusChain();
        } while (widget != start);
        return ids;
    }

    SampleGameFiles newer;
    std::filesystem::path newerFolder;
    std::string newerTileDataPath;
};

TEST_F(HighFlagsTest, ANewerFileShowsEveryHighBitAndABit37ClickIsSavedInBothFiles)
{
    const QSize classicSize = editor.Window().size();
    const DialogUnits units(editor.Window().font());
    EXPECT_EQ(classicSize, QSize(units.ToPixelsX(383), units.ToPixelsY(242))) << "before any load";
    EXPECT_TRUE(HighBoxesShown().empty());

    editor.Load(newerTileDataPath);
    ASSERT_TRUE(editor.messages.shown.empty());
    EXPECT_EQ(HighBoxesShown().size(), std::size_t{kHighBits});
    EXPECT_EQ(editor.Window().width(), classicSize.width());
    // The window grows to hold them, below everything the classic window shows.
    for (int bit = 32; bit < 32 + kHighBits; ++bit) {
        const QRect box = editor.Control(HighBox(bit))->geometry();
        EXPECT_EQ(editor.Check(HighBox(bit))->text(), QString("Bit %1").arg(bit));
        EXPECT_GE(box.top(), classicSize.height()) << bit;
        EXPECT_LE(box.bottom(), editor.Window().height()) << bit;
    }

    editor.SelectLine(kPatchedHighTile);
    ExpectedFiles expected(newer.tileData, newer.verData, kNewer);
    const std::uint32_t high = HighFlagsInBytes(expected.tileData, kPatchedHighTile);
    for (int bit = 32; bit < 32 + kHighBits; ++bit)
        EXPECT_EQ(editor.Check(HighBox(bit))->isChecked(), ((high >> (bit - 32)) & 1) != 0) << bit;

    const TileFlags before = Dialog().m_table[kPatchedHighTile].flags;
    editor.ClickCheck(kBit37);
    EXPECT_EQ(Dialog().m_table[kPatchedHighTile].flags, before ^ TileFlag::Bit(kBit37)) << "that bit alone";
    editor.Save();
    EXPECT_TRUE(editor.messages.shown.empty());

    const std::uint32_t toggled = high ^ (1u << (kBit37 - 32));
    expected.Edit(kPatchedHighTile, kFlags + 4,
                  {std::uint8_t(toggled), std::uint8_t(toggled >> 8), std::uint8_t(toggled >> 16),
                   std::uint8_t(toggled >> 24)});
    EXPECT_TRUE(ReadFileBytes(newerTileDataPath) == expected.tileData);
    EXPECT_TRUE(ReadFileBytes((newerFolder / kSampleVerDataName).string()) == expected.VerData());
}

// An editor that clicks the Bit 37 box in the middle of its next exchange.
class ClickingEditor final : public CEditorDlg {
public:
    QCheckBox* clickDuringExchange = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CEditorDlg::DoDataExchange(pDX);
        if (QCheckBox* box = std::exchange(clickDuringExchange, nullptr))
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    }
};

TEST(HighFlagsLockOut, AClickWithNoTileSelectedOrDuringAnExchangeStoresNothing)
{
    TempFolder folder;
    const SampleGameFiles newer = MakeSampleGameFiles(kNewerLayout);
    const std::string tileDataPath = folder.File(kSampleTileDataName);
    WriteFileBytes(tileDataPath, newer.tileData);
    WriteFileBytes(folder.File(kSampleVerDataName), newer.verData);
    auto owned = std::make_unique<ClickingEditor>();
    ClickingEditor& dialog = *owned;
    EditorHarness editor(std::move(owned));
    editor.Load(tileDataPath);

    editor.ClickCheck(kBit37);  // nothing selected
    EXPECT_EQ(dialog.m_current, -1);
    EXPECT_EQ(dialog.m_flags[kBit37], 0) << "the member is not taken";

    dialog.clickDuringExchange = editor.Check(HighBox(kBit37));
    editor.SelectLine(kPatchedHighTile);  // its show run is the exchange
    ASSERT_EQ(dialog.clickDuringExchange, nullptr) << "the click was made";
    ASSERT_EQ(dialog.m_current, kPatchedHighTile);

    editor.Save();
    const ExpectedFiles unchanged(newer.tileData, newer.verData, kNewer);
    EXPECT_TRUE(editor.messages.shown.empty());
    EXPECT_TRUE(ReadFileBytes(tileDataPath) == unchanged.tileData);
    EXPECT_TRUE(ReadFileBytes(folder.File(kSampleVerDataName)) == unchanged.VerData());
}

TEST_F(HighFlagsTest, AClassicFileAfterANewerOneHidesThemAndGivesBackTheWindowExactly)
{
    const QSize classicSize = editor.Window().size();
    const std::vector<int> classicControls = ShownControls();
    EXPECT_EQ(std::count_if(classicControls.begin(), classicControls.end(), [](int id) { return id >= IDC_FLAG32; }), 0);

    editor.Load(newerTileDataPath);
    const QSize newerSize = editor.Window().size();
    EXPECT_GT(newerSize.height(), classicSize.height());
    EXPECT_EQ(ShownControls().size(), classicControls.size() + kHighBits);

    // A load that fails leaves the window as it was.
    editor.Load((gameFolder / "nosuch.mul").string());
    EXPECT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_EQ(editor.Window().size(), newerSize);
    EXPECT_EQ(HighBoxesShown().size(), std::size_t{kHighBits});

    editor.Load(tileDataPath);
    EXPECT_EQ(editor.messages.shown.size(), 1u);
    EXPECT_TRUE(HighBoxesShown().empty());
    EXPECT_EQ(editor.Window().size(), classicSize);
    EXPECT_EQ(ShownControls(), classicControls) << "the same controls, in the same tab order";
}

} // namespace
