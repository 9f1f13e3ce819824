#pragma once

#include "ArtFolder.h"
#include "CDialog.h"
#include "CImageCtrl.h"
#include "PendingPictures.h"
#include "resource.h"

#include <optional>
#include <string>
#include <string_view>

class CDataExchange;

// The Tile Art window: beside the editor, which owns it, the picture of one
// static tile from the art beside the loaded tile-data file, a line naming
// it, and buttons that save the picture as a PNG file, give the tile
// another picture from one, or remove its art. A new picture or a removal
// is kept with the editor's pending pictures, shown whenever the tile is,
// until the editor saves. Closing the window only hides it.
class CTileArtDlg : public CDialog {
public:
    CTileArtDlg(CWnd* parent, PendingPictures& pending);

    enum { IDD = IDD_TILEART_DIALOG };

    CImageCtrl m_image;

    // Shows the window beside `owner`, the first time it opens, without
    // taking the focus from it.
    void Open(const CDialog& owner);
    // Takes the art beside a tile-data file just loaded or saved; it is
    // read when the window next shows a tile.
    void LoadArt(const std::string& tileDataPath);
    // Shows static tile `tileId` (-1: none), named `codePageName`.
    void ShowTile(int tileId, std::string_view codePageName);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

    void OnSavePicture();
    void OnReplacePicture();
    void OnRemovePicture();

    DECLARE_MESSAGE_MAP()

private:
    // Shows the tile's picture, or the line saying why there is none; the
    // buttons follow.
    void ShowTileArt(int tileId, std::string_view codePageName);
    void ShowNoPicture(const std::u16string& line);
    void EnableButtons();
    // The picture shown: the tile's pending one, else the one the files hold; or null.
    const ArtImage* ShownPicture() const;
    // Whether the shown tile has art that Remove could take away.
    bool ShownTileHasArt() const;

    PendingPictures& m_pending;
    std::string m_tileDataPath;  // empty before the first load
    std::optional<ArtFolder> m_art;  // none until a tile is shown after a load
    // The tile whose picture is shown, so that a rename does not decode it again.
    int m_decodedTile = -1;
    ArtResult m_decoded;
    // The tile the window shows while its art can be changed, and its name; -1: none.
    int m_shownTile = -1;
    std::string m_shownName;
    bool m_placed = false;
};
