// What only the Win32 backend can show: the "&About Quarnel..." entry in
// the window's real system menu, icon 128 as the window's large and small
// icon and the drag-icon handler's answer, and the name box refusing a
// typed character that the Western code page lacks.

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

TEST_F(Win32Shell, TheNameBoxTakesOnlyCharactersOfTheWesternCodePage)
{
    const HWND name = dialog.GetDlgItem(IDC_NAME);
    for (const wchar_t typed : {L'\u00E9', L'\u0416', L'\u20AC'})  // é, a Cyrillic letter, the euro sign
        SendMessageW(name, WM_CHAR, typed, 0);
    wchar_t text[32] = {};
    GetWindowTextW(name, text, 32);
    EXPECT_EQ(std::wstring(text), L"\u00E9\u20AC");
}

} // namespace
