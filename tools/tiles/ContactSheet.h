#pragma once

#include "ArtImage.h"

#include <vector>

// One sheet of many tiles' pictures for looking over a range at a glance:
// a grid of cells in id order, each holding its picture (shrunk by a whole
// factor when larger than the cell, never blurred) over its id in hex.
// The sheet grows a row of cells at a time, so that no picture need be kept
// once it is on it.
class ContactSheet {
public:
    // A sheet of at most `mostCells` cells.
    explicit ContactSheet(int mostCells);

    // Puts the next cell's picture and id.
    void Add(int id, const ArtImage& image);
    int CellCount() const { return m_next; }
    // The sheet, as wide as its cells need.
    ArtImage Finish();

private:
    ArtImage m_sheet;
    int m_columns = 0;
    int m_next = 0;
};
