#pragma once

#include "CWinApp.h"

// The application: runs the editor once, modally, and ends when it closes.
class CEditorApp : public CWinApp {
public:
    CEditorApp();
    bool InitInstance() override;
    DECLARE_COMMAND_MAP()
};

// Runs the About box over the active window.
void ShowAboutBox();
