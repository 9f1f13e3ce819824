// The Tile Art window's Hue box on Qt: disabled until a hue table is read,
// stepped by the Up key or typed, the picture drawn through the hue at once
// (only its grey pixels for a tile with Partial Hue, again when that flag is
// clicked), the hue kept when the selection moves, a number out of range
// named and not drawn, and a folder without hues.mul said so.

#include "EditorFixture.h"
#include "SampleHues.h"
#include "TestArtFiles.h"

#include <QTest>

namespace {

constexpr int kPictured = 2, kNoArt = 3;
constexpr std::uint16_t kOrange = (31 << 10) | (16 << 5) | 1, kWhite = 0x7FFF;
constexpr int kPartialHueBit = 18;

class HueBox : public EditorFixture {
protected:
    HueBox()
    {
        TestArtFiles art;
        art.AddStatic(kPictured, {2, 1, {kOrange, kWhite}});
        art.Write(gameFolder.string());
        WriteFileBytes((gameFolder / "Hues.MUL").string(), hues);
        editor.Load(tileDataPath);
        editor.SelectLine(kPictured);
        Dialog().SendSysCommand(IDM_TILEART);
    }

    CTileArtDlg& Art() { return Dialog().m_tileArt; }
    QString Name() { return QString::fromStdU16String(Art().GetItemText(IDC_HUE_NAME)); }
    QString Number() { return QString::fromStdU16String(Art().GetItemText(IDC_HUE_NUMBER)); }
    void Press(Qt::Key key) { QTest::keyClick(NativeControl(Art(), IDC_HUE_NUMBER), key); }
    void Type(const char* number) { Art().SetItemText(IDC_HUE_NUMBER, QString::fromLatin1(number).toStdU16String()); }
    // The picture's two pixels as shown, enlarged four times and centred.
    std::pair<QRgb, QRgb> Shown()
    {
        const QImage shown = NativeControl(Art(), IDC_TILE_IMAGE)->grab().toImage();
        const QPoint left((shown.width() - 8) / 2, (shown.height() - 4) / 2);
        return {shown.pixel(left), shown.pixel(left + QPoint(4, 0))};
    }
    // Colour `c` of hue `number` as the window shows it, from the file's bytes.
    QRgb HueColour(int number, int c) const
    {
        const std::size_t at = std::size_t(number - 1) / 8 * 708 + 4 + std::size_t(number - 1) % 8 * 88 + 2 * std::size_t(c);
        const int colour = (hues[at] | hues[at + 1] << 8) & 0x7FFF;
        auto widen = [](int v) { return v << 3 | v >> 2; };
        return qRgb(widen(colour >> 10 & 31), widen(colour >> 5 & 31), widen(colour & 31));
    }
    bool Partial() { return (Dialog().m_table[kPictured].flags & TileFlag::kPartialHue) != 0; }

    std::vector<std::uint8_t> hues = MakeSampleHueFile();
    const QRgb orange = qRgb(255, 132, 8), white = qRgb(255, 255, 255);
};

TEST_F(HueBox, StartsAtNoHueAndDrawsThePictureThroughTheHueChosen)
{
    EXPECT_TRUE(Art().IsItemEnabled(IDC_HUE_NUMBER));
    EXPECT_EQ(Number(), "0");
    EXPECT_EQ(Name(), "");
    EXPECT_EQ(Shown(), std::pair(orange, white));
    if (Partial())
        editor.ClickCheck(kPartialHueBit);  // the full hue first
    Press(Qt::Key_Up);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Name(), "Coal");
    EXPECT_EQ(Shown(), std::pair(HueColour(1, 31), HueColour(1, 31))) << "red 31 picks the hue's last colour";
    Type(std::to_string(kSampleFireHue).c_str());
    EXPECT_EQ(Name(), "Fire_Hue");
    EXPECT_EQ(Shown(), std::pair(HueColour(kSampleFireHue, 31), HueColour(kSampleFireHue, 31)));

    editor.ClickCheck(kPartialHueBit);
    ASSERT_TRUE(Partial());
    EXPECT_EQ(Shown(), std::pair(orange, HueColour(kSampleFireHue, 31))) << "only the grey pixel takes the hue";
    editor.ClickCheck(kPartialHueBit);
    EXPECT_EQ(Shown(), std::pair(HueColour(kSampleFireHue, 31), HueColour(kSampleFireHue, 31)));
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(Number(), "0");
    EXPECT_EQ(Shown(), std::pair(orange, white));
}

TEST_F(HueBox, TheHueStaysWhenTheSelectionMovesAndANumberOutOfRangeDrawsNothingNew)
{
    if (Partial())
        editor.ClickCheck(kPartialHueBit);
    Type("7");
    const auto seventh = std::pair(HueColour(7, 31), HueColour(7, 31));
    EXPECT_EQ(Shown(), seventh);
    editor.SelectLine(kNoArt);
    editor.SelectLine(kPictured);
    EXPECT_EQ(Number(), "7");
    EXPECT_EQ(Shown(), seventh);

    Type("33");
    EXPECT_EQ(Name(), "no hue 33 (0-32)");
    Type("4x");  // as a paste on Win32 can, past the box's own filter
    EXPECT_EQ(Name(), "no hue 4x (0-32)");
    Type("33");
    EXPECT_EQ(Shown(), seventh) << "the last hue drawn stays";
    editor.SelectLine(kNoArt);
    editor.SelectLine(kPictured);
    EXPECT_EQ(Shown(), seventh);
    Press(Qt::Key_Up);
    EXPECT_EQ(Number(), "32") << "a step brings the number back into range";
    EXPECT_EQ(Shown(), std::pair(HueColour(32, 31), HueColour(32, 31)));
    EXPECT_EQ(Name(), "Ice 4");
}

TEST_F(HueBox, IsDisabledWithoutAHueTableAndSaysWhatItLookedFor)
{
    const std::filesystem::path bare = folder.Path() / "bare";
    std::filesystem::create_directories(bare);
    std::filesystem::copy_file(tileDataPath, bare / "TileData.mul");
    TestArtFiles().Write(bare.string());
    editor.Load((bare / "TileData.mul").string());
    EXPECT_FALSE(Art().IsItemEnabled(IDC_HUE_NUMBER));
    EXPECT_EQ(Name(), "No hues.mul beside TileData.mul");
    editor.Load(tileDataPath);
    EXPECT_TRUE(Art().IsItemEnabled(IDC_HUE_NUMBER));
    EXPECT_EQ(Name(), "");
}

} // namespace
