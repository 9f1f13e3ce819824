// The framework's entry point: the program defines only its application object.
#include "CWinApp.h"
#include "ResourceModule.h"

#include <QApplication>

int AfxWinMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
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
