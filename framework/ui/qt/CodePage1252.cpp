#include "CodePage1252.h"

#include "WindowsCodePage.h"

QString FromCodePage1252(std::string_view bytes)
{
    return QString::fromStdU16String(Utf16FromCodePage1252(bytes));
}

std::optional<std::string> ToCodePage1252(const QString& text)
{
    return CodePage1252FromUtf16(text.toStdU16String());
}

bool CanEncodeInCodePage1252(QChar character)
{
    return UnicodeToCodePage1252(character.unicode()) >= 0;
}
