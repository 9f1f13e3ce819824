#include "NativeReadBack.h"

#include "NativeWindow.h"

#include <QImage>
#include <QWidget>

RenderedControl RenderControl(const CDialog& dialog, int id)
{
    const QImage image = NativeControl(dialog, id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    RenderedControl rendered{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            rendered.pixels.push_back(image.pixel(x, y));
    return rendered;
}

std::u16string AccessibleNameOf(const CDialog& dialog, int id)
{
    return NativeControl(dialog, id)->accessibleName().toStdU16String();
}
