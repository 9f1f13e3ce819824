#include "CEditorDlg.h"

#include "ArtFolder.h"
#include "ArtWriter.h"
#include "CDataExchange.h"
#include "CFileDialog.h"
#include "CFindTileDlg.h"
#include "DialogWaitCursor.h"
#include "FileMessage.h"
#include "GameFolder.h"
#include "ListLine.h"
#include "MessageBox.h"
#include "PathParts.h"
#include "ResourceModule.h"
#include "TileNameSearch.h"
#include "Utf8.h"

#include <span>
#include <utility>

namespace {

constexpr char kFileExtension[] = "mul";
constexpr char kInitialFileName[] = "tiledata";
constexpr char kFileFilter[] = "UO MUL-Files (*.mul)|*.mul||";

constexpr char kCannotOpen[] = "ERROR: cannot open";
constexpr char kCannotLoad[] = "ERROR: cannot load";
constexpr char kCannotSave[] = "ERROR: cannot save";

constexpr char kNotFoundLeadIn[] = "No tile name contains";

// The art file a message names: the container, or the index.
std::string ArtFileBeside(const std::string& tileDataPath)
{
    const ArtFolder::Found art = ArtFolder::Find(tileDataPath);
    switch (art.form) {
    case ArtFolder::Form::kContainer: return art.container;
    case ArtFolder::Form::kIndexAndArtFile: return art.index;
    case ArtFolder::Form::kNone: break;
    }
    return FolderPart(tileDataPath);
}

constexpr int kNameLimit = static_cast<int>(kTileNameSize);

constexpr Accelerator kAccelerators[] = {
    {FCONTROL, 'T', IDM_TILEART},
    {FCONTROL, 'F', IDM_FINDTILE},
    {FCONTROL, 'P', IDM_TILEPICTURES},
    {0, VK_F3, IDM_FINDNEXT},
};

} // namespace

BEGIN_MESSAGE_MAP(CEditorDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_LOAD, OnLoad)
    ON_BN_CLICKED(IDC_SAVE, OnSave)
    ON_LBN_SELCHANGE(IDC_LIST, OnSelchangeList)
    ON_EN_CHANGE(IDC_CLASS, OnChangeClass)
    ON_EN_CHANGE(IDC_GUMP, OnChangeGump)
    ON_EN_CHANGE(IDC_HEIGHT, OnChangeHeight)
    ON_EN_CHANGE(IDC_HUE, OnChangeHue)
    ON_EN_CHANGE(IDC_LAYER, OnChangeLayer)
    ON_EN_CHANGE(IDC_NAME, OnChangeName)
    ON_EN_CHANGE(IDC_WEIGHT, OnChangeWeight)
    ON_BN_CLICKED(IDC_FLAG0 + 0, OnClickedFlag<0>)
    ON_BN_CLICKED(IDC_FLAG0 + 1, OnClickedFlag<1>)
    ON_BN_CLICKED(IDC_FLAG0 + 2, OnClickedFlag<2>)
    ON_BN_CLICKED(IDC_FLAG0 + 3, OnClickedFlag<3>)
    ON_BN_CLICKED(IDC_FLAG0 + 4, OnClickedFlag<4>)
    ON_BN_CLICKED(IDC_FLAG0 + 5, OnClickedFlag<5>)
    ON_BN_CLICKED(IDC_FLAG0 + 6, OnClickedFlag<6>)
    ON_BN_CLICKED(IDC_FLAG0 + 7, OnClickedFlag<7>)
    ON_BN_CLICKED(IDC_FLAG0 + 8, OnClickedFlag<8>)
    ON_BN_CLICKED(IDC_FLAG0 + 9, OnClickedFlag<9>)
    ON_BN_CLICKED(IDC_FLAG0 + 10, OnClickedFlag<10>)
    ON_BN_CLICKED(IDC_FLAG0 + 11, OnClickedFlag<11>)
    ON_BN_CLICKED(IDC_FLAG0 + 12, OnClickedFlag<12>)
    ON_BN_CLICKED(IDC_FLAG0 + 13, OnClickedFlag<13>)
    ON_BN_CLICKED(IDC_FLAG0 + 14, OnClickedFlag<14>)
    ON_BN_CLICKED(IDC_FLAG0 + 15, OnClickedFlag<15>)
    ON_BN_CLICKED(IDC_FLAG0 + 16, OnClickedFlag<16>)
    ON_BN_CLICKED(IDC_FLAG0 + 17, OnClickedFlag<17>)
    ON_BN_CLICKED(IDC_FLAG0 + 18, OnClickedFlag<18>)
    ON_BN_CLICKED(IDC_FLAG0 + 19, OnClickedFlag<19>)
    ON_BN_CLICKED(IDC_FLAG0 + 20, OnClickedFlag<20>)
    ON_BN_CLICKED(IDC_FLAG0 + 21, OnClickedFlag<21>)
    ON_BN_CLICKED(IDC_FLAG0 + 22, OnClickedFlag<22>)
    ON_BN_CLICKED(IDC_FLAG0 + 23, OnClickedFlag<23>)
    ON_BN_CLICKED(IDC_FLAG0 + 24, OnClickedFlag<24>)
    ON_BN_CLICKED(IDC_FLAG0 + 25, OnClickedFlag<25>)
    ON_BN_CLICKED(IDC_FLAG0 + 26, OnClickedFlag<26>)
    ON_BN_CLICKED(IDC_FLAG0 + 27, OnClickedFlag<27>)
    ON_BN_CLICKED(IDC_FLAG0 + 28, OnClickedFlag<28>)
    ON_BN_CLICKED(IDC_FLAG0 + 29, OnClickedFlag<29>)
    ON_BN_CLICKED(IDC_FLAG0 + 30, OnClickedFlag<30>)
    ON_BN_CLICKED(IDC_FLAG0 + 31, OnClickedFlag<31>)
    ON_CONTROL_RANGE(Notification::ButtonClicked, IDC_FLAG32, IDC_FLAG63, OnClickedHighFlag)
END_MESSAGE_MAP()

CEditorDlg::CEditorDlg(std::function<void()> showAbout, CWnd* parent)
    : CDialog(IDD, parent), m_hIcon(AfxLoadIcon(IDR_MAINFRAME)), m_showAbout(std::move(showAbout))
{
    SetAccelerators(kAccelerators);
}

void CEditorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_Text(pDX, IDC_CLASS, m_tileClass);
    DDX_Text(pDX, IDC_GUMP, m_gump);
    DDX_Text(pDX, IDC_HEIGHT, m_height);
    DDX_Text(pDX, IDC_HUE, m_hue);
    DDX_Text(pDX, IDC_LAYER, m_layer);
    DDX_Text(pDX, IDC_NAME, m_name);
    DDV_MaxChars(pDX, m_name, kNameLimit);
    DDX_Text(pDX, IDC_WEIGHT, m_weight);
    for (int bit = 0; bit < TileFlag::kCount; ++bit)
        DDX_Check(pDX, IDC_FLAG0 + bit, m_flags[bit]);
    // Hidden while a classic file is loaded: they show and take zeros, which nothing stores.
    for (int bit = TileFlag::kCount; bit < static_cast<int>(m_flags.size()); ++bit)
        DDX_Check(pDX, IDC_FLAG32 + (bit - TileFlag::kCount), m_flags[bit]);
    DDX_Text(pDX, IDC_UNKNOWN1, m_unknown1);
    DDX_Text(pDX, IDC_UNKNOWN2, m_unknown2);
    DDX_Text(pDX, IDC_UNKNOWN3, m_unknown3);
    DDX_Text(pDX, IDC_UNKNOWN4, m_unknown4);
    DDX_Text(pDX, IDC_UNKNOWN5, m_unknown5);
}

bool CEditorDlg::OnInitDialog()
{
    // Hidden until a newer file is loaded; made before the first exchange, so every run reaches them.
    AddItems(IDD_EDITOR_HIGH_FLAGS);
    CDialog::OnInitDialog();

    if (CMenu* systemMenu = GetSystemMenu(false)) {
        const std::string aboutMenu = AfxLoadString(IDS_ABOUTBOX);
        if (!aboutMenu.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
        const std::string tileArtMenu = AfxLoadString(IDS_TILEART);
        if (!tileArtMenu.empty())
            systemMenu->AppendMenu(MF_STRING, IDM_TILEART, tileArtMenu);
        const std::string findMenu = AfxLoadString(IDS_FINDTILE);
        if (!findMenu.empty())
            systemMenu->AppendMenu(MF_STRING, IDM_FINDTILE, findMenu);
        const std::string picturesMenu = AfxLoadString(IDS_TILEPICTURES);
        if (!picturesMenu.empty())
            systemMenu->AppendMenu(MF_STRING, IDM_TILEPICTURES, picturesMenu);
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    m_path.clear();
    m_current = -1;
    if (!m_startPath.empty())
        PostSysCommand(IDM_LOADATSTART);  // its messages, and the wait, over a window in view
    return true;  // the focus goes to the first control, "&Quit"
}

void CEditorDlg::OnSysCommand(unsigned id, long lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        if (m_showAbout)
            m_showAbout();
        return;
    }
    if ((id & 0xFFF0) == IDM_TILEART) {
        OpenTileArt();
        return;
    }
    if ((id & 0xFFF0) == IDM_FINDTILE) {
        OpenFindTile();
        return;
    }
    if ((id & 0xFFF0) == IDM_TILEPICTURES) {
        OpenTilePictures();
        return;
    }
    if ((id & 0xFFF0) == IDM_FINDNEXT) {
        // Before any search there is nothing to repeat: the dialog asks for one.
        if (m_findText.empty())
            OpenFindTile();
        else
            FindNext(m_findText);
        return;
    }
    if ((id & 0xFFF0) == IDM_LOADATSTART) {
        LoadStartFile();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}

void CEditorDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    dc.EraseBackground();
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HICON CEditorDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CEditorDlg::FillList()
{
    m_list.SetRedraw(false);
    m_list.ResetContent();
    m_list.InitStorage(m_table.count, m_table.count * kListLineBytes);
    for (int index = 0; index < m_table.count; ++index)
        m_list.AddString(FormatListLine(index, m_table[index]));
    m_list.SetRedraw(true);
}

void CEditorDlg::OnSelchangeList()
{
    m_current = m_list.GetCurSel();
    ShowTileArt();
    m_tilePictures.ShowTile(EditedEntry() ? m_current : -1);
    if (!EditedEntry())
        return;  // nothing selected: no entry to show
    const StaticTileEntry& entry = m_table[m_current];
    m_name = std::string(TileName(entry));
    m_weight = entry.weight;
    m_height = entry.height;
    m_layer = entry.layer;
    m_tileClass = entry.tileClass;
    m_hue = entry.hue;
    m_gump = entry.gump;
    for (int bit = 0; bit < static_cast<int>(m_flags.size()); ++bit)
        m_flags[bit] = (entry.flags & TileFlag::Bit(bit)) ? 1 : 0;
    m_unknown1 = entry.unknown1;
    m_unknown2 = entry.unknown2;
    m_unknown3 = entry.unknown3;
    m_unknown4 = entry.unknown4;
    m_unknown5 = entry.unknown5;
    UpdateData(false);
}

StaticTileEntry* CEditorDlg::EditedEntry()
{
    // A file with fewer tiles than the one before may leave current past its end.
    return m_current >= 0 && m_current < m_table.count ? &m_table[m_current] : nullptr;
}

void CEditorDlg::OpenTileArt()
{
    m_tileArt.Open(*this);
    ShowTileArt();
}

void CEditorDlg::ShowTileArt()
{
    // A hidden window is brought up to date when it opens.
    if (!m_tileArt.IsWindowVisible())
        return;
    const StaticTileEntry* entry = EditedEntry();
    m_tileArt.ShowTile(entry ? m_current : -1, entry ? TileName(*entry) : std::string_view(),
                       entry && (entry->flags & TileFlag::kPartialHue) != 0);
}

void CEditorDlg::OpenTilePictures()
{
    m_tilePictures.Open(*this);
}

void CEditorDlg::SelectTile(int tileId)
{
    if (tileId < 0 || tileId >= m_list.GetCount())
        return;
    m_list.SetCurSel(tileId);  // line i of the list is tile i
    OnSelchangeList();
}

void CEditorDlg::OpenFindTile()
{
    CFindTileDlg find([this](const std::u16string& text) { return FindNext(text); }, this);
    find.m_text = m_findText;
    find.DoModal();
}

bool CEditorDlg::FindNext(const std::u16string& text)
{
    m_findText = text;
    // The list's lines, not the table's size: before a load the list is empty.
    const auto lines = std::span<const StaticTileEntry>(m_table.begin(), static_cast<std::size_t>(m_list.GetCount()));
    const int line = FindTileName(lines, m_list.GetCurSel(), text);
    if (line < 0) {
        AfxMessageBox(std::string(kNotFoundLeadIn) + " \"" + Utf8FromUtf16(text) + "\".", MessageIcon::Exclamation);
        return false;
    }
    m_list.SetCurSel(line);
    OnSelchangeList();
    return true;
}

void CEditorDlg::OnLoad()
{
    CFileDialog fileDialog(true, kFileExtension, kInitialFileName, OFN_HIDEREADONLY, kFileFilter);
    if (fileDialog.DoModal() != IDOK)
        return;
    LoadFile(fileDialog.GetPathName());
}

void CEditorDlg::LoadStartFile()
{
    if (!LoadFile(m_startPath) || m_list.GetCount() == 0)
        return;
    // What a newcomer sees first: a tile in the fields, and its picture.
    m_list.SetCurSel(0);
    OnSelchangeList();
    OpenTileArt();
}

bool CEditorDlg::LoadFile(const std::string& path)
{
    m_path = path;
    // They were for the art beside the file loaded before.
    m_pendingPictures.Clear();

    DialogWaitCursor waitCursor(*this);
    const GameFolderLoad load = LoadGameFolder<StaticTileTable>(m_table, m_path, nullptr, waitCursor);
    switch (load.result) {
    case GameFolderLoad::Result::kTileDataRefused:
        ShowFileMessage(kCannotOpen, m_path, load.tileDataFailure.Why());
        m_path.clear();
        return false;
    case GameFolderLoad::Result::kFileError:
        // The table is now partly loaded or partly patched: it must not be
        // saved over either file, so nothing is taken as loaded.
        m_path.clear();
        m_tilePictures.LoadTiles(nullptr, {});
        AfxMessageBox(load.fileError.GetErrorMessageWithReason(), MessageIcon::Stop);
        return false;
    case GameFolderLoad::Result::kLoaded:
        m_patchFileLoaded = load.patchFileLoaded;
        if (!load.patchFileLoaded)
            ShowFileMessage(kCannotLoad, load.patchFile.shown, load.patchFileFailure.Why());
        ShowHighFlags(m_table.layout->FlagBitCount() > TileFlag::kCount);
        FillList();
        m_tileArt.LoadArt(m_path);
        ShowTileArt();
        m_tilePictures.LoadTiles(&m_table, m_path);
        m_tilePictures.ShowTile(EditedEntry() ? m_current : -1);
        return true;
    }
    return false;
}

void CEditorDlg::ShowHighFlags(bool show)
{
    ShowItems(IDD_EDITOR_HIGH_FLAGS, show);
    SizeClientTo(show ? IDD_EDITOR_HIGH_FLAGS : IDD);
}

void CEditorDlg::OnSave()
{
    if (m_path.empty())
        return;
    // Save holds the files it writes alone: the Tile Pictures window's
    // reader lets go of the patch file and the art first, and reads them
    // again as the save left them, whatever it came to.
    m_tilePictures.ReleaseArt();
    SaveFiles();
    m_tilePictures.LoadTiles(m_path.empty() ? nullptr : &m_table, m_path);
}

void CEditorDlg::SaveFiles()
{
    DialogWaitCursor waitCursor(*this);
    const GameFolderSave save = SaveGameFolder(m_table, m_path, m_patchFileLoaded, waitCursor);
    switch (save.result) {
    case GameFolderSave::Result::kSaved:
        SavePendingPictures();
        return;
    case GameFolderSave::Result::kTileDataRefused:
        ShowFileMessage(kCannotSave, m_path, save.tileDataFailure.Why());
        m_path.clear();
        return;
    case GameFolderSave::Result::kPatchFileRefused:
        // The tile data is written: the pictures follow it, as after a whole save.
        ShowFileMessage(kCannotSave, save.patchFile.shown, save.patchFileFailure.Why());
        SavePendingPictures();
        return;
    case GameFolderSave::Result::kFileError:
        // The table in memory is whole and right; the path stays so that a
        // second Save, once the cause is mended, writes it all again.
        AfxMessageBox(save.fileError.GetErrorMessageWithReason(), MessageIcon::Stop);
        return;
    }
}

void CEditorDlg::SavePendingPictures()
{
    if (m_pendingPictures.IsEmpty())
        return;
    const ArtWrite write = WriteArt(m_path, m_pendingPictures.Changes());
    switch (write.result) {
    case ArtWrite::Result::kWritten:
        m_pendingPictures.Clear();
        m_tileArt.LoadArt(m_path);  // the pictures as the files now hold them
        ShowTileArt();
        return;
    case ArtWrite::Result::kNoArt:
        // The art files went away after the pictures were given.
        ShowFileMessage(kCannotSave, std::string(FolderPart(m_path)),
                        "no art beside it (looked for " + ArtNamesLookedFor() + ")");
        return;
    case ArtWrite::Result::kCannotHold:
    case ArtWrite::Result::kBadPicture:
        // Nothing was written; the pictures stay pending.
        ShowFileMessage(kCannotSave, ArtFileBeside(m_path), write.damage);
        return;
    case ArtWrite::Result::kRefused:
        ShowFileMessage(kCannotSave, write.file, write.error.GetSystemReason());
        return;
    case ArtWrite::Result::kFileError: {
        // What was written over is put back, so the pictures stay pending
        // for a second Save once the cause is mended.
        // Without the system's words (a short write), the error's own sentence.
        std::string reason = write.error.GetSystemReason();
        if (reason.empty())
            reason = write.error.GetErrorMessage();
        for (const std::string& left : write.filesLeftChanged) {
            if (!reason.empty())
                reason += '\n';
            reason += "not put back as it was: ";
            reason += left;
        }
        const std::string& file = write.error.m_strFileName;
        ShowFileMessage(kCannotSave, file.empty() ? ArtFileBeside(m_path) : file, reason);
        return;
    }
    }
}

template <typename Field>
void CEditorDlg::StoreNumber(Field StaticTileEntry::*field, int CEditorDlg::*member)
{
    StaticTileEntry* entry = EditedEntry();
    if (!entry)
        return;
    UpdateData(true);  // a failed take has prompted; the member keeps its last value
    entry->*field = static_cast<Field>(this->*member);
}

void CEditorDlg::OnChangeClass()
{
    StoreNumber(&StaticTileEntry::tileClass, &CEditorDlg::m_tileClass);
}

void CEditorDlg::OnChangeGump()
{
    StoreNumber(&StaticTileEntry::gump, &CEditorDlg::m_gump);
}

void CEditorDlg::OnChangeHeight()
{
    StoreNumber(&StaticTileEntry::height, &CEditorDlg::m_height);
}

void CEditorDlg::OnChangeHue()
{
    StoreNumber(&StaticTileEntry::hue, &CEditorDlg::m_hue);
}

void CEditorDlg::OnChangeLayer()
{
    StoreNumber(&StaticTileEntry::layer, &CEditorDlg::m_layer);
}

void CEditorDlg::OnChangeWeight()
{
    StoreNumber(&StaticTileEntry::weight, &CEditorDlg::m_weight);
}

template <int Bit>
void CEditorDlg::OnClickedFlag()
{
    StoreFlag(Bit);
}

void CEditorDlg::OnClickedHighFlag(int id)
{
    StoreFlag(TileFlag::kCount + (id - IDC_FLAG32));
}

void CEditorDlg::StoreFlag(int bit)
{
    StaticTileEntry* entry = EditedEntry();
    if (!entry)
        return;
    UpdateData(true);
    // Only this box's bit changes: the others, the high 32 of a newer file's included, stay.
    entry->flags = m_flags[bit] ? (entry->flags | TileFlag::Bit(bit)) : (entry->flags & ~TileFlag::Bit(bit));
    if (TileFlag::Bit(bit) == TileFlag::kPartialHue)
        ShowTileArt();  // the picture's hue now reaches only its grey pixels, or all of them
    m_tilePictures.TileChanged();
}

void CEditorDlg::OnChangeName()
{
    StaticTileEntry* entry = EditedEntry();
    if (!entry)
        return;
    UpdateData(true);
    SetTileName(*entry, m_name);
    // The sorted list puts the new line back at the same position.
    m_list.DeleteString(m_current);
    m_list.AddString(FormatListLine(m_current, *entry));
    ShowTileArt();  // the line under the picture names the tile
    m_tilePictures.TileChanged();
}
