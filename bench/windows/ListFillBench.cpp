// The editor's list fill and Load command on the Win32 backend, beside a
// fill that adds each line with one sorted LB_ADDSTRING, as a list box
// with the sorted style does unaided, in one run; and the fill of a newer
// file's 65536 lines beside that of a classic file's 16384; and a selection
// with the Tile Art window open (its picture decoded, composed and painted)
// beside one without. Run under Wine (make bench-windows). Google Benchmark is not among the packages that can be
// cross-built here, so this program times its own repetitions and reports
// the median, with the same ratio-and-target lines as the other benchmarks.

#include "CEditorDlg.h"
#include "DialogServiceStandIns.h"
#include "ListLine.h"
#include "MedianTime.h"
#include "NativeWindow.h"
#include "Resources.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Exposes the dialog's commands to the benchmark.
class BenchEditor final : public CEditorDlg {
public:
    void Load() { SendNotification(Notification::ButtonClicked, IDC_LOAD); }
};

} // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    AfxSetResourceHandle(QuarnelResources());
    TempFolder folder;
    WriteSampleGameFolder(folder.Path() / "classic");
    WriteSampleGameFolder(folder.Path() / "newer", kNewerLayout);
    DialogStandIns services;
    services.files.path = (folder.Path() / "newer" / kSampleTileDataName).string();

    double newerFill = 0;
    bool newerWhole = false;
    {
        // On the heap: the editor holds the whole tile table.
        auto newerEditor = std::make_unique<BenchEditor>();
        newerEditor->Create();
        ShowWindow(NativeWindow(*newerEditor), SW_SHOW);
        newerEditor->Load();
        newerFill = MedianMilliseconds(std::max(1, repetitions / 3), [&] { newerEditor->FillList(); });
        newerWhole = newerEditor->m_list.GetCount() == kMaxStaticTileCount;
    }

    services.files.path = (folder.Path() / "classic" / kSampleTileDataName).string();
    auto editorOnHeap = std::make_unique<BenchEditor>();
    BenchEditor& editor = *editorOnHeap;
    editor.Create();
    ShowWindow(NativeWindow(editor), SW_SHOW);
    editor.Load();
    const HWND list = NativeControl(editor, IDC_LIST);

    const double fill = MedianMilliseconds(repetitions, [&] { editor.FillList(); });
    const double load = MedianMilliseconds(repetitions, [&] { editor.Load(); });
    // Redraw off here too, so that the ratio is what the sorting costs.
    const double sortedAdds = MedianMilliseconds(std::max(1, repetitions / 5), [&] {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < kMinStaticTileCount; ++i) {
            const std::string line = FormatListLine(i, editor.m_table[i]);
            const std::wstring wide(line.begin(), line.end());
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    });

    int line = kSampleHeavyTile;
    const auto select = [&] {
        line = line == kSampleWallpaperTile ? kSampleHeavyTile : kSampleWallpaperTile;
        editor.m_list.SetCurSel(line);
        editor.SendNotification(Notification::ListSelChange, IDC_LIST);
    };
    const double selection = MedianMilliseconds(repetitions * 10, select);
    editor.SendSysCommand(IDM_TILEART);
    const HWND picture = NativeControl(editor.m_tileArt, IDC_TILE_IMAGE);
    const double selectionWithArt = MedianMilliseconds(repetitions * 10, [&] {
        select();
        UpdateWindow(picture);  // painted now, not when the queue is next read
    });
    const bool pictured = editor.m_tileArt.m_image.GetScale() > 0;

    std::printf("%-44s %12s\n", "measured (median of runs)", "time (ms)");
    std::printf("%-44s %12.2f\n", "the editor's list fill", fill);
    std::printf("%-44s %12.2f\n", "the editor's list fill, 65536 lines", newerFill);
    std::printf("%-44s %12.2f\n", "one sorted LB_ADDSTRING per line", sortedAdds);
    std::printf("%-44s %12.2f\n", "the Load command (file, patches, fill)", load);
    std::printf("%-44s %12.3f\n", "a selection", selection);
    std::printf("%-44s %12.3f\n", "a selection, the Tile Art window open", selectionWithArt);
    std::printf("\n%-44s %-34s %8s\n", "measured", "baseline", "ratio");
    std::printf("%-44s %-34s %8.2f\n", "one sorted LB_ADDSTRING per line", "the editor's list fill", sortedAdds / fill);
    std::printf("%-44s %-34s %8.2f %s 5.00\n", "the editor's list fill, 65536 lines", "the editor's list fill",
                newerFill / fill, newerFill / fill <= 5.0 ? "<=" : "MISSED >");
    std::printf("%-44s %-34s %8.2f\n", "a selection, the Tile Art window open", "a selection",
                selectionWithArt / selection);
    std::printf("\n%-44s %12.2f %s 100.0 ms\n", "the editor's list fill", fill, fill <= 100.0 ? "<=" : "MISSED >");
    return services.messages.shown.empty() && newerWhole && pictured && editor.m_list.GetCount() == kMinStaticTileCount ? 0 : 1;
}
