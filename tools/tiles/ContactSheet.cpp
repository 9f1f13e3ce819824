#include "ContactSheet.h"

#include "ArtDecoder.h"
#include "Glyphs.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// A cell: a picture area the size of a land tile, a margin, and a label line.
constexpr int kPictureSide = kLandArtSide;
constexpr int kMargin = 2;
constexpr int kLabelHeight = kGlyphHeight + 2 * kMargin;
constexpr int kCellWidth = kPictureSide + 2 * kMargin;
constexpr int kCellHeight = kPictureSide + kMargin + kLabelHeight;
constexpr int kMostColumns = 32;
constexpr int kIdDigits = 4;

using Colour = std::array<std::uint8_t, kArtBytesPerPixel>;
constexpr Colour kBackground = {0xC8, 0xC8, 0xC8, 0xFF};
constexpr Colour kPictureGround = {0xF0, 0xF0, 0xF0, 0xFF};
constexpr Colour kLabelInk = {0x10, 0x10, 0x10, 0xFF};

void Put(ArtImage& image, int x, int y, const std::uint8_t* colour)
{
    std::memcpy(&image.rgba[(std::size_t(y) * image.width + x) * kArtBytesPerPixel], colour, kArtBytesPerPixel);
}

} // namespace

ContactSheet::ContactSheet(int mostCells) : m_columns(std::clamp(mostCells, 1, kMostColumns))
{
    m_sheet.width = m_columns * kCellWidth;
}

void ContactSheet::Add(int id, const ArtImage& image)
{
    if (m_next % m_columns == 0) {
        const std::size_t end = m_sheet.rgba.size();
        m_sheet.height += kCellHeight;
        m_sheet.rgba.resize(std::size_t(m_sheet.width) * m_sheet.height * kArtBytesPerPixel);
        for (std::size_t i = end; i < m_sheet.rgba.size(); i += kArtBytesPerPixel)
            std::memcpy(&m_sheet.rgba[i], kBackground.data(), kArtBytesPerPixel);
    }
    const int left = (m_next % m_columns) * kCellWidth + kMargin;
    const int top = (m_next / m_columns) * kCellHeight + kMargin;
    ++m_next;
    for (int y = 0; y < kPictureSide; ++y)
        for (int x = 0; x < kPictureSide; ++x)
            Put(m_sheet, left + x, top + y, kPictureGround.data());

    // Shrunk by the smallest whole factor that fits, centred in its area;
    // transparent pixels leave the ground showing.
    const int factor = (std::max(image.width, image.height) + kPictureSide - 1) / kPictureSide;
    const int width = std::max(1, image.width / factor), height = std::max(1, image.height / factor);
    const int x0 = left + (kPictureSide - width) / 2, y0 = top + (kPictureSide - height) / 2;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* pixel =
                &image.rgba[(std::size_t(y) * factor * image.width + std::size_t(x) * factor) * kArtBytesPerPixel];
            if (pixel[3] != 0)
                Put(m_sheet, x0 + x, y0 + y, pixel);
        }

    const int labelLeft = left + (kPictureSide - (kIdDigits * kGlyphAdvance - 1)) / 2;
    DrawHexNumber(static_cast<std::uint32_t>(id), kIdDigits, labelLeft, top + kPictureSide + kMargin, 1,
                  [&](int x, int y) { Put(m_sheet, x, y, kLabelInk.data()); });
}

ArtImage ContactSheet::Finish()
{
    if (m_next >= m_columns)
        return std::move(m_sheet);
    // One row, not full: only its cells.
    ArtImage cropped{m_next * kCellWidth, m_sheet.height, {}};
    const std::size_t rowBytes = std::size_t(cropped.width) * kArtBytesPerPixel;
    for (int y = 0; y < cropped.height; ++y) {
        const auto from = m_sheet.rgba.begin() + std::ptrdiff_t(std::size_t(y) * m_sheet.width * kArtBytesPerPixel);
        cropped.rgba.insert(cropped.rgba.end(), from, from + std::ptrdiff_t(rowBytes));
    }
    return cropped;
}
