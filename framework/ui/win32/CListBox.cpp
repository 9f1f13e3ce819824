#include "CListBox.h"

#include "CDialog.h"
#include "ListBoxOrder.h"
#include "WideText.h"
#include "WindowsCodePage.h"

namespace {

LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageW(list, message, wParam, lParam);
}

} // namespace

void CListBox::SubclassDlgItem(int id, CDialog* dialog)
{
    m_hWnd = dialog->GetDlgItem(id);
}

void CListBox::ResetContent()
{
    Send(m_hWnd, LB_RESETCONTENT);
}

int CListBox::AddString(const std::string& line)
{
    const std::wstring text = WideFromCodePage1252(line);
    const auto wideText = reinterpret_cast<LPARAM>(text.c_str());
    const int count = GetCount();
    // Lines mostly arrive in order: one comparison with the last line spares
    // the sorted list from looking for the place of each.
    const std::string last = count == 0                      ? std::string()
                             : count == m_countWithLastLine ? m_lastLine
                                                            : GetText(count - 1);
    if (count == 0 || !ListBoxLineLess(line, last)) {
        const int position = static_cast<int>(Send(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(-1), wideText));
        m_lastLine = line;
        m_countWithLastLine = count + 1;
        return position;
    }
    return static_cast<int>(Send(m_hWnd, LB_ADDSTRING, 0, wideText));
}

int CListBox::DeleteString(int position)
{
    return static_cast<int>(Send(m_hWnd, LB_DELETESTRING, static_cast<WPARAM>(position)));
}

int CListBox::GetCount() const
{
    return m_hWnd ? static_cast<int>(Send(m_hWnd, LB_GETCOUNT)) : 0;
}

int CListBox::GetCurSel() const
{
    return m_hWnd ? static_cast<int>(Send(m_hWnd, LB_GETCURSEL)) : LB_ERR;
}

int CListBox::SetCurSel(int position)
{
    return static_cast<int>(Send(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(position)));
}

std::string CListBox::GetText(int position) const
{
    const auto length = Send(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(position));
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    Send(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return CodePage1252FromUtf16({reinterpret_cast<const char16_t*>(text.data()), text.size()}).value_or(std::string());
}

void CListBox::InitStorage(int lines, int bytes)
{
    Send(m_hWnd, LB_INITSTORAGE, static_cast<WPARAM>(lines), static_cast<LPARAM>(bytes) * sizeof(wchar_t));
}

void CListBox::SetRedraw(bool redraw)
{
    Send(m_hWnd, WM_SETREDRAW, redraw ? TRUE : FALSE);
    if (redraw)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}
