#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <QString>

class CPictureGridCtrl;

// A picture grid's widget: a scroll area whose viewport is the grid's client
// area. It hands what Qt reports (size, clicks, keys, the wheel, the focus,
// the scroll bar's moves) to the CPictureGridCtrl that took it over, and
// paints the frame that one composes. Before that, it shows an empty area.
class PictureGridControl final : public QAbstractScrollArea {
public:
    explicit PictureGridControl(QWidget* parent);

    void Attach(CPictureGridCtrl* grid);
    void Detach(const CPictureGridCtrl* grid);

    // The scroll bar's range, page and position, set without being reported back.
    void ShowScrollBar(int lastTopRow, int rowsInView, int topRow);
    // Tells a screen reader of the framed cell's label, when it has changed.
    void AnnounceValue();
    // What a screen reader reads as the grid's value.
    QString AccessibleValue() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The grid draws every row anew at its new place: nothing is moved.
    void scrollContentsBy(int, int) override {}

private:
    CPictureGridCtrl* m_grid = nullptr;
    QString m_announced;
    int m_wheelRemainder = 0;  // a high-resolution wheel's part of a notch
};
