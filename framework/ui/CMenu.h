#pragma once

#include "SystemValues.h"

#include <functional>
#include <string>
#include <vector>


// A window's system menu: the entries the program added, and the command id
// each sends.
class CMenu {
public:
    struct Item {
        unsigned flags;
        unsigned id;
        std::string text;  // in the Western code page
        bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    };
    // Where the window system keeps a menu of its own, each entry goes on to
    // it too; false when it refuses one.
    using NativeAppend = std::function<bool(const Item&)>;

    bool AppendMenu(unsigned flags, unsigned id = 0, const std::string& text = {});
    const std::vector<Item>& Items() const { return m_items; }
    // The first command the program added, or 0: the system's own lie above.
    unsigned FirstProgramCommand() const;

    // A new window's own menu, which holds none of the program's entries yet.
    void Attach(NativeAppend append);

private:
    std::vector<Item> m_items;
    NativeAppend m_nativeAppend;
};
