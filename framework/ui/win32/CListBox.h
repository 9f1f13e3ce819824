#pragma once

#include <windows.h>

#include <string>

class CDialog;

// A dialog's sorted list box: the system's own, its lines 8-bit text in the
// Western code page, shown as UTF-16.
class CListBox {
public:
    CListBox() = default;
    CListBox(const CListBox&) = delete;
    CListBox& operator=(const CListBox&) = delete;

    // Takes over the dialog's list box control with that id.
    void SubclassDlgItem(int id, CDialog* dialog);
    bool IsAttached() const { return m_hWnd != nullptr; }

    void ResetContent();
    // At its sorted place. A line that sorts after the last one goes to the
    // end without the list comparing it with every other.
    int AddString(const std::string& line);
    int DeleteString(int position);
    int GetCount() const;
    // The selected position, or LB_ERR (-1) when no line is selected.
    int GetCurSel() const;
    int SetCurSel(int position);
    std::string GetText(int position) const;
    // Off while many lines change at once, so that the list draws once.
    void SetRedraw(bool redraw);
    // Room for that many lines of that many bytes in all, before a fill.
    void InitStorage(int lines, int bytes);

private:
    HWND m_hWnd = nullptr;
    // The last line as this class last added it, while the list still has
    // as many lines as then: the sorted fill compares with it, not asking the list.
    std::string m_lastLine;
    int m_countWithLastLine = -1;
};
