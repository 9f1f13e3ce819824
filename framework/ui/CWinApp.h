#pragma once

#include "CommandMap.h"
#include "WindowTypes.h"

// The one application object. The framework's entry point sets the
// application up, calls InitInstance once, and ends the program when it
// returns false.
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

    // Accepted, no effect (see Afx.h).
    void Enable3dControls() {}
    void AfxEnableControlContainer() {}

    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName;
};

CWinApp* AfxGetApp();

// The program's entry, called by the framework's main or WinMain: sets up
// the window system, runs the application object's initialisation and
// returns the process's exit status. Each backend has its own.
int AfxWinMain(int argc, char** argv);
