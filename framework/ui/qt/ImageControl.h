#pragma once

#include "ImageComposition.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

// An image control's widget: draws the composed picture where it belongs
// and leaves the rest to the dialog's background.
class ImageControl final : public QWidget {
public:
    using QWidget::QWidget;

    void SetComposed(ComposedImage composed)
    {
        m_composed = std::move(composed);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_composed.pixels.empty())
            return;
        const QImage image(reinterpret_cast<const uchar*>(m_composed.pixels.data()), m_composed.width,
                           m_composed.height, m_composed.width * static_cast<int>(sizeof(ComposedPixel)),
                           QImage::Format_RGB32);
        QPainter(this).drawImage(m_composed.x, m_composed.y, image);
    }

private:
    ComposedImage m_composed;
};
