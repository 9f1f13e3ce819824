#include "CEditorApp.h"

#include "CAboutDlg.h"
#include "CEditorDlg.h"
#include "Resources.h"

#include <memory>
#include <string>

namespace {

std::string UsageText(const std::string& programName)
{
    return "usage: " + programName + " [TILEDATA]\n"
           "\n"
           "Edits the static tiles of a game's tile-data file (tiledata.mul). Started with\n"
           "TILEDATA, the editor loads it as Load would (a relative path is taken from the\n"
           "current folder) and shows its first tile; without it, the editor starts empty.\n"
           "\n"
           "  --help     shows this text\n"
           "  --version  shows the version\n";
}

} // namespace

BEGIN_COMMAND_MAP(CEditorApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_COMMAND_MAP()

CEditorApp::CEditorApp() : CWinApp("Quarnel")
{
    AfxSetResourceHandle(QuarnelResources());
}

void ShowAboutBox()
{
    CAboutDlg about;
    about.DoModal();
}

bool CEditorApp::InitApplication()
{
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (commandLine.m_nShellCommand == CCommandLineInfo::AppHelp) {
        AfxShowCommandLineText(UsageText(m_exeName));
        return false;
    }
    if (commandLine.m_nShellCommand == CCommandLineInfo::AppVersion) {
        AfxShowCommandLineText(m_exeName + " " + AfxGetVersion() + "\n");
        return false;
    }
    return true;
}

bool CEditorApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    // Read again: the window system, set up since, may have taken options of its own.
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    // Held on the heap: the dialog carries the whole tile table.
    auto dialog = std::make_unique<CEditorDlg>(&ShowAboutBox);
    if (commandLine.m_nShellCommand == CCommandLineInfo::FileOpen)
        dialog->LoadAtStart(commandLine.m_strFileName);
    m_pMainWnd = dialog.get();
    dialog->DoModal();
    m_pMainWnd = nullptr;

    // The editor has closed: end the program rather than enter a message loop.
    return false;
}
