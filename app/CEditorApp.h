#pragma once

#include "CWinApp.h"

// The application: runs the editor once, modally, and ends when it closes;
// the file named on the command line, if any, loaded in it at the start.
// "--help" and "--version" answer with their text instead, and no window.
class CEditorApp : public CWinApp {
public:
    CEditorApp();
    bool InitApplication() override;
    bool InitInstance() override;
    DECLARE_COMMAND_MAP()
};

// Runs the About box over the active window.
void ShowAboutBox();
