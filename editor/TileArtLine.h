#pragma once

#include <string>
#include <string_view>

// The line of text under the Tile Art window's picture, as the window shows
// it. Tile names are in the Western code page; paths and reasons in UTF-8.

// "0BB6": a tile's id as every line and label shows it.
std::u16string TileIdText(int tileId);
// "0BB6  Shipwright  44 x 61"; an unnamed tile gives "0BB6  44 x 61".
std::u16string TileArtLine(int tileId, std::string_view codePageName, int width, int height);
// "0BB6  Shipwright  44 x 61 (new picture, saved with Save)": a picture
// given in the window, not yet in the art files.
std::u16string NewPictureLine(int tileId, std::string_view codePageName, int width, int height);
// "0BB6 has no art".
std::u16string NoArtLine(int tileId);
// "0BB6 has no art (saved with Save)": the art removed in the window, not
// yet in the art files.
std::u16string RemovedArtLine(int tileId);
// "0BB6: the art is damaged (reason)".
std::u16string DamagedArtLine(int tileId, std::string_view reason);
// "No art beside tiledata.mul (looked for artLegacyMUL.uop, art.mul and
// artidx.mul)", with the tile-data file's own name.
std::u16string NoArtFilesLine(std::string_view tileDataPath);
// The line beside the hue box: the hue's name (from the Western code page);
// "No hues.mul beside tiledata.mul", with the tile-data file's own name;
// why the table could not be read; "no hue 3001 (0-3000)" for what was
// typed when the table has no such hue, with its count.
std::u16string HueNameLine(std::string_view codePageName);
std::u16string NoHuesLine(std::string_view tileDataPath);
std::u16string UnreadHuesLine(std::string_view failure);
std::u16string NoSuchHueLine(std::u16string_view typed, int hueCount);
// Before any file is loaded, and while no tile is selected.
std::u16string NoFileLine();
std::u16string NoTileLine();
