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

// What a CListBox holds on this platform: the control it took over.
class ListBoxPort {
public:
    explicit ListBoxPort(ListBoxControl& taken) : control(taken) {}
    ListBoxControl& control;
};
