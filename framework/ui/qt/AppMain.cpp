// The framework's entry point: the program defines only its application object.
#include "CWinApp.h"
#include "CommandLine.h"
#include "PathParts.h"
#include "ResourceModule.h"

#include <QApplication>

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->m_exeName = argc > 0 ? BaseNameWithoutExtension(argv[0]) : std::string();
    app->m_arguments = Utf8Arguments(argc, argv);
    // Before QApplication, which needs a display: "--help" needs none.
    if (!app->InitApplication())
        return 0;
    QApplication application(argc, argv);
    // Qt has taken out the options that are its own, such as -platform.
    app->m_arguments = Utf8Arguments(argc, argv);
    if (app->m_pszAppName)
        QApplication::setApplicationName(QString::fromLatin1(app->m_pszAppName));
    QApplication::setApplicationVersion(QString::fromStdString(AfxGetVersion()));
    if (!app->InitInstance())
        return 0;  // the program did its work in its initialisation
    return QApplication::exec();
}

int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
