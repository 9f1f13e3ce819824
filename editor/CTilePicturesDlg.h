#pragma once

#include "ArtFolder.h"
#include "ArtThumbnails.h"
#include "CDialog.h"
#include "CPictureGridCtrl.h"
#include "HueTable.h"
#include "StaticTileEntry.h"
#include "TilePictureFilter.h"
#include "resource.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CDataExchange;

// The Tile Pictures window: beside the editor, which owns it, a grid of the
// pictures of the static tiles that pass its filters (what they show, a
// piece of their name, a flag), drawn through its own hue; under it a line
// naming the editor's tile and counting the tiles shown. A click or a key
// in the grid selects the tile in the editor, and the grid frames whatever
// the editor selects. Pictures are read only as they come into view.
// Closing the window only hides it.
class CTilePicturesDlg : public CDialog, private PictureGridSource {
public:
    // `selectTile` selects a tile in the editor as a click in its list does.
    CTilePicturesDlg(CWnd* parent, std::function<void(int tileId)> selectTile);

    enum { IDD = IDD_TILEPICTURES_DIALOG };

    CPictureGridCtrl m_grid;

    // Shows the window beside `owner`, the first time it opens.
    void Open(const CDialog& owner);
    // The tiles of the table just loaded, and the art and hues beside its
    // file (`table` null and the path empty: none is loaded). The table
    // must outlive the window's use of it.
    void LoadTiles(const StaticTileTable* table, const std::string& tileDataPath);
    // The editor's selected tile (-1: none), framed when it is shown.
    void ShowTile(int tileId);
    // A tile's name or flags changed in the editor: its picture (drawn
    // through the hue as its Partial Hue flag says) and the status line.
    // The filters are not run again, so the tile stays where it is.
    void TileChanged();
    // Lets go of the art read and the files it holds open (Windows lets no
    // one write a file another open holds); read again when next needed.
    void ReleaseArt();
    // The tiles in the grid's cells, in order.
    const std::vector<int>& ShownTiles() const { return m_shown; }
    // What the shrunk pictures kept for the grid take.
    std::size_t PictureCacheBytes() const { return m_pictures ? m_pictures->MemoryBytes() : 0; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void OnSize(unsigned type, int cx, int cy);
    void OnSelchangeGrid();
    void OnChangeFilter();
    void OnChangeHue();

    DECLARE_MESSAGE_MAP()

private:
    GridPicture CellPicture(int cell) override;
    std::u16string CellLabel(int cell) override;

    // Reads the art and hues beside the file loaded, once a load, when the
    // filters first ask which tiles have art.
    void ReadArt();
    // The filters' lists for the layout loaded: the Flag list holds bits
    // 32-63 only for a newer file.
    void FillFlagList();
    // Takes the filters' settings and shows the tiles that pass them.
    void Refilter();
    // Frames the editor's tile where it is shown, and names it in the status line.
    void FrameShownTile();
    void ShowStatus();
    void TakeHueTable();
    // Takes the number in the Hue box: a hue of the table is drawn from then
    // on; any other leaves the last one drawn. False when it changes nothing.
    bool TakeHueNumber();
    // The picture of a tile as its cell shows it, decoded when first asked for.
    ArtThumbnails::Thumbnail Picture(int tileId);
    // The cell showing `tileId`, or -1.
    int CellOfTile(int tileId) const;

    std::function<void(int)> m_selectTile;
    const StaticTileTable* m_table = nullptr;
    std::string m_tileDataPath;
    std::optional<ArtFolder> m_art;
    std::optional<HueTable> m_hues;
    int m_hue = 0;  // 0: none
    // The shrunk pictures of the art read, through the hue.
    std::optional<ArtThumbnails> m_pictures;
    std::vector<int> m_shown;  // the tiles in the cells, in id order
    int m_editorTile = -1;
    // The margins the grid and the status line keep from the window's edges.
    int m_gridRightGap = 0, m_gridBottomGap = 0, m_statusBottomGap = 0;
    bool m_measured = false;
    bool m_placed = false;
};
