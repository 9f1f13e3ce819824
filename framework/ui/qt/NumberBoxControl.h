#pragma once

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QResizeEvent>
#include <QToolButton>

#include <functional>

// A number box's widget: a line edit of digits with two arrow buttons at
// its right. The arrows and the Up and Down keys ask for a step; the
// dialog does the stepping, as on every backend.
class NumberBoxControl final : public QLineEdit {
public:
    NumberBoxControl(QWidget* parent, std::function<void(int)> step)
        : QLineEdit(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)), m_step(std::move(step))
    {
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
        for (QToolButton* arrow : {m_up, m_down}) {
            arrow->setArrowType(arrow == m_up ? Qt::UpArrow : Qt::DownArrow);
            arrow->setAutoRepeat(true);
            arrow->setFocusPolicy(Qt::NoFocus);
            arrow->setCursor(Qt::ArrowCursor);
            connect(arrow, &QToolButton::clicked, this, [this, up = arrow == m_up] { m_step(up ? 1 : -1); });
        }
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
            m_step(event->key() == Qt::Key_Up ? 1 : -1);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QLineEdit::resizeEvent(event);
        // The arrows share the right end, one above the other; the text keeps clear of them.
        const int arrowWidth = height() * 3 / 4, half = height() / 2;
        m_up->setGeometry(width() - arrowWidth, 0, arrowWidth, half);
        m_down->setGeometry(width() - arrowWidth, half, arrowWidth, height() - half);
        setTextMargins(0, 0, arrowWidth, 0);
    }

private:
    QToolButton* m_up;
    QToolButton* m_down;
    std::function<void(int)> m_step;
};
