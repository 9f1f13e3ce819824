#include "TileNameSearch.h"

#include "WindowsCodePage.h"

#include <array>
#include <optional>
#include <string>

namespace {

// Each byte of the code page as its small letter; other bytes as they are.
// Beside A-Z the code page's capitals are C0-DE (not D7, the multiplication
// sign) and four that stand apart from their small letters: S and Z with
// caron, the OE ligature and Y with diaeresis.
constexpr std::array<unsigned char, 256> MakeCaseFold()
{
    std::array<unsigned char, 256> fold{};
    for (int byte = 0; byte < 256; ++byte)
        fold[byte] = static_cast<unsigned char>(byte);
    for (int byte = 'A'; byte <= 'Z'; ++byte)
        fold[byte] = static_cast<unsigned char>(byte + 0x20);
    for (int byte = 0xC0; byte <= 0xDE; ++byte)
        if (byte != 0xD7)
            fold[byte] = static_cast<unsigned char>(byte + 0x20);
    fold[0x8A] = 0x9A;
    fold[0x8C] = 0x9C;
    fold[0x8E] = 0x9E;
    fold[0x9F] = 0xFF;
    return fold;
}

constexpr std::array<unsigned char, 256> kCaseFold = MakeCaseFold();

unsigned char Fold(char byte)
{
    return kCaseFold[static_cast<unsigned char>(byte)];
}

} // namespace

std::optional<std::string> TileNameSearchText(std::u16string_view text)
{
    std::optional<std::string> bytes = CodePage1252FromUtf16(text);
    // No name is longer than its field: a longer text is in none.
    if (!bytes || bytes->size() > kTileNameSize)
        return std::nullopt;
    for (char& byte : *bytes)
        byte = static_cast<char>(Fold(byte));
    return bytes;
}

bool TileNameHolds(std::string_view name, std::string_view searchText)
{
    if (searchText.empty())
        return true;
    if (searchText.size() > name.size())
        return false;
    const unsigned char first = static_cast<unsigned char>(searchText.front());
    const std::size_t lastStart = name.size() - searchText.size();
    for (std::size_t start = 0; start <= lastStart; ++start) {
        if (Fold(name[start]) != first)
            continue;
        std::size_t k = 1;
        while (k < searchText.size() && Fold(name[start + k]) == static_cast<unsigned char>(searchText[k]))
            ++k;
        if (k == searchText.size())
            return true;
    }
    return false;
}

int FindTileName(std::span<const StaticTileEntry> tiles, int current, std::u16string_view text)
{
    const std::optional<std::string> searchText = TileNameSearchText(text);
    // The empty text is in no name here: there is nothing to find.
    if (!searchText || searchText->empty())
        return -1;

    const int count = static_cast<int>(tiles.size());
    // A line the list no longer holds counts as none selected.
    const int start = current >= 0 && current < count ? current + 1 : 0;
    for (int k = 0; k < count; ++k) {
        const int line = (start + k) % count;
        if (TileNameHolds(TileName(tiles[static_cast<std::size_t>(line)]), *searchText))
            return line;
    }
    return -1;
}
