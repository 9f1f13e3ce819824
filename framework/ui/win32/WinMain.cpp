// The framework's entry point: the program defines only its application object.
#include "CWinApp.h"
#include "SystemHeaders.h"

#include <cstdlib>

int AfxWinMain(int, char**)
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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(__argc, __argv);
}
