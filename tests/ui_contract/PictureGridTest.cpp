// A resizable window with a drop-down list over a picture grid, on every
// backend: the window's minimum and each new size heard, the grid's columns
// following its width, its clicks, keys, wheel and scroll bar read back
// through the window system, what it draws, what a screen reader is told,
// and the drop-down list's lines and picks.

#include "CDataExchange.h"
#include "CDialog.h"
#include "CPictureGridCtrl.h"
#include "NativeReadBack.h"
#include "ResourceModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kDialogId = 600, kKind = 10, kGrid = 11;
constexpr int kWidthUnits = 250, kHeightUnits = 170;
constexpr int kCells = 500;

using enum ControlKind;
using namespace Style;
constexpr DialogItemTemplate kItems[] = {
    {Label, IDC_STATIC, "&Kind:", 4, 6, 24, 8, 0},
    {DropDownList, kKind, "Kind:", 30, 4, 80, 100, kVScroll | kTabStop},
    {PictureGrid, kGrid, "Tile pictures", 4, 22, 242, 144, kBorder | kVScroll | kTabStop},
};
constexpr DialogTemplate kDialogs[] = {
    {kDialogId, "Pictures", "MS Sans Serif", 8, kWidthUnits, kHeightUnits, kPopup | kCaption | kSysMenu | kThickFrame,
     kItems},
};
const ResourceModule kResources = {kDialogs, {}, nullptr, "1.0.0.1"};

// Cells 0-4 each show one kind of picture; the rest show none. Every
// label is the cell's number in four hex digits.
class TestSource final : public PictureGridSource {
public:
    static constexpr int kTinyCell = 0, kWholeCell = 1, kShrunkCell = 2, kCrossCell = 3, kEmptyCell = 4;
    static constexpr int kShrunkWidth = 20, kShrunkHeight = 40;

    TestSource()
    {
        tiny = {255, 0, 0, 255};
        for (int y = 0; y < kGridPictureSide; ++y)
            for (int x = 0; x < kGridPictureSide; ++x)
                whole.insert(whole.end(), {Level(x), Level(y), 200, 255});
        for (int i = 0; i < kShrunkWidth * kShrunkHeight; ++i)
            shrunk.insert(shrunk.end(), {0, 160, 0, 255});
    }
    static std::uint8_t Level(int i) { return static_cast<std::uint8_t>(i * 5); }

    GridPicture CellPicture(int cell) override
    {
        switch (cell) {
        case kTinyCell: return {GridPicture::Kind::kPicture, 1, 1, tiny};
        case kWholeCell: return {GridPicture::Kind::kPicture, kGridPictureSide, kGridPictureSide, whole};
        case kShrunkCell: return {GridPicture::Kind::kPicture, kShrunkWidth, kShrunkHeight, shrunk};
        case kCrossCell: return {GridPicture::Kind::kCross, 0, 0, {}};
        default: return {};
        }
    }
    std::u16string CellLabel(int cell) override
    {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(cell));
        return std::u16string(text, text + 4);
    }

    std::vector<std::uint8_t> tiny, whole, shrunk;
};

class PicturesDlg : public CDialog {
public:
    PicturesDlg() : CDialog(kDialogId) {}

    TestSource source;
    CPictureGridCtrl m_grid;
    std::vector<std::string> reports;  // what reached the handlers, with the selection then
    std::vector<CRect> sizes;          // each size OnSize heard

protected:
    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_grid.SetSource(&source);
        m_grid.SetCellCount(kCells);
        return true;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kGrid, m_grid); }
    // The grid takes the whole client area under the drop-down list, 4 pixels in.
    void OnSize(unsigned, int cx, int cy)
    {
        sizes.push_back({0, 0, cx, cy});
        CRect kind;
        GetItemRect(kKind, &kind);
        MoveItem(kGrid, {4, kind.bottom + 4, cx - 4, cy - 4});
    }
    void OnSelChangeGrid() { reports.push_back("grid " + std::to_string(m_grid.GetCurSel())); }
    void OnSelChangeKind() { reports.push_back("kind " + std::to_string(GetItemSelection(kKind))); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PicturesDlg, CDialog)
    ON_WM_SIZE()
    ON_LBN_SELCHANGE(kGrid, OnSelChangeGrid)
    ON_CBN_SELCHANGE(kKind, OnSelChangeKind)
END_MESSAGE_MAP()

bool IsChecker(std::uint32_t pixel)
{
    return pixel == kCheckerLight || pixel == kCheckerDark;
}

// A box, and a box's size, as values to compare.
std::vector<int> Corners(const CRect& box)
{
    return {box.left, box.top, box.right, box.bottom};
}
std::pair<int, int> Size(const CRect& box)
{
    return {box.Width(), box.Height()};
}

// The checkerboard's square at (x, y) of a picture area.
std::uint32_t CheckerAt(int x, int y)
{
    return (x / kCheckerSide + y / kCheckerSide) % 2 ? kCheckerDark : kCheckerLight;
}

class PictureGridWindow : public ::testing::Test {
protected:
    PictureGridWindow()
    {
        dialog.Create();
        dialog.ShowWindow(SW_SHOW);
        HandleWaitingEvents();
    }
    ~PictureGridWindow() override { dialog.ShowWindow(SW_HIDE); }

    // The grid's client area as the window system draws it.
    RenderedControl Grid() const { return RenderControl(dialog, kGrid); }
    // Cells to a row and whole rows in view, from the client area the window system gives the grid.
    int ExpectedColumns() const { return std::max(Grid().width / kGridCellWidth, 1); }
    int ExpectedRowsInView() const { return std::max(Grid().height / kGridCellHeight, 1); }
    CRect Client() const
    {
        CRect client;
        dialog.GetClientRect(&client);
        return client;
    }
    void ExpectCellInView(int cell)
    {
        const int row = cell / dialog.m_grid.GetColumnCount();
        EXPECT_GE(row, dialog.m_grid.GetTopRow()) << "cell " << cell;
        EXPECT_LT(row, dialog.m_grid.GetTopRow() + dialog.m_grid.GetRowsInView()) << "cell " << cell;
    }
    // The grid's scroll bar as the window system holds it: last position, page, position.
    std::vector<int> Bar() const
    {
        const ScrollBarState bar = VerticalScrollBarOf(dialog, kGrid);
        return {bar.lastPosition, bar.page, bar.position};
    }
    void ClickCell(int cell)
    {
        const CRect box = dialog.m_grid.GetCellRect(cell);
        ClickAt(dialog, kGrid, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    }

    bool resourcesHandedOver = (AfxSetResourceHandle(kResources), true);  // before the dialog is made
    PicturesDlg dialog;
};

TEST_F(PictureGridWindow, TheFirstSizeIsHeardAndTheColumnsFollowTheGridsWidth)
{
    ASSERT_FALSE(dialog.sizes.empty()) << "OnSize hears the size the window is first shown at";
    const CRect client = Client();
    EXPECT_EQ(Size(dialog.sizes.back()), Size(client));
    EXPECT_EQ(Size(client), Size(DialogUnitsToPixels(dialog, kWidthUnits, kHeightUnits))) << "the template's size";
    CRect kind, grid;
    dialog.GetItemRect(kKind, &kind);
    dialog.GetItemRect(kGrid, &grid);
    EXPECT_EQ(Corners(ControlRect(dialog, kGrid)),
              (std::vector{4, kind.bottom + 4, client.right - 4, client.bottom - 4}));
    EXPECT_EQ(Corners(grid), Corners(ControlRect(dialog, kGrid))) << "GetItemRect reads where the system holds it";

    EXPECT_EQ(dialog.m_grid.GetColumnCount(), ExpectedColumns());
    EXPECT_EQ(dialog.m_grid.GetRowsInView(), ExpectedRowsInView());
    EXPECT_GE(dialog.m_grid.GetColumnCount(), 5) << "the test's template holds the five kinds of picture in a row";
}

TEST_F(PictureGridWindow, AResizeOfTheFrameChangesTheColumnsAndKeepsTheSelectedCellInView)
{
    const CRect before = Client();
    const int columns = dialog.m_grid.GetColumnCount();
    dialog.m_grid.SetCurSel(300);
    ExpectCellInView(300);

    ResizeClientNatively(dialog, before.Width() + 3 * kGridCellWidth, before.Height() + kGridCellHeight);
    const CRect wider = Client();
    EXPECT_EQ(Size(wider), std::pair(before.Width() + 3 * kGridCellWidth, before.Height() + kGridCellHeight));
    EXPECT_EQ(Size(dialog.sizes.back()), Size(wider)) << "OnSize hears each new size";
    EXPECT_EQ(ControlRect(dialog, kGrid).right, wider.Width() - 4) << "OnSize placed the grid";
    EXPECT_EQ(dialog.m_grid.GetColumnCount(), columns + 3);
    EXPECT_EQ(dialog.m_grid.GetColumnCount(), ExpectedColumns());
    EXPECT_EQ(dialog.m_grid.GetRowsInView(), ExpectedRowsInView());
    ExpectCellInView(300);
    EXPECT_EQ(Bar(), (std::vector{dialog.m_grid.GetLastTopRow(), dialog.m_grid.GetRowsInView(),
                                  dialog.m_grid.GetTopRow()}));

    // Never below the template's size.
    ResizeClientNatively(dialog, before.Width() / 3, before.Height() / 4);
    EXPECT_EQ(Size(Client()), Size(before));
    EXPECT_EQ(dialog.m_grid.GetColumnCount(), columns);
    ExpectCellInView(300);
    EXPECT_EQ(dialog.m_grid.GetCurSel(), 300) << "a resize keeps the selection";
    EXPECT_TRUE(dialog.reports.empty()) << "and reports nothing";
}

TEST_F(PictureGridWindow, MovingTheGridLaysItOutForItsNewWidth)
{
    CRect box;
    dialog.GetItemRect(kGrid, &box);
    const CRect narrow = {box.left, box.top + 10, box.left + 3 * kGridCellWidth + 40, box.bottom - 20};
    dialog.MoveItem(kGrid, narrow);
    HandleWaitingEvents();
    EXPECT_EQ(Corners(ControlRect(dialog, kGrid)), Corners(narrow));
    EXPECT_LE(dialog.m_grid.GetColumnCount(), 3);
    EXPECT_EQ(dialog.m_grid.GetColumnCount(), ExpectedColumns());
    EXPECT_EQ(dialog.m_grid.GetRowsInView(), ExpectedRowsInView());
}

TEST_F(PictureGridWindow, AClickSelectsTheCellAndReportsItOnce)
{
    const int columns = dialog.m_grid.GetColumnCount();
    ClickCell(columns + 1);
    EXPECT_EQ(dialog.m_grid.GetCurSel(), columns + 1);
    EXPECT_EQ(dialog.reports, std::vector<std::string>{"grid " + std::to_string(columns + 1)});
    ClickCell(columns + 1);
    EXPECT_EQ(dialog.reports.size(), 1u) << "a click on the selected cell changes nothing";
    // The cell's top left and bottom right pixels are the cell's too.
    const CRect box = dialog.m_grid.GetCellRect(2);
    ClickAt(dialog, kGrid, box.right - 1, box.bottom - 1);
    ClickAt(dialog, kGrid, box.left, box.top);
    EXPECT_EQ(dialog.m_grid.GetCurSel(), 2);
    EXPECT_EQ(dialog.reports, (std::vector<std::string>{"grid " + std::to_string(columns + 1), "grid 2"}));
}

TEST_F(PictureGridWindow, AClickBeyondTheLastCellDoesNothing)
{
    const int columns = dialog.m_grid.GetColumnCount();
    dialog.m_grid.SetCellCount(columns + 2);  // the second row holds two cells
    dialog.m_grid.SetCurSel(1);
    ClickCell(columns + 2);
    ClickCell(2 * columns - 1);
    ClickCell(2 * columns);  // the third row, empty
    EXPECT_EQ(dialog.m_grid.GetCurSel(), 1);
    EXPECT_TRUE(dialog.reports.empty());
    ClickCell(columns + 1);
    EXPECT_EQ(dialog.reports, std::vector<std::string>{"grid " + std::to_string(columns + 1)});
}

TEST_F(PictureGridWindow, TheKeysMoveTheSelectionFromNoneAndReportEachMove)
{
    const int columns = dialog.m_grid.GetColumnCount(), page = columns * dialog.m_grid.GetRowsInView();
    struct Step {
        int key, cell;
    };
    const Step steps[] = {
        {VK_RIGHT, 0},  // from none, the first cell
        {VK_RIGHT, 1},           {VK_DOWN, 1 + columns}, {VK_LEFT, columns}, {VK_UP, 0},
        {VK_LEFT, 0},  // at the first cell already
        {VK_UP, 0},              {VK_NEXT, page},        {VK_NEXT, 2 * page}, {VK_PRIOR, page},
        {VK_END, kCells - 1},    {VK_DOWN, kCells - 1},  {VK_RIGHT, kCells - 1}, {VK_HOME, 0},
        {VK_PRIOR, 0},
    };
    std::vector<std::string> expected;
    int last = -1;
    for (const Step& step : steps) {
        PressKey(dialog, kGrid, step.key);
        EXPECT_EQ(dialog.m_grid.GetCurSel(), step.cell) << "key " << step.key << " after cell " << last;
        ExpectCellInView(step.cell);
        if (step.cell != last)
            expected.push_back("grid " + std::to_string(step.cell));
        last = step.cell;
    }
    EXPECT_EQ(dialog.reports, expected) << "each move reported once, a key that moves nothing not at all";

    dialog.m_grid.SetCurSel(-1);
    PressKey(dialog, kGrid, VK_DOWN);
    EXPECT_EQ(dialog.m_grid.GetCurSel(), 0) << "Down from none also starts at the first cell";
    dialog.m_grid.SetCurSel(-1);
    PressKey(dialog, kGrid, VK_END);
    EXPECT_EQ(dialog.m_grid.GetCurSel(), kCells - 1);
    EXPECT_EQ(dialog.m_grid.GetTopRow(), dialog.m_grid.GetLastTopRow());
    EXPECT_EQ(VerticalScrollBarOf(dialog, kGrid).position, dialog.m_grid.GetLastTopRow());
}

TEST_F(PictureGridWindow, TheScrollBarHoldsTheRowsThePageAndThePosition)
{
    const int columns = ExpectedColumns(), inView = ExpectedRowsInView();
    const int rows = (kCells + columns - 1) / columns;
    EXPECT_TRUE(VerticalScrollBarOf(dialog, kGrid).shown);
    EXPECT_EQ(Bar(), (std::vector{rows - inView, inView, 0}));
    dialog.m_grid.SetCurSel(kCells - 1);
    EXPECT_TRUE(dialog.reports.empty()) << "the program's own selection is not reported";
    EXPECT_EQ(Bar(), (std::vector{rows - inView, inView, rows - inView})) << "the last row comes in view last";
    EXPECT_EQ(dialog.m_grid.GetTopRow(), rows - inView);

    dialog.m_grid.SetCurSel(columns * 3 + 1);  // above the view: its row comes to the top
    EXPECT_EQ(VerticalScrollBarOf(dialog, kGrid).position, 3);
    EXPECT_EQ(dialog.m_grid.GetCurSel(), columns * 3 + 1);
    EXPECT_TRUE(dialog.reports.empty());
}

TEST_F(PictureGridWindow, DraggingTheThumbScrollsTheView)
{
    DragScrollBar(dialog, kGrid, 5);
    HandleWaitingEvents();
    EXPECT_EQ(dialog.m_grid.GetTopRow(), 5);
    EXPECT_EQ(VerticalScrollBarOf(dialog, kGrid).position, 5);
    const int columns = dialog.m_grid.GetColumnCount();
    EXPECT_EQ(dialog.m_grid.GetCellRect(5 * columns).top, 0);
    EXPECT_EQ(dialog.m_grid.HitTest(1, 1), 5 * columns);
    // A click now lands on the cell shown there.
    ClickAt(dialog, kGrid, kGridCellWidth + 5, 5);
    EXPECT_EQ(dialog.m_grid.GetCurSel(), 5 * columns + 1);
    EXPECT_EQ(dialog.reports, std::vector<std::string>{"grid " + std::to_string(5 * columns + 1)});
}

TEST_F(PictureGridWindow, TheWheelScrollsByRowsAndSelectsNothing)
{
    TurnWheel(dialog, kGrid, false);
    HandleWaitingEvents();
    const int down = dialog.m_grid.GetTopRow();
    EXPECT_EQ(down, std::min(WheelScrollLines(), dialog.m_grid.GetLastTopRow()))
        << "a notch towards the user scrolls down by the system's lines a notch";
    EXPECT_EQ(VerticalScrollBarOf(dialog, kGrid).position, down);
    TurnWheel(dialog, kGrid, false);
    HandleWaitingEvents();
    EXPECT_EQ(dialog.m_grid.GetTopRow(), std::min(2 * down, dialog.m_grid.GetLastTopRow())) << "as far again";
    TurnWheel(dialog, kGrid, true);
    TurnWheel(dialog, kGrid, true);
    TurnWheel(dialog, kGrid, true);
    HandleWaitingEvents();
    EXPECT_EQ(dialog.m_grid.GetTopRow(), 0) << "and back to the top, no further";
    EXPECT_EQ(dialog.m_grid.GetCurSel(), -1);
    EXPECT_TRUE(dialog.reports.empty());
}

TEST_F(PictureGridWindow, EachPictureIsDrawnCentredOnItsCheckerboard)
{
    const RenderedControl shown = Grid();
    auto area = [](int cell) {  // the picture area's top left corner, in cell 0-4 of the first row
        return std::pair{cell * kGridCellWidth + kGridCellPadding, kGridCellPadding};
    };
    const std::uint32_t background = shown.At(0, 0);
    EXPECT_FALSE(IsChecker(background));

    // 1 x 1: its one pixel at the middle, the board all round.
    auto [x, y] = area(TestSource::kTinyCell);
    const int middle = (kGridPictureSide - 1) / 2;
    EXPECT_EQ(shown.At(x + middle, y + middle), 0xFFFF0000u);
    for (const auto& [dx, dy] :
         {std::pair{0, 0}, {8, 0}, {middle - 1, middle}, {middle + 1, middle}, {43, 43}, {0, 43}})
        EXPECT_EQ(shown.At(x + dx, y + dy), CheckerAt(dx, dy)) << dx << ", " << dy;
    EXPECT_EQ(shown.At(x - 1, y), background) << "the board covers only the picture area";

    // 44 x 44: every pixel its own, none of the board.
    std::tie(x, y) = area(TestSource::kWholeCell);
    for (int dy = 0; dy < kGridPictureSide; ++dy)
        for (int dx = 0; dx < kGridPictureSide; ++dx)
            ASSERT_EQ(shown.At(x + dx, y + dy), 0xFF0000C8u | std::uint32_t{TestSource::Level(dx)} << 16 |
                                                    std::uint32_t{TestSource::Level(dy)} << 8)
                << dx << ", " << dy;

    // 20 x 40, shrunk by its owner: centred, the board on either side.
    std::tie(x, y) = area(TestSource::kShrunkCell);
    const int left = (kGridPictureSide - TestSource::kShrunkWidth) / 2;
    const int top = (kGridPictureSide - TestSource::kShrunkHeight) / 2;
    const std::uint32_t green = 0xFF00A000u;
    for (int dy = 0; dy < kGridPictureSide; ++dy) {
        for (int dx = 0; dx < kGridPictureSide; ++dx) {
            const bool inside = dx >= left && dx < left + TestSource::kShrunkWidth && dy >= top &&
                                dy < top + TestSource::kShrunkHeight;
            ASSERT_EQ(shown.At(x + dx, y + dy), inside ? green : CheckerAt(dx, dy)) << dx << ", " << dy;
        }
    }

    // A cross over the board's middle, the board at its corners.
    std::tie(x, y) = area(TestSource::kCrossCell);
    const int centre = kGridPictureSide / 2;
    const std::uint32_t cross = shown.At(x + centre, y + centre);
    EXPECT_FALSE(IsChecker(cross));
    EXPECT_NE(cross, background);
    for (const auto& [dx, dy] : {std::pair{3, 3}, {-3, -3}, {3, -3}, {-3, 3}})
        EXPECT_EQ(shown.At(x + centre + dx, y + centre + dy), cross) << dx << ", " << dy;
    EXPECT_EQ(shown.At(x + centre, y + centre + 3), CheckerAt(centre, centre + 3)) << "between the arms";
    EXPECT_EQ(shown.At(x, y), CheckerAt(0, 0));
    EXPECT_EQ(shown.At(x + 43, y + 43), CheckerAt(43, 43));

    // No picture: no board either.
    std::tie(x, y) = area(TestSource::kEmptyCell);
    for (int dy = 0; dy < kGridPictureSide; ++dy)
        for (int dx = 0; dx < kGridPictureSide; ++dx)
            ASSERT_EQ(shown.At(x + dx, y + dy), background) << dx << ", " << dy;
}

TEST_F(PictureGridWindow, EachLabelIsDrawnCentredUnderItsPicture)
{
    const RenderedControl shown = Grid();
    const std::uint32_t background = shown.At(0, 0);
    for (const int cell : {0, 4}) {
        const CRect box = dialog.m_grid.GetCellRect(cell);
        const int labelTop = box.top + kGridCellPadding + kGridPictureSide;
        int first = box.right, last = -1;
        for (int y = labelTop; y < labelTop + kGridLabelHeight; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                if (shown.At(x, y) != background) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        ASSERT_GE(last, first) << "cell " << cell << "'s label is drawn";
        EXPECT_NEAR(first - box.left, box.right - 1 - last, 2) << "cell " << cell << "'s label is centred";
        EXPECT_GT(first, box.left) << "a four-digit label fits its cell";
    }
}

TEST_F(PictureGridWindow, TheSelectedCellIsFramedDarkerWithoutTheFocus)
{
    const CRect box = dialog.m_grid.GetCellRect(TestSource::kEmptyCell);
    const int midX = (box.left + box.right) / 2, midY = (box.top + box.bottom) / 2;
    const std::uint32_t background = Grid().At(box.left, midY);
    EXPECT_EQ(Grid().At(midX, box.top), background);

    // The frame takes the cell's outermost two pixels all round, nothing inside them.
    auto frameColour = [&] {
        HandleWaitingEvents();
        const RenderedControl shown = Grid();
        const std::uint32_t frame = shown.At(box.left, midY);
        for (const auto& [x, y] : {std::pair{box.left + 1, midY}, {box.right - 1, midY}, {box.right - 2, midY},
                                  {midX, box.top}, {midX, box.top + 1}, {midX, box.bottom - 1}, {midX, box.bottom - 2},
                                  {box.left, box.top}, {box.right - 1, box.bottom - 1}})
            EXPECT_EQ(shown.At(x, y), frame) << x - box.left << ", " << y - box.top;
        EXPECT_EQ(shown.At(box.left + 2, midY), background);
        EXPECT_EQ(shown.At(midX, box.top + 2), background);
        EXPECT_EQ(shown.At(midX, midY), background) << "an empty cell stays empty inside its frame";
        EXPECT_NE(frame, background);
        return frame;
    };
    ClickCell(TestSource::kEmptyCell);  // takes the focus
    const std::uint32_t focused = frameColour();
    dialog.FocusItem(kKind, false);
    const std::uint32_t unfocused = frameColour();
    EXPECT_NE(focused, unfocused) << "the frame shows whether the grid has the focus";
    dialog.m_grid.SetCurSel(-1);
    HandleWaitingEvents();
    EXPECT_EQ(Grid().At(box.left, midY), background) << "no cell selected, no frame";
}

TEST_F(PictureGridWindow, AScreenReaderHearsTheGridsNameAndTheSelectedCellsLabel)
{
    EXPECT_EQ(AccessibleNameOf(dialog, kGrid), u"Tile pictures");
    EXPECT_EQ(AccessibleValueOf(dialog, kGrid), u"");
    dialog.m_grid.SetCurSel(0x1AB);
    EXPECT_EQ(AccessibleValueOf(dialog, kGrid), u"01AB");
    const int shown = dialog.m_grid.GetTopRow() * dialog.m_grid.GetColumnCount();  // the first cell in view
    ClickCell(shown);
    EXPECT_EQ(AccessibleValueOf(dialog, kGrid), TestSource().CellLabel(shown));
    EXPECT_NE(shown, 0x1AB);
    dialog.m_grid.SetCellCount(10);
    EXPECT_EQ(AccessibleValueOf(dialog, kGrid), u"") << "a new count selects nothing";
}

TEST_F(PictureGridWindow, TheTabKeyReachesTheDropDownListAndTheGrid)
{
    EXPECT_EQ(TabOrder(dialog), (std::vector<int>{kKind, kGrid}));
}

TEST_F(PictureGridWindow, TheDropDownListHoldsItsLinesAndReportsOnlyTheUsersPick)
{
    EXPECT_EQ(AccessibleNameOf(dialog, kKind), u"Kind:") << "its label's text";
    // The box is as high as its font needs; the template's height is the opened list's.
    const int tallest = DialogUnitsToPixels(dialog, 0, 20).Height();
    EXPECT_LT(ControlRect(dialog, kKind).Height(), tallest);
    EXPECT_GT(ControlRect(dialog, kKind).Height(), tallest / 4);
    CRect box;
    dialog.GetItemRect(kKind, &box);
    dialog.MoveItem(kKind, {box.left + 10, box.top, box.right + 10, box.top + 3 * tallest});
    EXPECT_EQ(Corners(ControlRect(dialog, kKind)), (std::vector{box.left + 10, box.top, box.right + 10, box.bottom}))
        << "a move keeps it as high";
    const std::vector<std::u16string> lines = {u"All", u"Walls", u"Caf\u00E9 \u0141\u00F3d\u017A"};
    for (const std::u16string& line : lines)
        dialog.AddItemString(kKind, line);
    EXPECT_EQ(DropDownLines(dialog, kKind), lines);
    EXPECT_EQ(dialog.GetItemStringCount(kKind), 3);
    EXPECT_EQ(dialog.GetItemSelection(kKind), -1) << "adding lines picks none";

    dialog.SetItemSelection(kKind, 1);
    EXPECT_EQ(dialog.GetItemSelection(kKind), 1);
    EXPECT_EQ(AccessibleValueOf(dialog, kKind), u"Walls");
    EXPECT_TRUE(dialog.reports.empty()) << "the program's own pick is not reported";

    PickNatively(dialog, kKind, 2);
    EXPECT_EQ(dialog.GetItemSelection(kKind), 2);
    EXPECT_EQ(dialog.reports, std::vector<std::string>{"kind 2"}) << "reported once, after the pick";
    PickNatively(dialog, kKind, 0);
    EXPECT_EQ(dialog.reports, (std::vector<std::string>{"kind 2", "kind 0"}));

    dialog.SetItemSelection(kKind, 3);
    EXPECT_EQ(dialog.GetItemSelection(kKind), -1) << "past the last line: none";
    dialog.ResetItemStrings(kKind);
    EXPECT_EQ(dialog.GetItemStringCount(kKind), 0);
    EXPECT_TRUE(DropDownLines(dialog, kKind).empty());
    EXPECT_EQ(dialog.reports.size(), 2u);
}

} // namespace
