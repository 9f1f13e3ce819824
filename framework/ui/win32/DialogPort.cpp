// The dialog on the system's own dialogs: the window made from the
// template in memory, and what the system reports handed to the dialog.

#include "DialogPort.h"

#include "AccessibleTexts.h"
#include "DialogTemplate.h"
#include "ImageWindow.h"
#include "NativeWindow.h"
#include "PictureGridWindow.h"
#include "ResourceModule.h"
#include "ScopedValue.h"
#include "WideText.h"
#include "WindowsCodePage.h"

#include <algorithm>
#include <utility>

namespace {

// Asks the window to send its posted system commands.
constexpr UINT kSendPostedCommands = WM_APP;

// Atoms of the system's predefined control classes in a dialog template.
constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082, kListBoxClass = 0x0083,
               kComboBoxClass = 0x0085;

// A drop-down list's height given to the system is its closed box's and
// its opened list's together; the closed box is as high as the font needs.
// The list has room for about twelve lines, or as many as the template's
// height holds when that is more. In dialog units.
constexpr int kDropDownListRoom = 12 * 10 + 4;
constexpr int kDropDownClosedHeight = 14;

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
    if (style & Style::kThickFrame)
        result |= WS_THICKFRAME | WS_MAXIMIZEBOX;
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
    case ControlKind::NumberBox: return style | ES_LEFT | ES_NUMBER | ES_AUTOHSCROLL;
    case ControlKind::ListBox:
        return style | ((item.style & Style::kListSort) ? LBS_SORT : 0) |
               ((item.style & Style::kListNotify) ? LBS_NOTIFY : 0) |
               ((item.style & Style::kListNoIntegralHeight) ? LBS_NOINTEGRALHEIGHT : 0);
    case ControlKind::Label: return style | SS_LEFT | ((item.style & Style::kStaticNoPrefix) ? SS_NOPREFIX : 0);
    case ControlKind::Icon: return style | SS_ICON;
    case ControlKind::Image: return style;
    case ControlKind::GroupBox: return style | BS_GROUPBOX;
    // Both are reached by Tab, whatever the template says.
    case ControlKind::DropDownList: return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case ControlKind::PictureGrid: return style | WS_TABSTOP | WS_VSCROLL;
    }
    return style;
}

WORD ItemClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::AutoCheckBox:
    case ControlKind::GroupBox: return kButtonClass;
    case ControlKind::Edit:
    case ControlKind::NumberBox: return kEditClass;
    case ControlKind::ListBox: return kListBoxClass;
    case ControlKind::DropDownList: return kComboBoxClass;
    case ControlKind::Label:
    case ControlKind::Icon:
    case ControlKind::Image:
    case ControlKind::PictureGrid: return kStaticClass;  // the image's and grid's classes go by name instead
    }
    return kStaticClass;
}

// The same classes by name, for a control made after its dialog.
const wchar_t* ItemClassName(ControlKind kind)
{
    if (kind == ControlKind::Image) {
        RegisterImageWindowClass();
        return kImageWindowClass;
    }
    if (kind == ControlKind::PictureGrid) {
        RegisterPictureGridWindowClass();
        return kPictureGridWindowClass;
    }
    switch (ItemClass(kind)) {
    case kButtonClass: return L"BUTTON";
    case kEditClass: return L"EDIT";
    case kListBoxClass: return L"LISTBOX";
    case kComboBoxClass: return L"COMBOBOX";
    default: return L"STATIC";
    }
}

std::wstring Wide(const char* text)
{
    return WideFromCodePage1252(text ? text : "");
}

// A control's height as the system takes it: a drop-down list's with its list's room.
int SystemHeight(const DialogItemTemplate& item)
{
    return item.kind == ControlKind::DropDownList ? std::max(item.cy, kDropDownClosedHeight + kDropDownListRoom)
                                                  : item.cy;
}

bool IsDropDownList(HWND control)
{
    wchar_t name[16] = {};
    return control && GetClassNameW(control, name, 16) > 0 && lstrcmpiW(name, L"ComboBox") == 0 &&
           (GetWindowLongW(control, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
}

// A drop-down list's accessible name: its template's text, without the
// marker of a mnemonic, as a label's own name is read. The system would
// take the label before it, and Wine the line picked. Its value is the line
// picked, which Wine leaves out.
constexpr wchar_t kAccessibleNameProperty[] = L"QuarnelAccessibleName";

std::wstring StoredName(HWND control)
{
    const auto* name = static_cast<const std::wstring*>(GetPropW(control, kAccessibleNameProperty));
    return name ? *name : std::wstring();
}

std::wstring PickedLine(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT CALLBACK NamedDropDownProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETOBJECT) {
        static constexpr AccessibleTexts kTexts = {&StoredName, &PickedLine};
        if (const LRESULT answer = AnswerAccessibleObject(control, wParam, lParam, kTexts))
            return answer;
    } else if (message == WM_NCDESTROY) {
        delete static_cast<std::wstring*>(RemovePropW(control, kAccessibleNameProperty));
        RemoveWindowSubclass(control, &NamedDropDownProc, 0);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void NameDropDownList(HWND control, const char* text)
{
    std::wstring name;
    const std::wstring marked = Wide(text);
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (marked[i] == L'&' && i + 1 < marked.size())
            ++i;
        name.push_back(marked[i]);
    }
    delete static_cast<std::wstring*>(RemovePropW(control, kAccessibleNameProperty));
    SetPropW(control, kAccessibleNameProperty, new std::wstring(std::move(name)));
    SetWindowSubclass(control, &NamedDropDownProc, 0, 0);
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

// The property that marks a window as one of the framework's dialogs and
// names its port, so that the message filter leaves the system's own
// dialogs (message boxes, the file dialog) alone.
constexpr wchar_t kPortProperty[] = L"QuarnelDialogPort";

DialogPort* PortOfWindow(HWND window)
{
    return window ? static_cast<DialogPort*>(GetPropW(window, kPortProperty)) : nullptr;
}

unsigned HeldModifiers()
{
    auto held = [](int key) { return GetKeyState(key) < 0; };
    return (held(VK_CONTROL) ? FCONTROL : 0u) | (held(VK_SHIFT) ? FSHIFT : 0u) | (held(VK_MENU) ? FALT : 0u);
}

} // namespace

CDialog::CDialog(int templateId, CWnd* parent)
    : m_template(FindTemplate(templateId)), m_port(std::make_unique<DialogPort>(*this, parent))
{
}

void CDialog::EndDialog(int result)
{
    ::EndDialog(m_port->Window(), result);
}

void CDialog::ShowWindow(int command)
{
    ::ShowWindow(m_port->Window(), command);
}

bool CDialog::IsWindowVisible() const
{
    return m_port->Window() && ::IsWindowVisible(m_port->Window()) != FALSE;
}

void CDialog::GetWindowRect(CRect* rect) const
{
    RECT frame{};
    ::GetWindowRect(m_port->Window(), &frame);
    *rect = {frame.left, frame.top, frame.right, frame.bottom};
}

void CDialog::MoveWindow(int x, int y)
{
    SetWindowPos(m_port->Window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::u16string CDialog::GetItemText(int id) const
{
    const HWND control = NativeControl(*this, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

void CDialog::SetItemText(int id, std::u16string_view text)
{
    const std::wstring wide(text.begin(), text.end());
    SetWindowTextW(NativeControl(*this, id), wide.c_str());
}

void CDialog::KeepItemTextInCodePage1252(int id)
{
    // Installing the same subclass again only renews it.
    SetWindowSubclass(NativeControl(*this, id), &CodePage1252EditProc, 0, 0);
}

void CDialog::LimitItemText(int id, int count)
{
    SendDlgItemMessageW(m_port->Window(), id, EM_LIMITTEXT, static_cast<WPARAM>(count), 0);
}

void CDialog::EnableItem(int id, bool enable)
{
    const HWND control = NativeControl(*this, id);
    // A disabled control would keep the focus it had, and the keys with it.
    if (!enable && control && GetFocus() == control)
        SendMessageW(m_port->Window(), WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(control, enable ? TRUE : FALSE);
    if (const HWND arrows = m_port->Arrows(id))
        EnableWindow(arrows, enable ? TRUE : FALSE);
}

bool CDialog::IsItemEnabled(int id) const
{
    const HWND control = NativeControl(*this, id);
    return control && IsWindowEnabled(control) != FALSE;
}

int CDialog::GetItemCheck(int id) const
{
    return static_cast<int>(IsDlgButtonChecked(m_port->Window(), id));
}

void CDialog::SetItemCheck(int id, int state)
{
    CheckDlgButton(m_port->Window(), id, static_cast<UINT>(state));
}

void CDialog::FocusItem(int id, bool selectText)
{
    const HWND control = NativeControl(*this, id);
    SendMessageW(m_port->Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (selectText)
        SendMessageW(control, EM_SETSEL, 0, -1);
}

void CDialog::ResetItemStrings(int id)
{
    SendDlgItemMessageW(m_port->Window(), id, CB_RESETCONTENT, 0, 0);
}

void CDialog::AddItemString(int id, std::u16string_view line)
{
    const std::wstring wide(line.begin(), line.end());
    SendDlgItemMessageW(m_port->Window(), id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

int CDialog::GetItemStringCount(int id) const
{
    const LRESULT count = SendDlgItemMessageW(m_port->Window(), id, CB_GETCOUNT, 0, 0);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

int CDialog::GetItemSelection(int id) const
{
    const LRESULT position = SendDlgItemMessageW(m_port->Window(), id, CB_GETCURSEL, 0, 0);
    return position == CB_ERR ? -1 : static_cast<int>(position);
}

void CDialog::SetItemSelection(int id, int position)
{
    // A position past the lines picks none, as -1 does (Wine would keep the line picked before).
    const bool onALine = position >= 0 && position < GetItemStringCount(id);
    SendDlgItemMessageW(m_port->Window(), id, CB_SETCURSEL, static_cast<WPARAM>(onALine ? position : -1), 0);
}

void CDialog::GetItemRect(int id, CRect* rect) const
{
    // A drop-down list's box is its closed one, as the system reports it.
    RECT box{};
    ::GetWindowRect(NativeControl(*this, id), &box);
    MapWindowPoints(nullptr, m_port->Window(), reinterpret_cast<POINT*>(&box), 2);
    *rect = {box.left, box.top, box.right, box.bottom};
}

void CDialog::MoveItem(int id, const CRect& rect)
{
    const HWND control = NativeControl(*this, id);
    int height = rect.bottom - rect.top;
    if (IsDropDownList(control)) {
        // The height is the opened list's room, as the system takes it; its
        // box stays as high as the font needs. A height less than the list
        // has (its closed box's, read back) leaves it the room it had.
        RECT opened{};
        SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&opened));
        height = std::max(height, static_cast<int>(opened.bottom - opened.top));
    }
    ::MoveWindow(control, rect.left, rect.top, rect.right - rect.left, height, TRUE);
    // A number box's arrows stand inside the box's new right end again.
    if (const HWND arrows = m_port->Arrows(id))
        SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control), 0);
}

void CDialog::SetIcon(HICON icon, bool bigIcon)
{
    SendMessageW(m_port->Window(), WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CDialog::GetClientRect(CRect* rect) const
{
    RECT client{};
    ::GetClientRect(m_port->Window(), &client);
    *rect = {client.left, client.top, client.right, client.bottom};
}

bool CDialog::IsIconic() const
{
    return ::IsIconic(m_port->Window()) != FALSE;
}

void CDialog::ShowWaitCursor(bool show)
{
    m_port->ShowWaitCursor(show);
}

void CDialog::OnSysCommand(unsigned, long)
{
    m_port->UseDefault();
}

void CDialog::OnPaint()
{
    m_port->UseDefault();
}

HICON CDialog::OnQueryDragIcon()
{
    return reinterpret_cast<HICON>(SendMessageW(m_port->Window(), WM_GETICON, ICON_BIG, 0));
}

DialogPort::~DialogPort()
{
    if (m_window && IsWindow(m_window))
        DestroyWindow(m_window);
}

HWND DialogPort::ParentWindow() const
{
    const auto* parent = dynamic_cast<const CDialog*>(m_parent);
    return parent ? NativeWindow(*parent) : nullptr;
}

void DialogPort::Create()
{
    if (m_window)
        return;
    m_modeless = true;
    const std::vector<std::uint8_t> bytes = BuildTemplate();
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                               ParentWindow(), &DialogProc, reinterpret_cast<LPARAM>(this));
}

void DialogPort::PostSysCommand(unsigned id)
{
    m_postedCommands.push_back(id);
    if (m_window && IsWindowVisible(m_window))
        SendPostedLater();
}

void DialogPort::SendPostedLater()
{
    if (!m_postedCommands.empty())
        PostMessageW(m_window, kSendPostedCommands, 0, 0);
}

int DialogPort::RunModal()
{
    const std::vector<std::uint8_t> bytes = BuildTemplate();
    // The modal loop is the system's: what it takes passes the filter first.
    const HHOOK filter = SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, GetCurrentThreadId());
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                                ParentWindow(), &DialogProc, reinterpret_cast<LPARAM>(this));
    if (filter)
        UnhookWindowsHookEx(filter);
    m_window = nullptr;
    return static_cast<int>(result);
}

LRESULT CALLBACK DialogPort::MessageFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && RouteInput(*reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool DialogPort::RouteInput(MSG& message)
{
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    DialogPort* port = PortOfWindow(root);
    if (!port)
        return false;
    // The wheel turns the picture grid under the pointer, as Windows itself
    // now has it, though Wine and older Windows hand it to the focus (a
    // drop-down list there would change its pick).
    if (message.message == WM_MOUSEWHEEL) {
        const POINT pointer{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
        const HWND under = WindowFromPoint(pointer);
        if (under != message.hwnd && IsPictureGridWindow(under) && PortOfWindow(GetAncestor(under, GA_ROOT))) {
            SendMessageW(under, WM_MOUSEWHEEL, message.wParam, message.lParam);
            return true;
        }
    }
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
        port->m_dialog.TranslateAccelerator(static_cast<int>(message.wParam), HeldModifiers()))
        return true;
    // The modal loop only gives its own dialog the dialog keys (Tab,
    // Escape, Enter): a dialog shown beside it takes its own here. The
    // system's handling of them calls this filter again, for the same
    // message: that call leaves it alone.
    static bool handingToDialog = false;
    if (!port->m_modeless || handingToDialog)
        return false;
    const ScopedValue<bool> handing(handingToDialog, true);
    return IsDialogMessageW(root, &message) != FALSE;
}

void DialogPort::AddItems(int templateId, std::span<const DialogItemTemplate> items)
{
    if (!m_window || m_addedControls.contains(templateId))
        return;
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0));
    std::vector<HWND>& made = m_addedControls[templateId];
    for (const DialogItemTemplate& item : items) {
        RECT place{item.x, item.y, item.x + item.cx, item.y + SystemHeight(item)};
        MapDialogRect(m_window, &place);
        const bool icon = item.kind == ControlKind::Icon;
        const std::wstring text = icon ? std::wstring() : Wide(item.text);
        const HWND control = CreateWindowExW(
            0, ItemClassName(item.kind), text.c_str(), ItemStyle(item) & ~static_cast<DWORD>(WS_VISIBLE),
            place.left, place.top, place.right - place.left, place.bottom - place.top, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), GetModuleHandleW(nullptr), nullptr);
        if (!control)
            continue;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (icon)
            SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(AfxLoadIcon(std::stoi(item.text))), 0);
        // The dialog's tab order is its children's order: the new control goes last.
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        made.push_back(control);
        if (item.kind == ControlKind::NumberBox)
            if (const HWND arrows = AttachArrows(control, false))
                made.push_back(arrows);
        if (item.kind == ControlKind::DropDownList)
            NameDropDownList(control, item.text);
    }
}

HWND DialogPort::AttachArrows(HWND edit, bool visible)
{
    static const bool registered = [] {
        const INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)registered;
    const HWND arrows = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                                        WS_CHILD | (visible ? WS_VISIBLE : 0) | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                                            UDS_NOTHOUSANDS,
                                        0, 0, 0, 0, m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!arrows)
        return nullptr;
    // Up counts up; the number itself is the dialog's to step.
    SendMessageW(arrows, UDM_SETRANGE32, 0, 0x7FFF);
    SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    m_arrows[GetDlgCtrlID(edit)] = arrows;
    return arrows;
}

HWND DialogPort::Arrows(int id) const
{
    const auto found = m_arrows.find(id);
    return found == m_arrows.end() ? nullptr : found->second;
}

void DialogPort::ShowItems(int templateId, bool show)
{
    const auto found = m_addedControls.find(templateId);
    if (found == m_addedControls.end())
        return;
    const HWND focus = GetFocus();
    bool hidFocus = false;
    for (const HWND control : found->second) {
        hidFocus = hidFocus || (!show && control == focus);
        ::ShowWindow(control, show ? SW_SHOWNA : SW_HIDE);
    }
    // A hidden control keeps the focus it had: it passes to the next control.
    if (hidFocus)
        SendMessageW(m_window, WM_NEXTDLGCTL, 0, FALSE);
}

void DialogPort::SizeClient(int cx, int cy)
{
    RECT wanted{0, 0, cx, cy};
    MapDialogRect(m_window, &wanted);
    RECT frame{}, client{};
    ::GetWindowRect(m_window, &frame);
    ::GetClientRect(m_window, &client);
    // The frame round the client area keeps its size.
    const int width = wanted.right + (frame.right - frame.left) - client.right;
    const int height = wanted.bottom + (frame.bottom - frame.top) - client.bottom;
    SetWindowPos(m_window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogPort::ShowWaitCursor(bool show)
{
    // No message is taken while the work runs, so the cursor stays until it ends.
    if (show)
        m_cursorBeforeWait = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    else
        SetCursor(m_cursorBeforeWait ? m_cursorBeforeWait : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

INT_PTR CALLBACK DialogPort::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        reinterpret_cast<DialogPort*>(lParam)->m_window = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        SetPropW(window, kPortProperty, reinterpret_cast<HANDLE>(lParam));
    }
    auto* port = reinterpret_cast<DialogPort*>(GetWindowLongPtrW(window, DWLP_USER));
    return port ? port->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR DialogPort::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        m_sizeSent = false;
        for (const DialogItemTemplate& item : m_dialog.m_template->items) {
            if (item.kind == ControlKind::NumberBox)
                AttachArrows(GetDlgItem(m_window, item.id), true);
            if (item.kind == ControlKind::DropDownList)
                NameDropDownList(GetDlgItem(m_window, item.id), item.text);
        }
        {
            RECT frame{};
            ::GetWindowRect(m_window, &frame);
            m_minimumSize = {frame.right - frame.left, frame.bottom - frame.top};
        }
        m_dialog.m_systemMenu.Attach([menu = ::GetSystemMenu(m_window, FALSE)](const CMenu::Item& item) {
            const std::wstring text = WideFromCodePage1252(item.text);
            return menu && AppendMenuW(menu, item.flags, item.id, item.IsSeparator() ? nullptr : text.c_str());
        });
        // TRUE: the system gives the focus to the first control in tab order.
        return m_dialog.OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        if (code == BN_CLICKED)
            m_dialog.SendNotification(Notification::ButtonClicked, id);
        else if (code == EN_CHANGE)
            m_dialog.SendNotification(Notification::EditChange, id);
        else if (code == CBN_SELCHANGE && IsDropDownList(reinterpret_cast<HWND>(lParam)))
            m_dialog.SendNotification(Notification::ComboSelChange, id);
        else if (code == LBN_SELCHANGE)
            m_dialog.SendNotification(Notification::ListSelChange, id);
        else
            return FALSE;
        return TRUE;
    }
    case WM_NOTIFY: {
        // A number box's arrow or key: the dialog steps the number, and the
        // arrows are told to leave their own position alone.
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code != UDN_DELTAPOS)
            return FALSE;
        for (const auto& [id, arrows] : m_arrows)
            if (arrows == header->hwndFrom) {
                m_dialog.StepItem(id, reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
                SetWindowLongPtrW(m_window, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
        return FALSE;
    }
    case WM_SYSCOMMAND:
        m_useDefault = false;
        m_dialog.SendSysCommand(static_cast<unsigned>(wParam), static_cast<long>(lParam));
        return m_useDefault ? FALSE : TRUE;
    case WM_PAINT:
        m_useDefault = false;
        return m_dialog.PaintThroughMap() && !m_useDefault ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
        if (const MessageMapEntry* entry = m_dialog.FindEntry(MessageKind::QueryDragIcon))
            return reinterpret_cast<INT_PTR>((m_dialog.*std::get<AFX_PMSG_QUERYICON>(entry->handler))());
        return FALSE;
    case WM_HELP:
        m_dialog.RouteHelpKey();
        return TRUE;
    case WM_WINDOWPOSCHANGED:
        // A modal dialog is shown only once its loop has nothing waiting.
        if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) {
            SendPostedLater();
            // The size the window was made with came before the dialog
            // heard anything; it hears it once as it is first shown.
            if (!std::exchange(m_sizeSent, true)) {
                RECT client{};
                ::GetClientRect(m_window, &client);
                m_dialog.SendSize(SIZE_RESTORED, client.right, client.bottom);
            }
        }
        return FALSE;
    case WM_SIZE:
        m_sizeSent = true;
        m_dialog.SendSize(static_cast<unsigned>(wParam), LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_GETMINMAXINFO:
        // A resizable window is never made smaller than it was made.
        if ((m_dialog.m_template->style & Style::kThickFrame) && m_minimumSize.cx > 0) {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize.x = std::max(limits->ptMinTrackSize.x, m_minimumSize.cx);
            limits->ptMinTrackSize.y = std::max(limits->ptMinTrackSize.y, m_minimumSize.cy);
            return TRUE;
        }
        return FALSE;
    case kSendPostedCommands: {
        UpdateWindow(m_window);  // painted before the work, which may take a while
        // Taken first: a command may post another, which waits for its own turn.
        const std::vector<unsigned> commands = std::exchange(m_postedCommands, {});
        for (const unsigned id : commands)
            m_dialog.SendSysCommand(id);
        return TRUE;
    }
    case WM_NCDESTROY:
        RemovePropW(m_window, kPortProperty);
        m_window = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

std::vector<std::uint8_t> DialogPort::BuildTemplate() const
{
    const DialogTemplate& dialogTemplate = *m_dialog.m_template;
    TemplateWriter out;
    out.Word(1);       // version
    out.Word(0xFFFF);  // an extended template
    out.Dword(0);      // help id
    out.Dword((dialogTemplate.style & Style::kAppWindow) ? WS_EX_APPWINDOW : 0);
    out.Dword(DialogStyle(dialogTemplate.style));
    out.Word(static_cast<WORD>(dialogTemplate.items.size()));
    out.Short(0);
    out.Short(0);
    out.Short(static_cast<short>(dialogTemplate.cx));
    out.Short(static_cast<short>(dialogTemplate.cy));
    out.Word(0);  // no menu
    out.Word(0);  // the system's dialog class
    out.Text(Wide(dialogTemplate.caption));
    out.Word(static_cast<WORD>(dialogTemplate.pointSize));
    out.Word(FW_NORMAL);
    out.Word(DEFAULT_CHARSET << 8);  // not italic; the character set
    out.Text(Wide(dialogTemplate.fontName));
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        out.AlignToDword();
        out.Dword(0);  // help id
        out.Dword(0);  // extended style
        out.Dword(ItemStyle(item));
        out.Short(static_cast<short>(item.x));
        out.Short(static_cast<short>(item.y));
        out.Short(static_cast<short>(item.cx));
        out.Short(static_cast<short>(SystemHeight(item)));
        out.Dword(static_cast<DWORD>(item.id));
        if (item.kind == ControlKind::Image) {
            RegisterImageWindowClass();
            out.Text(kImageWindowClass);
        } else if (item.kind == ControlKind::PictureGrid) {
            RegisterPictureGridWindowClass();
            out.Text(kPictureGridWindowClass);
        } else {
            out.Word(0xFFFF);
            out.Word(ItemClass(item.kind));
        }
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
