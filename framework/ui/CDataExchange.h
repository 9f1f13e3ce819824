#pragma once

#include <string>
#include <string_view>

class CDialog;
class CImageCtrl;
class CListBox;
class CPictureGridCtrl;

// Thrown to stop an exchange run at the failing control.
struct CUserException {};

// One run of a dialog's exchange, in one direction. The rules here are the
// editor's on every platform; each backend's dialog gives them its controls.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // Notes the control the run has reached, so that a failure can focus it.
    void PrepareCtrl(int id);
    void PrepareEditCtrl(int id);
    // In a take run: focuses the last prepared control, selects its text
    // and stops the run. A show run does not fail.
    void Fail();

    const bool m_bSaveAndValidate;  // true: from the controls into the members
    CDialog* const m_pDlgWnd;
    int m_idLastControl = 0;
    bool m_bEditLastControl = false;
};

// The exchange's prompts.
inline constexpr char kPromptParseInt[] = "Please enter an integer.";
inline constexpr char kPromptMaxChars[] = "Please enter no more than %1 characters.";

void DDX_Control(CDataExchange* pDX, int id, CListBox& control);
void DDX_Control(CDataExchange* pDX, int id, CImageCtrl& control);
void DDX_Control(CDataExchange* pDX, int id, CPictureGridCtrl& control);
// A signed decimal integer.
void DDX_Text(CDataExchange* pDX, int id, int& value);
// 8-bit text in the Western code page.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Text as typed, any character let in.
void DDX_Text(CDataExchange* pDX, int id, std::u16string& value);
// Show: limits the edit to `count` characters. Take: prompts when the value is longer.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int count);
// 1 checked, 0 clear; on showing, a value outside 0..2 becomes 0.
void DDX_Check(CDataExchange* pDX, int id, int& value);

// The integer take rule, on its own: the value, or false when the text is no integer.
bool ParseDialogInteger(std::u16string_view text, int& value);
