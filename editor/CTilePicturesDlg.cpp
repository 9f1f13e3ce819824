#include "CTilePicturesDlg.h"

#include "ArtNumbering.h"
#include "CDataExchange.h"
#include "HueBoxNumber.h"
#include "TileArtLine.h"
#include "TileFlags.h"
#include "Utf8.h"

#include <algorithm>

namespace {

// Between the editor's frame and the window's, in pixels.
constexpr int kGapBelowOwner = 8;
// The cache shrinks pictures to what a cell holds.
static_assert(kThumbnailSide == kGridPictureSide);
// Digits enough for any hue number a table can hold.
constexpr int kHueDigits = 5;

// The Show list's lines, in the order of TilePictureShow.
constexpr const char16_t* kShowLines[] = {u"All tiles", u"Tiles with art", u"Tiles without art", u"Free slots"};

// 65536 as "65,536".
std::u16string WithThousands(int number)
{
    const std::string digits = std::to_string(number);
    std::u16string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += static_cast<char16_t>(digits[i]);
    }
    return grouped;
}

} // namespace

BEGIN_MESSAGE_MAP(CTilePicturesDlg, CDialog)
    ON_WM_SIZE()
    ON_LBN_SELCHANGE(IDC_PICTURES_GRID, OnSelchangeGrid)
    ON_CBN_SELCHANGE(IDC_PICTURES_SHOW, OnChangeFilter)
    ON_EN_CHANGE(IDC_PICTURES_NAME, OnChangeFilter)
    ON_CBN_SELCHANGE(IDC_PICTURES_FLAG, OnChangeFilter)
    ON_EN_CHANGE(IDC_PICTURES_HUE, OnChangeHue)
END_MESSAGE_MAP()

CTilePicturesDlg::CTilePicturesDlg(CWnd* parent, std::function<void(int)> selectTile)
    : CDialog(IDD, parent), m_selectTile(std::move(selectTile))
{
}

void CTilePicturesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PICTURES_GRID, m_grid);
}

bool CTilePicturesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_grid.SetSource(this);
    for (const char16_t* line : kShowLines)
        AddItemString(IDC_PICTURES_SHOW, line);
    SetItemSelection(IDC_PICTURES_SHOW, 0);
    FillFlagList();
    LimitItemText(IDC_PICTURES_NAME, static_cast<int>(kTileNameSize));
    KeepItemTextInCodePage1252(IDC_PICTURES_NAME);
    LimitItemText(IDC_PICTURES_HUE, kHueDigits);
    SetItemText(IDC_PICTURES_HUE, u"0");
    EnableItem(IDC_PICTURES_HUE, false);

    // What the grid and the status line keep from the edges as the window grows.
    CRect client, grid, status;
    GetClientRect(&client);
    GetItemRect(IDC_PICTURES_GRID, &grid);
    GetItemRect(IDC_PICTURES_STATUS, &status);
    m_gridRightGap = client.right - grid.right;
    m_gridBottomGap = client.bottom - grid.bottom;
    m_statusBottomGap = client.bottom - status.top;
    m_measured = true;
    ShowStatus();
    return false;  // the editor keeps the keys until the window is clicked
}

void CTilePicturesDlg::OnOK()
{
    // Enter typed in a filter or the grid: the window stays, its filters already applied.
}

void CTilePicturesDlg::OnCancel()
{
    ShowWindow(SW_HIDE);  // Escape and the close box: the editor goes on
}

void CTilePicturesDlg::OnSize(unsigned type, int cx, int cy)
{
    if (!m_measured || type == SIZE_MINIMIZED)
        return;  // a size told while the window is made, before its layout is measured; or an icon's
    CRect grid, status;
    GetItemRect(IDC_PICTURES_GRID, &grid);
    GetItemRect(IDC_PICTURES_STATUS, &status);
    grid.right = std::max(grid.left + 1, cx - m_gridRightGap);
    grid.bottom = std::max(grid.top + 1, cy - m_gridBottomGap);
    MoveItem(IDC_PICTURES_GRID, grid);
    const int statusHeight = status.Height();
    status.top = cy - m_statusBottomGap;
    status.bottom = status.top + statusHeight;
    status.right = grid.right;
    MoveItem(IDC_PICTURES_STATUS, status);
}

void CTilePicturesDlg::Open(const CDialog& owner)
{
    Create();
    if (!m_placed) {
        m_placed = true;
        CRect frame;
        owner.GetWindowRect(&frame);
        MoveWindow(frame.left, frame.bottom + kGapBelowOwner);
    }
    // Open already and up to date: its filters and its place in the grid stay.
    if (IsWindowVisible() && m_art)
        return;
    ShowWindow(SW_SHOWNOACTIVATE);
    // A hidden window follows nothing: it catches up now.
    FillFlagList();
    Refilter();
}

void CTilePicturesDlg::LoadTiles(const StaticTileTable* table, const std::string& tileDataPath)
{
    m_table = table;
    m_tileDataPath = tileDataPath;
    // Read when the window next shows: a Load with the window closed reads no art.
    ReleaseArt();
    if (!IsWindowVisible())
        return;
    FillFlagList();
    Refilter();
}

void CTilePicturesDlg::ReleaseArt()
{
    m_pictures.reset();  // before the art and hues it reads from, and with it the files it holds open
    m_art.reset();
    m_hues.reset();
}

void CTilePicturesDlg::ReadArt()
{
    if (m_art || m_tileDataPath.empty())
        return;
    m_art = ArtFolder::Load(m_tileDataPath);
    m_hues = HueTable::Load(m_tileDataPath);
    m_pictures.emplace(*m_art);
    TakeHueTable();
}

void CTilePicturesDlg::TakeHueTable()
{
    // The number in the box stays, drawn when the new table holds it; else the pictures are plain.
    m_hue = 0;
    EnableItem(IDC_PICTURES_HUE, m_hues->Count() > 0);
    if (m_hues->Count() > 0) {
        SetItemRange(IDC_PICTURES_HUE, 0, m_hues->Count());
        TakeHueNumber();
    }
    m_pictures->SetHue(m_hue ? &(*m_hues)[m_hue] : nullptr);
}

bool CTilePicturesDlg::TakeHueNumber()
{
    // A number the table lacks leaves the pictures in the last hue drawn.
    const std::optional<int> typed = HueBoxNumber(GetItemText(IDC_PICTURES_HUE));
    if (!typed || (*typed != 0 && !m_hues->Holds(*typed)) || *typed == m_hue)
        return false;
    m_hue = *typed;
    return true;
}

void CTilePicturesDlg::OnChangeHue()
{
    if (!m_hues || m_hues->Count() == 0 || !TakeHueNumber())
        return;
    m_pictures->SetHue(m_hue ? &(*m_hues)[m_hue] : nullptr);
    m_grid.Redraw();
}

void CTilePicturesDlg::FillFlagList()
{
    const bool newer = m_table && m_table->layout->FlagBitCount() > TileFlag::kCount;
    // Any, the named flags, and bits 32-63 when the list was made for a newer file.
    const int count = GetItemStringCount(IDC_PICTURES_FLAG);
    if (count > 0 && newer == (count > 1 + TileFlag::kCount))
        return;
    const int picked = count > 0 ? GetItemSelection(IDC_PICTURES_FLAG) : 0;
    ResetItemStrings(IDC_PICTURES_FLAG);
    AddItemString(IDC_PICTURES_FLAG, u"Any");
    for (const char* label : TileFlag::kLabels)
        AddItemString(IDC_PICTURES_FLAG, Utf16FromUtf8(label));
    const int bits = newer ? kNewerLayout.FlagBitCount() : TileFlag::kCount;
    for (int bit = TileFlag::kCount; bit < bits; ++bit)
        AddItemString(IDC_PICTURES_FLAG, u"Bit " + Utf16FromUtf8(std::to_string(bit)));
    // A bit the new list lacks gives way to Any.
    SetItemSelection(IDC_PICTURES_FLAG, picked >= 0 && picked <= bits ? picked : 0);
}

void CTilePicturesDlg::OnChangeFilter()
{
    Refilter();
}

void CTilePicturesDlg::Refilter()
{
    if (!IsWindowVisible())
        return;
    ReadArt();  // once a load: the filters ask which tiles have art
    if (!m_table || m_tileDataPath.empty()) {
        m_shown.clear();
    } else {
        TilePictureFilter filter;
        filter.show = static_cast<TilePictureShow>(std::max(GetItemSelection(IDC_PICTURES_SHOW), 0));
        filter.name = GetItemText(IDC_PICTURES_NAME);
        filter.flagBit = GetItemSelection(IDC_PICTURES_FLAG) - 1;  // line 0 is Any
        const auto tiles = std::span<const StaticTileEntry>(m_table->begin(), m_table->end());
        FilterTilePictures(tiles, StaticTileArtIn(*m_art), filter, m_shown);
    }
    m_grid.SetCellCount(static_cast<int>(m_shown.size()));
    FrameShownTile();
}

void CTilePicturesDlg::TileChanged()
{
    if (!IsWindowVisible() || !m_art)
        return;
    // A new Partial Hue flag has the cache draw the picture anew.
    m_grid.Redraw();
    ShowStatus();
}

int CTilePicturesDlg::CellOfTile(int tileId) const
{
    const auto found = std::lower_bound(m_shown.begin(), m_shown.end(), tileId);
    return found != m_shown.end() && *found == tileId ? static_cast<int>(found - m_shown.begin()) : -1;
}

void CTilePicturesDlg::ShowTile(int tileId)
{
    m_editorTile = tileId;
    if (IsWindowVisible())
        FrameShownTile();
}

void CTilePicturesDlg::FrameShownTile()
{
    m_grid.SetCurSel(CellOfTile(m_editorTile));  // none where the filters leave it out
    ShowStatus();
}

void CTilePicturesDlg::OnSelchangeGrid()
{
    const int cell = m_grid.GetCurSel();
    if (cell < 0 || cell >= static_cast<int>(m_shown.size()))
        return;
    m_editorTile = m_shown[static_cast<std::size_t>(cell)];
    ShowStatus();
    if (m_selectTile)
        m_selectTile(m_editorTile);
}

void CTilePicturesDlg::ShowStatus()
{
    if (!IsWindowVisible())
        return;
    if (!m_table || m_tileDataPath.empty()) {
        SetItemText(IDC_PICTURES_STATUS, NoFileLine());
        return;
    }
    std::u16string line;
    const int tileId = m_editorTile;
    if (tileId < 0 || tileId >= m_table->count) {
        line = NoTileLine();
    } else {
        const ArtThumbnails::Thumbnail picture = Picture(tileId);
        switch (picture.kind) {
        case ArtResult::Kind::kImage:
            line = TileArtLine(tileId, TileName((*m_table)[tileId]), picture.width, picture.height);
            break;
        case ArtResult::Kind::kNoArt:
            line = NoArtLine(tileId);
            break;
        case ArtResult::Kind::kDamaged:
            line = DamagedArtLine(tileId, picture.reason);
            break;
        }
    }
    line += u"  -  " + WithThousands(static_cast<int>(m_shown.size())) + u" of " + WithThousands(m_table->count) +
            u" tiles shown";
    SetItemText(IDC_PICTURES_STATUS, line);
}

ArtThumbnails::Thumbnail CTilePicturesDlg::Picture(int tileId)
{
    if (!m_pictures)
        return {};
    return m_pictures->Get(tileId, (*m_table)[tileId].flags);
}

GridPicture CTilePicturesDlg::CellPicture(int cell)
{
    const ArtThumbnails::Thumbnail picture = Picture(m_shown[static_cast<std::size_t>(cell)]);
    switch (picture.kind) {
    case ArtResult::Kind::kImage:
        return {GridPicture::Kind::kPicture, picture.image->width, picture.image->height, picture.image->rgba};
    case ArtResult::Kind::kDamaged:
        return {GridPicture::Kind::kCross, 0, 0, {}};
    case ArtResult::Kind::kNoArt:
        break;
    }
    return {};
}

std::u16string CTilePicturesDlg::CellLabel(int cell)
{
    return TileIdText(m_shown[static_cast<std::size_t>(cell)]);
}
