#include "WindowsCodePage.h"

#include <array>
#include <cstddef>

namespace {

// Bytes 0x80-0x9F; the others are the same as Latin-1.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t CodePage1252ToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControlRange[byte - 0x80] : char16_t{byte};
}

int UnicodeToCodePage1252(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int>(character);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i)
        if (kHighControlRange[i] == character)
            return static_cast<int>(0x80 + i);
    return -1;
}

bool IsAssignedInCodePage1252(unsigned char byte)
{
    return !(byte >= 0x80 && byte <= 0x9F && kHighControlRange[byte - 0x80] == byte);
}

std::u16string Utf16FromCodePage1252(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.push_back(CodePage1252ToUnicode(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<std::string> CodePage1252FromUtf16(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t character : text) {
        const int byte = UnicodeToCodePage1252(character);
        if (byte < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}
