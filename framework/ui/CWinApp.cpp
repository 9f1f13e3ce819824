#include "CWinApp.h"

#include "CDialog.h"

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

bool CWinApp::InitApplication()
{
    return true;
}

bool CWinApp::InitInstance()
{
    return true;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const
{
    for (const std::string& argument : m_arguments)
        info.ParseParam(argument);
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
