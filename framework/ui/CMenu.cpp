#include "CMenu.h"

bool CMenu::AppendMenu(unsigned flags, unsigned id, const QString& text)
{
    m_items.push_back({(flags & MF_SEPARATOR) != 0, id, text});
    return true;
}
