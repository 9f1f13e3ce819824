#include "NameText.h"

#include "Utf8.h"
#include "WindowsCodePage.h"

#include <cstdio>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Characters that show as themselves; the no-break space and the soft
// hyphen are escaped too, since a spreadsheet would hide or change them.
bool IsPrintable(unsigned char byte)
{
    constexpr unsigned char kNoBreakSpace = 0xA0, kSoftHyphen = 0xAD;
    return (byte >= 0x20 && byte < 0x7F) ||
           (byte >= 0x80 && IsAssignedInCodePage1252(byte) && byte != kNoBreakSpace && byte != kSoftHyphen);
}

} // namespace

std::string EscapeName(std::string_view bytes)
{
    std::string text;
    for (const char raw : bytes) {
        const auto byte = static_cast<unsigned char>(raw);
        if (byte == '\\') {
            text += "\\\\";
        } else if (IsPrintable(byte)) {
            AppendUtf8(text, CodePage1252ToUnicode(byte));
        } else {
            text += "\\x";
            text.push_back(kHexDigits[byte >> 4]);
            text.push_back(kHexDigits[byte & 0xF]);
        }
    }
    return text;
}

std::optional<std::string> UnescapeName(std::string_view text, std::string& error)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\\') {
            if (i + 1 < text.size() && text[i + 1] == '\\') {
                bytes.push_back('\\');
                i += 2;
                continue;
            }
            if (i + 3 < text.size() && text[i + 1] == 'x' && HexValue(text[i + 2]) >= 0 &&
                HexValue(text[i + 3]) >= 0) {
                bytes.push_back(static_cast<char>(HexValue(text[i + 2]) << 4 | HexValue(text[i + 3])));
                i += 4;
                continue;
            }
            error = "malformed escape at character " + std::to_string(i + 1) +
                    " (write \\\\ for a backslash, \\xNN for a byte)";
            return std::nullopt;
        }
        const std::optional<char32_t> c = NextUtf8(text, i);
        if (!c) {
            error = "the text is not valid UTF-8";
            return std::nullopt;
        }
        const int byte = UnicodeToCodePage1252(*c);
        if (byte < 0) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*c));
            error = std::string("character ") + code + " is not in the Western code page";
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

std::string ToHex(std::string_view bytes)
{
    std::string hex;
    for (const char raw : bytes) {
        const auto byte = static_cast<unsigned char>(raw);
        hex.push_back(kHexDigits[byte >> 4]);
        hex.push_back(kHexDigits[byte & 0xF]);
    }
    return hex;
}

std::optional<std::string> FromHex(std::string_view hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexValue(hex[i]), low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(high << 4 | low));
    }
    return bytes;
}
