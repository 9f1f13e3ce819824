#include "TileArtLine.h"

#include "ArtFolder.h"
#include "PathParts.h"
#include "Utf8.h"
#include "WindowsCodePage.h"

#include <cstdio>

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

std::u16string Utf16FromUtf8(std::string_view text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<char32_t> character = NextUtf8(text, i);
        if (!character) {
            out += kReplacement;  // a byte that is no UTF-8 is shown, not dropped
            ++i;
        } else if (*character > 0xFFFF) {
            const char32_t above = *character - 0x10000;
            out += static_cast<char16_t>(0xD800 + (above >> 10));
            out += static_cast<char16_t>(0xDC00 + (above & 0x3FF));
        } else {
            out += static_cast<char16_t>(*character);
        }
    }
    return out;
}

std::u16string TileId(int tileId)
{
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(tileId));
    return Utf16FromUtf8(digits);
}

} // namespace

std::u16string TileArtLine(int tileId, std::string_view codePageName, int width, int height)
{
    std::u16string line = TileId(tileId) + u"  ";
    if (!codePageName.empty())
        line += Utf16FromCodePage1252(codePageName) + u"  ";
    return line + Utf16FromUtf8(std::to_string(width) + " x " + std::to_string(height));
}

std::u16string NoArtLine(int tileId)
{
    return TileId(tileId) + u" has no art";
}

std::u16string DamagedArtLine(int tileId, std::string_view reason)
{
    return TileId(tileId) + u": the art is damaged (" + Utf16FromUtf8(reason) + u")";
}

std::u16string NoArtFilesLine(std::string_view tileDataPath)
{
    const std::string_view fileName = tileDataPath.substr(FolderPart(tileDataPath).size());
    return Utf16FromUtf8("No art beside " + std::string(fileName) + " (looked for " + ArtNamesLookedFor() + ")");
}

std::u16string NoFileLine()
{
    return u"No tile-data file loaded";
}

std::u16string NoTileLine()
{
    return u"No tile selected";
}
