// The framework's entry point: the program defines only its application object.
#include "CWinApp.h"

int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
