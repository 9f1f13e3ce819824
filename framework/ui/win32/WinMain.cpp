// The framework's entry point: the program defines only its application object.
#include "CWinApp.h"
#include "CommandLine.h"
#include "MessageBox.h"
#include "SystemHeaders.h"

#include <cstdlib>

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    const INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    app->m_exeName = AfxProgramBaseName();
    // The wide command line: a file's name in any script, whatever the system's code page.
    app->m_arguments = Utf8Arguments(argc, argv);
    if (!app->InitApplication())
        return 0;
    if (!app->InitInstance())
        return 0;  // the program did its work in its initialisation
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(__argc, __argv);
}
