#pragma once

#include "CDialog.h"
#include "resource.h"

#include <functional>
#include <string>

class CDataExchange;

// Find Tile: asks for the text to look for in the tiles' names. Find Next
// hands the text to the search it was given; when that finds a tile the
// dialog closes, and when not (the search has said so) it stays open for
// the text to be corrected.
class CFindTileDlg : public CDialog {
public:
    // findNext: looks for the text, answering whether a tile was found.
    CFindTileDlg(std::function<bool(const std::u16string&)> findNext, CWnd* parent);

    enum { IDD = IDD_FIND_DIALOG };

    std::u16string m_text;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;  // Find Next, the default button

private:
    std::function<bool(const std::u16string&)> m_findNext;
};
