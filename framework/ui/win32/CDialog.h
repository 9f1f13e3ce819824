#pragma once

#include "Afx.h"
#include "CMenu.h"
#include "MessageMap.h"
#include "WindowTypes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CDataExchange;
struct DialogTemplate;

// A modal dialog built from a dialog template, as an extended dialog
// template in memory, so that dialog units, font, tab order and styles are
// the system's own. Its controls report through WM_COMMAND to the handler
// its message map names; while an exchange run is going on no notification
// reaches any handler.
class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the window modelessly and runs the initialisation (done once).
    void Create();
    // Runs the dialog modally; returns how it ended.
    int DoModal();
    void EndDialog(int result);

    bool UpdateData(bool saveAndValidate = true);
    bool IsExchanging() const { return m_exchangeDepth > 0; }

    HWND GetDlgItem(int id) const;

    // The controls as the exchange reads and writes them; text is UTF-16.
    std::u16string GetItemText(int id) const;
    void SetItemText(int id, std::u16string_view text);
    void LimitItemText(int id, int count);
    // Lets into the edit only text that the Western code page can hold:
    // a character typed or pasted that it lacks is refused with a beep.
    void KeepItemTextInCodePage1252(int id);
    int GetItemCheck(int id) const;  // 0 clear, 1 checked, 2 indeterminate
    void SetItemCheck(int id, int state);
    void FocusItem(int id, bool selectText);

    // The revert flag is accepted, with no effect (see Afx.h).
    CMenu* GetSystemMenu(bool revert);
    void SetIcon(HICON icon, bool bigIcon);
    void GetClientRect(CRect* rect) const;
    bool IsIconic() const;

    void BeginWaitCursor();
    void EndWaitCursor();

    // What the controls and the window report, routed through the message map.
    void SendNotification(Notification code, int id);
    void SendSysCommand(unsigned id, long lParam = 0);
    // The first command the program added to the system menu, or 0.
    unsigned FirstProgramSystemCommand() const;

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();

    // Default handling of what a message map leaves to the framework: the
    // system's own, once the handler returns.
    void OnSysCommand(unsigned id, long lParam);
    void OnPaint();
    HICON OnQueryDragIcon();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    const MessageMapEntry* FindEntry(MessageKind kind, Notification code = {}, int id = 0) const;
    std::vector<std::uint8_t> BuildTemplate() const;

    const DialogTemplate* m_template;
    CWnd* m_parent;
    CMenu m_systemMenu;
    int m_exchangeDepth = 0;
    int m_waitCursorDepth = 0;
    HCURSOR m_cursorBeforeWait = nullptr;
    bool m_useDefault = false;  // a handler asked for the system's default handling
};

// Paints into a dialog within its paint handler.
class CPaintDC {
public:
    explicit CPaintDC(CDialog* dialog);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    void EraseBackground();
    void DrawIcon(int x, int y, HICON icon);

private:
    CDialog* m_dialog;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};
