#pragma once

#include "ArtFolder.h"
#include "CDialog.h"
#include "CImageCtrl.h"
#include "resource.h"

#include <optional>
#include <string>
#include <string_view>

class CDataExchange;

// The Tile Art window: beside the editor, which owns it, the picture of one
// static tile from the art beside the loaded tile-data file, and a line
// naming it. Closing it only hides it.
class CTileArtDlg : public CDialog {
public:
    explicit CTileArtDlg(CWnd* parent);

    enum { IDD = IDD_TILEART_DIALOG };

    CImageCtrl m_image;

    // Shows the window beside `owner`, the first time it opens, without
    // taking the focus from it.
    void Open(const CDialog& owner);
    // Takes the art beside a tile-data file just loaded; it is read when
    // the window next shows a tile.
    void LoadArt(const std::string& tileDataPath);
    // Shows static tile `tileId` (-1: none), named `codePageName`.
    void ShowTile(int tileId, std::string_view codePageName);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

private:
    void ShowNoPicture(const std::u16string& line);

    std::string m_tileDataPath;  // empty before the first load
    std::optional<ArtFolder> m_art;  // none until a tile is shown after a load
    // The tile whose picture is shown, so that a rename does not decode it again.
    int m_decodedTile = -1;
    ArtResult m_decoded;
    bool m_placed = false;
};
