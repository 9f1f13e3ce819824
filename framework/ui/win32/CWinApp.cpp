#include "CWinApp.h"

#include "CDialog.h"

#include <commctrl.h>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

bool CWinApp::InitInstance()
{
    return true;
}

bool CWinApp::OnCmdMsg(int)
{
    return false;
}

void CWinApp::OnHelp()
{
    auto* dialog = dynamic_cast<CDialog*>(m_pMainWnd);
    if (!dialog)
        return;
    if (const unsigned command = dialog->FirstProgramSystemCommand())
        dialog->SendSysCommand(command);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    const INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!app->InitInstance())
        return 0;  // the program did its work in its initialisation
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
