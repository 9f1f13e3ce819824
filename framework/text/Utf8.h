#pragma once

#include <optional>
#include <string>
#include <string_view>

// Appends a character as UTF-8.
void AppendUtf8(std::string& out, char32_t character);

// The character at `i` of UTF-8 text, moving `i` past it; nothing when the
// bytes there are no UTF-8.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& i);

// UTF-8 text as UTF-16. Each byte that begins no UTF-8 character is shown as
// U+FFFD, and reading goes on at the next byte, so nothing after it is lost.
std::u16string Utf16FromUtf8(std::string_view text);

// UTF-16 text as UTF-8. A surrogate without its other half is shown as U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
