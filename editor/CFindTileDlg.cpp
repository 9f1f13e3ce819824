#include "CFindTileDlg.h"

#include "CDataExchange.h"

#include <utility>

CFindTileDlg::CFindTileDlg(std::function<bool(const std::u16string&)> findNext, CWnd* parent)
    : CDialog(IDD, parent), m_findNext(std::move(findNext))
{
}

void CFindTileDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FIND_TEXT, m_text);
}

bool CFindTileDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The last text, selected: typing replaces it, Enter looks for it again.
    FocusItem(IDC_FIND_TEXT, true);
    return false;  // the focus is set
}

void CFindTileDlg::OnOK()
{
    UpdateData(true);
    if (m_findNext(m_text))
        EndDialog(IDOK);
}
