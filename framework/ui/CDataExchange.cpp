#include "CDataExchange.h"

#include "CDialog.h"
#include "CListBox.h"
#include "CodePage1252.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QValidator>

#include <climits>

namespace {

// Only the first 31 characters of a number box are looked at.
constexpr qsizetype kIntegerTextLimit = 31;

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Accepts only text the Western code page can hold, so that nothing typed
// or pasted is ever replaced on the way into an 8-bit member.
class CodePage1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (const QChar c : input)
            if (!CanEncodeInCodePage1252(c))
                return Invalid;
        return Acceptable;
    }
};

QLineEdit* EditAt(CDataExchange* pDX, int id)
{
    return qobject_cast<QLineEdit*>(pDX->PrepareEditCtrl(id));
}

void SetTextIfChanged(QLineEdit* edit, const QString& text)
{
    // A box whose text would not change is not rewritten.
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

bool ParseDialogInteger(const QString& fullText, int& value)
{
    const QString text = fullText.left(kIntegerTextLimit);
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const qsizetype first = i;

    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    const qsizetype digitsStart = i;
    long long magnitude = 0;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        magnitude = std::min<long long>(magnitude * 10 + (text[i].unicode() - '0'), 1LL << 32);
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
    if (number == 0 && (first >= text.size() || text[first] != QLatin1Char('0')))
        return false;
    value = static_cast<int>(number);
    return true;
}

QWidget* CDataExchange::PrepareCtrl(int id)
{
    m_idLastControl = id;
    m_bEditLastControl = false;
    return m_pDlgWnd->GetDlgItem(id);
}

QWidget* CDataExchange::PrepareEditCtrl(int id)
{
    QWidget* control = PrepareCtrl(id);
    m_bEditLastControl = true;
    return control;
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate)
        return;
    if (QWidget* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control); edit && m_bEditLastControl)
            edit->selectAll();
    }
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int id, CListBox& control)
{
    if (!control.GetControl())
        control.Attach(qobject_cast<ListBoxControl*>(pDX->PrepareCtrl(id)));
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    QLineEdit* edit = EditAt(pDX, id);
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(edit, QString::number(value));
        return;
    }
    if (!ParseDialogInteger(edit->text(), value)) {
        AfxMessageBox(kPromptParseInt, MessageIcon::Exclamation);
        pDX->Fail();
    }
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    QLineEdit* edit = EditAt(pDX, id);
    if (!edit->validator())
        edit->setValidator(new CodePage1252Validator(edit));
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(edit, FromCodePage1252(value));
        return;
    }
    // The validator lets no other text in; should some arrive by another
    // way, the member keeps its bytes rather than take replaced ones.
    if (std::optional<std::string> bytes = ToCodePage1252(edit->text()))
        value = std::move(*bytes);
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int count)
{
    if (!pDX->m_bSaveAndValidate) {
        if (auto* edit = qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl)))
            edit->setMaxLength(count);
        return;
    }
    if (static_cast<int>(value.size()) > count) {
        AfxMessageBox(QString::fromLatin1(kPromptMaxChars).arg(count).toStdString(), MessageIcon::Exclamation);
        pDX->Fail();
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    auto* box = qobject_cast<QCheckBox*>(pDX->PrepareCtrl(id));
    if (pDX->m_bSaveAndValidate) {
        value = box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    box->setTristate(value == 2);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}
