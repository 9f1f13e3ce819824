#include "CTileArtDlg.h"

#include "ArtDecoder.h"
#include "ArtNumbering.h"
#include "CDataExchange.h"
#include "CFileDialog.h"
#include "FileMessage.h"
#include "HueBoxNumber.h"
#include "PngFile.h"
#include "TileArtLine.h"

#include <cstdio>

namespace {

// Between the editor's frame and the window's, in pixels.
constexpr int kGapBesideOwner = 8;
// Digits enough for any hue number a table can hold.
constexpr int kHueDigits = 5;

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

} // namespace

BEGIN_MESSAGE_MAP(CTileArtDlg, CDialog)
    ON_EN_CHANGE(IDC_HUE_NUMBER, OnChangeHueNumber)
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

bool CTileArtDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LimitItemText(IDC_HUE_NUMBER, kHueDigits);
    SetItemText(IDC_HUE_NUMBER, u"0");
    // Until a table is read there is no hue to choose, and until a tile shows no picture to change.
    EnableItem(IDC_HUE_NUMBER, false);
    EnableButtons();
    // No control takes the focus: on Windows that would make this window,
    // made the first time it opens, the active one, and take the keys from
    // the editor. A click on the window gives its Hue box the keys.
    return false;
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
    m_palettes = TileHuePalettes();  // it points into the table going
    m_hues.reset();
    m_decodedTile = -1;
}

void CTileArtDlg::TakeHueTable()
{
    // The number in the box stays; a table without that hue leaves the picture plain.
    if (!m_hues->Holds(m_hue))
        m_hue = 0;
    m_palettes = TileHuePalettes(m_hue ? &(*m_hues)[m_hue] : nullptr);
    m_decodedTile = -1;
    if (m_hues->Count() == 0) {
        EnableItem(IDC_HUE_NUMBER, false);
        SetItemText(IDC_HUE_NAME, m_hues->Failure().empty() ? NoHuesLine(m_tileDataPath)
                                                            : UnreadHuesLine(m_hues->Failure()));
        return;
    }
    SetItemRange(IDC_HUE_NUMBER, 0, m_hues->Count());
    EnableItem(IDC_HUE_NUMBER, true);
    TakeHueNumber();
}

bool CTileArtDlg::TakeHueNumber()
{
    const std::u16string text = GetItemText(IDC_HUE_NUMBER);
    const std::optional<int> typed = HueBoxNumber(text);
    if (!typed || (*typed != 0 && !m_hues->Holds(*typed))) {
        SetItemText(IDC_HUE_NAME, NoSuchHueLine(text, m_hues->Count()));
        return false;
    }
    const int number = *typed;
    SetItemText(IDC_HUE_NAME, number ? HueNameLine((*m_hues)[number].name) : std::u16string());
    if (number == m_hue)
        return false;
    m_hue = number;
    m_palettes = TileHuePalettes(m_hue ? &(*m_hues)[m_hue] : nullptr);
    return true;
}

void CTileArtDlg::OnChangeHueNumber()
{
    if (!m_hues || m_hues->Count() == 0)
        return;
    if (TakeHueNumber() && m_shownTile >= 0) {
        const std::string name = m_shownName;  // ShowTile keeps its own copy of what it is given
        ShowTile(m_shownTile, name, m_shownPartial);
    }
}

void CTileArtDlg::ShowTile(int tileId, std::string_view codePageName, bool partialHue)
{
    m_shownTile = tileId;
    m_shownName = codePageName;
    m_shownPartial = partialHue;
    ShowShownTile();
    EnableButtons();
}

void CTileArtDlg::ShowShownTile()
{
    const int tileId = m_shownTile;
    const bool partialHue = m_shownPartial;
    if (m_tileDataPath.empty())
        return ShowNoPicture(NoFileLine());
    if (!m_art) {
        m_art = ArtFolder::Load(m_tileDataPath);
        m_hues = HueTable::Load(m_tileDataPath);
        TakeHueTable();
    }
    if (m_art->GetForm() == ArtFolder::Form::kNone)
        return ShowNoPicture(NoArtFilesLine(m_tileDataPath));
    if (tileId < 0)
        return ShowNoPicture(NoTileLine());
    if (tileId != m_decodedTile || m_hue != m_decodedHue || partialHue != m_decodedPartial) {
        const ArtPalette& palette = m_palettes.For(partialHue ? TileFlag::kPartialHue : 0);
        m_decoded = m_art->Decode(ArtIndexOfTile(tileId), palette);
        m_decodedTile = tileId;
        m_decodedHue = m_hue;
        m_decodedPartial = partialHue;
    }
    if (const PendingPictures::Picture* pending = m_pending.Find(tileId)) {
        if (!pending->pixels)
            return ShowNoPicture(RemovedArtLine(tileId));
        // Drawn from the entry Save will write, through the hue chosen, as the files will give it back.
        m_pendingDecoded = DecodeArt(ArtIndexOfTile(tileId), pending->entry,
                                     m_palettes.For(partialHue ? TileFlag::kPartialHue : 0));
        const ArtImage& picture = m_pendingDecoded.image;
        m_image.SetImage(picture.width, picture.height, picture.rgba);
        SetItemText(IDC_TILE_TEXT, NewPictureLine(tileId, m_shownName, picture.width, picture.height));
        return;
    }
    switch (m_decoded.kind) {
    case ArtResult::Kind::kImage:
        m_image.SetImage(m_decoded.image.width, m_decoded.image.height, m_decoded.image.rgba);
        SetItemText(IDC_TILE_TEXT, TileArtLine(tileId, m_shownName, m_decoded.image.width, m_decoded.image.height));
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
    if (!ShowsTileArt())
        return nullptr;
    if (const PendingPictures::Picture* pending = m_pending.Find(m_shownTile))
        return pending->pixels ? &m_pendingDecoded.image : nullptr;
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
    const bool changeable = ShowsTileArt() && m_art->Damage().empty();
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
    if (!ShowsTileArt())
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
    if (const std::optional<std::string> why = WhyNotStorable(ArtIndexOfTile(m_shownTile), pixels))
        return ShowFileMessage(kCannotUse, path, *why);
    m_pending.Replace(m_shownTile, std::move(pixels));
    ShowShownTile();
    EnableButtons();
}

void CTileArtDlg::OnRemovePicture()
{
    if (!ShowsTileArt())
        return;
    // A new picture for a tile the files give no art is only taken back.
    if (m_decoded.kind == ArtResult::Kind::kNoArt)
        m_pending.Forget(m_shownTile);
    else
        m_pending.Remove(m_shownTile);
    ShowShownTile();
    EnableButtons();
}
