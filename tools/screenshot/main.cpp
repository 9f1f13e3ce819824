// quarnel-screenshot OUT.png GAMEDIR [ART.png [HUE]]: shows the editor with
// GAMEDIR's tile-data file loaded and one tile selected, and saves what the
// screen shows of its window; with ART.png, also opens the Tile Art window
// beside it, its picture drawn through HUE when given, and saves both
// windows together. quarnel-screenshot OUT.png GAMEDIR --pictures PICTURES.png
// opens the Tile Pictures window instead, under the editor, and saves the
// two together. Run it on a real X server (tools/screenshot.sh).

#include "CEditorDlg.h"
#include "CFileDialog.h"
#include "MessageBox.h"
#include "NativeWindow.h"
#include "Resources.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace {

// The editor's Load asks for this file and is answered at once.
class AnsweredFileDialog final : public FileDialogService {
public:
    explicit AnsweredFileDialog(std::string path) : m_path(std::move(path)) {}
    std::optional<std::string> ChooseFile(const FileDialogRequest&) override { return m_path; }

private:
    std::string m_path;
};

// What the editor would have shown in a message box: the picture is of a
// whole game folder, so any message means it cannot be taken.
class FirstMessage final : public MessageBoxService {
public:
    void Show(const std::string& text, const std::string&, MessageIcon) override
    {
        if (!shown)
            shown = text;
    }
    std::optional<std::string> shown;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: quarnel-screenshot OUT.png GAMEDIR [ART.png [HUE] | --pictures PICTURES.png]\n");
        return 2;
    }
    QApplication application(argc, argv);
    AfxSetResourceHandle(QuarnelResources());

    auto dialog = std::make_unique<CEditorDlg>();
    dialog->Create();
    // Loaded as a user loads it, so the window takes the shape the file's layout gives it.
    AnsweredFileDialog fileDialog(std::string(argv[2]) + "/tiledata.mul");
    FirstMessage messages;
    {
        const ScopedFileDialogService fileDialogScope(fileDialog);
        const ScopedMessageBoxService messageScope(messages);
        dialog->SendNotification(Notification::ButtonClicked, IDC_LOAD);
    }
    if (messages.shown || dialog->m_path.empty()) {
        std::fprintf(stderr, "quarnel-screenshot: %s\n", messages.shown.value_or("nothing loaded").c_str());
        return 1;
    }
    const bool withPictures = argc == 5 && std::string(argv[3]) == "--pictures";
    // Through a hue, the sample's torch: it has no Partial Hue, so all of it takes the hue.
    constexpr int kShownTile = 5, kHuedTile = 0x0B;
    dialog->m_list.SetCurSel(argc == 5 && !withPictures ? kHuedTile : kShownTile);
    dialog->SendNotification(Notification::ListSelChange, IDC_LIST);
    QDialog& window = NativeDialog(*dialog);
    window.show();
    const bool withArt = argc >= 4 && !withPictures;
    if (withArt)
        dialog->SendSysCommand(IDM_TILEART);
    QDialog& other = withPictures ? NativeDialog(dialog->m_tilePictures) : NativeDialog(dialog->m_tileArt);
    const char* pairPath = withPictures ? argv[4] : argc >= 4 ? argv[3] : nullptr;
    if (withPictures)
        dialog->SendSysCommand(IDM_TILEPICTURES);
    if (argc == 5 && !withPictures) {
        const std::string hue = argv[4];
        dialog->m_tileArt.SetItemText(IDC_HUE_NUMBER, std::u16string(hue.begin(), hue.end()));
    }

    int status = 1;
    QTimer::singleShot(1500, [&] {
        const QPixmap shot = window.screen()->grabWindow(window.winId());
        status = shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        if (pairPath && status == 0) {
            const QRect both = window.frameGeometry().united(other.frameGeometry());
            const QPixmap pair = window.screen()->grabWindow(0, both.x(), both.y(), both.width(), both.height());
            status = pair.save(QString::fromLocal8Bit(pairPath)) ? 0 : 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
