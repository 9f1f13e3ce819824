#include "CDataExchange.h"

#include "CDialog.h"
#include "CImageCtrl.h"
#include "CListBox.h"
#include "CPictureGridCtrl.h"
#include "MessageBox.h"
#include "WindowsCodePage.h"

#include <algorithm>
#include <climits>

namespace {

// Only the first 31 characters of a number box are looked at.
constexpr std::size_t kIntegerTextLimit = 31;

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

std::u16string Utf16FromAscii(std::string_view text)
{
    return {text.begin(), text.end()};
}

// A box whose text would not change is not rewritten.
void SetTextIfChanged(CDialog* dialog, int id, const std::u16string& text)
{
    if (dialog->GetItemText(id) != text)
        dialog->SetItemText(id, text);
}

} // namespace

bool ParseDialogInteger(std::u16string_view fullText, int& value)
{
    const std::u16string_view text = fullText.substr(0, kIntegerTextLimit);
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const std::size_t first = i;

    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    const std::size_t digitsStart = i;
    long long magnitude = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        magnitude = std::min<long long>(magnitude * 10 + (text[i] - u'0'), 1LL << 32);
        ++i;
    }
    // A sign with no digits after it converts nothing: the whole text is left over.
    if (i == digitsStart)
        i = 0;
    long long number = negative ? -magnitude : magnitude;
    number = std::clamp<long long>(number, INT_MIN, INT_MAX);

    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return false;
    if (number == 0 && (first >= text.size() || text[first] != u'0'))
        return false;
    value = static_cast<int>(number);
    return true;
}

void CDataExchange::PrepareCtrl(int id)
{
    m_idLastControl = id;
    m_bEditLastControl = false;
}

void CDataExchange::PrepareEditCtrl(int id)
{
    PrepareCtrl(id);
    m_bEditLastControl = true;
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate)
        return;
    m_pDlgWnd->FocusItem(m_idLastControl, m_bEditLastControl);
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int id, CListBox& control)
{
    if (!control.IsAttached())
        control.SubclassDlgItem(id, pDX->m_pDlgWnd);
}

void DDX_Control(CDataExchange* pDX, int id, CImageCtrl& control)
{
    if (!control.IsAttached())
        control.SubclassDlgItem(id, pDX->m_pDlgWnd);
}

void DDX_Control(CDataExchange* pDX, int id, CPictureGridCtrl& control)
{
    if (!control.IsAttached())
        control.SubclassDlgItem(id, pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(pDX->m_pDlgWnd, id, Utf16FromAscii(std::to_string(value)));
        return;
    }
    if (!ParseDialogInteger(pDX->m_pDlgWnd->GetItemText(id), value)) {
        AfxMessageBox(kPromptParseInt, MessageIcon::Exclamation);
        pDX->Fail();
    }
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    pDX->PrepareEditCtrl(id);
    pDX->m_pDlgWnd->KeepItemTextInCodePage1252(id);
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(pDX->m_pDlgWnd, id, Utf16FromCodePage1252(value));
        return;
    }
    // Where the control lets no other text in, none arrives; should some
    // arrive by another way, the member keeps its bytes rather than take
    // replaced ones.
    if (std::optional<std::string> bytes = CodePage1252FromUtf16(pDX->m_pDlgWnd->GetItemText(id)))
        value = std::move(*bytes);
}

void DDX_Text(CDataExchange* pDX, int id, std::u16string& value)
{
    pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->GetItemText(id);
    else
        SetTextIfChanged(pDX->m_pDlgWnd, id, value);
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int count)
{
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->LimitItemText(pDX->m_idLastControl, count);
        return;
    }
    if (static_cast<int>(value.size()) > count) {
        std::string prompt = kPromptMaxChars;
        prompt.replace(prompt.find("%1"), 2, std::to_string(count));
        AfxMessageBox(prompt, MessageIcon::Exclamation);
        pDX->Fail();
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->GetItemCheck(id);
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    pDX->m_pDlgWnd->SetItemCheck(id, value);
}
