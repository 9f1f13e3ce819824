#pragma once

#include <cstdint>
#include <vector>

// The sample folder's hue table: a few groups of made-up hues, each a ramp
// of 32 colours from dark to light, named after its colour.
inline constexpr char kSampleHueFileName[] = "hues.mul";
inline constexpr int kSampleHueCount = 32;
// A hue whose darkest colour is 0, drawn as black.
inline constexpr int kSampleHueWithBlack = 1;
// The hue the screenshot shows a tile in.
inline constexpr int kSampleFireHue = 3;

std::vector<std::uint8_t> MakeSampleHueFile();
