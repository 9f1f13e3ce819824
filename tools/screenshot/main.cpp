// quarnel-screenshot OUT.png GAMEDIR [ART.png]: shows the editor with
// GAMEDIR's tile-data file loaded and one tile selected, and saves what the
// screen shows of its window; with ART.png, also opens the Tile Art window
// beside it and saves both windows together. Run it on a real X server
// (tools/screenshot.sh).

#include "CEditorDlg.h"
#include "GameFolder.h"
#include "NativeWindow.h"
#include "Resources.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: quarnel-screenshot OUT.png GAMEDIR [ART.png]\n");
        return 2;
    }
    QApplication application(argc, argv);
    AfxSetResourceHandle(QuarnelResources());

    auto dialog = std::make_unique<CEditorDlg>();
    dialog->Create();
    const std::string tileData = std::string(argv[2]) + "/tiledata.mul";
    // The picture is of a whole game folder: both files must load.
    const GameFolderLoad load = LoadGameFolder(dialog->m_table, tileData);
    const CFileException* problem = nullptr;
    if (load.result == GameFolderLoad::Result::kTileDataRefused)
        problem = &load.tileDataFailure.cause;
    else if (load.result == GameFolderLoad::Result::kFileError)
        problem = &load.fileError;
    else if (!load.patchFileLoaded)
        problem = &load.patchFileFailure.cause;
    if (problem) {
        std::fprintf(stderr, "quarnel-screenshot: %s\n", problem->GetErrorMessage().c_str());
        return 1;
    }
    dialog->FillList();
    constexpr int kShownTile = 5;
    dialog->m_list.SetCurSel(kShownTile);
    dialog->SendNotification(Notification::ListSelChange, IDC_LIST);
    QDialog& window = NativeDialog(*dialog);
    window.show();
    const bool withArt = argc == 4;
    if (withArt) {
        dialog->m_tileArt.LoadArt(tileData);
        dialog->SendSysCommand(IDM_TILEART);
    }

    int status = 1;
    QTimer::singleShot(1500, [&] {
        const QPixmap shot = window.screen()->grabWindow(window.winId());
        status = shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        if (withArt && status == 0) {
            const QRect both = window.frameGeometry().united(NativeDialog(dialog->m_tileArt).frameGeometry());
            const QPixmap pair = window.screen()->grabWindow(0, both.x(), both.y(), both.width(), both.height());
            status = pair.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
