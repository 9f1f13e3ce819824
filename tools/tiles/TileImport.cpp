#include "TileImport.h"

#include "NameText.h"
#include "TileColumns.h"

#include <array>
#include <charconv>
#include <optional>
#include <set>

namespace {

using Kind = TileColumn::Kind;

template <typename Number = std::uint32_t>
std::optional<Number> ParseUnsigned(std::string_view text, int base)
{
    Number value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// What one record asks for, checked cell by cell.
class RecordCheck {
public:
    // Which tiles of which half the file has, and which flag bits they can hold.
    struct Tiles {
        int count;
        const TileDataLayout* layout;
        TileHalf half;
    };
    RecordCheck(const InputRecord& record, const Tiles& loaded, std::vector<InputError>& errors)
        : m_record(record), m_loaded(loaded), m_errors(errors)
    {
    }

    void Error(const std::string& column, std::string message)
    {
        m_errors.push_back({m_record.line, column, std::move(message)});
        m_failed = true;
    }
    bool Failed() const { return m_failed; }

    std::optional<int> id;
    std::optional<TileFlags> flags;
    std::array<std::optional<bool>, kWidestLayout.FlagBitCount()> flagBits;
    std::array<std::optional<std::uint32_t>, kTileNumberCount> numbers;
    std::optional<std::string> name;
    std::optional<std::string> nameTail;

    // `known` is the column named `column`, or null when there is none.
    void Check(const TileColumn* known, const std::string& column, std::string_view value)
    {
        // Most cells are a flag bit's 0 or 1, a bit the file has: taken at once.
        if (known && known->kind == Kind::kFlagBit && (value == "0" || value == "1") &&
            (value == "0" || known->index < m_loaded.layout->FlagBitCount())) {
            flagBits[known->index] = value == "1";
            return;
        }
        CheckCell(known, column, value);
    }

private:
    // Any other cell, and every cell that is wrong.
    void CheckCell(const TileColumn* known, const std::string& column, std::string_view value)
    {
        // Cells are looked at in place, copied only into a message.
        const auto quoted = [&] { return std::string("'").append(value).append("'"); };
        if (!known)
            return Error(column, NotAColumnOf(column, m_loaded.half));
        switch (known->kind) {
        case Kind::kId: {
            id = ParseTileId(value);
            if (!id || *id >= m_loaded.count) {
                id.reset();
                return Error(column, quoted() + " is not a tile id from 0000 to " + FormatTileId(m_loaded.count - 1));
            }
            break;
        }
        case Kind::kFlags: {
            const TileDataLayout& layout = *m_loaded.layout;
            const auto parsed = value.size() <= 2 * kWidestLayout.flagsSize ? ParseUnsigned<TileFlags>(value, 16)
                                                                            : std::nullopt;
            if (!parsed || (*parsed & ~layout.FlagsMask()) != 0)
                return Error(column, quoted() + " is not a flag word of up to " +
                                         std::to_string(2 * layout.flagsSize) + " hex digits");
            flags = *parsed;
            break;
        }
        case Kind::kFlagBit:
            if (value != "0" && value != "1")
                return Error(column, quoted() + " is not 0 or 1");
            // A bit the file's flag word lacks holds 0, and can hold nothing else.
            if (value == "1" && known->index >= m_loaded.layout->FlagBitCount())
                return Error(column, "a " + std::string(m_loaded.layout->name) + " tile-data file has no flag bit " +
                                         std::to_string(known->index));
            flagBits[known->index] = value == "1";
            break;
        case Kind::kNumber: {
            const auto field = static_cast<TileNumber>(known->index);
            const auto parsed = ParseUnsigned(value, 10);
            if (!parsed || *parsed > TileNumberMaximum(field))
                return Error(column, quoted() + " is out of range 0-" + std::to_string(TileNumberMaximum(field)));
            numbers[known->index] = *parsed;
            break;
        }
        case Kind::kName: {
            std::string error;
            std::optional<std::string> bytes = UnescapeName(value, error);
            if (!bytes)
                return Error(column, error);
            // A zero byte would end the stored name early, and the import
            // would never match the file again; what follows the end is name_tail's.
            if (bytes->find('\0') != std::string::npos)
                return Error(column, "a name cannot hold a zero byte (\\x00); bytes after the name's end go in name_tail");
            if (bytes->size() > kTileNameSize)
                return Error(column, "the name has " + std::to_string(bytes->size()) + " bytes, over 20");
            name = std::move(bytes);
            break;
        }
        case Kind::kNameTail: {
            std::optional<std::string> bytes = FromHex(value);
            if (!bytes)
                return Error(column, quoted() + " is not hex byte pairs");
            // The field is zero-filled after the tail anyway: trailing zeros
            // ask for nothing, and must not count as a change or take room.
            bytes->erase(bytes->find_last_not_of('\0') + 1);
            nameTail = std::move(bytes);
            break;
        }
        case Kind::kPatched:
            if (value != "0" && value != "1")
                return Error(column, quoted() + " is not 0 or 1");
            break;  // shown for reading only: the patch file decides it
        }
    }

    const InputRecord& m_record;
    Tiles m_loaded;
    std::vector<InputError>& m_errors;
    bool m_failed = false;
};

// The edit that takes `current` to what the record asks for; empty when it asks for no change.
template <typename Entry>
TileEdit EditFor(RecordCheck& check, const Entry& current)
{
    TileEdit edit;
    edit.tile = *check.id;
    for (int i = 0; i < kTileNumberCount; ++i)
        if (check.numbers[i] && *check.numbers[i] != GetTileNumber(current, static_cast<TileNumber>(i)))
            edit.numbers[i] = check.numbers[i];

    TileFlags wanted = check.flags.value_or(current.flags);
    for (int bit = 0; bit < static_cast<int>(check.flagBits.size()); ++bit) {
        if (!check.flagBits[bit])
            continue;
        const bool set = *check.flagBits[bit];
        if (check.flags && ((*check.flags & TileFlag::Bit(bit)) != 0) != set)
            check.Error(FlagColumnName(bit), "says " + std::string(set ? "1" : "0") + " but flags says otherwise");
        wanted = set ? wanted | TileFlag::Bit(bit) : wanted & ~TileFlag::Bit(bit);
    }
    edit.setFlags = wanted & ~current.flags;
    edit.clearFlags = current.flags & ~wanted;

    const std::string currentName(TileName(current));
    const std::size_t nameLength = check.name ? check.name->size() : currentName.size();
    if (check.nameTail && !check.nameTail->empty() && nameLength + 1 + check.nameTail->size() > kTileNameSize) {
        check.Error("name_tail", "no room for " + std::to_string(check.nameTail->size()) + " bytes after a name of " +
                                     std::to_string(nameLength));
    }
    if (check.name && *check.name != currentName)
        edit.name = check.name;
    if (check.nameTail && (edit.name || *check.nameTail != NameTail(current.name)))
        edit.nameTail = check.nameTail;
    return edit;
}

} // namespace

void CheckColumnNames(const std::vector<std::string>& names, int line, TileHalf half, std::vector<InputError>& errors)
{
    bool hasId = false;
    std::set<std::string_view> seen;
    for (const std::string& name : names) {
        hasId |= name == "id";
        if (!FindTileColumn(name, half))
            errors.push_back({line, name, NotAColumnOf(name, half)});
        else if (!seen.insert(name).second)
            errors.push_back({line, name, "the header names this column twice"});
    }
    if (!hasId)
        errors.push_back({line, "id", "there is no id column"});
}

template <typename Table>
EditCollector<Table>::EditCollector(const Table& loaded, std::vector<InputError>& errors)
    : m_loaded(loaded), m_errors(errors), m_firstLineOfId(static_cast<std::size_t>(loaded.count), 0)
{
}

template <typename Table>
void EditCollector<Table>::Add(const InputRecord& record, const std::vector<std::string>& names)
{
    ++m_records;
    while (m_columns.size() < names.size())
        m_columns.push_back(FindTileColumn(names[m_columns.size()], kHalfOfTable<Table>));
    RecordCheck check(record, {m_loaded.count, m_loaded.layout, kHalfOfTable<Table>}, m_errors);
    for (const auto& [column, value] : record.cells)
        check.Check(m_columns[column], names[column], value);
    if (!check.id) {
        if (!check.Failed())
            check.Error("id", "the record has no id");
        return;
    }
    if (int& first = m_firstLineOfId[*check.id]; first != 0) {
        check.Error("id", "duplicate id " + FormatTileId(*check.id) + " (first at line " + std::to_string(first) + ")");
        return;
    } else {
        first = record.line;
    }
    TileEdit edit = EditFor(check, m_loaded[*check.id]);
    if (!check.Failed() && !edit.IsEmpty())
        m_edits.push_back(std::move(edit));
}

template class EditCollector<StaticTileTable>;
template class EditCollector<LandTileTable>;
