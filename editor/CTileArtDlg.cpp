#include "CTileArtDlg.h"

#include "ArtNumbering.h"
#include "CDataExchange.h"
#include "TileArtLine.h"

namespace {
// Between the editor's frame and the window's, in pixels.
constexpr int kGapBesideOwner = 8;
} // namespace

CTileArtDlg::CTileArtDlg(CWnd* parent) : CDialog(IDD, parent) {}

bool CTileArtDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // No control takes the focus: on Windows that would make this window,
    // made the first time it opens, the active one, and take the keys from
    // the editor.
    return false;
}

void CTileArtDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TILE_IMAGE, m_image);
}

void CTileArtDlg::OnCancel()
{
    ShowWindow(SW_HIDE);  // Escape and the close box: the editor goes on
}

void CTileArtDlg::Open(const CDialog& owner)
{
    Create();
    if (!m_placed) {
        m_placed = true;
        CRect frame;
        owner.GetWindowRect(&frame);
        MoveWindow(frame.right + kGapBesideOwner, frame.top);
    }
    ShowWindow(SW_SHOWNOACTIVATE);
}

void CTileArtDlg::LoadArt(const std::string& tileDataPath)
{
    // Read when a tile is next shown: a Load with the window closed reads no art.
    m_tileDataPath = tileDataPath;
    m_art.reset();
    m_decodedTile = -1;
}

void CTileArtDlg::ShowTile(int tileId, std::string_view codePageName)
{
    if (m_tileDataPath.empty())
        return ShowNoPicture(NoFileLine());
    if (!m_art)
        m_art = ArtFolder::Load(m_tileDataPath);
    if (m_art->GetForm() == ArtFolder::Form::kNone)
        return ShowNoPicture(NoArtFilesLine(m_tileDataPath));
    if (tileId < 0)
        return ShowNoPicture(NoTileLine());
    if (tileId != m_decodedTile) {
        m_decoded = m_art->Decode(kFirstStaticArtIndex + static_cast<std::uint32_t>(tileId));
        m_decodedTile = tileId;
    }
    switch (m_decoded.kind) {
    case ArtResult::Kind::kImage:
        m_image.SetImage(m_decoded.image.width, m_decoded.image.height, m_decoded.image.rgba);
        SetItemText(IDC_TILE_TEXT, TileArtLine(tileId, codePageName, m_decoded.image.width, m_decoded.image.height));
        return;
    case ArtResult::Kind::kNoArt:
        return ShowNoPicture(NoArtLine(tileId));
    case ArtResult::Kind::kDamaged:
        return ShowNoPicture(DamagedArtLine(tileId, m_decoded.reason));
    }
}

void CTileArtDlg::ShowNoPicture(const std::u16string& line)
{
    m_image.Clear();
    SetItemText(IDC_TILE_TEXT, line);
}
