#include "IconResource.h"

#include "Icon.h"
#include "resource.h"

HICON LoadIconResource(int id)
{
    if (id != IDR_MAINFRAME)
        return nullptr;
    // Made once and never destroyed, as the system keeps a shared icon.
    static HICON__* const icon = [] {
        Q_INIT_RESOURCE(res);
        QIcon both;
        both.addFile(QStringLiteral(":/icons/quarnel-32.png"), QSize(32, 32));
        both.addFile(QStringLiteral(":/icons/quarnel-16.png"), QSize(16, 16));
        return new HICON__{both};
    }();
    return icon;
}
