// The program: its one application object, which the framework's entry
// point runs.
#include "CEditorApp.h"

CEditorApp theApp;
