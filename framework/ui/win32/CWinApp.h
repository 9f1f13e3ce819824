#pragma once

#include "CommandMap.h"
#include "WindowTypes.h"

// The one application object. The framework's WinMain sets the application
// up, calls InitInstance once, and ends the program when it returns false.
class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    // Routes a command through the application's command map; true when handled.
    virtual bool OnCmdMsg(int id);

    // The framework's default help handler. With no help file to open, it
    // offers what the main window's own menu says about the program.
    void OnHelp();

    // Accepted, no effect: the system's controls look as the system draws them.
    void Enable3dControls() {}
    void AfxEnableControlContainer() {}

    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName;
};

CWinApp* AfxGetApp();

// The program's entry, called by the framework's WinMain: sets up the
// common controls, runs the application object's initialisation and
// returns the process's exit status.
int AfxWinMain();
