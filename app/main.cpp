#include "CEditorApp.h"
#include "Resources.h"
#include "VersionRecord.h"

#include <QCoreApplication>

namespace {
CEditorApp theApp;
}

int main(int argc, char** argv)
{
    AfxSetResourceHandle(QuarnelResources());
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VersionRecord::kDottedVersion));
    return AfxWinMain(argc, argv);
}
