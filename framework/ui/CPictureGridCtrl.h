#pragma once

#include "Afx.h"
#include "ImageComposition.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CDialog;
class PictureGridPort;

// A cell's picture as its owner hands it over: nothing, a picture of at
// most kGridPictureSide pixels a side (already shrunk to fit), or a cross
// for one that could not be read.
struct GridPicture {
    enum class Kind { kEmpty, kPicture, kCross };
    Kind kind = Kind::kEmpty;
    int width = 0;
    int height = 0;
    std::span<const std::uint8_t> rgba;  // width x height, red, green, blue, alpha
};

// What a grid asks of its owner, only for the cells it is about to draw.
class PictureGridSource {
public:
    virtual ~PictureGridSource() = default;
    // The picture of `cell`; its pixels need to last until the next call.
    virtual GridPicture CellPicture(int cell) = 0;
    // The text under the cell's picture ("0BB6").
    virtual std::u16string CellLabel(int cell) = 0;
};

// A cell's geometry in pixels, the same on every backend: a square picture
// area (the size of one land tile) on a checkerboard, its label under it.
inline constexpr int kGridPictureSide = 44;
inline constexpr int kGridCellPadding = 4;
inline constexpr int kGridLabelHeight = 14;
inline constexpr int kGridCellWidth = kGridPictureSide + 2 * kGridCellPadding;
inline constexpr int kGridCellHeight = kGridPictureSide + kGridLabelHeight + 2 * kGridCellPadding;

// A label to draw with the system's font, centred in its box.
struct GridLabel {
    CRect box;
    std::u16string text;
};

// What the grid shows in a part of its client area: that part composed
// (background, checkerboards, pictures, crosses, the selection's frame),
// and the labels that reach into it, to draw over it.
struct GridFrame {
    ComposedImage image;  // at (image.x, image.y) of the client area
    std::vector<GridLabel> labels;  // in client coordinates
};

// A dialog's picture grid, attached to its PictureGrid control by the
// exchange: cells 0 .. count-1 in order, left to right, as many to a row as
// the width holds, scrolled a row at a time by the system's scroll bar, the
// wheel and the keys. A click or a key that moves the selection frames the
// cell, brings it into view and reports ListSelChange to the dialog; the
// arrows move by one cell or one row, Page Up and Page Down by the rows in
// view, Home and End to the first and last cell. The layout, hit testing,
// selection, keys, scrolling and composing are written once here; each
// backend only supplies the surface, the scroll bar and the drawing.
class CPictureGridCtrl {
public:
    CPictureGridCtrl();
    ~CPictureGridCtrl();
    CPictureGridCtrl(const CPictureGridCtrl&) = delete;
    CPictureGridCtrl& operator=(const CPictureGridCtrl&) = delete;

    // Takes over the dialog's picture-grid control with that id.
    void SubclassDlgItem(int id, CDialog* dialog);
    bool IsAttached() const { return m_port != nullptr; }

    // Where the pictures and labels come from; must outlive the grid's use.
    void SetSource(PictureGridSource* source);
    // Shows `count` cells from the top, none selected.
    void SetCellCount(int count);
    int GetCellCount() const { return m_count; }
    // The framed cell, or -1.
    int GetCurSel() const { return m_selected; }
    // Frames `cell` (-1: none) and scrolls it into view; reports nothing.
    void SetCurSel(int cell);
    // Draws the cells in view again: their pictures have changed.
    void Redraw();

    // The layout as it stands: cells to a row, the first row in view, the
    // whole rows the height holds (at least 1), a cell's box in the client
    // area (it may lie outside it), and the cell at a point (-1: none).
    int GetColumnCount() const;
    int GetTopRow() const { return m_topRow; }
    int GetRowsInView() const;
    CRect GetCellRect(int cell) const;
    int HitTest(int x, int y) const;
    // The first row the scroll bar can reach: the last rows then fill the view.
    int GetLastTopRow() const;
    // Scrolls so that `row` is the first in view, kept within 0 .. GetLastTopRow().
    void ScrollToRow(int row);
    // The framed cell's label, what a screen reader reads as the grid's value.
    std::u16string GetAccessibleValue() const;

    // What the backend draws for a paint of `area` (the client area's part
    // to draw again), or of the whole client area; only the cells that reach
    // into it are drawn. Valid until the next call: its buffers are reused.
    const GridFrame& ComposeFrame(const CRect& area);
    const GridFrame& ComposeFrame();

    // What the backend reports, in the client area's pixels.
    void OnResize();
    void OnClick(int x, int y);
    // A key pressed while the grid has the focus; false when it is not one the grid takes.
    bool OnKey(int virtualKey);
    // A turn of the wheel, in rows (positive: towards the top).
    void OnWheel(int rows);
    void OnFocusChange();

private:
    // Frames a cell, scrolls it into view and tells the dialog, as the user's pick.
    void SelectByUser(int cell);
    void ScrollIntoView(int cell);
    int RowCount() const;
    // The backend's: the client area's size, the scroll bar's range
    // (0 .. lastTopRow, a page of rowsInView) and position, a repaint, and
    // whether the control has the focus.
    void ClientSize(int* width, int* height) const;
    void ShowScrollBar(int lastTopRow, int rowsInView, int topRow);
    // Has `area` of the client area (all of it for null) drawn again soon.
    void Invalidate(const CRect* area = nullptr);
    // A cell's box drawn again, when it is in view.
    void InvalidateCell(int cell);
    bool HasFocus() const;
    void AnnounceValue();  // the accessible value changed

    PictureGridSource* m_source = nullptr;
    CDialog* m_dialog = nullptr;
    int m_id = 0;
    int m_count = 0;
    int m_selected = -1;
    int m_topRow = 0;
    GridFrame m_frame;  // the last paint's, its buffers kept for the next
    std::unique_ptr<PictureGridPort> m_port;
};
