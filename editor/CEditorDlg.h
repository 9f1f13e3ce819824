#pragma once

#include "CDialog.h"
#include "CListBox.h"
#include "CTileArtDlg.h"
#include "CTilePicturesDlg.h"
#include "PendingPictures.h"
#include "StaticTileEntry.h"
#include "resource.h"

#include <array>
#include <functional>
#include <string>

class CDataExchange;

// The editor: the list of all static tiles on the left, the fields of the
// selected one on the right. Every change in a handled box or a check box
// goes straight into the table entry being edited.
class CEditorDlg : public CDialog {
public:
    // showAbout runs the program's About box (from the system menu).
    explicit CEditorDlg(std::function<void()> showAbout = {}, CWnd* parent = nullptr);

    enum { IDD = IDD_EDITOR_DIALOG };

    CListBox m_list;
    int m_tileClass = 0;
    int m_gump = 0;
    int m_height = 0;
    int m_hue = 0;
    int m_layer = 0;
    std::string m_name;
    int m_weight = 0;
    // One a bit of the widest flag word, the newer layout's: the boxes of
    // bits 32-63 are shown only while a newer file is loaded.
    std::array<int, kNewerLayout.FlagBitCount()> m_flags{};
    int m_unknown1 = 0;
    int m_unknown2 = 0;
    int m_unknown3 = 0;
    int m_unknown4 = 0;
    int m_unknown5 = 0;
    HICON m_hIcon;
    StaticTileTable m_table{};
    std::string m_path;
    // Whether the last load read the patch file: only then are its blocks
    // the table's to write back.
    bool m_patchFileLoaded = false;
    int m_current = -1;
    // The pictures given in the Tile Art window, written by Save after the
    // tile data; a Load drops them.
    PendingPictures m_pendingPictures;
    // Beside the editor, from the system menu's Tile Art entry or its key.
    CTileArtDlg m_tileArt{this, m_pendingPictures};
    // Beside the editor, from the system menu's Tile Pictures entry or its
    // key: a pick there selects the tile here, as a click in the list does.
    CTilePicturesDlg m_tilePictures{this, [this](int tileId) { SelectTile(tileId); }};
    // The text last looked for in the tiles' names, shown when Find Tile opens again.
    std::u16string m_findText;

    // Refills the list: every entry's line, in index order, none selected.
    void FillList();
    // The file the program was started with: loaded as Load loads a chosen
    // file, right after the window is first shown; once loaded, its first
    // tile is selected as a click selects it and shown in the Tile Art
    // window. Set before the window is made.
    void LoadAtStart(std::string path) { m_startPath = std::move(path); }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnSysCommand(unsigned id, long lParam);
    void OnPaint();
    HICON OnQueryDragIcon();
    void OnLoad();
    void OnSave();
    void OnSelchangeList();
    void OnChangeClass();
    void OnChangeGump();
    void OnChangeHeight();
    void OnChangeHue();
    void OnChangeLayer();
    void OnChangeName();
    void OnChangeWeight();
    template <int Bit>
    void OnClickedFlag();
    void OnClickedHighFlag(int id);

    DECLARE_MESSAGE_MAP()

private:
    template <typename Field>
    void StoreNumber(Field StaticTileEntry::*field, int CEditorDlg::*member);
    // Stores flag state bit into the entry being edited, that one bit alone.
    void StoreFlag(int bit);
    // The boxes of bits 32-63 and the room they take, shown for a file whose flag word has them.
    void ShowHighFlags(bool show);
    // What Save writes: the table into the tile-data file and the patch
    // file, then the pending pictures; each failure told.
    void SaveFiles();
    // Save's second half: the pending pictures into the art files, in one
    // batch; emptied once written.
    void SavePendingPictures();
    // What Load does with the file chosen: the tile-data file read, the
    // patch file beside it applied, the list refilled, each failure told.
    // True when the table now holds the file.
    bool LoadFile(const std::string& path);
    void LoadStartFile();
    // The entry at current, or null when current names no tile in use.
    StaticTileEntry* EditedEntry();
    // The Tile Art window, opened, and shown the tile being edited while open.
    void OpenTileArt();
    void ShowTileArt();
    // The Tile Pictures window, opened; and a tile selected as a click in the list selects it.
    void OpenTilePictures();
    void SelectTile(int tileId);
    // Find Tile: the dialog, and the search it and the repeat key run: the
    // next line whose tile name holds the text, selected as a click selects
    // it, or a message that none does.
    void OpenFindTile();
    bool FindNext(const std::u16string& text);

    std::function<void()> m_showAbout;
    std::string m_startPath;
};
