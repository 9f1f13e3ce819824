#pragma once

#include "ArtImage.h"

#include <cstdint>
#include <span>
#include <string>

// Writes the picture as an 8-bit RGBA PNG file at `path` (UTF-8), its
// pixels exactly as they are. False, with why in `failure`, when the file
// cannot be written.
bool WritePngFile(const std::string& path, const ArtImage& image, std::string& failure);

// Reads the PNG file at `path` (UTF-8) as 8-bit RGBA, whatever its own
// colour type and depth. False, with why in `failure`, when it cannot be
// read, is no PNG, or claims a side longer than any art picture has: its
// pixels are then never decoded, whatever its header says.
bool ReadPngFile(const std::string& path, ArtImage& image, std::string& failure);
// The same, of a PNG file's bytes.
bool DecodePng(std::span<const std::uint8_t> png, ArtImage& image, std::string& failure);
