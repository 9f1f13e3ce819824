#include "IconResource.h"

#include "resource.h"

HICON LoadIconResource(int id)
{
    Q_INIT_RESOURCE(res);
    if (id != IDR_MAINFRAME)
        return {};
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/quarnel-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/quarnel-16.png"), QSize(16, 16));
    return icon;
}
