#include "CMenu.h"

#include <utility>

namespace {
// The command ids of the system's own menu entries start here.
constexpr unsigned kFirstSystemCommand = 0xF000;
} // namespace

bool CMenu::AppendMenu(unsigned flags, unsigned id, const std::string& text)
{
    m_items.push_back({flags, id, text});
    return !m_nativeAppend || m_nativeAppend(m_items.back());
}

unsigned CMenu::FirstProgramCommand() const
{
    for (const Item& item : m_items)
        if (!item.IsSeparator() && item.id < kFirstSystemCommand)
            return item.id;
    return 0;
}

void CMenu::Attach(NativeAppend append)
{
    m_items.clear();
    m_nativeAppend = std::move(append);
}
