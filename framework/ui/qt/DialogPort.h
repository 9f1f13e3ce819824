#pragma once

#include "CDialog.h"

#include <QDialog>

#include <map>

// A dialog's window on Qt: the QDialog that holds its controls and hands
// what Qt reports (paint, context menu, keys, close) to the dialog.
class DialogPort final : public QDialog {
public:
    DialogPort(CDialog& dialog, QWidget* parent);

    // Makes the controls and runs the initialisation, once.
    void Create();
    QWidget* Control(int id) const;
    HICON Icon() const { return m_icon; }
    void SetIcon(HICON icon);
    // Qt's own painting of the window.
    void PaintDefault() { QDialog::paintEvent(nullptr); }

protected:
    void reject() override;  // Escape and the close box
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    // Shows the system menu at a screen position (where the window manager
    // has no menu a program may add to, the dialog offers it itself).
    void ShowSystemMenu(const QPoint& globalPos);

    CDialog& m_dialog;
    std::map<int, QWidget*> m_controls;
    HICON m_icon = nullptr;
    bool m_created = false;
};
