#pragma once

// What the Qt benches of the editor share: the editor shown on Qt's
// offscreen platform with a sample folder loaded by its Load button, and
// the program's start and end around the benchmarks.

#include "CEditorDlg.h"
#include "DialogServiceStandIns.h"
#include "NativeWindow.h"
#include "RatioReporter.h"
#include "Resources.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"

#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The editor with a sample folder of `layout` loaded, as a click on Load loads it.
struct BenchedEditor : DialogStandIns {
    explicit BenchedEditor(const TileDataLayout& layout)
    {
        WriteSampleGameFolder(folder.Path(), layout);
        files.path = tileData;
        dialog->Create();
        NativeDialog(*dialog).show();
        Load();
    }
    void Load() { QTest::mouseClick(NativeControl(*dialog, IDC_LOAD), Qt::LeftButton); }

    TempFolder folder;
    std::string tileData = folder.File(kSampleTileDataName);
    std::string verData = folder.File(kSampleVerDataName);
    // On the heap: the editor holds the whole tile table.
    std::unique_ptr<CEditorDlg> dialog = std::make_unique<CEditorDlg>();
};

// Runs the benchmarks with their ratios and limits on Qt's offscreen
// platform (unless told another), the program's resources handed over;
// `beforeTheEnd` then destroys what the benchmarks made while the
// application object lives, since no dialog may outlive it.
inline int RunEditorBenchmarks(int argc, char** argv, std::vector<RatioReporter::Ratio> ratios,
                               std::vector<RatioReporter::Limit> limits, const std::function<void()>& beforeTheEnd)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    AfxSetResourceHandle(QuarnelResources());
    const int status = RunBenchmarksWithRatios(argc, argv, std::move(ratios), std::move(limits));
    beforeTheEnd();
    return status;
}
