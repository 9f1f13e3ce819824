#pragma once

#include "ArtImage.h"
#include "HueTable.h"

// A chart of hues for looking them over: one row a hue, its number, its 32
// colours as swatches in order, and its name, in the tool's built-in font
// (a byte outside the font's range drawn as '?').
ArtImage DrawHueChart(const HueTable& hues, int first, int last);
