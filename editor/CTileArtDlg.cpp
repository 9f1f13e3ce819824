#include "CTileArtDlg.h"

#include "ArtNumbering.h"
#include "CDataExchange.h"
#include "CFileDialog.h"
#include "FileMessage.h"
#include "PngFile.h"
#include "TileArtLine.h"

#include <cstdio>

namespace {

// Between the editor's frame and the window's, in pixels.
constexpr int kGapBesideOwner = 8;

constexpr char kPictureExtension[] = "png";
constexpr char kPictureFilter[] = "PNG Pictures (*.png)|*.png||";

constexpr char kCannotSave[] = "ERROR: cannot save";
constexpr char kCannotUse[] = "ERROR: cannot use";

// "0BB6.png": the name quarnel-tiles art --out gives the tile's picture.
std::string PictureFileName(int tileId)
{
    char name[16];
    std::snprintf(name, sizeof name, "%04X.png", static_cast<unsigned>(tileId));
    return name;
}

std::uint32_t StaticArtIndex(int tileId)
{
    return kFirstStaticArtIndex + static_cast<std::uint32_t>(tileId);
}

} // namespace

BEGIN_MESSAGE_MAP(CTileArtDlg, CDialog)
    ON_BN_CLICKED(IDC_SAVE_PICTURE, OnSavePicture)
    ON_BN_CLICKED(IDC_REPLACE_PICTURE, OnReplacePicture)
    ON_BN_CLICKED(IDC_REMOVE_PICTURE, OnRemovePicture)
END_MESSAGE_MAP()

CTileArtDlg::CTileArtDlg(CWnd* parent, PendingPictures& pending) : CDialog(IDD, parent), m_pending(pending) {}

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
    m_shownTile = -1;
    ShowTileArt(tileId, codePageName);
    EnableButtons();
}

void CTileArtDlg::ShowTileArt(int tileId, std::string_view codePageName)
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
        m_decoded = m_art->Decode(StaticArtIndex(tileId));
        m_decodedTile = tileId;
    }
    m_shownTile = tileId;
    m_shownName = codePageName;
    if (const PendingPictures::Picture* pending = m_pending.Find(tileId)) {
        if (!pending->pixels)
            return ShowNoPicture(RemovedArtLine(tileId));
        m_image.SetImage(pending->shown.width, pending->shown.height, pending->shown.rgba);
        SetItemText(IDC_TILE_TEXT, NewPictureLine(tileId, codePageName, pending->shown.width, pending->shown.height));
        return;
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

const ArtImage* CTileArtDlg::ShownPicture() const
{
    if (m_shownTile < 0)
        return nullptr;
    if (const PendingPictures::Picture* pending = m_pending.Find(m_shownTile))
        return pending->pixels ? &pending->shown : nullptr;
    return m_decoded.kind == ArtResult::Kind::kImage ? &m_decoded.image : nullptr;
}

bool CTileArtDlg::ShownTileHasArt() const
{
    if (const PendingPictures::Picture* pending = m_pending.Find(m_shownTile))
        return pending->pixels.has_value();
    return m_decoded.kind != ArtResult::Kind::kNoArt;  // damaged art is art too, and can go
}

void CTileArtDlg::EnableButtons()
{
    // Art that cannot be read as a whole cannot be written either.
    const bool changeable = m_shownTile >= 0 && m_art->Damage().empty();
    EnableItem(IDC_SAVE_PICTURE, ShownPicture() != nullptr);
    EnableItem(IDC_REPLACE_PICTURE, changeable);
    EnableItem(IDC_REMOVE_PICTURE, changeable && ShownTileHasArt());
}

void CTileArtDlg::OnSavePicture()
{
    const ArtImage* picture = ShownPicture();
    if (!picture)
        return;
    CFileDialog fileDialog(false, kPictureExtension, PictureFileName(m_shownTile).c_str(), OFN_HIDEREADONLY,
                           kPictureFilter);
    if (fileDialog.DoModal() != IDOK)
        return;
    std::string failure;
    if (!WritePngFile(fileDialog.GetPathName(), *picture, failure))
        ShowFileMessage(kCannotSave, fileDialog.GetPathName(), failure);
}

void CTileArtDlg::OnReplacePicture()
{
    if (m_shownTile < 0)
        return;
    CFileDialog fileDialog(true, kPictureExtension, PictureFileName(m_shownTile).c_str(), OFN_HIDEREADONLY,
                           kPictureFilter);
    if (fileDialog.DoModal() != IDOK)
        return;
    const std::string path = fileDialog.GetPathName();
    // Checked now, so that Save has nothing left to refuse.
    ArtImage image;
    std::string failure;
    if (!ReadPngFile(path, image, failure))
        return ShowFileMessage(kCannotUse, path, failure);
    ArtPixels pixels = PixelsFromImage(image);
    if (const std::optional<std::string> why = WhyNotStorable(StaticArtIndex(m_shownTile), pixels))
        return ShowFileMessage(kCannotUse, path, *why);
    m_pending.Replace(m_shownTile, std::move(pixels));
    ShowTile(m_shownTile, std::string(m_shownName));
}

void CTileArtDlg::OnRemovePicture()
{
    if (m_shownTile < 0)
        return;
    // A new picture for a tile the files give no art is only taken back.
    if (m_decoded.kind == ArtResult::Kind::kNoArt)
        m_pending.Forget(m_shownTile);
    else
        m_pending.Remove(m_shownTile);
    ShowTile(m_shownTile, std::string(m_shownName));
}
