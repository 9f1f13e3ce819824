// The boxes of flag bits 32-63, shown with the room they take only while a
// newer file is loaded, judged against the files' bytes read here.

#include "EditorFixture.h"
#include "ExpectedFiles.h"

#include <QTest>

#include <utility>

namespace {

using namespace sample_layout;

// A tile of a block the newer sample's patch file replaces, past 3FFF.
constexpr int kTile = kSamplePatchedHighStaticBlocks[0] * 32 + 3;

class HighFlagsTest : public EditorFixture {
protected:
    HighFlagsTest() : newer(MakeSampleGameFiles(kNewerLayout)), newerPath(folder.File(kSampleTileDataName))
    {
        WriteFileBytes(newerPath, newer.tileData);
        WriteFileBytes(folder.File(kSampleVerDataName), newer.verData);
    }
    // The ids the Tab key reaches among the controls shown, from Quit.
    std::vector<int> ShownTabStops()
    {
        std::vector<int> ids;
        QWidget* widget = editor.Control(IDOK);
        do {
            if (widget->isVisibleTo(&editor.Window()) && (widget->focusPolicy() & Qt::TabFocus))
                ids.push_back(widget->objectName().toInt());
        } while ((widget = widget->nextInFocusChain()) != editor.Control(IDOK));
        return ids;
    }
    bool ExpectSavedAsRead(const ExpectedFiles& expected)
    {
        return ReadFileBytes(newerPath) == expected.tileData &&
               ReadFileBytes(folder.File(kSampleVerDataName)) == expected.VerData();
    }

    SampleGameFiles newer;
    std::string newerPath;
};

TEST_F(HighFlagsTest, ANewerFileShowsEachHighBitOfTheTileAndABit37ClickIsSavedInBothFiles)
{
    const QSize classicSize = editor.Window().size();
    editor.Load(newerPath);
    editor.SelectLine(kTile);
    ExpectedFiles expected(newer.tileData, newer.verData, kNewer);
    const std::uint32_t high = Read32(expected.tileData, TileOffset(kTile, kNewer) + kFlags + 4);
    for (int bit = 32; bit < 64; ++bit) {
        QCheckBox* box = editor.Check(IDC_FLAG32 + bit - 32);
        EXPECT_EQ(box->text(), QString("Bit %1").arg(bit));
        EXPECT_EQ(box->isChecked(), ((high >> (bit - 32)) & 1) != 0) << bit;
        EXPECT_TRUE(box->isVisibleTo(&editor.Window()));
        EXPECT_GE(box->geometry().top(), classicSize.height()) << "below the classic window";
        EXPECT_LE(box->geometry().bottom(), editor.Window().height()) << "inside the grown one";
    }
    editor.ClickCheck(37);
    editor.Save();
    EXPECT_TRUE(editor.messages.shown.empty());
    const std::uint32_t toggled = high ^ (1u << 5);
    expected.Edit(kTile, kFlags + 4, {std::uint8_t(toggled), std::uint8_t(toggled >> 8), std::uint8_t(toggled >> 16),
                                      std::uint8_t(toggled >> 24)});
    EXPECT_TRUE(ExpectSavedAsRead(expected));
}

// An editor that clicks a box in the middle of its next exchange.
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

TEST_F(HighFlagsTest, AClickWithNoTileSelectedOrDuringAnExchangeStoresNothing)
{
    auto owned = std::make_unique<ClickingEditor>();
    ClickingEditor& dialog = *owned;
    EditorHarness clicking(std::move(owned));
    clicking.Load(newerPath);
    clicking.ClickCheck(37);  // nothing selected
    EXPECT_EQ(dialog.m_flags[37], 0) << "nothing taken";
    dialog.clickDuringExchange = clicking.Check(IDC_FLAG32 + 5);
    clicking.SelectLine(kTile);  // its show run is the exchange
    ASSERT_EQ(dialog.clickDuringExchange, nullptr);
    ASSERT_EQ(dialog.m_current, kTile);
    clicking.Save();
    EXPECT_TRUE(ExpectSavedAsRead(ExpectedFiles(newer.tileData, newer.verData, kNewer)));
}

TEST_F(HighFlagsTest, AClassicFileAfterANewerOneGivesBackTheWindowExactlyAndAFailedLoadNothing)
{
    const QSize classicSize = editor.Window().size();
    const std::vector<int> classicStops = ShownTabStops();
    editor.Load(newerPath);
    const QSize newerSize = editor.Window().size();
    EXPECT_GT(newerSize.height(), classicSize.height());
    EXPECT_EQ(ShownTabStops().size(), classicStops.size() + 32);
    editor.Load((gameFolder / "nosuch.mul").string());
    EXPECT_EQ(editor.Window().size(), newerSize);
    EXPECT_EQ(ShownTabStops().size(), classicStops.size() + 32);
    editor.Load(tileDataPath);
    EXPECT_EQ(editor.Window().size(), classicSize);
    EXPECT_EQ(ShownTabStops(), classicStops) << "the same controls, in the same tab order";
}

} // namespace
