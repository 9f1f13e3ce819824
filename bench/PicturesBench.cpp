// The Tile Pictures window on a newer sample folder of 65,536 static tiles:
// opening it, a Load with it open beside a Load without, a filter change,
// one screen of cells in a 1000 x 800 grid drawn from cold (pictures read,
// decoded and shrunk) and with its pictures cached, a scroll through every
// tile with the cache's peak size as a counter, and the editor's selection
// with the window open beside one without, and the grid's own part of it.
// Each is drawn as the window system draws it: what the change left to
// draw again, painted.

#include "BenchedEditor.h"

#include <QApplication>

#include <algorithm>
#include <memory>

namespace {

constexpr int kGridWidth = 1000, kGridHeight = 800;

struct Editor : BenchedEditor {
    Editor() : BenchedEditor(kNewerLayout) {}
    CTilePicturesDlg& Window() { return dialog->m_tilePictures; }
    CPictureGridCtrl& Grid() { return dialog->m_tilePictures.m_grid; }
    // Opens the window and gives its grid the size of a screen of cells.
    void OpenAtScreenSize()
    {
        dialog->SendSysCommand(IDM_TILEPICTURES);
        CRect grid, client;
        Window().GetItemRect(IDC_PICTURES_GRID, &grid);
        Window().GetClientRect(&client);
        NativeDialog(Window()).resize(client.Width() + kGridWidth - grid.Width(),
                                      client.Height() + kGridHeight - grid.Height());
        QApplication::processEvents();
    }
    // What is waiting to be drawn, drawn as Qt draws it: the parts of the
    // grid a scroll or a new selection left to draw again.
    void DrawGrid() { QApplication::processEvents(); }
    void PickShow(int line)
    {
        Window().SetItemSelection(IDC_PICTURES_SHOW, line);
        Window().SendNotification(Notification::ComboSelChange, IDC_PICTURES_SHOW);
    }
};

// Made on first use and destroyed by main, before the application object.
std::unique_ptr<Editor> g_editor;

Editor& TheEditor()
{
    if (!g_editor)
        g_editor = std::make_unique<Editor>();
    return *g_editor;
}

// From the menu command to the first cells drawn, the art read anew each time.
void BM_OpenWindow(benchmark::State& state)
{
    Editor& e = TheEditor();
    for (auto _ : state) {
        state.PauseTiming();
        e.Window().ShowWindow(SW_HIDE);
        e.Window().LoadTiles(&e.dialog->m_table, e.tileData);  // forgets the art and the pictures read
        state.ResumeTiming();
        e.OpenAtScreenSize();
        e.DrawGrid();
    }
    if (e.Grid().GetCellCount() != kMaxStaticTileCount)
        state.SkipWithError("the grid does not show every tile");
}

void BM_LoadWithWindowOpen(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.OpenAtScreenSize();
    for (auto _ : state) {
        e.Load();
        e.DrawGrid();
    }
    if (!e.messages.shown.empty() || e.Grid().GetCellCount() != kMaxStaticTileCount)
        state.SkipWithError("the load showed a message, or the grid is not full");
}

void BM_LoadWithWindowClosed(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.Window().ShowWindow(SW_HIDE);
    for (auto _ : state)
        e.Load();
}

// Between all tiles and the free slots, each change running the filter over every tile.
void BM_FilterChange(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.OpenAtScreenSize();
    int line = 0;
    for (auto _ : state) {
        line = line == 0 ? 3 : 0;
        e.PickShow(line);
    }
    e.PickShow(0);
}

// A screen of cells at a place not drawn before: every picture read from
// the files, decoded, shrunk and drawn.
void BM_ScreenFromCold(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.OpenAtScreenSize();
    e.Window().LoadTiles(&e.dialog->m_table, e.tileData);
    const int screenRows = e.Grid().GetRowsInView() + 1;
    int row = 0;
    for (auto _ : state) {
        row = row + screenRows > e.Grid().GetLastTopRow() ? 0 : row + screenRows;
        e.Grid().ScrollToRow(row);
        e.DrawGrid();
    }
    state.counters["cells"] = e.Grid().GetColumnCount() * screenRows;
}

// Two screens, back and forth, their pictures cached after the first pass.
void BM_ScreenCached(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.OpenAtScreenSize();
    const int screenRows = e.Grid().GetRowsInView();
    bool down = false;
    for (auto _ : state) {
        down = !down;
        e.Grid().ScrollToRow(down ? screenRows : 0);
        e.DrawGrid();
    }
}

// Every row of the grid in view once: the cache keeps to its bound.
void BM_ScrollThroughEveryTile(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.OpenAtScreenSize();
    std::size_t peak = 0;
    for (auto _ : state) {
        for (int row = 0; row <= e.Grid().GetLastTopRow(); row += e.Grid().GetRowsInView()) {
            e.Grid().ScrollToRow(row);
            e.DrawGrid();
            peak = std::max(peak, e.Window().PictureCacheBytes());
        }
    }
    state.counters["cache_peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    if (peak > 64u * 1024 * 1024)
        state.SkipWithError("the cache of shrunk pictures grew past 64 MB");
}

// Two tiles selected in turn in the editor's list, and what that left to
// draw painted, the editor's own fields included.
void SelectBackAndForth(benchmark::State& state, Editor& e, int first, int second)
{
    int line = first;
    for (auto _ : state) {
        line = line == first ? second : first;
        e.dialog->m_list.SetCurSel(line);
        e.dialog->SendNotification(Notification::ListSelChange, IDC_LIST);
        e.DrawGrid();
    }
}

// Neighbours, both in view: the grid draws the two cells whose frame changed.
void BM_SelectionWithWindowOpen(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.OpenAtScreenSize();
    SelectBackAndForth(state, e, 0x100, 0x101);
    if (e.Grid().GetCurSel() < 0)
        state.SkipWithError("the grid frames no cell");
}

// Far apart, as a Find jumps: the grid scrolls and draws a screen.
void BM_FarSelectionWithWindowOpen(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.OpenAtScreenSize();
    SelectBackAndForth(state, e, 0x100, 0x9000);
}

void BM_SelectionWithWindowClosed(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.Window().ShowWindow(SW_HIDE);
    SelectBackAndForth(state, e, 0x100, 0x101);
}

// The grid's part of a selection alone: the editor's tile framed, the
// status line set, and what they left to draw painted; to a neighbour in
// view, and far away, where the grid scrolls and draws a screen.
void GridFollows(benchmark::State& state, int first, int second)
{
    Editor& e = TheEditor();
    e.OpenAtScreenSize();
    int tile = first;
    for (auto _ : state) {
        tile = tile == first ? second : first;
        e.Window().ShowTile(tile);
        e.DrawGrid();
    }
    if (e.Grid().GetCurSel() < 0)
        state.SkipWithError("the grid frames no cell");
}

void BM_GridFollowsSelection(benchmark::State& state)
{
    GridFollows(state, 0x100, 0x101);
}

void BM_GridFollowsFarSelection(benchmark::State& state)
{
    GridFollows(state, 0x100, 0x9000);
}

BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWithWindowOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWithWindowClosed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenFromCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenCached)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollThroughEveryTile)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SelectionWithWindowOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FarSelectionWithWindowOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionWithWindowClosed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridFollowsSelection)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridFollowsFarSelection)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunEditorBenchmarks(argc, argv,
                                               {{"BM_LoadWithWindowOpen", "BM_LoadWithWindowClosed", 0},
                                                {"BM_SelectionWithWindowOpen", "BM_SelectionWithWindowClosed", 0},
                                                {"BM_FarSelectionWithWindowOpen", "BM_SelectionWithWindowClosed", 0}},
                                               {{"BM_OpenWindow", 30},
                                                {"BM_FilterChange", 10},
                                                {"BM_ScreenFromCold", 16},
                                                {"BM_ScreenCached", 5},
                                                {"BM_GridFollowsSelection", 2},
                                                {"BM_GridFollowsFarSelection", 5}},
                               [] { g_editor.reset(); });
}
