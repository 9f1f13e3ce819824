#include "CMenu.h"

#include "CodePage1252.h"

bool CMenu::AppendMenu(unsigned flags, unsigned id, const std::string& text)
{
    m_items.push_back({(flags & MF_SEPARATOR) != 0, id, FromCodePage1252(text)});
    return true;
}
