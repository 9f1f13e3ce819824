#include "CEditorApp.h"
#include "Resources.h"

namespace {
CEditorApp theApp;
}

int main(int argc, char** argv)
{
    AfxSetResourceHandle(QuarnelResources());
    return AfxWinMain(argc, argv);
}
