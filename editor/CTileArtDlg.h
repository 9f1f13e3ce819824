#pragma once

#include "ArtFolder.h"
#include "ArtPalette.h"
#include "CDialog.h"
#include "CImageCtrl.h"
#include "HueTable.h"
#include "resource.h"

#include <optional>
#include <string>
#include <string_view>

class CDataExchange;

// The Tile Art window: beside the editor, which owns it, the picture of one
// static tile from the art beside the loaded tile-data file, and a line
// naming it; under them the hue the picture is drawn through (0: none),
// from the hue table beside the same file, and the hue's name. Closing it
// only hides it.
class CTileArtDlg : public CDialog {
public:
    explicit CTileArtDlg(CWnd* parent);

    enum { IDD = IDD_TILEART_DIALOG };

    CImageCtrl m_image;

    // Shows the window beside `owner`, the first time it opens, without
    // taking the focus from it.
    void Open(const CDialog& owner);
    // Takes the art and hues beside a tile-data file just loaded; they are
    // read when the window next shows a tile.
    void LoadArt(const std::string& tileDataPath);
    // Shows static tile `tileId` (-1: none), named `codePageName`, drawn
    // through the hue, only its grey pixels when `partialHue`.
    void ShowTile(int tileId, std::string_view codePageName, bool partialHue);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnChangeHueNumber();

    DECLARE_MESSAGE_MAP()

private:
    void ShowNoPicture(const std::u16string& line);
    // The box and the line beside it for the hue table just read.
    void TakeHueTable();
    // Takes the number in the box: a hue of the table is drawn from then
    // on; any other leaves the last one drawn. False when it changes nothing.
    bool TakeHueNumber();

    std::string m_tileDataPath;  // empty before the first load
    std::optional<ArtFolder> m_art;  // none until a tile is shown after a load
    std::optional<HueTable> m_hues;  // read with the art
    // The hue pictures are drawn through (0: none), and its palettes.
    int m_hue = 0;
    TileHuePalettes m_palettes;
    // The tile shown, to draw it again in another hue.
    int m_shownTile = -1;
    std::string m_shownName;
    bool m_shownPartial = false;
    // The picture decoded, so that a rename does not decode it again: its
    // tile, and the hue and flag it was drawn with.
    int m_decodedTile = -1;
    int m_decodedHue = 0;
    bool m_decodedPartial = false;
    ArtResult m_decoded;
    bool m_placed = false;
};
