#pragma once

#include <windows.h>

#include <string>

// A window's system menu, the system's own.
class CMenu {
public:
    void Attach(HMENU menu) { m_menu = menu; }
    // The text is the menu's own, in the Western code page.
    bool AppendMenu(unsigned flags, unsigned id = 0, const std::string& text = {});

private:
    HMENU m_menu = nullptr;
};
