#pragma once

#include <QChar>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Names are 8-bit characters of the Western Windows code page. Each of the
// 256 byte values maps to one character and back; the five bytes the code
// page leaves unassigned map to the control characters of the same value,
// so every byte survives a trip through an edit box.
QString FromCodePage1252(std::string_view bytes);
// Nothing when a character is not in the code page: no character is ever
// silently replaced.
std::optional<std::string> ToCodePage1252(const QString& text);
bool CanEncodeInCodePage1252(QChar character);
