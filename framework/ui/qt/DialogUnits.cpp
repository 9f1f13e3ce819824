#include "DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace {

int MulDiv(int value, int numerator, int denominator)
{
    return static_cast<int>((static_cast<long long>(value) * numerator + denominator / 2) / denominator);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average of the 52 letters, rounded as the dialog manager rounds it.
    m_baseX = (letters / 26 + 1) / 2;
    m_baseY = metrics.height();
}

int DialogUnits::ToPixelsX(int units) const
{
    return MulDiv(units, m_baseX, 4);
}

int DialogUnits::ToPixelsY(int units) const
{
    return MulDiv(units, m_baseY, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy)};
}

QFont DialogFont(const char* family, int pointSize)
{
    const QString name = QString::fromLatin1(family);
    if (QFontDatabase::families().contains(name))
        return QFont(name, pointSize);
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    fallback.setStyleHint(QFont::SansSerif);
    fallback.setPointSize(pointSize);
    return fallback;
}
