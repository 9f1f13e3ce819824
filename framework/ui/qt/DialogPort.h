#pragma once

#include "CDialog.h"

#include <QDialog>

#include <map>
#include <span>
#include <vector>

struct DialogItemTemplate;

// A dialog's window on Qt: the QDialog that holds its controls and hands
// what Qt reports (paint, context menu, keys, close) to the dialog.
class DialogPort final : public QDialog {
public:
    DialogPort(CDialog& dialog, QWidget* parent);

    // Makes the controls and runs the initialisation, once.
    void Create();
    // Runs the dialog modally; returns how it ended.
    int RunModal();
    QWidget* Control(int id) const;
    // Makes a second template's items into controls after the window's own, hidden.
    void AddItems(int templateId, std::span<const DialogItemTemplate> items);
    void ShowItems(int templateId, bool show);
    // The client area made a size in dialog units; the window's place stays.
    void SizeClient(int cx, int cy);
    HICON Icon() const { return m_icon; }
    void SetIcon(HICON icon);
    // Qt's own painting of the window.
    void PaintDefault() { QDialog::paintEvent(nullptr); }
    // Keeps a system command to send once the window is shown and Qt has
    // handled what was waiting then.
    void PostSysCommand(unsigned id);

protected:
    void reject() override;  // Escape and the close box
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Whether the template lets the frame resize the window.
    bool Resizable() const;
    void CreateControls();
    // Makes controls of items, each after the last tab stop made so far.
    std::vector<QWidget*> MakeControls(std::span<const DialogItemTemplate> items);
    // Shows the system menu at a screen position (where the window manager
    // has no menu a program may add to, the dialog offers it itself).
    void ShowSystemMenu(const QPoint& globalPos);
    // Has the posted commands sent after what Qt has waiting now.
    void SendPostedLater();

    CDialog& m_dialog;
    std::map<int, QWidget*> m_controls;
    // What each added template made, by its id.
    std::map<int, std::vector<QWidget*>> m_addedControls;
    QWidget* m_lastTabStop = nullptr;
    int m_staticCount = 0;
    HICON m_icon = nullptr;
    std::vector<unsigned> m_postedCommands;
    bool m_created = false;
};
