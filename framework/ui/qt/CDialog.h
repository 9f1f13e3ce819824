#pragma once

#include "Afx.h"
#include "CMenu.h"
#include "MessageMap.h"
#include "WindowTypes.h"

#include <QDialog>
#include <QIcon>
#include <QPainter>

#include <map>
#include <string>
#include <string_view>
#include <memory>

class CDataExchange;
struct DialogTemplate;

// A modal dialog built from a dialog template. Its controls report to the
// dialog, which runs the handler its message map names; while an exchange
// run is going on no notification reaches any handler.
class CDialog : public QDialog {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window and its controls from the template and runs the
    // initialisation, without entering the modal loop (done once).
    void Create();
    // Creates the window if need be and runs it modally; returns how it ended.
    int DoModal();
    void EndDialog(int result);

    // Runs the exchange: true takes the controls' values into the members,
    // false shows the members in the controls. False when a take failed.
    bool UpdateData(bool saveAndValidate = true);
    bool IsExchanging() const { return m_exchangeDepth > 0; }

    QWidget* GetDlgItem(int id) const;

    // The controls as the exchange reads and writes them; text is UTF-16.
    std::u16string GetItemText(int id) const;
    void SetItemText(int id, std::u16string_view text);
    void LimitItemText(int id, int count);
    // Lets into the edit only text that the Western code page can hold.
    void KeepItemTextInCodePage1252(int id);
    int GetItemCheck(int id) const;  // 0 clear, 1 checked, 2 indeterminate
    void SetItemCheck(int id, int state);
    void FocusItem(int id, bool selectText);
    // The revert and big-icon flags are accepted, with no effect on this platform (see Afx.h).
    CMenu* GetSystemMenu(bool revert);
    void SetIcon(const HICON& icon, bool bigIcon);
    void GetClientRect(CRect* rect) const;
    bool IsIconic() const { return isMinimized(); }

    void BeginWaitCursor();
    void EndWaitCursor();

    // What the controls and the window report, routed through the message map.
    void SendNotification(Notification code, int id);
    void SendSysCommand(unsigned id, long lParam = 0);
    // Shows the system menu at a screen position (where the window manager
    // has no menu a program may add to, the dialog offers it itself).
    void ShowSystemMenu(const QPoint& globalPos);
    // The first command the program added to the system menu, or 0.
    unsigned FirstProgramSystemCommand() const;

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();

    // Default handling of what a message map leaves to the framework.
    void OnSysCommand(unsigned id, long lParam);
    void OnPaint();
    HICON OnQueryDragIcon();

    // Qt's side.
    void reject() override;  // Escape and the close box
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const MessageMapEntry* FindEntry(MessageKind kind, Notification code = {}, int id = 0) const;
    void CreateControls();

    const DialogTemplate* m_template;
    std::map<int, QWidget*> m_controls;
    CMenu m_systemMenu;
    bool m_created = false;
    int m_exchangeDepth = 0;
    int m_waitCursorDepth = 0;
};

// Paints into a dialog within its paint handler.
class CPaintDC {
public:
    explicit CPaintDC(CDialog* dialog) : m_dialog(dialog), m_painter(dialog) {}
    void EraseBackground();
    void DrawIcon(int x, int y, const HICON& icon);

private:
    CDialog* m_dialog;
    QPainter m_painter;
};

inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
int GetSystemMetrics(int index);
