// The dialog on Qt's widgets: the window, its controls made from the
// template, and what Qt reports handed to the dialog.

#include "DialogPort.h"

#include "CodePage1252.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "Icon.h"
#include "ImageControl.h"
#include "ListBoxControl.h"
#include "NumberBoxControl.h"
#include "PictureGridControl.h"
#include "ResourceModule.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QValidator>

#include <utility>

namespace {

QString ControlText(const char* text)
{
    return QString::fromLatin1(text ? text : "");
}

QString FromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
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

// An accelerator's modifiers for the keys held with a key press.
unsigned AcceleratorModifiers(Qt::KeyboardModifiers modifiers)
{
    return ((modifiers & Qt::ControlModifier) ? FCONTROL : 0u) | ((modifiers & Qt::ShiftModifier) ? FSHIFT : 0u) |
           ((modifiers & Qt::AltModifier) ? FALT : 0u);
}

// The virtual-key code an accelerator names for a key Qt reports. Qt's
// codes of letters and digits are their upper-case characters already; its
// function keys, like the system's, follow one another.
int AcceleratorKey(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F3 + (qtKey - Qt::Key_F3);
    return qtKey;
}

QWidget* NativeParent(CWnd* parent)
{
    auto* dialog = dynamic_cast<CDialog*>(parent);
    return dialog ? &dialog->Port() : nullptr;
}

} // namespace

CDialog::CDialog(int templateId, CWnd* parent)
    : m_template(FindTemplate(templateId)), m_port(std::make_unique<DialogPort>(*this, NativeParent(parent)))
{
    // Qt's windows have no system menu of their own: the dialog offers one.
    m_systemMenu.AppendMenu(MF_STRING, SC_CLOSE, "&Close");
}

void CDialog::EndDialog(int result)
{
    m_port->done(result);
    // The windows it owns close with it, as the system's owned windows do.
    for (QDialog* owned : m_port->findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        owned->hide();
}

void CDialog::ShowWindow(int command)
{
    if (command == SW_HIDE) {
        m_port->hide();
        return;
    }
    m_port->setAttribute(Qt::WA_ShowWithoutActivating, command == SW_SHOWNOACTIVATE);
    m_port->show();
}

bool CDialog::IsWindowVisible() const
{
    return m_port->isVisible();
}

void CDialog::GetWindowRect(CRect* rect) const
{
    const QRect frame = m_port->frameGeometry();
    *rect = {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void CDialog::MoveWindow(int x, int y)
{
    m_port->move(x, y);
}

std::u16string CDialog::GetItemText(int id) const
{
    const QWidget* control = m_port->Control(id);
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().toStdU16String();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text().toStdU16String();
    if (const auto* dropDown = qobject_cast<const QComboBox*>(control))
        return dropDown->currentText().toStdU16String();  // the picked line, as the system's drop-down list gives it
    return {};
}

void CDialog::SetItemText(int id, std::u16string_view text)
{
    QWidget* control = m_port->Control(id);
    const QString qtText = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(qtText);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(qtText);
}

void CDialog::LimitItemText(int id, int count)
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_port->Control(id)))
        edit->setMaxLength(count);
}

void CDialog::KeepItemTextInCodePage1252(int id)
{
    auto* edit = qobject_cast<QLineEdit*>(m_port->Control(id));
    if (edit && !edit->validator())
        edit->setValidator(new CodePage1252Validator(edit));
}

void CDialog::EnableItem(int id, bool enable)
{
    // Qt passes the focus of a widget it disables on by itself.
    if (QWidget* control = m_port->Control(id))
        control->setEnabled(enable);
}

bool CDialog::IsItemEnabled(int id) const
{
    const QWidget* control = m_port->Control(id);
    return control && control->isEnabled();
}

int CDialog::GetItemCheck(int id) const
{
    const auto* box = qobject_cast<const QCheckBox*>(m_port->Control(id));
    if (!box)
        return 0;
    return box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
}

void CDialog::SetItemCheck(int id, int state)
{
    if (auto* box = qobject_cast<QCheckBox*>(m_port->Control(id))) {
        box->setTristate(state == 2);
        box->setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
}

void CDialog::FocusItem(int id, bool selectText)
{
    QWidget* control = m_port->Control(id);
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control); edit && selectText)
        edit->selectAll();
}

void CDialog::ResetItemStrings(int id)
{
    if (auto* dropDown = qobject_cast<QComboBox*>(m_port->Control(id)))
        dropDown->clear();
}

void CDialog::AddItemString(int id, std::u16string_view line)
{
    auto* dropDown = qobject_cast<QComboBox*>(m_port->Control(id));
    if (!dropDown)
        return;
    // Qt picks the first line added to an empty box; the system's drop-down
    // list leaves none picked until told.
    const int picked = dropDown->currentIndex();
    dropDown->addItem(FromUtf16(line));
    dropDown->setCurrentIndex(picked);
}

int CDialog::GetItemStringCount(int id) const
{
    const auto* dropDown = qobject_cast<const QComboBox*>(m_port->Control(id));
    return dropDown ? dropDown->count() : 0;
}

int CDialog::GetItemSelection(int id) const
{
    const auto* dropDown = qobject_cast<const QComboBox*>(m_port->Control(id));
    return dropDown ? dropDown->currentIndex() : -1;
}

void CDialog::SetItemSelection(int id, int position)
{
    // Qt reports only the user's picks (activated): this one goes unreported.
    if (auto* dropDown = qobject_cast<QComboBox*>(m_port->Control(id)))
        dropDown->setCurrentIndex(position >= 0 && position < dropDown->count() ? position : -1);
}

void CDialog::GetItemRect(int id, CRect* rect) const
{
    const QWidget* control = m_port->Control(id);
    const QRect box = control ? control->geometry() : QRect();
    *rect = {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
}

void CDialog::MoveItem(int id, const CRect& rect)
{
    QWidget* control = m_port->Control(id);
    if (!control)
        return;
    // A drop-down list keeps the height its font gives it, as the system's does.
    const int height = qobject_cast<QComboBox*>(control) ? control->height() : rect.Height();
    control->setGeometry(rect.left, rect.top, rect.Width(), height);
}

void CDialog::SetIcon(HICON icon, bool)
{
    // One window icon holds both sizes.
    m_port->SetIcon(icon);
}

void CDialog::GetClientRect(CRect* rect) const
{
    *rect = {0, 0, m_port->width(), m_port->height()};
}

bool CDialog::IsIconic() const
{
    return m_port->isMinimized();
}

void CDialog::ShowWaitCursor(bool show)
{
    if (show)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CDialog::OnSysCommand(unsigned id, long)
{
    if ((id & 0xFFF0) == SC_CLOSE)
        OnCancel();
}

void CDialog::OnPaint()
{
    m_port->PaintDefault();
}

HICON CDialog::OnQueryDragIcon()
{
    return m_port->Icon();
}

DialogPort::DialogPort(CDialog& dialog, QWidget* parent) : QDialog(parent), m_dialog(dialog) {}

void DialogPort::Create()
{
    if (m_created)
        return;
    m_created = true;
    CreateControls();
    if (m_dialog.OnInitDialog()) {
        // The first tab stop takes the focus.
        for (const DialogItemTemplate& item : m_dialog.m_template->items) {
            QWidget* control = Control(item.id);
            if (control && (item.style & Style::kTabStop)) {
                control->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

int DialogPort::RunModal()
{
    Create();
    return exec();
}

void DialogPort::SizeClient(int cx, int cy)
{
    const DialogUnits units(font());
    if (Resizable())
        resize(units.ToPixelsX(cx), units.ToPixelsY(cy));
    else
        setFixedSize(units.ToPixelsX(cx), units.ToPixelsY(cy));
}

bool DialogPort::Resizable() const
{
    return (m_dialog.m_template->style & Style::kThickFrame) != 0;
}

QWidget* DialogPort::Control(int id) const
{
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

void DialogPort::AddItems(int templateId, std::span<const DialogItemTemplate> items)
{
    if (m_addedControls.contains(templateId))
        return;
    std::vector<QWidget*> made = MakeControls(items);
    for (QWidget* control : made)
        control->hide();  // explicitly: a control made before the window shows would show with it
    m_addedControls[templateId] = std::move(made);
}

void DialogPort::ShowItems(int templateId, bool show)
{
    const auto found = m_addedControls.find(templateId);
    if (found == m_addedControls.end())
        return;
    for (QWidget* control : found->second)
        control->setVisible(show);
}

void DialogPort::SetIcon(HICON icon)
{
    m_icon = icon;
    setWindowIcon(IconOf(icon));
}

void DialogPort::ShowSystemMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("systemMenu"));
    for (const CMenu::Item& item : m_dialog.m_systemMenu.Items()) {
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(FromCodePage1252(item.text));
        action->setData(item.id);
        connect(action, &QAction::triggered, &menu, [this, id = item.id] { m_dialog.SendSysCommand(id); });
    }
    menu.exec(globalPos);
}

void DialogPort::PostSysCommand(unsigned id)
{
    m_postedCommands.push_back(id);
    if (isVisible())
        SendPostedLater();
}

void DialogPort::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SendPostedLater();
}

void DialogPort::SendPostedLater()
{
    if (m_postedCommands.empty())
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            // Taken first: a command may post another, which waits for its own turn.
            const std::vector<unsigned> commands = std::exchange(m_postedCommands, {});
            for (const unsigned id : commands)
                m_dialog.SendSysCommand(id);
        },
        Qt::QueuedConnection);
}

void DialogPort::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // Qt sends the first size as the window is first shown, as the system does.
    m_dialog.SendSize(isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED, width(), height());
}

void DialogPort::reject()
{
    m_dialog.OnCancel();
}

void DialogPort::paintEvent(QPaintEvent* event)
{
    if (!m_dialog.PaintThroughMap())
        QDialog::paintEvent(event);
}

void DialogPort::contextMenuEvent(QContextMenuEvent* event)
{
    // Only the dialog's free area, its labels and its group frames offer the system menu.
    QWidget* under = childAt(event->pos());
    if ((under && !qobject_cast<QLabel*>(under) && !qobject_cast<QGroupBox*>(under)) ||
        !m_dialog.GetSystemMenu(false))
        return QDialog::contextMenuEvent(event);
    ShowSystemMenu(event->globalPos());
}

void DialogPort::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_dialog.RouteHelpKey();
        return;
    }
    // Controls pass on the control-key and function-key presses they have
    // no use for.
    if (m_dialog.TranslateAccelerator(AcceleratorKey(event->key()), AcceleratorModifiers(event->modifiers())))
        return;
    QDialog::keyPressEvent(event);
}

void DialogPort::CreateControls()
{
    const DialogTemplate& dialogTemplate = *m_dialog.m_template;
    const QFont font = DialogFont(dialogTemplate.fontName, dialogTemplate.pointSize);
    setFont(font);
    const DialogUnits units(font);
    setWindowTitle(ControlText(dialogTemplate.caption));

    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (!Resizable())
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    if (dialogTemplate.style & Style::kCaption)
        flags |= Qt::WindowTitleHint;
    if (dialogTemplate.style & Style::kSysMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (Resizable() && (dialogTemplate.style & Style::kSysMenu))
        flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
    const QSize size(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));
    if (Resizable()) {
        // The frame resizes it, never below the template's size.
        setMinimumSize(size);
        resize(size);
    } else {
        setFixedSize(size);
    }
    MakeControls(dialogTemplate.items);
}

std::vector<QWidget*> DialogPort::MakeControls(std::span<const DialogItemTemplate> items)
{
    const DialogUnits units(font());
    std::vector<QWidget*> made;
    QLabel* pendingLabel = nullptr;
    // A control right after a label is named by it, and reached by its mnemonic.
    const auto nameByLabel = [&pendingLabel](QWidget* control) {
        if (!pendingLabel)
            return;
        pendingLabel->setBuddy(control);
        control->setAccessibleName(pendingLabel->text().remove(QLatin1Char('&')));
    };
    // Every change of an edit's text is reported, typed or pasted or set.
    const auto reportChanges = [this](QLineEdit* edit, int id) {
        connect(edit, &QLineEdit::textChanged, this, [this, id] { m_dialog.SendNotification(Notification::EditChange, id); });
    };
    for (const DialogItemTemplate& item : items) {
        QWidget* control = nullptr;
        const QString text = ControlText(item.text);
        switch (item.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            auto* button = new QPushButton(text, this);
            button->setDefault(item.kind == ControlKind::DefPushButton);
            connect(button, &QPushButton::clicked, this,
                    [this, id = item.id] { m_dialog.SendNotification(Notification::ButtonClicked, id); });
            control = button;
            break;
        }
        case ControlKind::AutoCheckBox: {
            auto* box = new QCheckBox(text, this);
            connect(box, &QCheckBox::clicked, this,
                    [this, id = item.id] { m_dialog.SendNotification(Notification::ButtonClicked, id); });
            control = box;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setFrame((item.style & Style::kBorder) != 0);
            reportChanges(edit, item.id);
            nameByLabel(edit);
            control = edit;
            break;
        }
        case ControlKind::NumberBox: {
            auto* box = new NumberBoxControl(this, [this, id = item.id](int steps) { m_dialog.StepItem(id, steps); });
            box->setFrame((item.style & Style::kBorder) != 0);
            reportChanges(box, item.id);
            nameByLabel(box);
            control = box;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new ListBoxControl(this);
            list->setAccessibleName(text);  // a list box's text is never shown
            list->setFrameShape((item.style & Style::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
            list->setVerticalScrollBarPolicy((item.style & Style::kVScroll) ? Qt::ScrollBarAlwaysOn
                                                                            : Qt::ScrollBarAsNeeded);
            connect(list, &ListBoxControl::selChange, this,
                    [this, id = item.id] { m_dialog.SendNotification(Notification::ListSelChange, id); });
            control = list;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            // Without the no-prefix style an ampersand marks a mnemonic, which
            // QLabel only shows when it has a buddy; the plain text is kept here.
            label->setText(text);
            if (item.style & Style::kLabelWordWrap) {
                label->setWordWrap(true);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            }
            control = label;
            break;
        }
        case ControlKind::Image: {
            auto* image = new ImageControl(this);
            image->setAccessibleName(text);
            control = image;
            break;
        }
        case ControlKind::GroupBox:
            control = new QGroupBox(text, this);
            break;
        case ControlKind::DropDownList: {
            auto* dropDown = new QComboBox(this);
            dropDown->setEditable(false);
            dropDown->setAccessibleName(text);
            if (pendingLabel)
                pendingLabel->setBuddy(dropDown);
            // A pick of the user's only: activated, never the program's setting.
            connect(dropDown, &QComboBox::activated, this,
                    [this, id = item.id] { m_dialog.SendNotification(Notification::ComboSelChange, id); });
            control = dropDown;
            break;
        }
        case ControlKind::PictureGrid: {
            auto* grid = new PictureGridControl(this);
            grid->setAccessibleName(text);
            grid->setFrameShape((item.style & Style::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
            control = grid;
            break;
        }
        case ControlKind::Icon: {
            auto* label = new QLabel(this);
            label->setPixmap(IconOf(AfxLoadIcon(QString::fromLatin1(item.text).toInt())).pixmap(kIconSize, kIconSize));
            control = label;
            break;
        }
        }
        QRect box = units.ToPixels(item.x, item.y, item.cx, item.cy);
        // A drop-down list's own box is as high as its font needs: the
        // template's height, as the system's, is what the opened list may take.
        if (item.kind == ControlKind::DropDownList)
            box.setHeight(control->sizeHint().height());
        control->setGeometry(box);
        pendingLabel = item.kind == ControlKind::Label ? qobject_cast<QLabel*>(control) : nullptr;
        if (item.id == IDC_STATIC) {
            control->setObjectName(QStringLiteral("static%1").arg(m_staticCount++));
            control->setFocusPolicy(Qt::NoFocus);
        } else {
            control->setObjectName(QString::number(item.id));
            m_controls[item.id] = control;
        }
        if (item.style & Style::kTabStop) {
            control->setFocusPolicy(Qt::StrongFocus);
            if (m_lastTabStop)
                setTabOrder(m_lastTabStop, control);
            m_lastTabStop = control;
        } else if (item.kind == ControlKind::GroupBox) {
            control->setFocusPolicy(Qt::NoFocus);
        } else if (item.kind != ControlKind::Label && item.kind != ControlKind::Icon && item.kind != ControlKind::Image) {
            control->setFocusPolicy(Qt::ClickFocus);
        }
        made.push_back(control);
    }
    return made;
}
