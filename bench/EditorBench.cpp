// The editor's list fill, selection, Load and Save commands and one
// keystroke in Name, each beside a baseline from the same run: a plain
// one-widget-item-per-line list for the fill, the store's own work for the
// rest; a selection with the Tile Art window open, beside one without; and
// F3's search that finds nothing in a newer file's 65536 names, beside a
// plain case-sensitive pass over the same names; a Save that also writes
// 100 pictures given in the Tile Art window, beside a Save without any. The fill is timed on a classic file's 16384 lines and on a newer
// file's 65536: it must grow no faster than the lines do. And, without a
// window, the filter of a grid of tile pictures over a newer file's 65536
// tiles, beside the plain pass over their names.

#include "BenchedEditor.h"
#include "FileSystemCalls.h"
#include "GameFolder.h"
#include "NoSyncCalls.h"
#include "ListLine.h"
#include "TestArtFiles.h"
#include "TileDataFile.h"
#include "TilePictureFilter.h"
#include "VerDataFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

using Editor = BenchedEditor;

// Made on first use and destroyed by main, before the application object:
// a dialog must not outlive it.
std::unique_ptr<Editor> g_editor, g_newerEditor;

Editor& TheEditor(const TileDataLayout& layout = kClassicLayout)
{
    std::unique_ptr<Editor>& editor = &layout == &kNewerLayout ? g_newerEditor : g_editor;
    if (!editor)
        editor = std::make_unique<Editor>(layout);
    return *editor;
}

void BM_FillList(benchmark::State& state)
{
    Editor& e = TheEditor();
    for (auto _ : state)
        e.dialog->FillList();
}

void BM_FillListNewer(benchmark::State& state)
{
    Editor& e = TheEditor(kNewerLayout);
    for (auto _ : state)
        e.dialog->FillList();
    if (e.dialog->m_list.GetCount() != kMaxStaticTileCount)
        state.SkipWithError("the newer file's list does not hold every tile");
}

void BM_FillPlainListWidget(benchmark::State& state)
{
    Editor& e = TheEditor();
    QListWidget list;
    list.setSortingEnabled(true);
    list.show();
    for (auto _ : state) {
        list.clear();
        for (int i = 0; i < kMinStaticTileCount; ++i)
            list.addItem(QString::fromLatin1(FormatListLine(i, e.dialog->m_table[i])));
    }
}

void BM_Selection(benchmark::State& state)
{
    Editor& e = TheEditor();
    int line = 0;
    for (auto _ : state) {
        line = line == kSampleWallpaperTile ? kSampleHeavyTile : kSampleWallpaperTile;
        e.dialog->m_list.SetCurSel(line);
        e.dialog->SendNotification(Notification::ListSelChange, IDC_LIST);
    }
}

// The selection, and the Tile Art window's update: the picture decoded from
// the sample's art, composed, painted, and its line set.
void BM_SelectionWithTileArt(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.dialog->SendSysCommand(IDM_TILEART);
    QWidget* image = NativeControl(e.dialog->m_tileArt, IDC_TILE_IMAGE);
    int line = kSampleHeavyTile;
    for (auto _ : state) {
        line = line == kSampleWallpaperTile ? kSampleHeavyTile : kSampleWallpaperTile;
        e.dialog->m_list.SetCurSel(line);
        e.dialog->SendNotification(Notification::ListSelChange, IDC_LIST);
        image->repaint();
    }
    if (e.dialog->m_tileArt.m_image.GetScale() == 0)
        state.SkipWithError("the sample's tile shows no picture");
    e.dialog->m_tileArt.ShowWindow(SW_HIDE);
}

// A static entry of 300 x 300 pixels: each row a run of 200 (the row table
// cannot reach further into a picture filled to its edges), half of them grey.
std::vector<std::uint8_t> LargePictureEntry()
{
    constexpr int kSide = 300, kRun = 200;
    return StaticEntryOfOneRunARow(kSide, kSide, (kSide - kRun) / 2, kRun, [](int column, int y) {
        const int x = column - (kSide - kRun) / 2;
        const int level = (x + y) % 31 + 1;
        return x % 2 ? level << 10 | level << 5 | level : level << 10 | (31 - level) << 5 | 7;
    });
}

// A step of the Tile Art window's Hue box with a 300 x 300 picture shown:
// the picture decoded again through the next hue, composed and painted.
void BM_HueStepWithTileArt(benchmark::State& state)
{
    Editor& e = TheEditor();
    TestArtFiles art;
    art.AddStaticEntry(kSampleWallpaperTile, LargePictureEntry());
    const std::string large = e.folder.File("large");
    std::filesystem::create_directories(large);
    // Google Benchmark runs this more than once: the folder is laid again over itself.
    const auto over = std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy_file(e.tileData, large + "/" + kSampleTileDataName, over);
    std::filesystem::copy_file(e.folder.File("hues.mul"), large + "/hues.mul", over);
    art.Write(large);
    e.files.path = large + "/" + kSampleTileDataName;
    QTest::mouseClick(NativeControl(*e.dialog, IDC_LOAD), Qt::LeftButton);
    e.dialog->m_list.SetCurSel(kSampleWallpaperTile);
    e.dialog->SendNotification(Notification::ListSelChange, IDC_LIST);
    e.dialog->SendSysCommand(IDM_TILEART);
    CTileArtDlg& window = e.dialog->m_tileArt;
    QWidget* image = NativeControl(window, IDC_TILE_IMAGE);
    window.SetItemText(IDC_HUE_NUMBER, u"1");
    int steps = 0;
    for (auto _ : state) {
        window.StepItem(IDC_HUE_NUMBER, ++steps % 2 ? 1 : -1);
        image->repaint();
    }
    if (window.m_image.GetScale() == 0 || window.GetItemText(IDC_HUE_NAME).empty())
        state.SkipWithError("no hued picture shown");
    window.ShowWindow(SW_HIDE);
    // The other benchmarks' editor is on the sample again; the folder of the
    // large picture has no patch file, which its Load said, as it should.
    e.files.path = e.tileData;
    QTest::mouseClick(NativeControl(*e.dialog, IDC_LOAD), Qt::LeftButton);
    e.messages.shown.clear();
}

void BM_LoadCommand(benchmark::State& state)
{
    Editor& e = TheEditor();
    for (auto _ : state)
        QTest::mouseClick(NativeControl(*e.dialog, IDC_LOAD), Qt::LeftButton);
    if (!e.messages.shown.empty())
        state.SkipWithError("the load showed a message");
}

void BM_StoreLoad(benchmark::State& state)
{
    Editor& e = TheEditor();
    auto table = std::make_unique<StaticTileTable>();
    for (auto _ : state) {
        LoadGameFolder(*table, e.tileData);
    }
}

void BM_SaveCommand(benchmark::State& state)
{
    Editor& e = TheEditor();
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope(noSync);
    for (auto _ : state)
        QTest::mouseClick(NativeControl(*e.dialog, IDC_SAVE), Qt::LeftButton);
    if (!e.messages.shown.empty())
        state.SkipWithError("the save showed a message");
}

// Save with 100 pending pictures of 44 x 80, each a different one, for
// static tiles 0100-0163: the tile data as ever, then the pictures appended
// to the art file and their index entries rewritten.
void BM_SaveCommandWithPictures(benchmark::State& state)
{
    Editor& e = TheEditor();
    constexpr int kPictures = 100, kFirstTile = 0x100, kWidth = 44, kHeight = 80;
    std::vector<ArtPixels> pictures;
    for (int i = 0; i < kPictures; ++i) {
        ArtImage image{kWidth, kHeight, std::vector<std::uint8_t>(kWidth * kHeight * 4, 0)};
        for (int y = 0; y < kHeight; ++y)
            for (int x = (y + i) % 7; x < kWidth - y % 5; ++x) {
                std::uint8_t* pixel = &image.rgba[(static_cast<std::size_t>(y) * kWidth + x) * 4];
                pixel[0] = static_cast<std::uint8_t>(x * 5 + i), pixel[1] = static_cast<std::uint8_t>(y * 3);
                pixel[2] = static_cast<std::uint8_t>(i * 2), pixel[3] = 255;
            }
        pictures.push_back(PixelsFromImage(image));
    }
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope(noSync);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < kPictures; ++i)
            e.dialog->m_pendingPictures.Replace(kFirstTile + i, pictures[i]);
        state.ResumeTiming();
        QTest::mouseClick(NativeControl(*e.dialog, IDC_SAVE), Qt::LeftButton);
    }
    if (!e.messages.shown.empty() || !e.dialog->m_pendingPictures.IsEmpty())
        state.SkipWithError("the save showed a message or left pictures pending");
}

void BM_StoreSave(benchmark::State& state)
{
    Editor& e = TheEditor();
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope(noSync);
    for (auto _ : state) {
        SaveTileData(e.dialog->m_table, e.tileData);
        SaveVerData(e.dialog->m_table, e.verData);
    }
}

void BM_NameKeystroke(benchmark::State& state)
{
    Editor& e = TheEditor();
    e.dialog->m_list.SetCurSel(kSampleWallpaperTile);
    e.dialog->SendNotification(Notification::ListSelChange, IDC_LIST);
    auto* name = static_cast<QLineEdit*>(NativeControl(*e.dialog, IDC_NAME));
    name->setFocus();
    name->end(false);
    bool grow = true;
    for (auto _ : state) {
        QTest::keyClick(name, grow ? Qt::Key_S : Qt::Key_Backspace);
        grow = !grow;
    }
}

void BM_StoreName(benchmark::State& state)
{
    StaticTileEntry entry;
    bool grow = true;
    for (auto _ : state) {
        SetTileName(entry, grow ? "wallpapers" : "wallpaper");
        benchmark::DoNotOptimize(entry);
        grow = !grow;
    }
}

// A text no name holds, so that every name is looked at.
constexpr std::string_view kMissingName = "no such tile name";

void BM_FindMissNewer(benchmark::State& state)
{
    Editor& e = TheEditor(kNewerLayout);
    e.dialog->m_findText = std::u16string(kMissingName.begin(), kMissingName.end());  // ASCII
    for (auto _ : state) {
        e.dialog->SendSysCommand(IDM_FINDNEXT);
        e.messages.shown.clear();
    }
    e.dialog->SendSysCommand(IDM_FINDNEXT);
    if (e.messages.shown.size() != 1 || e.dialog->m_list.GetCount() != kMaxStaticTileCount)
        state.SkipWithError("the search did not miss over every tile of the newer file");
    e.messages.shown.clear();
}

void BM_PlainNamePass(benchmark::State& state)
{
    Editor& e = TheEditor(kNewerLayout);
    for (auto _ : state) {
        int found = -1;
        for (int i = 0; i < e.dialog->m_table.count && found < 0; ++i)
            if (TileName(e.dialog->m_table[i]).find(kMissingName) != std::string_view::npos)
                found = i;
        benchmark::DoNotOptimize(found);
    }
}

// A newer sample's tiles and art, loaded by the store alone: the filter
// needs no window.
struct NewerTiles {
    NewerTiles()
    {
        WriteSampleGameFolder(folder.Path(), kNewerLayout);
        loaded = LoadGameFolder(*table, folder.File(kSampleTileDataName)).result == GameFolderLoad::Result::kLoaded;
        art = ArtFolder::Load(folder.File(kSampleTileDataName));
    }
    TempFolder folder;
    std::unique_ptr<StaticTileTable> table = std::make_unique<StaticTileTable>();
    ArtFolder art;
    bool loaded = false;
};

// A change of each filter in turn, as a user's clicks make them: every one
// looks at all 65536 tiles.
void BM_FilterTilePicturesNewer(benchmark::State& state)
{
    static const NewerTiles tiles;
    if (!tiles.loaded || tiles.table->count != kMaxStaticTileCount) {
        state.SkipWithError("the newer sample does not load");
        return;
    }
    const TilePictureFilter filters[] = {
        {TilePictureShow::kFreeSlots, u"", -1},
        {TilePictureShow::kWithArt, u"Stone Wall", -1},
        {TilePictureShow::kWithoutArt, u"", 40},
        {TilePictureShow::kAll, u"e", 7},
    };
    const TileHasArt hasArt = StaticTileArtIn(tiles.art);
    std::vector<int> shown;
    std::size_t filter = 0;
    for (auto _ : state) {
        FilterTilePictures(std::span(tiles.table->begin(), tiles.table->end()), hasArt, filters[filter], shown);
        benchmark::DoNotOptimize(shown.data());
        filter = (filter + 1) % std::size(filters);
    }
}

BENCHMARK(BM_FillList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillListNewer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillPlainListWidget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Selection)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionWithTileArt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HueStepWithTileArt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCommandWithPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NameKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoreName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindMissNewer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainNamePass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTilePicturesNewer)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunEditorBenchmarks(argc, argv,
                                               {{"BM_FillListNewer", "BM_FillList", 5},
                                                {"BM_FillPlainListWidget", "BM_FillList", 0},
                                                {"BM_LoadCommand", "BM_StoreLoad", 0},
                                                {"BM_SaveCommand", "BM_StoreSave", 0},
                                                {"BM_SaveCommandWithPictures", "BM_SaveCommand", 0},
                                                {"BM_NameKeystroke", "BM_StoreName", 0},
                                                {"BM_SelectionWithTileArt", "BM_Selection", 0},
                                                {"BM_FindMissNewer", "BM_PlainNamePass", 2},
                                                {"BM_FilterTilePicturesNewer", "BM_PlainNamePass", 0}},
                                               {{"BM_FillList", 5},
                                                {"BM_FillListNewer", 15},
                                                {"BM_Selection", 1},
                                                {"BM_SelectionWithTileArt", 2},
                                                {"BM_HueStepWithTileArt", 2},
                                                {"BM_LoadCommand", 30},
                                                {"BM_SaveCommand", 20},
                                                {"BM_NameKeystroke", 1},
                                                {"BM_FindMissNewer", 5},
                                                {"BM_FilterTilePicturesNewer", 10}},
                               [] {
                                   g_editor.reset();
                                   g_newerEditor.reset();
                               });
}
