// What only the Win32 backend can show of the application shell: the
// "&About Quarnel..." entry in the window's real system menu, icon 128 as
// the window's large and small icon, and the drag-icon handler's answer.

#include "CEditorDlg.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Win32Shell : public ::testing::Test {
protected:
    Win32Shell() { dialog.Create(); }

    bool resourcesHandedOver = (AfxSetResourceHandle(QuarnelResources()), true);  // before the dialog is made
    CEditorDlg dialog;
};

TEST_F(Win32Shell, TheSystemMenuEndsWithASeparatorAndTheAboutEntry)
{
    const HMENU menu = GetSystemMenu(dialog.m_hWnd, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    wchar_t text[64] = {};
    GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"&About Quarnel...");
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(Win32Shell, IconOneTwentyEightIsTheWindowsIconAndTheDragIcon)
{
    ASSERT_NE(dialog.m_hIcon, nullptr) << "icon 128 is among the executable's resources";
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dialog.m_hWnd, WM_GETICON, ICON_BIG, 0)), dialog.m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dialog.m_hWnd, WM_GETICON, ICON_SMALL, 0)), dialog.m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dialog.m_hWnd, WM_QUERYDRAGICON, 0, 0)), dialog.m_hIcon);
}

} // namespace
