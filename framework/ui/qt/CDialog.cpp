#include "CDialog.h"

#include "CListBox.h"
#include "CWinApp.h"
#include "CodePage1252.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "ResourceModule.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QValidator>

#include <stdexcept>

namespace {

constexpr int kIconSize = 32;

// The control ids of programs' own system-menu entries lie below the system's.
constexpr unsigned kFirstSystemCommand = 0xF000;

QString ControlText(const char* text)
{
    return QString::fromLatin1(text ? text : "");
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

} // namespace

CDialog::CDialog(int templateId, CWnd* parent)
    : QDialog(parent), m_template(AfxFindDialogTemplate(templateId))
{
    if (!m_template)
        throw std::runtime_error("no dialog template " + std::to_string(templateId));
    m_systemMenu.AppendMenu(MF_STRING, SC_CLOSE, "&Close");
}

CDialog::~CDialog()
{
    while (m_waitCursorDepth > 0)
        EndWaitCursor();
}

void CDialog::Create()
{
    if (m_created)
        return;
    m_created = true;
    CreateControls();
    if (OnInitDialog()) {
        // The first tab stop takes the focus.
        for (const DialogItemTemplate& item : m_template->items) {
            QWidget* control = GetDlgItem(item.id);
            if (control && (item.style & Style::kTabStop)) {
                control->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

int CDialog::DoModal()
{
    Create();
    return exec();
}

void CDialog::EndDialog(int result)
{
    done(result);
}

QWidget* CDialog::GetDlgItem(int id) const
{
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

std::u16string CDialog::GetItemText(int id) const
{
    const auto* edit = qobject_cast<const QLineEdit*>(GetDlgItem(id));
    return edit ? edit->text().toStdU16String() : std::u16string();
}

void CDialog::SetItemText(int id, std::u16string_view text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(id)))
        edit->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void CDialog::LimitItemText(int id, int count)
{
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(id)))
        edit->setMaxLength(count);
}

void CDialog::KeepItemTextInCodePage1252(int id)
{
    auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(id));
    if (edit && !edit->validator())
        edit->setValidator(new CodePage1252Validator(edit));
}

int CDialog::GetItemCheck(int id) const
{
    const auto* box = qobject_cast<const QCheckBox*>(GetDlgItem(id));
    if (!box)
        return 0;
    return box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
}

void CDialog::SetItemCheck(int id, int state)
{
    if (auto* box = qobject_cast<QCheckBox*>(GetDlgItem(id))) {
        box->setTristate(state == 2);
        box->setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
}

void CDialog::FocusItem(int id, bool selectText)
{
    QWidget* control = GetDlgItem(id);
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control); edit && selectText)
        edit->selectAll();
}

CMenu* CDialog::GetSystemMenu(bool)
{
    return (m_template->style & Style::kSysMenu) ? &m_systemMenu : nullptr;
}

void CDialog::GetClientRect(CRect* rect) const
{
    *rect = {0, 0, width(), height()};
}

void CDialog::SetIcon(const HICON& icon, bool)
{
    // One window icon holds both sizes.
    setWindowIcon(icon);
}

void CDialog::BeginWaitCursor()
{
    ++m_waitCursorDepth;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CDialog::EndWaitCursor()
{
    if (m_waitCursorDepth == 0)
        return;
    --m_waitCursorDepth;
    QApplication::restoreOverrideCursor();
}

void CDialog::OnSysCommand(unsigned id, long)
{
    if ((id & 0xFFF0) == SC_CLOSE)
        reject();
}

void CDialog::OnPaint()
{
    QDialog::paintEvent(nullptr);
}

HICON CDialog::OnQueryDragIcon()
{
    return windowIcon();
}

void CDialog::ShowSystemMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("systemMenu"));
    m_systemMenu.Populate(menu, [this](unsigned id) { SendSysCommand(id); });
    menu.exec(globalPos);
}

unsigned CDialog::FirstProgramSystemCommand() const
{
    for (const CMenu::Item& item : m_systemMenu.Items())
        if (!item.separator && item.id < kFirstSystemCommand)
            return item.id;
    return 0;
}

void CDialog::reject()
{
    OnCancel();
}

void CDialog::paintEvent(QPaintEvent* event)
{
    if (const MessageMapEntry* entry = FindEntry(MessageKind::Paint))
        (this->*std::get<AFX_PMSG>(entry->handler))();
    else
        QDialog::paintEvent(event);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // Only the dialog's free area and its labels offer the system menu.
    QWidget* under = childAt(event->pos());
    if ((under && !qobject_cast<QLabel*>(under)) || !GetSystemMenu(false))
        return QDialog::contextMenuEvent(event);
    ShowSystemMenu(event->globalPos());
}

void CDialog::keyPressEvent(QKeyEvent* event)
{
    // Help is the main window's: F1 in a dialog run over it (the About box
    // itself) must not run the help command again.
    if (event->key() == Qt::Key_F1) {
        if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this)
            AfxGetApp()->OnCmdMsg(ID_HELP);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDialog::CreateControls()
{
    const QFont font = DialogFont(m_template->fontName, m_template->pointSize);
    setFont(font);
    const DialogUnits units(font);
    setWindowTitle(ControlText(m_template->caption));

    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (m_template->style & Style::kCaption)
        flags |= Qt::WindowTitleHint;
    if (m_template->style & Style::kSysMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setFixedSize(units.ToPixelsX(m_template->cx), units.ToPixelsY(m_template->cy));

    QWidget* previousTabStop = nullptr;
    QLabel* pendingLabel = nullptr;
    int labelCount = 0;
    for (const DialogItemTemplate& item : m_template->items) {
        QWidget* control = nullptr;
        const QString text = ControlText(item.text);
        switch (item.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            auto* button = new QPushButton(text, this);
            button->setDefault(item.kind == ControlKind::DefPushButton);
            connect(button, &QPushButton::clicked, this,
                    [this, id = item.id] { SendNotification(Notification::ButtonClicked, id); });
            control = button;
            break;
        }
        case ControlKind::AutoCheckBox: {
            auto* box = new QCheckBox(text, this);
            connect(box, &QCheckBox::clicked, this,
                    [this, id = item.id] { SendNotification(Notification::ButtonClicked, id); });
            control = box;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setFrame((item.style & Style::kBorder) != 0);
            // Every change of the text is reported, typed or pasted or set.
            connect(edit, &QLineEdit::textChanged, this,
                    [this, id = item.id] { SendNotification(Notification::EditChange, id); });
            if (pendingLabel) {
                pendingLabel->setBuddy(edit);
                edit->setAccessibleName(pendingLabel->text().remove(QLatin1Char('&')));
            }
            control = edit;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new ListBoxControl(this);
            list->setAccessibleName(text);  // a list box's text is never shown
            list->setFrameShape((item.style & Style::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
            list->setVerticalScrollBarPolicy((item.style & Style::kVScroll) ? Qt::ScrollBarAlwaysOn
                                                                            : Qt::ScrollBarAsNeeded);
            connect(list, &ListBoxControl::selChange, this,
                    [this, id = item.id] { SendNotification(Notification::ListSelChange, id); });
            control = list;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            // Without the no-prefix style an ampersand marks a mnemonic, which
            // QLabel only shows when it has a buddy; the plain text is kept here.
            label->setText(text);
            control = label;
            break;
        }
        case ControlKind::Icon: {
            auto* label = new QLabel(this);
            label->setPixmap(AfxLoadIcon(QString::fromLatin1(item.text).toInt()).pixmap(kIconSize, kIconSize));
            control = label;
            break;
        }
        }
        control->setGeometry(units.ToPixels(item.x, item.y, item.cx, item.cy));
        pendingLabel = item.kind == ControlKind::Label ? qobject_cast<QLabel*>(control) : nullptr;
        if (item.id == IDC_STATIC) {
            control->setObjectName(QStringLiteral("static%1").arg(labelCount++));
            control->setFocusPolicy(Qt::NoFocus);
        } else {
            control->setObjectName(QString::number(item.id));
            m_controls[item.id] = control;
        }
        if (item.style & Style::kTabStop) {
            control->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop)
                setTabOrder(previousTabStop, control);
            previousTabStop = control;
        } else if (item.kind != ControlKind::Label && item.kind != ControlKind::Icon) {
            control->setFocusPolicy(Qt::ClickFocus);
        }
    }
}

void CPaintDC::EraseBackground()
{
    m_painter.fillRect(m_dialog->rect(), m_dialog->palette().window());
}

void CPaintDC::DrawIcon(int x, int y, const HICON& icon)
{
    icon.paint(&m_painter, x, y, kIconSize, kIconSize);
}

int GetSystemMetrics(int index)
{
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}
