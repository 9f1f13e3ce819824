#include "CodePage1252.h"

#include "WindowsCodePage.h"

QString FromCodePage1252(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(CodePage1252ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

std::optional<std::string> ToCodePage1252(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        const int byte = UnicodeToCodePage1252(character.unicode());
        if (byte < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

bool CanEncodeInCodePage1252(QChar character)
{
    return UnicodeToCodePage1252(character.unicode()) >= 0;
}
