#pragma once

#include "ArtImage.h"

#include <string>

// Writes the picture as an 8-bit RGBA PNG file at `path` (UTF-8), its
// pixels exactly as they are. False, with why in `failure`, when the file
// cannot be written.
bool WritePngFile(const std::string& path, const ArtImage& image, std::string& failure);
