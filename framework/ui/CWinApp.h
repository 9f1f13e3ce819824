#pragma once

#include "CCommandLineInfo.h"
#include "CommandMap.h"
#include "WindowTypes.h"

#include <string>
#include <vector>

// The one application object. The framework's entry point hands it the
// command line, calls InitApplication before the window system is set up
// and InitInstance after, and ends the program when either returns false.
class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Work that needs no window: a program that only answers its command
    // line (its usage, its version) returns false and ends there, status 0,
    // on a machine without a display too.
    virtual bool InitApplication();
    virtual bool InitInstance();
    // Hands the arguments after the program's name to info, one by one.
    void ParseCommandLine(CCommandLineInfo& info) const;
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
    // As the entry point found them: the program file's name as started,
    // without folder and extension, and the arguments after it, in UTF-8.
    std::string m_exeName;
    std::vector<std::string> m_arguments;
};

CWinApp* AfxGetApp();

// The program's entry, called by the framework's main or WinMain: sets up
// the window system, runs the application object's initialisation and
// returns the process's exit status. Each backend has its own.
int AfxWinMain(int argc, char** argv);

// The text a program answers on its command line, such as its usage: on
// standard output where the program runs from a terminal (Linux), in a
// message box with the information icon where a windowed program has none
// (Windows). Needs no window system set up.
void AfxShowCommandLineText(const std::string& text);
