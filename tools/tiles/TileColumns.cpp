#include "TileColumns.h"

#include "NameText.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <type_traits>

namespace {

using Kind = TileColumn::Kind;

// The columns of the half of Entry, from its field list: the flag word, as
// a whole and bit by bit, then the other fields in file order, the name
// followed by what lies after its terminator.
template <typename Entry>
std::vector<TileColumn> ColumnsOf(const TileDataLayout& layout)
{
    std::vector<TileColumn> columns = {{"id", Kind::kId, 0},
                                       {std::string(kFlagsField<Entry>.column), Kind::kFlags, 0}};
    for (int bit = 0; bit < layout.FlagBitCount(); ++bit)
        columns.push_back({FlagColumnName(bit), Kind::kFlagBit, bit});
    int place = 0;
    ForEachFieldAfterFlags<Entry>([&](const auto& field, std::uint32_t) {
        const std::string column(field.column);
        if constexpr (kIsNumberField<std::remove_cvref_t<decltype(field)>>) {
            columns.push_back({column, Kind::kNumber, kFirstTileNumber<Entry> + place++});
        } else {
            columns.push_back({column, Kind::kName, 0});
            columns.push_back({column + "_tail", Kind::kNameTail, 0});
        }
    });
    columns.push_back({"patched", Kind::kPatched, 0});
    return columns;
}

// A 0 or 1 cell. Most of a record's cells are, and the buffer for them is
// reused tile after tile: after the first, only the digit changes.
void SetDigit(std::string& value, bool set)
{
    if (value.size() != 1)
        value.resize(1);
    value[0] = set ? '1' : '0';
}

} // namespace

std::vector<TileColumn> TileColumns(const TileDataLayout& layout, TileHalf half)
{
    return half == TileHalf::kLand ? ColumnsOf<LandTileEntry>(layout) : ColumnsOf<StaticTileEntry>(layout);
}

std::string FlagColumnName(int bit)
{
    if (bit >= TileFlag::kCount)
        return "flag_bit" + std::to_string(bit);
    std::string name = "flag_";
    bool gap = false;
    for (const char c : std::string(TileFlag::kLabels[bit])) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            if (gap && name.back() != '_')
                name.push_back('_');
            name.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
            gap = false;
        } else {
            gap = true;
        }
    }
    return name;
}

const TileColumn* FindTileColumn(const std::string& name, TileHalf half)
{
    // The widest flag word's columns are every layout's.
    static const std::vector<TileColumn> statics = TileColumns(kWidestLayout, TileHalf::kStatic);
    static const std::vector<TileColumn> lands = TileColumns(kWidestLayout, TileHalf::kLand);
    for (const TileColumn& column : half == TileHalf::kLand ? lands : statics)
        if (column.name == name)
            return &column;
    return nullptr;
}

std::string NotAColumnOf(const std::string& name, TileHalf half)
{
    if (half == TileHalf::kLand && FindTileColumn(name, TileHalf::kStatic))
        return "a static tile's column: a land import (--land) takes land columns only";
    if (half == TileHalf::kStatic && FindTileColumn(name, TileHalf::kLand))
        return "a land tile's column: land tiles are imported with --land";
    return "unknown column";
}

std::string FormatTileId(int id)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(id));
    return text;
}

std::optional<int> ParseTileId(std::string_view text)
{
    // Hex digits only: from_chars would take a minus sign, and a negative id
    // would address bytes before the section.
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
        return std::nullopt;
    int id = 0;
    std::from_chars(text.data(), text.data() + text.size(), id, 16);
    return id;
}

std::string NameTail(const TileNameField& name)
{
    const std::size_t length = std::string_view(name.data(), name.size()).find('\0');
    if (length == std::string_view::npos || length + 1 >= kTileNameSize)
        return {};
    std::string tail(name.data() + length + 1, kTileNameSize - length - 1);
    tail.erase(tail.find_last_not_of('\0') + 1);
    return tail;
}

template <typename Entry>
void TileValues(int id, const Entry& entry, const TileDataLayout& layout, const std::vector<TileColumn>& columns,
                std::vector<std::string>& values)
{
    values.resize(columns.size());
    char text[24];
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const TileColumn& column = columns[c];
        std::string& value = values[c];
        switch (column.kind) {
        case Kind::kId: value = FormatTileId(id); break;
        case Kind::kFlags:
            std::snprintf(text, sizeof text, "%0*llX", static_cast<int>(2 * layout.flagsSize),
                          static_cast<unsigned long long>(entry.flags & layout.FlagsMask()));
            value = text;
            break;
        case Kind::kFlagBit: SetDigit(value, (entry.flags & TileFlag::Bit(column.index)) != 0); break;
        case Kind::kNumber: {
            const auto number = GetTileNumber(entry, static_cast<TileNumber>(column.index));
            value.assign(text, std::to_chars(text, text + sizeof text, number).ptr);
            break;
        }
        case Kind::kName: value = EscapeName(TileName(entry)); break;
        case Kind::kNameTail: value = ToHex(NameTail(entry.name)); break;
        case Kind::kPatched: SetDigit(value, entry.patched); break;
        }
    }
}

template void TileValues(int, const StaticTileEntry&, const TileDataLayout&, const std::vector<TileColumn>&,
                         std::vector<std::string>&);
template void TileValues(int, const LandTileEntry&, const TileDataLayout&, const std::vector<TileColumn>&,
                         std::vector<std::string>&);
