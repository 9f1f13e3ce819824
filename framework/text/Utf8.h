#pragma once

#include <optional>
#include <string>
#include <string_view>

// Appends a character of the Basic Multilingual Plane as UTF-8.
void AppendUtf8(std::string& out, char32_t character);

// The character at `i` of UTF-8 text, moving `i` past it; nothing when the
// bytes there are no UTF-8.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& i);
