#pragma once

#include "CDialog.h"
#include "resource.h"

// The About box: the program's icon, name and version, and OK.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}
    enum { IDD = IDD_ABOUTBOX };
};
