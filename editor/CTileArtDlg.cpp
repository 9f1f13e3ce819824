#include "CTileArtDlg.h"

#include "ArtNumbering.h"
#include "CDataExchange.h"
#include "TileArtLine.h"

namespace {
// Between the editor's frame and the window's, in pixels.
constexpr int kGapBesideOwner = 8;
// Digits enough for any hue number a table can hold.
constexpr int kHueDigits = 5;
} // namespace

BEGIN_MESSAGE_MAP(CTileArtDlg, CDialog)
    ON_EN_CHANGE(IDC_HUE_NUMBER, OnChangeHueNumber)
END_MESSAGE_MAP()

CTileArtDlg::CTileArtDlg(CWnd* parent) : CDialog(IDD, parent) {}

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
    // Until a table is read there is no hue to choose.
    EnableItem(IDC_HUE_NUMBER, false);
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
    // Digits alone, at most five of them (though a paste may bring others in); none is no hue.
    int number = 0;
    bool digits = true;
    for (const char16_t c : text) {
        digits = digits && c >= u'0' && c <= u'9';
        number = digits ? number * 10 + (c - u'0') : number;
    }
    if (!digits || (number != 0 && !m_hues->Holds(number))) {
        SetItemText(IDC_HUE_NAME, NoSuchHueLine(text, m_hues->Count()));
        return false;
    }
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
        m_decoded = m_art->Decode(kFirstStaticArtIndex + static_cast<std::uint32_t>(tileId), palette);
        m_decodedTile = tileId;
        m_decodedHue = m_hue;
        m_decodedPartial = partialHue;
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
