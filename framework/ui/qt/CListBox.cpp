#include "CListBox.h"

#include "CodePage1252.h"
#include "ListBoxControl.h"
#include "NativeWindow.h"

#include <QItemSelectionModel>

#include <algorithm>

int ListBoxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return FromCodePage1252(Line(index.row()));
}

void ListBoxModel::Clear()
{
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int ListBoxModel::Insert(std::string line)
{
    // Lines mostly arrive in order: look at the end first.
    auto at = m_lines.end();
    if (!m_lines.empty() && ListBoxLineLess(line, m_lines.back()))
        at = std::upper_bound(m_lines.begin(), m_lines.end(), line, ListBoxLineLess);
    const int position = static_cast<int>(at - m_lines.begin());
    beginInsertRows({}, position, position);
    m_lines.insert(at, std::move(line));
    endInsertRows();
    return position;
}

void ListBoxModel::Remove(int position)
{
    beginRemoveRows({}, position, position);
    m_lines.erase(m_lines.begin() + position);
    endRemoveRows();
}

ListBoxControl::ListBoxControl(QWidget* parent) : QListView(parent), m_model(new ListBoxModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every line has the same height: the view need not measure 16384 of them.
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_programmatic)
            emit selChange();
    });
}

CListBox::CListBox() = default;
CListBox::~CListBox() = default;

void CListBox::SubclassDlgItem(int id, CDialog* dialog)
{
    auto* control = qobject_cast<ListBoxControl*>(NativeControl(*dialog, id));
    m_port = control ? std::make_unique<ListBoxPort>(*control) : nullptr;
}

void CListBox::ResetContent()
{
    m_port->control.Programmatic([&] { m_port->control.Model().Clear(); });
}

int CListBox::AddString(const std::string& line)
{
    int position = LB_ERR;
    m_port->control.Programmatic([&] { position = m_port->control.Model().Insert(line); });
    return position;
}

int CListBox::DeleteString(int position)
{
    if (position < 0 || position >= GetCount())
        return LB_ERR;
    m_port->control.Programmatic([&] {
        // A list box forgets its selection when a line goes, rather than moving it along.
        m_port->control.selectionModel()->clear();
        m_port->control.Model().Remove(position);
    });
    return GetCount();
}

int CListBox::GetCount() const
{
    return m_port ? m_port->control.Model().rowCount() : 0;
}

int CListBox::GetCurSel() const
{
    if (!m_port)
        return LB_ERR;
    const QModelIndexList selected = m_port->control.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? LB_ERR : selected.constFirst().row();
}

int CListBox::SetCurSel(int position)
{
    if (!m_port || position >= GetCount())
        return LB_ERR;
    m_port->control.Programmatic([&] {
        if (position < 0) {
            m_port->control.selectionModel()->clear();
            return;
        }
        const QModelIndex index = m_port->control.Model().index(position);
        m_port->control.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_port->control.scrollTo(index);
    });
    return position;
}

void CListBox::InitStorage(int lines, int)
{
    m_port->control.Model().Reserve(lines);
}

void CListBox::SetRedraw(bool redraw)
{
    m_port->control.setUpdatesEnabled(redraw);
}

std::string CListBox::GetText(int position) const
{
    return position >= 0 && position < GetCount() ? m_port->control.Model().Line(position) : std::string();
}
