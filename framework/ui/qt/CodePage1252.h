#pragma once

#include <QChar>
#include <QString>

#include <string_view>

// Code-page bytes (list lines, menu texts) as Qt text: every byte survives the trip.
QString FromCodePage1252(std::string_view bytes);
// Whether the Western code page has the character, so that an edit can refuse one it lacks.
bool CanEncodeInCodePage1252(QChar character);
