#include "CPictureGridCtrl.h"

#include "CDialog.h"

#include <algorithm>

namespace {

// The grid's own colours, the same on every backend: the window's white,
// the frame round the selected cell (darker while the grid lacks the
// focus), and the cross of a picture that could not be read.
constexpr ComposedPixel kGridBackground = 0xFFFFFFFF;
constexpr ComposedPixel kFocusedFrame = 0xFF0A64D2;
constexpr ComposedPixel kUnfocusedFrame = 0xFF8C8C8C;
constexpr ComposedPixel kCrossColour = 0xFFC81E1E;
constexpr int kFrameWidth = 2;
constexpr int kCrossHalf = 5;

void FillBox(ComposedImage& image, int left, int top, int right, int bottom, ComposedPixel colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width);
    bottom = std::min(bottom, image.height);
    for (int y = top; y < bottom; ++y)
        std::fill_n(image.pixels.data() + static_cast<std::size_t>(y) * image.width + left, std::max(right - left, 0),
                    colour);
}

void PutPixel(ComposedImage& image, int x, int y, ComposedPixel colour)
{
    if (x >= 0 && y >= 0 && x < image.width && y < image.height)
        image.pixels[static_cast<std::size_t>(y) * image.width + x] = colour;
}

// The picture area of a cell whose top left corner is (left, top): the
// checkerboard, squares starting at the area's corner, and the picture
// centred on it. Art pixels are either clear or opaque; a partly clear one
// is blended as the Tile Art window blends it.
void DrawPicture(ComposedImage& image, int left, int top, const GridPicture& picture)
{
    for (int y = 0; y < kGridPictureSide; ++y) {
        const int screenY = top + y;
        if (screenY < 0 || screenY >= image.height)
            continue;
        ComposedPixel* row = image.pixels.data() + static_cast<std::size_t>(screenY) * image.width;
        for (int x = 0; x < kGridPictureSide; ++x) {
            const int screenX = left + x;
            if (screenX >= 0 && screenX < image.width)
                row[screenX] = ((x / kCheckerSide) + (y / kCheckerSide)) % 2 ? kCheckerDark : kCheckerLight;
        }
    }
    if (picture.kind == GridPicture::Kind::kCross) {
        const int centreX = left + kGridPictureSide / 2, centreY = top + kGridPictureSide / 2;
        for (int d = -kCrossHalf; d <= kCrossHalf; ++d) {
            PutPixel(image, centreX + d, centreY + d, kCrossColour);
            PutPixel(image, centreX + d + 1, centreY + d, kCrossColour);
            PutPixel(image, centreX - d, centreY + d, kCrossColour);
            PutPixel(image, centreX - d + 1, centreY + d, kCrossColour);
        }
        return;
    }
    const int width = std::min(picture.width, kGridPictureSide), height = std::min(picture.height, kGridPictureSide);
    if (picture.kind != GridPicture::Kind::kPicture || width <= 0 || height <= 0 ||
        picture.rgba.size() < static_cast<std::size_t>(picture.width) * picture.height * 4)
        return;
    const int pictureLeft = left + (kGridPictureSide - width) / 2;
    const int pictureTop = top + (kGridPictureSide - height) / 2;
    for (int y = 0; y < height; ++y) {
        const int screenY = pictureTop + y;
        if (screenY < 0 || screenY >= image.height)
            continue;
        const std::uint8_t* source = picture.rgba.data() + static_cast<std::size_t>(y) * picture.width * 4;
        ComposedPixel* row = image.pixels.data() + static_cast<std::size_t>(screenY) * image.width;
        for (int x = 0; x < width; ++x, source += 4) {
            const int screenX = pictureLeft + x;
            const unsigned alpha = source[3];
            if (alpha == 0 || screenX < 0 || screenX >= image.width)
                continue;
            const ComposedPixel under = row[screenX];
            auto channel = [&](unsigned over, int shift) {
                const unsigned below = (under >> shift) & 0xFF;
                return ((over * alpha + below * (255 - alpha) + 127) / 255) << shift;
            };
            row[screenX] = 0xFF000000u | channel(source[0], 16) | channel(source[1], 8) | channel(source[2], 0);
        }
    }
}

void DrawFrame(ComposedImage& image, const CRect& box, ComposedPixel colour)
{
    FillBox(image, box.left, box.top, box.right, box.top + kFrameWidth, colour);
    FillBox(image, box.left, box.bottom - kFrameWidth, box.right, box.bottom, colour);
    FillBox(image, box.left, box.top, box.left + kFrameWidth, box.bottom, colour);
    FillBox(image, box.right - kFrameWidth, box.top, box.right, box.bottom, colour);
}

} // namespace

void CPictureGridCtrl::SetSource(PictureGridSource* source)
{
    m_source = source;
    Invalidate();
}

void CPictureGridCtrl::SetCellCount(int count)
{
    m_count = std::max(count, 0);
    m_selected = -1;
    m_topRow = 0;
    OnResize();
    AnnounceValue();
}

int CPictureGridCtrl::GetColumnCount() const
{
    int width = 0, height = 0;
    ClientSize(&width, &height);
    return std::max(width / kGridCellWidth, 1);
}

int CPictureGridCtrl::GetRowsInView() const
{
    int width = 0, height = 0;
    ClientSize(&width, &height);
    return std::max(height / kGridCellHeight, 1);
}

int CPictureGridCtrl::RowCount() const
{
    const int columns = GetColumnCount();
    return (m_count + columns - 1) / columns;
}

int CPictureGridCtrl::GetLastTopRow() const
{
    return std::max(RowCount() - GetRowsInView(), 0);
}

CRect CPictureGridCtrl::GetCellRect(int cell) const
{
    const int columns = GetColumnCount();
    const int left = (cell % columns) * kGridCellWidth;
    const int top = (cell / columns - m_topRow) * kGridCellHeight;
    return {left, top, left + kGridCellWidth, top + kGridCellHeight};
}

int CPictureGridCtrl::HitTest(int x, int y) const
{
    const int columns = GetColumnCount();
    if (x < 0 || y < 0 || x >= columns * kGridCellWidth)
        return -1;
    const int cell = (m_topRow + y / kGridCellHeight) * columns + x / kGridCellWidth;
    return cell < m_count ? cell : -1;
}

void CPictureGridCtrl::ScrollToRow(int row)
{
    const int top = std::clamp(row, 0, GetLastTopRow());
    if (top == m_topRow)
        return;
    m_topRow = top;
    ShowScrollBar(GetLastTopRow(), GetRowsInView(), m_topRow);
    Invalidate();
}

void CPictureGridCtrl::ScrollIntoView(int cell)
{
    if (cell < 0 || cell >= m_count)
        return;
    const int row = cell / GetColumnCount();
    if (row < m_topRow)
        ScrollToRow(row);
    else if (row >= m_topRow + GetRowsInView())
        ScrollToRow(row - GetRowsInView() + 1);
}

void CPictureGridCtrl::SetCurSel(int cell)
{
    const int before = m_selected;
    const int topBefore = m_topRow;
    m_selected = cell >= 0 && cell < m_count ? cell : -1;
    ScrollIntoView(m_selected);
    // A scroll draws everything again; otherwise only the two frames change.
    if (m_topRow == topBefore && m_selected != before) {
        InvalidateCell(before);
        InvalidateCell(m_selected);
    }
    AnnounceValue();
}

void CPictureGridCtrl::InvalidateCell(int cell)
{
    if (cell < 0 || cell >= m_count)
        return;
    const CRect box = GetCellRect(cell);
    int width = 0, height = 0;
    ClientSize(&width, &height);
    if (box.bottom > 0 && box.top < height)
        Invalidate(&box);
}

void CPictureGridCtrl::SelectByUser(int cell)
{
    if (m_count == 0)
        return;
    cell = std::clamp(cell, 0, m_count - 1);
    if (cell == m_selected)
        return ScrollIntoView(m_selected);
    SetCurSel(cell);
    if (m_dialog)
        m_dialog->SendNotification(Notification::ListSelChange, m_id);
}

void CPictureGridCtrl::Redraw()
{
    Invalidate();
}

std::u16string CPictureGridCtrl::GetAccessibleValue() const
{
    return m_selected >= 0 && m_source ? m_source->CellLabel(m_selected) : std::u16string();
}

void CPictureGridCtrl::OnResize()
{
    // The selected cell stays in view as the columns change.
    m_topRow = std::clamp(m_topRow, 0, GetLastTopRow());
    ScrollIntoView(m_selected);
    ShowScrollBar(GetLastTopRow(), GetRowsInView(), m_topRow);
    Invalidate();
}

void CPictureGridCtrl::OnClick(int x, int y)
{
    const int cell = HitTest(x, y);
    if (cell >= 0)
        SelectByUser(cell);
}

bool CPictureGridCtrl::OnKey(int virtualKey)
{
    const int columns = GetColumnCount();
    const int page = columns * GetRowsInView();
    // With nothing framed, any move starts from the first cell.
    const int from = m_selected;
    switch (virtualKey) {
    case VK_LEFT: SelectByUser(from < 0 ? 0 : from - 1); return true;
    case VK_RIGHT: SelectByUser(from < 0 ? 0 : from + 1); return true;
    case VK_UP: SelectByUser(from < 0 ? 0 : from - columns); return true;
    case VK_DOWN: SelectByUser(from < 0 ? 0 : from + columns); return true;
    case VK_PRIOR: SelectByUser(from < 0 ? 0 : from - page); return true;
    case VK_NEXT: SelectByUser(from < 0 ? 0 : from + page); return true;
    case VK_HOME: SelectByUser(0); return true;
    case VK_END: SelectByUser(m_count - 1); return true;
    default: return false;
    }
}

void CPictureGridCtrl::OnWheel(int rows)
{
    ScrollToRow(m_topRow - rows);
}

void CPictureGridCtrl::OnFocusChange()
{
    InvalidateCell(m_selected);  // the frame's colour says whether the grid has the focus
}

const GridFrame& CPictureGridCtrl::ComposeFrame()
{
    int width = 0, height = 0;
    ClientSize(&width, &height);
    return ComposeFrame({0, 0, width, height});
}

const GridFrame& CPictureGridCtrl::ComposeFrame(const CRect& area)
{
    int clientWidth = 0, clientHeight = 0;
    ClientSize(&clientWidth, &clientHeight);
    ComposedImage& image = m_frame.image;
    m_frame.labels.clear();
    image.x = std::max(area.left, 0);
    image.y = std::max(area.top, 0);
    image.width = std::max(std::min(area.right, clientWidth) - image.x, 0);
    image.height = std::max(std::min(area.bottom, clientHeight) - image.y, 0);
    image.scale = image.width > 0 && image.height > 0 ? 1 : 0;
    // The buffer keeps its capacity from paint to paint: no allocation once grown.
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, kGridBackground);
    if (!m_source || image.scale == 0)
        return m_frame;
    const int columns = GetColumnCount();
    // The rows and columns that reach into the area.
    const int firstRow = m_topRow + image.y / kGridCellHeight;
    const int endRow = m_topRow + (image.y + image.height + kGridCellHeight - 1) / kGridCellHeight;
    const int firstColumn = std::min(image.x / kGridCellWidth, columns);
    const int endColumn = std::min((image.x + image.width + kGridCellWidth - 1) / kGridCellWidth, columns);
    for (int row = firstRow; row < endRow; ++row) {
        for (int column = firstColumn; column < endColumn; ++column) {
            const int cell = row * columns + column;
            if (cell >= m_count)
                return m_frame;
            const CRect box = GetCellRect(cell);
            // Drawn in the image's own coordinates.
            const CRect at{box.left - image.x, box.top - image.y, box.right - image.x, box.bottom - image.y};
            const GridPicture picture = m_source->CellPicture(cell);
            if (picture.kind != GridPicture::Kind::kEmpty)
                DrawPicture(image, at.left + kGridCellPadding, at.top + kGridCellPadding, picture);
            const int labelTop = box.top + kGridCellPadding + kGridPictureSide;
            m_frame.labels.push_back(
                {{box.left, labelTop, box.right, labelTop + kGridLabelHeight}, m_source->CellLabel(cell)});
            if (cell == m_selected)
                DrawFrame(image, at, HasFocus() ? kFocusedFrame : kUnfocusedFrame);
        }
    }
    return m_frame;
}
