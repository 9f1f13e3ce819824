#pragma once

#include <QMenu>
#include <QString>

#include <string>
#include <vector>

inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

// A window's system menu: its entries and the command id each sends.
class CMenu {
public:
    struct Item {
        bool separator;
        unsigned id;
        QString text;
    };

    // The text is the menu's own, in the Western code page.
    bool AppendMenu(unsigned flags, unsigned id = 0, const std::string& text = {});
    const std::vector<Item>& Items() const { return m_items; }
    // Fills a popup menu; choosing an entry calls onCommand with its id.
    template <typename OnCommand>
    void Populate(QMenu& menu, OnCommand onCommand) const;

private:
    std::vector<Item> m_items;
};

template <typename OnCommand>
void CMenu::Populate(QMenu& menu, OnCommand onCommand) const
{
    for (const Item& item : m_items) {
        if (item.separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(item.text);
        action->setData(item.id);
        QObject::connect(action, &QAction::triggered, &menu, [onCommand, id = item.id] { onCommand(id); });
    }
}
