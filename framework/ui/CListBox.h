#pragma once

#include "SystemValues.h"

#include <memory>
#include <string>

class CDialog;
class ListBoxPort;

// A dialog's sorted list box, attached to its control by the exchange: its
// lines are 8-bit text in the Western code page.
class CListBox {
public:
    CListBox();
    ~CListBox();
    CListBox(const CListBox&) = delete;
    CListBox& operator=(const CListBox&) = delete;

    // Takes over the dialog's list box control with that id.
    void SubclassDlgItem(int id, CDialog* dialog);
    bool IsAttached() const { return m_port != nullptr; }

    void ResetContent();
    // At its sorted place; returns the position.
    int AddString(const std::string& line);
    int DeleteString(int position);
    int GetCount() const;
    // The selected position, or LB_ERR when no line is selected.
    int GetCurSel() const;
    int SetCurSel(int position);
    std::string GetText(int position) const;
    // Off while many lines change at once, so that the list draws once.
    void SetRedraw(bool redraw);
    // Room for that many lines of that many bytes in all, before a fill.
    void InitStorage(int lines, int bytes);

private:
    // The backend's control, once attached.
    std::unique_ptr<ListBoxPort> m_port;
};
