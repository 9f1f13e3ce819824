// The Tile Art window beside the editor on Qt: opened by its system-menu
// entry and by Ctrl+T, following the tile being edited, its three messages
// and the names screen readers give its parts, and closing without the
// editor.

#include "EditorFixture.h"
#include "TestArtFiles.h"

#include <QAccessible>
#include <QTest>

namespace {

// Tile 2: 3 x 2, an opaque corner of known colour, the rest transparent but one.
constexpr int kPictured = 2, kNoArt = 3, kDamaged = 4;
constexpr std::uint16_t kCorner = (31 << 10) | (16 << 5) | 1;  // red 31, green 16, blue 1

class TileArtWindow : public EditorFixture {
protected:
    TileArtWindow()
    {
        TestArtFiles art;
        art.AddStatic(kPictured, {3, 2, {kCorner, 0, 0, 0, 0, 0x7FFF}});
        art.AddCutShort(kDamaged);
        art.Write(gameFolder.string());
    }

    CTileArtDlg& Art() { return Dialog().m_tileArt; }
    QString Line() { return QString::fromStdU16String(Art().GetItemText(IDC_TILE_TEXT)); }
    QString TileName(int id) { return QString::fromLatin1(::TileName(Dialog().m_table[id])); }
    void OpenByKey(int focusedControl)
    {
        editor.Control(focusedControl)->setFocus();
        QTest::keyClick(editor.Control(focusedControl), Qt::Key_T, Qt::ControlModifier);
    }
};

TEST_F(TileArtWindow, CtrlTOpensItBesideTheEditorFromAnyControlShowingNothingBeforeALoad)
{
    EXPECT_FALSE(Art().IsWindowVisible());
    OpenByKey(IDC_NAME);
    ASSERT_TRUE(Art().IsWindowVisible());
    EXPECT_EQ(NativeDialog(Art()).windowTitle(), "Tile Art");
    EXPECT_EQ(Line(), "No tile-data file loaded");
    EXPECT_EQ(Art().m_image.GetScale(), 0);
    EXPECT_TRUE(editor.Window().isVisible());
    EXPECT_EQ(Dialog().GetItemText(IDC_NAME), u"") << "the key typed nothing into the box";
    CRect editorFrame, artFrame;
    Dialog().GetWindowRect(&editorFrame);
    Art().GetWindowRect(&artFrame);
    EXPECT_GT(artFrame.left, editorFrame.right - 1) << "beside the editor, not over it";

    Art().ShowWindow(SW_HIDE);
    OpenByKey(IDC_LIST);
    EXPECT_TRUE(Art().IsWindowVisible());
}

TEST_F(TileArtWindow, ItFollowsTheSelectionWithThePictureTheNameAndTheSize)
{
    editor.Load(tileDataPath);
    Dialog().SendSysCommand(IDM_TILEART);
    ASSERT_TRUE(Art().IsWindowVisible());
    EXPECT_EQ(Line(), "No tile selected");

    editor.SelectLine(kPictured);
    const QString name = TileName(kPictured);
    EXPECT_EQ(Line(), name.isEmpty() ? "0002  3 x 2" : "0002  " + name + "  3 x 2");
    const int scale = Art().m_image.GetScale();
    EXPECT_EQ(scale, 4) << "a small picture is enlarged";
    const QImage shown = NativeControl(Art(), IDC_TILE_IMAGE)->grab().toImage();
    const QPoint corner((shown.width() - 3 * scale) / 2, (shown.height() - 2 * scale) / 2);
    EXPECT_EQ(shown.pixel(corner), qRgb(255, 132, 8)) << "5-bit channels widened by their top bits";
    EXPECT_EQ(shown.pixel(corner + QPoint(2 * scale, scale)), qRgb(255, 255, 255));

    editor.SelectLine(kNoArt);
    EXPECT_EQ(Line(), "0003 has no art");
    EXPECT_EQ(Art().m_image.GetScale(), 0);
    // What a screen reader says of the picture and of the line.
    QAccessibleInterface* image = QAccessible::queryAccessibleInterface(NativeControl(Art(), IDC_TILE_IMAGE));
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(NativeControl(Art(), IDC_TILE_TEXT));
    ASSERT_TRUE(image && line);
    EXPECT_EQ(image->text(QAccessible::Name), "Tile art");
    EXPECT_EQ(line->text(QAccessible::Name), "0003 has no art");
    editor.SelectLine(kDamaged);
    EXPECT_TRUE(Line().startsWith("0004: the art is damaged (")) << Line().toStdString();
    EXPECT_TRUE(Line().endsWith(")") && Line().size() > 28) << "with its reason";
    EXPECT_EQ(Art().m_image.GetScale(), 0);

    editor.SelectLine(kPictured);
    editor.ReplaceText(IDC_NAME, "Shipwright");
    EXPECT_EQ(Line(), "0002  Shipwright  3 x 2") << "a rename shows at once";
}

TEST_F(TileArtWindow, ALoadShowsTheNewFoldersArtOrNamesTheFilesItLookedFor)
{
    editor.Load(tileDataPath);
    editor.SelectLine(kPictured);
    Dialog().SendSysCommand(IDM_TILEART);
    EXPECT_EQ(Art().m_image.GetScale(), 4) << "opened, it shows the tile being edited";

    const std::filesystem::path bare = folder.Path() / "bare";
    std::filesystem::create_directories(bare);
    std::filesystem::copy_file(tileDataPath, bare / "TileData.mul");
    editor.Load((bare / "TileData.mul").string());
    EXPECT_EQ(Line(), "No art beside TileData.mul (looked for artLegacyMUL.uop, art.mul and artidx.mul)");
    EXPECT_EQ(Art().m_image.GetScale(), 0);

    editor.Load(tileDataPath);
    EXPECT_EQ(Art().m_image.GetScale(), 4) << "the tile being edited, in the folder loaded again";
}

TEST_F(TileArtWindow, ClosingItLeavesTheEditorAndEndingTheEditorClosesIt)
{
    Dialog().SendSysCommand(IDM_TILEART);
    QTest::keyClick(&NativeDialog(Art()), Qt::Key_Escape);
    EXPECT_FALSE(Art().IsWindowVisible());
    EXPECT_TRUE(editor.Window().isVisible());

    Dialog().SendSysCommand(IDM_TILEART);
    NativeDialog(Art()).close();
    EXPECT_FALSE(Art().IsWindowVisible());
    EXPECT_TRUE(editor.Window().isVisible());

    Dialog().SendSysCommand(IDM_TILEART);
    Dialog().EndDialog(IDCANCEL);
    EXPECT_FALSE(Art().IsWindowVisible());
}

} // namespace
