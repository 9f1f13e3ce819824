#include "CListBox.h"

#include "ListBoxOrder.h"
#include "NativeWindow.h"
#include "WideText.h"
#include "WindowsCodePage.h"

namespace {

LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageW(list, message, wParam, lParam);
}

} // namespace

// What a CListBox holds on this platform: the system's list box, and the
// last line as the CListBox last added it, while the list still has as many
// lines as then: the sorted fill compares with it, not asking the list.
class ListBoxPort {
public:
    explicit ListBoxPort(HWND list) : window(list) {}
    const HWND window;
    std::string lastLine;
    int countWithLastLine = -1;
};

CListBox::CListBox() = default;
CListBox::~CListBox() = default;

void CListBox::SubclassDlgItem(int id, CDialog* dialog)
{
    const HWND list = NativeControl(*dialog, id);
    m_port = list ? std::make_unique<ListBoxPort>(list) : nullptr;
}

void CListBox::ResetContent()
{
    Send(m_port->window, LB_RESETCONTENT);
}

int CListBox::AddString(const std::string& line)
{
    const std::wstring text = WideFromCodePage1252(line);
    const auto wideText = reinterpret_cast<LPARAM>(text.c_str());
    const int count = GetCount();
    // Lines mostly arrive in order: one comparison with the last line spares
    // the sorted list from looking for the place of each.
    const std::string last = count == 0                      ? std::string()
                             : count == m_port->countWithLastLine ? m_port->lastLine
                                                            : GetText(count - 1);
    if (count == 0 || !ListBoxLineLess(line, last)) {
        const int position = static_cast<int>(Send(m_port->window, LB_INSERTSTRING, static_cast<WPARAM>(-1), wideText));
        m_port->lastLine = line;
        m_port->countWithLastLine = count + 1;
        return position;
    }
    return static_cast<int>(Send(m_port->window, LB_ADDSTRING, 0, wideText));
}

int CListBox::DeleteString(int position)
{
    return static_cast<int>(Send(m_port->window, LB_DELETESTRING, static_cast<WPARAM>(position)));
}

int CListBox::GetCount() const
{
    return m_port ? static_cast<int>(Send(m_port->window, LB_GETCOUNT)) : 0;
}

int CListBox::GetCurSel() const
{
    return m_port ? static_cast<int>(Send(m_port->window, LB_GETCURSEL)) : LB_ERR;
}

int CListBox::SetCurSel(int position)
{
    return static_cast<int>(Send(m_port->window, LB_SETCURSEL, static_cast<WPARAM>(position)));
}

std::string CListBox::GetText(int position) const
{
    const auto length = Send(m_port->window, LB_GETTEXTLEN, static_cast<WPARAM>(position));
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    Send(m_port->window, LB_GETTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return CodePage1252FromUtf16({reinterpret_cast<const char16_t*>(text.data()), text.size()}).value_or(std::string());
}

void CListBox::InitStorage(int lines, int bytes)
{
    Send(m_port->window, LB_INITSTORAGE, static_cast<WPARAM>(lines), static_cast<LPARAM>(bytes) * sizeof(wchar_t));
}

void CListBox::SetRedraw(bool redraw)
{
    Send(m_port->window, WM_SETREDRAW, redraw ? TRUE : FALSE);
    if (redraw)
        InvalidateRect(m_port->window, nullptr, TRUE);
}
