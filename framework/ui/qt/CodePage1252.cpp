#include "CodePage1252.h"

#include "WindowsCodePage.h"

QString FromCodePage1252(std::string_view bytes)
{
    return QString::fromStdU16String(Utf16FromCodePage1252(bytes));
}

bool CanEncodeInCodePage1252(QChar character)
{
    return UnicodeToCodePage1252(character.unicode()) >= 0;
}
