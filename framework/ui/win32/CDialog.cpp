#include "CDialog.h"

#include "CWinApp.h"
#include "DialogTemplate.h"
#include "ResourceModule.h"
#include "WideText.h"
#include "WindowsCodePage.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

// The control ids of programs' own system-menu entries lie below the system's.
constexpr unsigned kFirstSystemCommand = 0xF000;

// Atoms of the system's predefined control classes in a dialog template.
constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082, kListBoxClass = 0x0083;

// Writes an extended dialog template: WORDs and DWORDs little-endian,
// strings as zero-ended UTF-16, each item on a DWORD boundary.
class TemplateWriter {
public:
    void Word(WORD value) { Bytes(&value, sizeof value); }
    void Dword(DWORD value) { Bytes(&value, sizeof value); }
    void Short(short value) { Bytes(&value, sizeof value); }
    void Text(const std::wstring& text) { Bytes(text.c_str(), (text.size() + 1) * sizeof(wchar_t)); }
    void AlignToDword()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }
    std::vector<std::uint8_t> Take() { return std::move(m_bytes); }

private:
    void Bytes(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }
    std::vector<std::uint8_t> m_bytes;
};

DWORD DialogStyle(unsigned style)
{
    DWORD result = DS_SETFONT | DS_CENTER;
    if (style & Style::kPopup)
        result |= WS_POPUP;
    if (style & Style::kCaption)
        result |= WS_CAPTION;
    if (style & Style::kSysMenu)
        result |= WS_SYSMENU;
    if (style & Style::kModalFrame)
        result |= DS_MODALFRAME;
    return result;
}

DWORD ItemStyle(const DialogItemTemplate& item)
{
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (item.style & Style::kTabStop)
        style |= WS_TABSTOP;
    if (item.style & Style::kBorder)
        style |= WS_BORDER;
    if (item.style & Style::kVScroll)
        style |= WS_VSCROLL;
    switch (item.kind) {
    case ControlKind::PushButton: return style | BS_PUSHBUTTON;
    case ControlKind::DefPushButton: return style | BS_DEFPUSHBUTTON;
    case ControlKind::AutoCheckBox: return style | BS_AUTOCHECKBOX;
    case ControlKind::Edit: return style | ES_LEFT | ((item.style & Style::kEditAutoHScroll) ? ES_AUTOHSCROLL : 0);
    case ControlKind::ListBox:
        return style | ((item.style & Style::kListSort) ? LBS_SORT : 0) |
               ((item.style & Style::kListNotify) ? LBS_NOTIFY : 0) |
               ((item.style & Style::kListNoIntegralHeight) ? LBS_NOINTEGRALHEIGHT : 0);
    case ControlKind::Label: return style | SS_LEFT | ((item.style & Style::kStaticNoPrefix) ? SS_NOPREFIX : 0);
    case ControlKind::Icon: return style | SS_ICON;
    }
    return style;
}

WORD ItemClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::AutoCheckBox: return kButtonClass;
    case ControlKind::Edit: return kEditClass;
    case ControlKind::ListBox: return kListBoxClass;
    case ControlKind::Label:
    case ControlKind::Icon: return kStaticClass;
    }
    return kStaticClass;
}

std::wstring Wide(const char* text)
{
    return WideFromCodePage1252(text ? text : "");
}

bool InCodePage1252(std::wstring_view text)
{
    return CodePage1252FromUtf16({reinterpret_cast<const char16_t*>(text.data()), text.size()}).has_value();
}

// An edit that takes no character the Western code page lacks, typed or pasted.
LRESULT CALLBACK CodePage1252EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_CHAR && wParam >= 0x20) {
        const wchar_t character = static_cast<wchar_t>(wParam);
        if (!InCodePage1252({&character, 1})) {
            MessageBeep(MB_OK);
            return 0;
        }
    }
    if (message == WM_PASTE && OpenClipboard(edit)) {
        bool refused = false;
        if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                refused = !InCodePage1252(text);
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        if (refused) {
            MessageBeep(MB_OK);
            return 0;
        }
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

CDialog::CDialog(int templateId, CWnd* parent) : m_template(AfxFindDialogTemplate(templateId)), m_parent(parent)
{
    if (!m_template)
        throw std::runtime_error("no dialog template " + std::to_string(templateId));
}

CDialog::~CDialog()
{
    while (m_waitCursorDepth > 0)
        EndWaitCursor();
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}

std::vector<std::uint8_t> CDialog::BuildTemplate() const
{
    TemplateWriter out;
    out.Word(1);       // version
    out.Word(0xFFFF);  // an extended template
    out.Dword(0);      // help id
    out.Dword((m_template->style & Style::kAppWindow) ? WS_EX_APPWINDOW : 0);
    out.Dword(DialogStyle(m_template->style));
    out.Word(static_cast<WORD>(m_template->items.size()));
    out.Short(0);
    out.Short(0);
    out.Short(static_cast<short>(m_template->cx));
    out.Short(static_cast<short>(m_template->cy));
    out.Word(0);  // no menu
    out.Word(0);  // the system's dialog class
    out.Text(Wide(m_template->caption));
    out.Word(static_cast<WORD>(m_template->pointSize));
    out.Word(FW_NORMAL);
    out.Word(DEFAULT_CHARSET << 8);  // not italic; the character set
    out.Text(Wide(m_template->fontName));
    for (const DialogItemTemplate& item : m_template->items) {
        out.AlignToDword();
        out.Dword(0);  // help id
        out.Dword(0);  // extended style
        out.Dword(ItemStyle(item));
        out.Short(static_cast<short>(item.x));
        out.Short(static_cast<short>(item.y));
        out.Short(static_cast<short>(item.cx));
        out.Short(static_cast<short>(item.cy));
        out.Dword(static_cast<DWORD>(item.id));
        out.Word(0xFFFF);
        out.Word(ItemClass(item.kind));
        if (item.kind == ControlKind::Icon) {
            out.Word(0xFFFF);  // the icon resource, by number
            out.Word(static_cast<WORD>(std::stoi(item.text)));
        } else {
            out.Text(Wide(item.text));
        }
        out.Word(0);  // no creation data
    }
    return out.Take();
}

void CDialog::Create()
{
    if (m_hWnd)
        return;
    const std::vector<std::uint8_t> bytes = BuildTemplate();
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                               m_parent ? m_parent->m_hWnd : nullptr, &DialogProc, reinterpret_cast<LPARAM>(this));
}

int CDialog::DoModal()
{
    const std::vector<std::uint8_t> bytes = BuildTemplate();
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                                m_parent ? m_parent->m_hWnd : nullptr, &DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return static_cast<int>(result);
}

void CDialog::EndDialog(int result)
{
    ::EndDialog(m_hWnd, result);
}

HWND CDialog::GetDlgItem(int id) const
{
    return m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr;
}

std::u16string CDialog::GetItemText(int id) const
{
    const HWND control = GetDlgItem(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

void CDialog::SetItemText(int id, std::u16string_view text)
{
    const std::wstring wide(text.begin(), text.end());
    SetWindowTextW(GetDlgItem(id), wide.c_str());
}

void CDialog::KeepItemTextInCodePage1252(int id)
{
    // Installing the same subclass again only renews it.
    SetWindowSubclass(GetDlgItem(id), &CodePage1252EditProc, 0, 0);
}

void CDialog::LimitItemText(int id, int count)
{
    SendDlgItemMessageW(m_hWnd, id, EM_LIMITTEXT, static_cast<WPARAM>(count), 0);
}

int CDialog::GetItemCheck(int id) const
{
    return static_cast<int>(IsDlgButtonChecked(m_hWnd, id));
}

void CDialog::SetItemCheck(int id, int state)
{
    CheckDlgButton(m_hWnd, id, static_cast<UINT>(state));
}

void CDialog::FocusItem(int id, bool selectText)
{
    const HWND control = GetDlgItem(id);
    SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (selectText)
        SendMessageW(control, EM_SETSEL, 0, -1);
}

CMenu* CDialog::GetSystemMenu(bool)
{
    return (m_template->style & Style::kSysMenu) ? &m_systemMenu : nullptr;
}

void CDialog::SetIcon(HICON icon, bool bigIcon)
{
    SendMessageW(m_hWnd, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CDialog::GetClientRect(CRect* rect) const
{
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    *rect = {client.left, client.top, client.right, client.bottom};
}

bool CDialog::IsIconic() const
{
    return ::IsIconic(m_hWnd) != FALSE;
}

void CDialog::BeginWaitCursor()
{
    // No message is taken while the work runs, so the cursor stays until it ends.
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    if (m_waitCursorDepth++ == 0)
        m_cursorBeforeWait = previous;
}

void CDialog::EndWaitCursor()
{
    if (m_waitCursorDepth == 0)
        return;
    if (--m_waitCursorDepth == 0)
        SetCursor(m_cursorBeforeWait ? m_cursorBeforeWait : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

unsigned CDialog::FirstProgramSystemCommand() const
{
    const HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != static_cast<UINT>(-1) && id < kFirstSystemCommand)
            return id;
    }
    return 0;
}

void CDialog::OnSysCommand(unsigned, long)
{
    m_useDefault = true;
}

void CDialog::OnPaint()
{
    m_useDefault = true;
}

HICON CDialog::OnQueryDragIcon()
{
    return reinterpret_cast<HICON>(SendMessageW(m_hWnd, WM_GETICON, ICON_BIG, 0));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return dialog ? dialog->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        m_systemMenu.Attach(::GetSystemMenu(m_hWnd, FALSE));
        // TRUE: the system gives the focus to the first control in tab order.
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        if (code == BN_CLICKED)
            SendNotification(Notification::ButtonClicked, id);
        else if (code == EN_CHANGE)
            SendNotification(Notification::EditChange, id);
        else if (code == LBN_SELCHANGE)
            SendNotification(Notification::ListSelChange, id);
        else
            return FALSE;
        return TRUE;
    }
    case WM_SYSCOMMAND:
        m_useDefault = false;
        SendSysCommand(static_cast<unsigned>(wParam), static_cast<long>(lParam));
        return m_useDefault ? FALSE : TRUE;
    case WM_PAINT:
        if (const MessageMapEntry* entry = FindEntry(MessageKind::Paint)) {
            m_useDefault = false;
            (this->*std::get<AFX_PMSG>(entry->handler))();
            return m_useDefault ? FALSE : TRUE;
        }
        return FALSE;
    case WM_QUERYDRAGICON:
        if (const MessageMapEntry* entry = FindEntry(MessageKind::QueryDragIcon))
            return reinterpret_cast<INT_PTR>((this->*std::get<AFX_PMSG_QUERYICON>(entry->handler))());
        return FALSE;
    case WM_HELP:
        // Help is the main window's: F1 in a dialog run over it (the About
        // box itself) does not run the help command again.
        if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this)
            AfxGetApp()->OnCmdMsg(ID_HELP);
        return TRUE;
    case WM_NCDESTROY:
        m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

CPaintDC::CPaintDC(CDialog* dialog) : m_dialog(dialog), m_dc(BeginPaint(dialog->m_hWnd, &m_paint)) {}

CPaintDC::~CPaintDC()
{
    EndPaint(m_dialog->m_hWnd, &m_paint);
}

void CPaintDC::EraseBackground()
{
    SendMessageW(m_dialog->m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(m_dc), 0);
}

void CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    ::DrawIcon(m_dc, x, y, icon);
}
