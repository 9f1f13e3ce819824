#include "TileArtLine.h"

#include "ArtFolder.h"
#include "HueTable.h"
#include "PathParts.h"
#include "Utf8.h"
#include "WindowsCodePage.h"

#include <cstdio>

std::u16string TileIdText(int tileId)
{
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(tileId));
    return Utf16FromUtf8(digits);
}

std::u16string TileArtLine(int tileId, std::string_view codePageName, int width, int height)
{
    std::u16string line = TileIdText(tileId) + u"  ";
    if (!codePageName.empty())
        line += Utf16FromCodePage1252(codePageName) + u"  ";
    return line + Utf16FromUtf8(std::to_string(width) + " x " + std::to_string(height));
}

std::u16string NewPictureLine(int tileId, std::string_view codePageName, int width, int height)
{
    return TileArtLine(tileId, codePageName, width, height) + u" (new picture, saved with Save)";
}

std::u16string NoArtLine(int tileId)
{
    return TileIdText(tileId) + u" has no art";
}

std::u16string RemovedArtLine(int tileId)
{
    return NoArtLine(tileId) + u" (saved with Save)";
}

std::u16string DamagedArtLine(int tileId, std::string_view reason)
{
    return TileIdText(tileId) + u": the art is damaged (" + Utf16FromUtf8(reason) + u")";
}

std::u16string NoArtFilesLine(std::string_view tileDataPath)
{
    const std::string_view fileName = FileNamePart(tileDataPath);
    return Utf16FromUtf8("No art beside " + std::string(fileName) + " (looked for " + ArtNamesLookedFor() + ")");
}

std::u16string HueNameLine(std::string_view codePageName)
{
    return Utf16FromCodePage1252(codePageName);
}

std::u16string NoHuesLine(std::string_view tileDataPath)
{
    const std::string_view fileName = FileNamePart(tileDataPath);
    return Utf16FromUtf8("No " + std::string(kHueFileName) + " beside " + std::string(fileName));
}

std::u16string UnreadHuesLine(std::string_view failure)
{
    return Utf16FromUtf8(failure);
}

std::u16string NoSuchHueLine(std::u16string_view typed, int hueCount)
{
    return u"no hue " + std::u16string(typed) + Utf16FromUtf8(" (" + HueNumbersText(hueCount) + ")");
}

std::u16string NoFileLine()
{
    return u"No tile-data file loaded";
}

std::u16string NoTileLine()
{
    return u"No tile selected";
}
