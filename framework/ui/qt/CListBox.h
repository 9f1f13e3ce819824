#pragma once

#include "ListBoxOrder.h"
#include "ScopedValue.h"

#include <QAbstractListModel>
#include <QListView>

#include <string>
#include <vector>

// The lines of a sorted list box: 8-bit strings shown through the code page.
class ListBoxModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void Clear();
    void Reserve(int lines) { m_lines.reserve(static_cast<std::size_t>(lines)); }
    int Insert(std::string line);  // at its sorted place; returns the position
    void Remove(int position);
    const std::string& Line(int position) const { return m_lines[static_cast<std::size_t>(position)]; }

private:
    std::vector<std::string> m_lines;
};

// The list view of a sorted list box. It reports a selection change only
// when the user changes the selection, never when the program adds or
// removes lines or selects one.
class ListBoxControl final : public QListView {
    Q_OBJECT
public:
    explicit ListBoxControl(QWidget* parent);
    ListBoxModel& Model() { return *m_model; }
    const ListBoxModel& Model() const { return *m_model; }

    // Runs a change of the program's own without reporting it.
    template <typename Change>
    void Programmatic(Change change)
    {
        const ScopedValue<bool> programmatic(m_programmatic, true);
        change();
    }

signals:
    void selChange();

private:
    ListBoxModel* m_model;
    bool m_programmatic = false;
};

class CDialog;

// A dialog's sorted list box, attached to its control by the exchange.
class CListBox {
public:
    CListBox() = default;
    CListBox(const CListBox&) = delete;
    CListBox& operator=(const CListBox&) = delete;

    // Takes over the dialog's list box control with that id.
    void SubclassDlgItem(int id, CDialog* dialog);
    bool IsAttached() const { return m_control != nullptr; }

    void ResetContent();
    int AddString(const std::string& line);
    int DeleteString(int position);
    int GetCount() const;
    // The selected position, or LB_ERR (-1) when no line is selected.
    int GetCurSel() const;
    int SetCurSel(int position);
    std::string GetText(int position) const;
    // Off while many lines change at once, so that the list draws once.
    void SetRedraw(bool redraw);
    // Room for that many lines, before a fill.
    void InitStorage(int lines, int bytes);

private:
    ListBoxControl* m_control = nullptr;
};

inline constexpr int LB_ERR = -1;
