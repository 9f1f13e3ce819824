// The contract of a dialog shown beside its owner without a modal loop, its
// buttons, and the image control, on every backend: what the window system
// itself shows and names, read back through it.

#include "CDataExchange.h"
#include "CDialog.h"
#include "CImageCtrl.h"
#include "NativeReadBack.h"
#include "ResourceModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kOwnerId = 300, kBesideId = 301;
constexpr int kImage = 10, kLine = 11, kSaveAs = 12, kOther = 13;

using enum ControlKind;
using namespace Style;
constexpr DialogItemTemplate kOwnerItems[] = {
    {DefPushButton, IDOK, "OK", 5, 5, 40, 14, kTabStop},
};
constexpr DialogItemTemplate kBesideItems[] = {
    {Image, kImage, "Picture", 5, 5, 60, 40, 0},
    {Label, kLine, nullptr, 5, 50, 60, 20, kStaticNoPrefix | kLabelWordWrap},
    {PushButton, kSaveAs, "Save Picture &As...", 5, 72, 60, 14, kTabStop},
    {PushButton, kOther, "&Other", 5, 88, 60, 14, kTabStop},
};
constexpr DialogTemplate kDialogs[] = {
    {kOwnerId, "Owner", "MS Sans Serif", 8, 100, 60, kPopup | kCaption | kSysMenu | kModalFrame, kOwnerItems},
    {kBesideId, "Beside", "MS Sans Serif", 8, 70, 107, kPopup | kCaption | kSysMenu, kBesideItems},
};
const ResourceModule kResources = {kDialogs, {}, nullptr, "1.0.0.1"};

class BesideDlg : public CDialog {
public:
    explicit BesideDlg(CWnd* owner) : CDialog(kBesideId, owner) {}
    CImageCtrl m_image;
    int saveClicks = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kImage, m_image); }
    void OnClickedSaveAs() { ++saveClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BesideDlg, CDialog)
    ON_BN_CLICKED(kSaveAs, OnClickedSaveAs)
END_MESSAGE_MAP()

// Red, green, blue and alpha, four bytes a pixel.
struct Rgba {
    std::uint8_t r, g, b, a;
};

class ModelessAndImage : public ::testing::Test {
protected:
    ModelessAndImage() { owner.Create(); }

    bool resourcesHandedOver = (AfxSetResourceHandle(kResources), true);  // before the dialogs are made
    CDialog owner{kOwnerId};
    BesideDlg beside{&owner};
};

bool IsChecker(std::uint32_t pixel)
{
    return pixel == 0xFFD8D8D8 || pixel == 0xFFA8A8A8;
}

TEST_F(ModelessAndImage, ADialogMadeWithoutAModalLoopIsHiddenUntilShownAndMovesWhereTold)
{
    beside.Create();
    EXPECT_FALSE(beside.IsWindowVisible());
    owner.ShowWindow(SW_SHOW);
    beside.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(beside.IsWindowVisible());
    EXPECT_TRUE(owner.IsWindowVisible()) << "showing one window leaves its owner as it was";

    CRect before;
    beside.GetWindowRect(&before);
    beside.MoveWindow(before.left + 37, before.top + 11);
    CRect after;
    beside.GetWindowRect(&after);
    EXPECT_EQ(after.left - before.left, 37);
    EXPECT_EQ(after.top - before.top, 11);
    EXPECT_EQ(after.Width(), before.Width()) << "a move keeps the size";
    EXPECT_EQ(after.Height(), before.Height());

    beside.ShowWindow(SW_HIDE);
    EXPECT_FALSE(beside.IsWindowVisible());
    EXPECT_TRUE(owner.IsWindowVisible());
}

TEST_F(ModelessAndImage, ALabelTakesTextAndTheImageCarriesItsTemplateNameForScreenReaders)
{
    beside.Create();
    beside.SetItemText(kLine, u"0BB6  Caf\u00E9  44 x 61");
    EXPECT_EQ(beside.GetItemText(kLine), u"0BB6  Caf\u00E9  44 x 61");
    EXPECT_EQ(AccessibleNameOf(beside, kImage), u"Picture");
}

TEST_F(ModelessAndImage, AButtonBesideTheOwnerReachesItsHandlerAndIsNamedByItsLabel)
{
    beside.Create();
    owner.ShowWindow(SW_SHOW);
    beside.ShowWindow(SW_SHOWNOACTIVATE);
    ClickNatively(beside, kSaveAs);
    EXPECT_EQ(beside.saveClicks, 1) << "the window's own message map, without a modal loop of its own";
    EXPECT_EQ(AccessibleNameOf(beside, kSaveAs), u"Save Picture As...") << "the label without its mnemonic";
    EXPECT_EQ(AccessibleNameOf(beside, kOther), u"Other");
    beside.ShowWindow(SW_HIDE);
}

TEST_F(ModelessAndImage, ADisabledButtonIsSoForTheWindowSystemAndTabPassesItBy)
{
    beside.Create();
    owner.ShowWindow(SW_SHOW);
    beside.ShowWindow(SW_SHOWNOACTIVATE);  // the Tab key's walk passes windows not shown
    EXPECT_TRUE(beside.IsItemEnabled(kSaveAs));
    EXPECT_EQ(TabOrder(beside), (std::vector<int>{kSaveAs, kOther}));

    beside.EnableItem(kSaveAs, false);
    EXPECT_FALSE(beside.IsItemEnabled(kSaveAs));
    EXPECT_FALSE(IsControlEnabled(beside, kSaveAs));
    EXPECT_TRUE(IsControlEnabled(beside, kOther)) << "the others stay as they were";
    EXPECT_EQ(TabOrder(beside), std::vector<int>{kOther});

    beside.EnableItem(kSaveAs, true);
    EXPECT_TRUE(IsControlEnabled(beside, kSaveAs));
    EXPECT_EQ(TabOrder(beside), (std::vector<int>{kSaveAs, kOther}));
    beside.ShowWindow(SW_HIDE);
}

TEST_F(ModelessAndImage, TheImageIsShownWholeScaledWithoutBlurOverACheckerboard)
{
    beside.Create();
    // 12 x 6: the left half opaque red but for one half-transparent blue
    // pixel, the right half transparent.
    constexpr int kWidth = 12, kHeight = 6;
    std::vector<Rgba> pixels(kWidth * kHeight, Rgba{0, 0, 0, 0});
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth / 2; ++x)
            pixels[y * kWidth + x] = {255, 0, 0, 255};
    pixels[5 * kWidth + 0] = {0, 0, 255, 128};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pixels.data());
    beside.m_image.SetImage(kWidth, kHeight, {bytes, pixels.size() * sizeof(Rgba)});

    const RenderedControl shown = RenderControl(beside, kImage);
    const int scale = beside.m_image.GetScale();
    const int fits = std::min(shown.width / kWidth, shown.height / kHeight);
    EXPECT_EQ(scale, std::clamp(fits, 1, 4)) << shown.width << " x " << shown.height;
    ASSERT_GE(fits, 1) << "the control is large enough for the test's picture";
    const int left = (shown.width - kWidth * scale) / 2;
    const int top = (shown.height - kHeight * scale) / 2;

    int light = 0, dark = 0;
    for (int y = 0; y < kHeight * scale; ++y) {
        for (int x = 0; x < kWidth * scale; ++x) {
            const std::uint32_t pixel = shown.At(left + x, top + y);
            const int imageX = x / scale, imageY = y / scale;
            if (imageX == 0 && imageY == kHeight - 1) {
                // Half blue over a square of either grey: the blend, every
                // channel within rounding of its half.
                const std::uint32_t grey = ((x / 8 + y / 8) % 2) ? 0xA8 : 0xD8;
                EXPECT_NEAR(static_cast<int>(pixel & 0xFF), (255 * 128 + grey * 127) / 255, 1);
                EXPECT_NEAR(static_cast<int>((pixel >> 16) & 0xFF), grey * 127 / 255, 1);
            } else if (imageX < kWidth / 2) {
                ASSERT_EQ(pixel, 0xFFFF0000u) << "at " << x << ", " << y << ": every pixel of a square alike";
            } else {
                ASSERT_TRUE(IsChecker(pixel)) << std::hex << pixel << " at " << std::dec << x << ", " << y;
                const bool expectDark = (x / 8 + y / 8) % 2 != 0;  // squares from the picture's corner
                EXPECT_EQ(pixel, expectDark ? 0xFFA8A8A8u : 0xFFD8D8D8u);
                (expectDark ? dark : light)++;
            }
        }
    }
    EXPECT_GT(light, 0);
    EXPECT_GT(dark, 0) << "the checkerboard has both squares";
    if (left > 0) {
        EXPECT_FALSE(IsChecker(shown.At(left - 1, top))) << "nothing is drawn beside the picture";
    }

    beside.m_image.Clear();
    EXPECT_EQ(beside.m_image.GetScale(), 0);
    const RenderedControl cleared = RenderControl(beside, kImage);
    EXPECT_EQ(cleared.At(left, top), cleared.At(0, 0)) << "the background only";
    EXPECT_FALSE(IsChecker(cleared.At(left, top)));
}

TEST_F(ModelessAndImage, APictureLargerThanTheControlIsShownAtItsOwnSizeAboutItsMiddle)
{
    beside.Create();
    const RenderedControl empty = RenderControl(beside, kImage);
    const int width = empty.width + 9, height = empty.height + 5;
    // Opaque: grey levels that say each pixel's column, so the shown part can be placed.
    std::vector<Rgba> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = {static_cast<std::uint8_t>(x), 0, 1, 255};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pixels.data());
    beside.m_image.SetImage(width, height, {bytes, pixels.size() * sizeof(Rgba)});
    EXPECT_EQ(beside.m_image.GetScale(), 1);
    const RenderedControl shown = RenderControl(beside, kImage);
    const int firstColumn = (width - shown.width) / 2;
    EXPECT_EQ(shown.At(0, 0), 0xFF000001u | static_cast<std::uint32_t>(firstColumn) << 16);
    EXPECT_EQ(shown.At(shown.width - 1, shown.height - 1),
              0xFF000001u | static_cast<std::uint32_t>(firstColumn + shown.width - 1) << 16);
}

} // namespace
