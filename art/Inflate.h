#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Inflates zlib data that should come to exactly `size` bytes into `out`.
// Nothing, or why the data is not that: not zlib, cut short, longer or
// shorter than `size`.
std::optional<std::string> Inflate(std::span<const std::uint8_t> stored, std::uint32_t size,
                                   std::vector<std::uint8_t>& out);
