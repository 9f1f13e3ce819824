// The Win32 picture grid: one screen of cells (a grid 1000 x 800 pixels in a
// resizable window, 65536 cells of 44 x 44 pictures held in memory) composed,
// painted, and scrolled by a screen and painted, beside the copy of one
// composed screen to the window alone, in one run. Run under Wine (make
// bench-windows); as list_fill_bench, it times its own repetitions and
// reports the median.

#include "CDialog.h"
#include "CPictureGridCtrl.h"
#include "MedianTime.h"
#include "NativeWindow.h"
#include "ResourceModule.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kDialogId = 100, kGrid = 10;
constexpr int kGridWidth = 1000, kGridHeight = 800, kCells = 65536;

using enum ControlKind;
using namespace Style;
constexpr DialogItemTemplate kItems[] = {
    {PictureGrid, kGrid, "Tile pictures", 0, 0, 100, 100, kTabStop},
};
constexpr DialogTemplate kDialogs[] = {
    {kDialogId, "Grid", "MS Sans Serif", 8, 120, 120, kPopup | kThickFrame, kItems},
};
const ResourceModule kResources = {kDialogs, {}, nullptr, "1.0.0.1"};

// Pictures as art holds them: opaque pixels on a clear ground, of sizes up
// to a whole cell, a few of them repeated.
class MemorySource final : public PictureGridSource {
public:
    MemorySource()
    {
        const std::array<int, 4> sides = {44, 44, 30, 22};
        for (std::size_t i = 0; i < m_pictures.size(); ++i) {
            const int side = sides[i];
            std::vector<std::uint8_t>& rgba = m_pictures[i];
            rgba.resize(static_cast<std::size_t>(side) * side * 4);
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    std::uint8_t* pixel = rgba.data() + (static_cast<std::size_t>(y) * side + x) * 4;
                    const bool inside = std::abs(x - side / 2) + std::abs(y - side / 2) <= side / 2;
                    pixel[0] = static_cast<std::uint8_t>(x * 5 + i * 40);
                    pixel[1] = static_cast<std::uint8_t>(y * 5);
                    pixel[2] = static_cast<std::uint8_t>(90 + i * 30);
                    pixel[3] = inside ? 255 : 0;
                }
        }
    }
    GridPicture CellPicture(int cell) override
    {
        const std::size_t which = static_cast<std::size_t>(cell) % m_pictures.size();
        const int side = static_cast<int>(std::sqrt(m_pictures[which].size() / 4));
        return {GridPicture::Kind::kPicture, side, side, m_pictures[which]};
    }
    std::u16string CellLabel(int cell) override
    {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", cell);
        return {text, text + 4};
    }

private:
    std::array<std::vector<std::uint8_t>, 4> m_pictures;
};

class GridDialog final : public CDialog {
public:
    GridDialog() : CDialog(kDialogId) {}
    CPictureGridCtrl grid;

protected:
    bool OnInitDialog() override
    {
        grid.SubclassDlgItem(kGrid, this);
        return CDialog::OnInitDialog();
    }
};

} // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    AfxSetResourceHandle(kResources);
    MemorySource source;
    GridDialog dialog;
    dialog.Create();
    const HWND window = NativeWindow(dialog), control = NativeControl(dialog, kGrid);

    // The grid's client area 1000 x 800 beside its scroll bar, its top left
    // corner at the screen's, so that every cell painted is in view.
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    RECT frame{0, 0, kGridWidth + barWidth, kGridHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER);
    dialog.MoveItem(kGrid, {0, 0, kGridWidth + barWidth, kGridHeight});
    dialog.grid.SetSource(&source);
    dialog.grid.SetCellCount(kCells);
    dialog.ShowWindow(SW_SHOW);
    UpdateWindow(window);
    RECT client{};
    GetClientRect(control, &client);

    const double compose = MedianMilliseconds(repetitions, [&] { (void)dialog.grid.ComposeFrame(); });
    const auto paint = [&] {
        InvalidateRect(control, nullptr, FALSE);
        UpdateWindow(control);
    };
    const double painted = MedianMilliseconds(repetitions, paint);
    const double scrolled = MedianMilliseconds(repetitions, [&] {
        const int next = dialog.grid.GetTopRow() + dialog.grid.GetRowsInView();
        dialog.grid.ScrollToRow(next > dialog.grid.GetLastTopRow() ? 0 : next);
        UpdateWindow(control);
    });
    // The baseline: a composed screen's pixels copied to the window, no more.
    const GridFrame composed = dialog.grid.ComposeFrame();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = composed.image.width;
    info.bmiHeader.biHeight = -composed.image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC dc = GetDC(control);
    const double copied = MedianMilliseconds(repetitions, [&] {
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(composed.image.width), static_cast<DWORD>(composed.image.height),
                          0, 0, 0, static_cast<UINT>(composed.image.height), composed.image.pixels.data(), &info,
                          DIB_RGB_COLORS);
        GdiFlush();
    });
    ReleaseDC(control, dc);

    const int cellsDrawn = static_cast<int>(composed.labels.size());
    std::printf("grid %ld x %ld pixels, %d columns, %d whole rows in view, %d cells drawn a screen, %d cells\n\n",
                client.right, client.bottom, dialog.grid.GetColumnCount(), dialog.grid.GetRowsInView(), cellsDrawn,
                kCells);
    std::printf("%-48s %12s\n", "measured (median of runs)", "time (ms)");
    std::printf("%-48s %12.2f\n", "a screen of cells composed", compose);
    std::printf("%-48s %12.2f\n", "a screen of cells painted", painted);
    std::printf("%-48s %12.2f\n", "a screen scrolled and painted", scrolled);
    std::printf("%-48s %12.2f\n", "a composed screen copied to the window", copied);
    std::printf("\n%-48s %-40s %8s\n", "measured", "baseline", "ratio");
    std::printf("%-48s %-40s %8.2f\n", "a screen of cells painted", "a composed screen copied to the window",
                painted / copied);
    std::printf("%-48s %-40s %8.2f\n", "a screen scrolled and painted", "a screen of cells painted", scrolled / painted);
    std::printf("\n%-48s %12.2f %s 50.0 ms\n", "a screen scrolled and painted", scrolled,
                scrolled <= 50.0 ? "<=" : "MISSED >");
    const bool whole = client.right == kGridWidth && client.bottom == kGridHeight && cellsDrawn > 0;
    return whole ? 0 : 1;
}
