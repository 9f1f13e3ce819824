#include "CWinApp.h"

#include "CDialog.h"
#include "ResourceModule.h"

#include <QApplication>

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

int AfxWinMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (app->m_pszAppName)
        QApplication::setApplicationName(QString::fromLatin1(app->m_pszAppName));
    QApplication::setApplicationVersion(QString::fromStdString(AfxGetVersion()));
    if (!app->InitInstance())
        return 0;  // the program did its work in its initialisation
    return QApplication::exec();
}
