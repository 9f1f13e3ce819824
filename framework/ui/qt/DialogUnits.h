#pragma once

#include <QFont>
#include <QRect>

// Converts dialog units to pixels with the dialog font's own metrics, as
// dialog templates are meant: a horizontal unit is a quarter of the font's
// average character width, a vertical one an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;
    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX;
    int m_baseY;
};

// The template's font, or the platform's sans-serif of the same size where
// that font is missing, so the layout keeps its proportions.
QFont DialogFont(const char* family, int pointSize);
