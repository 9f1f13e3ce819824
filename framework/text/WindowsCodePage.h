#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Western Windows code page (1252), in which the game keeps tile names.
// Each of the 256 bytes maps to one character and back; the five bytes the
// code page leaves unassigned map to the control characters of the same value.

char16_t CodePage1252ToUnicode(unsigned char byte);
// The byte for a character, or -1 when the code page has none.
int UnicodeToCodePage1252(char32_t character);
// False for the five bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) that name no character.
bool IsAssignedInCodePage1252(unsigned char byte);

// Bytes in the code page as the UTF-16 text a control shows, and back:
// every byte survives the trip. Nothing when a character is not in the
// code page, so that no character is ever silently replaced.
std::u16string Utf16FromCodePage1252(std::string_view bytes);
std::optional<std::string> CodePage1252FromUtf16(std::u16string_view text);
