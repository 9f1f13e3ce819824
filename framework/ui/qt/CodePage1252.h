#pragma once

#include <QChar>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Tile names between their bytes in the Western Windows code page and the
// text of an edit box: every byte survives the trip.
QString FromCodePage1252(std::string_view bytes);
// Nothing when a character is not in the code page: no character is ever
// silently replaced.
std::optional<std::string> ToCodePage1252(const QString& text);
bool CanEncodeInCodePage1252(QChar character);
