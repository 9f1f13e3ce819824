#include "CMenu.h"

#include "WideText.h"

bool CMenu::AppendMenu(unsigned flags, unsigned id, const std::string& text)
{
    const std::wstring wide = WideFromCodePage1252(text);
    return m_menu && AppendMenuW(m_menu, flags, id, (flags & MF_SEPARATOR) ? nullptr : wide.c_str());
}
