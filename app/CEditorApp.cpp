#include "CEditorApp.h"

#include "CAboutDlg.h"
#include "CEditorDlg.h"
#include "Resources.h"

#include <memory>

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

bool CEditorApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    // Held on the heap: the dialog carries the whole tile table.
    auto dialog = std::make_unique<CEditorDlg>(&ShowAboutBox);
    m_pMainWnd = dialog.get();
    dialog->DoModal();
    m_pMainWnd = nullptr;

    // The editor has closed: end the program rather than enter a message loop.
    return false;
}
