#pragma once

#include "Afx.h"
#include "CMenu.h"
#include "CPaintDC.h"
#include "MessageMap.h"
#include "WindowTypes.h"

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

class CDataExchange;
class DialogPort;
struct DialogTemplate;

// A dialog built from a dialog template, run modally or, made with Create
// and shown, beside the window that owns it (its parent), which closes it
// when it closes. Its controls report to the dialog, which runs the handler
// its message map names; while an exchange run is going on no notification
// reaches any handler. The window itself is the backend's (its port); what
// the dialog does with it is the same on every platform.
class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the window and its controls from the template and runs the
    // initialisation, without entering the modal loop; the window stays
    // hidden until shown.
    void Create();
    // SW_SHOW, SW_SHOWNOACTIVATE (shown, the focus staying where it is) or SW_HIDE.
    void ShowWindow(int command);
    bool IsWindowVisible() const;
    // The window's frame on the screen, and a move of it that keeps its size.
    void GetWindowRect(CRect* rect) const;
    void MoveWindow(int x, int y);
    // Runs the dialog modally; returns how it ended.
    int DoModal();
    void EndDialog(int result);

    // Runs the exchange: true takes the controls' values into the members,
    // false shows the members in the controls. False when a take failed.
    bool UpdateData(bool saveAndValidate = true);
    bool IsExchanging() const { return m_exchangeDepth > 0; }

    // The controls as the exchange reads and writes them; text is UTF-16.
    std::u16string GetItemText(int id) const;
    void SetItemText(int id, std::u16string_view text);
    void LimitItemText(int id, int count);
    // Lets into the edit only text that the Western code page can hold:
    // a character typed or pasted that it lacks is refused.
    void KeepItemTextInCodePage1252(int id);
    // A number box's range, 0 to 0 until set: its arrows and keys step the
    // number within it, though a number typed may lie outside it.
    void SetItemRange(int id, int lowest, int highest);
    // Steps a number box's number by `steps` (up when positive), kept within
    // its range (a number outside it, or no number, comes back to the nearer
    // end): what its arrows and the Up and Down keys do.
    void StepItem(int id, int steps);
    // A disabled control shows greyed and takes no click, key or focus;
    // the focus it had goes on to the next control.
    void EnableItem(int id, bool enable);
    bool IsItemEnabled(int id) const;
    int GetItemCheck(int id) const;  // 0 clear, 1 checked, 2 indeterminate
    void SetItemCheck(int id, int state);
    void FocusItem(int id, bool selectText);

    // A drop-down list's lines: emptied, one added at the end, how many
    // there are, and the picked one by position (-1: none). Setting it
    // reports nothing.
    void ResetItemStrings(int id);
    void AddItemString(int id, std::u16string_view line);
    int GetItemStringCount(int id) const;
    int GetItemSelection(int id) const;
    void SetItemSelection(int id, int position);

    // A control's place in the client area, in pixels, read and changed:
    // what a resizable dialog's OnSize does with its controls.
    void GetItemRect(int id, CRect* rect) const;
    void MoveItem(int id, const CRect& rect);

    // A second list of items, another template's, made into controls of this
    // window after its own (and after them in tab order), hidden; once a
    // template. The window's size stays as it is.
    void AddItems(int templateId);
    // Shows or hides every control a template's AddItems made. A hidden
    // control takes no click and no key, and Tab passes it by.
    void ShowItems(int templateId, bool show);
    // Gives the window's client area a template's size, in dialog units:
    // an added template's to hold its items, the dialog's own to return to
    // exactly the size it was made with.
    void SizeClientTo(int templateId);

    // The revert flag is accepted, with no effect (see Afx.h).
    CMenu* GetSystemMenu(bool revert);
    void SetIcon(HICON icon, bool bigIcon);
    void GetClientRect(CRect* rect) const;
    bool IsIconic() const;

    // Nested calls show one wait cursor until the outermost ends.
    void BeginWaitCursor();
    void EndWaitCursor();

    // What the controls and the window report, routed through the message map.
    void SendNotification(Notification code, int id);
    void SendSysCommand(unsigned id, long lParam = 0);
    // A resizable dialog's new client size, to the map's OnSize.
    void SendSize(unsigned type, int cx, int cy);
    // Sends a system command later: once the window has been shown and the
    // window system has handled what was waiting then. For work that is to
    // run in view, right after the window appears.
    void PostSysCommand(unsigned id);
    // The first command the program added to the system menu, or 0.
    unsigned FirstProgramSystemCommand() const;
    // The keys that send system commands while the dialog is active; the
    // table must outlive the dialog.
    void SetAccelerators(std::span<const Accelerator> table) { m_accelerators = table; }

    // The backend's window; what it is, only the backend's own headers say.
    DialogPort& Port() const { return *m_port; }

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();

    // Default handling of what a message map leaves to the framework: the
    // window system's own, once the handler returns.
    void OnSysCommand(unsigned id, long lParam);
    void OnSize(unsigned, int, int) {}
    void OnPaint();
    HICON OnQueryDragIcon();

private:
    friend class DialogPort;

    static const DialogTemplate* FindTemplate(int id);
    const MessageMapEntry* FindEntry(MessageKind kind, Notification code = {}, int id = 0) const;
    // Runs the paint handler the map names; false when it names none.
    bool PaintThroughMap();
    // F1: help is the main window's, so in a dialog run over it (the About
    // box itself) the key does not run the help command again.
    void RouteHelpKey();
    // The window system's wait cursor, shown or taken away; the backend's.
    void ShowWaitCursor(bool show);
    void EndEveryWaitCursor();
    // A key pressed in the dialog: sends the command of the accelerator it
    // is, and answers whether it was one.
    bool TranslateAccelerator(int key, unsigned modifiers);

    const DialogTemplate* m_template;
    CMenu m_systemMenu;
    // The number boxes' ranges, by id: lowest, highest.
    std::map<int, std::pair<int, int>> m_itemRanges;
    int m_exchangeDepth = 0;
    int m_waitCursorDepth = 0;
    std::span<const Accelerator> m_accelerators;
    std::unique_ptr<DialogPort> m_port;
};
