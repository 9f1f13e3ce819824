// What a dialog does the same way on every backend: its template, the
// exchange with its lock-out, the message map's dispatch, OK and Cancel, the
// system menu's entries, the wait cursor's nesting and the help key, and
// what it asks of its port in the same words on each. The window-system
// parts are each backend's DialogPort.cpp; DialogPort.h is the backend's own.

#include "CDialog.h"

#include "CDataExchange.h"
#include "CWinApp.h"
#include "DialogPort.h"
#include "DialogTemplate.h"
#include "ResourceModule.h"
#include "ScopedValue.h"

#include <algorithm>
#include <stdexcept>
#include <string>

const DialogTemplate* CDialog::FindTemplate(int id)
{
    const DialogTemplate* found = AfxFindDialogTemplate(id);
    if (!found)
        throw std::runtime_error("no dialog template " + std::to_string(id));
    return found;
}

CDialog::~CDialog()
{
    EndEveryWaitCursor();
}

void CDialog::Create()
{
    m_port->Create();
}

int CDialog::DoModal()
{
    return m_port->RunModal();
}

void CDialog::AddItems(int templateId)
{
    m_port->AddItems(templateId, FindTemplate(templateId)->items);
}

void CDialog::ShowItems(int templateId, bool show)
{
    m_port->ShowItems(templateId, show);
}

void CDialog::SizeClientTo(int templateId)
{
    const DialogTemplate& size = *FindTemplate(templateId);
    m_port->SizeClient(size.cx, size.cy);
}

void CDialog::PostSysCommand(unsigned id)
{
    m_port->PostSysCommand(id);
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    const ScopedValue<int> exchanging(m_exchangeDepth, m_exchangeDepth + 1);
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        return false;  // the failing control has prompted and taken the focus
    }
    return true;
}

void CDialog::SetItemRange(int id, int lowest, int highest)
{
    m_itemRanges[id] = {lowest, highest};
}

void CDialog::StepItem(int id, int steps)
{
    const auto found = m_itemRanges.find(id);
    const auto [lowest, highest] = found == m_itemRanges.end() ? std::pair{0, 0} : found->second;
    const std::u16string text = GetItemText(id);
    // Digits alone, as the box takes them; no number at all steps from below the range.
    long long value = text.empty() ? static_cast<long long>(lowest) - 1 : 0;
    for (const char16_t c : text)
        value = (c >= u'0' && c <= u'9') ? std::min(value * 10 + (c - u'0'), 1LL << 40) : value;
    const long long stepped = std::clamp(value + steps, static_cast<long long>(lowest), static_cast<long long>(highest));
    const std::string digits = std::to_string(stepped);
    const std::u16string shown(digits.begin(), digits.end());
    if (shown != text)
        SetItemText(id, shown);
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

const MessageMap* CDialog::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CDialog::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{MessageKind::End, Notification::ButtonClicked, 0, AFX_PMSG{}}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMapEntry* CDialog::FindEntry(MessageKind kind, Notification code, int id) const
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->kind != MessageKind::End; ++entry) {
            // A notification is a range entry's too, when the id lies in its range.
            if (kind == MessageKind::Notify && entry->kind == MessageKind::NotifyRange && entry->code == code &&
                id >= entry->id && id <= entry->lastId)
                return entry;
            if (entry->kind != kind)
                continue;
            if (kind != MessageKind::Notify || (entry->code == code && entry->id == id))
                return entry;
        }
    }
    return nullptr;
}

void CDialog::SendNotification(Notification code, int id)
{
    // Showing or taking values must never set off a handler.
    if (IsExchanging())
        return;
    if (const MessageMapEntry* entry = FindEntry(MessageKind::Notify, code, id)) {
        if (entry->kind == MessageKind::NotifyRange)
            (this->*std::get<AFX_PMSG_RANGE>(entry->handler))(id);
        else
            (this->*std::get<AFX_PMSG>(entry->handler))();
        return;
    }
    if (code == Notification::ButtonClicked && id == IDOK)
        OnOK();
    else if (code == Notification::ButtonClicked && id == IDCANCEL)
        OnCancel();
}

void CDialog::SendSysCommand(unsigned id, long lParam)
{
    if (const MessageMapEntry* entry = FindEntry(MessageKind::SysCommand))
        (this->*std::get<AFX_PMSG_SYSCOMMAND>(entry->handler))(id, lParam);
    else
        OnSysCommand(id, lParam);
}

void CDialog::SendSize(unsigned type, int cx, int cy)
{
    if (const MessageMapEntry* entry = FindEntry(MessageKind::Size))
        (this->*std::get<AFX_PMSG_SIZE>(entry->handler))(type, cx, cy);
}

bool CDialog::PaintThroughMap()
{
    const MessageMapEntry* entry = FindEntry(MessageKind::Paint);
    if (entry)
        (this->*std::get<AFX_PMSG>(entry->handler))();
    return entry != nullptr;
}

CMenu* CDialog::GetSystemMenu(bool)
{
    return (m_template->style & Style::kSysMenu) ? &m_systemMenu : nullptr;
}

unsigned CDialog::FirstProgramSystemCommand() const
{
    return m_systemMenu.FirstProgramCommand();
}

void CDialog::RouteHelpKey()
{
    if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this)
        AfxGetApp()->OnCmdMsg(ID_HELP);
}

bool CDialog::TranslateAccelerator(int key, unsigned modifiers)
{
    for (const Accelerator& accelerator : m_accelerators) {
        if (accelerator.key == key && accelerator.modifiers == modifiers) {
            SendSysCommand(accelerator.command);
            return true;
        }
    }
    return false;
}

void CDialog::BeginWaitCursor()
{
    if (m_waitCursorDepth++ == 0)
        ShowWaitCursor(true);
}

void CDialog::EndWaitCursor()
{
    if (m_waitCursorDepth == 0)
        return;
    if (--m_waitCursorDepth == 0)
        ShowWaitCursor(false);
}

void CDialog::EndEveryWaitCursor()
{
    if (m_waitCursorDepth == 0)
        return;
    m_waitCursorDepth = 0;
    ShowWaitCursor(false);
}
