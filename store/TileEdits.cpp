#include "TileEdits.h"

#include "StoreFiles.h"
#include "TileFileLayout.h"
#include "TileSection.h"

#include <algorithm>
#include <limits>
#include <map>
#include <type_traits>

using namespace store_detail;

namespace {

// Reads the entry at the file's position over its loaded value, applies the
// edit and writes the entry back where it was.
template <typename Entry>
void EditEntryInPlace(CFile& file, const TileEdit& edit, const Entry& loaded, const TileDataLayout& layout)
{
    const std::uint32_t entrySize = SectionShape<Entry>(layout).entrySize;
    const std::uint64_t at = file.GetPosition();
    std::array<std::uint8_t, SectionShape<Entry>(kWidestLayout).entrySize> bytes{};
    Entry entry = loaded;
    ReadEntryFields(bytes.data(), file.Read(bytes.data(), entrySize), entry, layout);
    ApplyTileEdit(edit, entry);
    WriteEntryFields(entry, bytes.data(), layout);
    file.Seek(static_cast<std::int64_t>(at), CFile::begin);
    file.Write(bytes.data(), entrySize);
}

// Calls visit(field) with the field of `number` when Entry's list has it.
template <typename Entry, typename Visit>
void WithNumberField(TileNumber number, Visit&& visit)
{
    const int wanted = static_cast<int>(number) - kFirstTileNumber<Entry>;
    ForEachNumberField<Entry>([&](const auto& field, int place) {
        if (place == wanted)
            visit(field);
    });
}

template <typename Field>
using FieldValue = typename std::remove_cvref_t<Field>::value_type;

} // namespace

template <typename Entry>
void ApplyTileEdit(const TileEdit& edit, Entry& entry)
{
    ForEachNumberField<Entry>([&](const auto& field, int place) {
        if (const auto& value = edit.numbers[kFirstTileNumber<Entry> + place])
            entry.*field.member = static_cast<FieldValue<decltype(field)>>(*value);
    });
    entry.flags = (entry.flags | edit.setFlags) & ~edit.clearFlags;
    if (edit.name)
        SetTileName(entry, *edit.name);
    if (edit.nameTail) {
        const std::size_t start = TileName(entry).size() + 1;
        for (std::size_t i = start; i < kTileNameSize; ++i)
            entry.name[i] = i - start < edit.nameTail->size() ? (*edit.nameTail)[i - start] : '\0';
    }
}

template void ApplyTileEdit(const TileEdit&, StaticTileEntry&);
template void ApplyTileEdit(const TileEdit&, LandTileEntry&);

template <typename Entry>
TileEdit EditToMatch(int tile, const Entry& entry)
{
    TileEdit edit;
    edit.tile = tile;
    ForEachNumberField<Entry>([&](const auto& field, int place) {
        edit.numbers[kFirstTileNumber<Entry> + place] = entry.*field.member;
    });
    edit.setFlags = entry.flags;
    edit.clearFlags = ~entry.flags;
    const std::string_view name = TileName(entry);
    edit.name = std::string(name);
    // Whatever follows the terminator goes too; a 20-byte name has none.
    if (name.size() < kTileNameSize)
        edit.nameTail = std::string(entry.name.begin() + static_cast<std::ptrdiff_t>(name.size()) + 1, entry.name.end());
    return edit;
}

template TileEdit EditToMatch(int, const StaticTileEntry&);
template TileEdit EditToMatch(int, const LandTileEntry&);

template <typename Entry>
std::uint32_t GetTileNumber(const Entry& entry, TileNumber number)
{
    std::uint32_t value = 0;
    WithNumberField<Entry>(number, [&](const auto& field) { value = entry.*field.member; });
    return value;
}

template std::uint32_t GetTileNumber(const StaticTileEntry&, TileNumber);
template std::uint32_t GetTileNumber(const LandTileEntry&, TileNumber);

std::uint32_t TileNumberMaximum(TileNumber number)
{
    std::uint32_t maximum = 0;
    const auto ofField = [&](const auto& field) {
        maximum = std::numeric_limits<FieldValue<decltype(field)>>::max();
    };
    WithNumberField<StaticTileEntry>(number, ofField);
    WithNumberField<LandTileEntry>(number, ofField);
    return maximum;
}

bool TileEdit::IsEmpty() const
{
    return std::none_of(numbers.begin(), numbers.end(), [](const auto& n) { return n.has_value(); }) &&
           setFlags == 0 && clearFlags == 0 && !name && !nameTail;
}

namespace {

// The bytes each span of the tile-data file held before it was written,
// for putting them back when a later write fails: an edit that fails half
// way leaves the file as it was, not half edited.
class SpanUndo {
public:
    void Keep(std::uint64_t start, const std::uint8_t* bytes, std::size_t count)
    {
        m_spans.push_back({start, std::vector<std::uint8_t>(bytes, bytes + count)});
    }
    // Writes the kept bytes back, the last span first. The write that failed
    // is the error to report, so a failure here ends the undoing quietly:
    // what could not be put back stays as the edit left it.
    void PutBack(CFile& file) const noexcept
    {
        try {
            for (auto span = m_spans.rbegin(); span != m_spans.rend(); ++span) {
                file.Seek(static_cast<std::int64_t>(span->start), CFile::begin);
                file.Write(span->bytes.data(), static_cast<std::uint32_t>(span->bytes.size()));
            }
        } catch (...) {
        }
    }

private:
    struct Span {
        std::uint64_t start;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Span> m_spans;
};

// Runs the writes of work(undo) in the open file; when one fails, the spans
// written before it get their bytes back and the failure goes on.
template <typename Work>
void WriteOrPutBack(CFile& file, Work&& work)
{
    SpanUndo undo;
    try {
        work(undo);
    } catch (...) {
        undo.PutBack(file);
        throw;
    }
}

// Makes each edit in the open tile-data file, entry by entry: every other
// byte of the file keeps its value. `loaded` is the table as the file
// loaded, standing in for entries that lie beyond the end of a short file.
// Each span's bytes, as the file held them, are kept in `undo` before the
// span is written.
template <typename Table>
void WriteEditsInOpenFile(CFile& file, const std::vector<TileEdit>& edits, const Table& loaded, SpanUndo& undo)
{
    using Entry = typename Table::value_type;
    const TileDataLayout& layout = *loaded.layout;
    const std::uint32_t entrySize = SectionShape<Entry>(layout).entrySize;
    // Edits close together in the file are made in one read and one write of
    // the span from the first one's entry to the last one's: the bytes
    // between go back as they were read, and past a short file's end as the
    // zeros of the gap a single entry's write would leave.
    constexpr std::uint64_t kSpanLimit = 256 * 1024;
    std::vector<const TileEdit*> inFileOrder;
    for (const TileEdit& edit : edits)
        inFileOrder.push_back(&edit);
    std::stable_sort(inFileOrder.begin(), inFileOrder.end(),
                     [](const TileEdit* a, const TileEdit* b) { return a->tile < b->tile; });

    const std::uint64_t length = file.GetLength();
    std::vector<std::uint8_t> span;
    for (std::size_t first = 0; first < inFileOrder.size();) {
        const std::uint64_t start = EntryOffset(loaded, inFileOrder[first]->tile);
        std::size_t last = first;
        while (last + 1 < inFileOrder.size() && EntryOffset(loaded, inFileOrder[last + 1]->tile) - start < kSpanLimit)
            ++last;
        span.assign(EntryOffset(loaded, inFileOrder[last]->tile) + entrySize - start, 0);
        file.Seek(static_cast<std::int64_t>(start), CFile::begin);
        const std::size_t delivered = file.Read(span.data(), static_cast<std::uint32_t>(span.size()));
        undo.Keep(start, span.data(), delivered);
        for (std::size_t i = first; i <= last; ++i) {
            const TileEdit& edit = *inFileOrder[i];
            const std::size_t at = EntryOffset(loaded, edit.tile) - start;
            // What the file does not hold of the entry is as it loaded.
            Entry entry = loaded[edit.tile];
            ReadEntryFields(span.data() + at, delivered > at ? delivered - at : 0, entry, layout);
            ApplyTileEdit(edit, entry);
            WriteEntryFields(entry, span.data() + at, layout);
        }
        file.Seek(static_cast<std::int64_t>(start), CFile::begin);
        file.Write(span.data(), static_cast<std::uint32_t>(span.size()));
        first = last + 1;
    }
    // A short file that an edit has lengthened must still measure as its
    // layout, or the next load would read it in the other one: it then
    // goes on, as a save extends it, through the end of the tiles in use.
    const std::uint64_t end = std::max(length, file.GetLength());
    if (&TileDataLayoutOfSize(end) != &layout) {
        const std::uint8_t zero = 0;  // the last entry's last byte, as the gap before it
        file.Seek(static_cast<std::int64_t>(SectionEnd(loaded) - 1), CFile::begin);
        file.Write(&zero, 1);
    }
}

} // namespace

template <typename Table>
bool WriteTileDataEdits(const std::vector<TileEdit>& edits, const Table& loaded, const std::string& path,
                        WaitCursorHook& waitCursor, FileOpenFailure* failure)
{
    const auto open = [&](CFile& file) { return OpenTileDataToWrite(file, path, *loaded.layout, failure); };
    return WithGameFile(open, CFile::modeReadWrite, waitCursor, [&](CFile& file) {
        WriteOrPutBack(file, [&](SpanUndo& undo) { WriteEditsInOpenFile(file, edits, loaded, undo); });
    });
}

bool WriteTileDataEdits(HalfEdits<LandTileTable> land, HalfEdits<StaticTileTable> statics, const std::string& path,
                        WaitCursorHook& waitCursor, FileOpenFailure* failure)
{
    const auto open = [&](CFile& file) { return OpenTileDataToWrite(file, path, *statics.loaded.layout, failure); };
    return WithGameFile(open, CFile::modeReadWrite, waitCursor, [&](CFile& file) {
        WriteOrPutBack(file, [&](SpanUndo& undo) {
            WriteEditsInOpenFile(file, land.edits, land.loaded, undo);
            WriteEditsInOpenFile(file, statics.edits, statics.loaded, undo);
        });
    });
}

template <typename Table>
bool WriteVerDataEdits(const std::vector<TileEdit>& edits, const Table& loaded, const std::string& path,
                       WaitCursorHook& waitCursor, FileOpenFailure* failure)
{
    using Entry = typename Table::value_type;
    const TileDataLayout& layout = *loaded.layout;
    const std::uint32_t entrySize = SectionShape<Entry>(layout).entrySize;
    const std::uint32_t blockEntriesSize = entrySize * kTilesPerBlock;
    std::multimap<int, const TileEdit*> byBlock;
    for (const TileEdit& edit : edits)
        byBlock.emplace(edit.tile / kTilesPerBlock, &edit);
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeReadWrite, failure); };
    return WithGameFile(open, CFile::modeReadWrite, waitCursor, [&](CFile& file) {
        const std::uint64_t length = file.GetLength();
        ForEachPatchBlock(file, loaded, [&](int firstTile) {
            const std::uint64_t entries = file.GetPosition();
            const auto [first, last] = byBlock.equal_range(firstTile / kTilesPerBlock);
            if (first == last)
                return;
            if (entries + blockEntriesSize > length) {
                // A block the file holds only in part shows its tiles' loaded
                // values; writing one entry alone would leave a gap of zeros that
                // the next load would show. The whole block goes in, as a save writes it.
                std::array<Entry, kTilesPerBlock> block;
                std::copy_n(&loaded[firstTile], kTilesPerBlock, block.begin());
                for (auto it = first; it != last; ++it)
                    ApplyTileEdit(*it->second, block[it->second->tile - firstTile]);
                std::vector<std::uint8_t> bytes(blockEntriesSize);
                WriteBlockEntries(block.data(), bytes.data(), layout);
                file.Write(bytes.data(), blockEntriesSize);
                return;
            }
            for (auto it = first; it != last; ++it) {
                const TileEdit& edit = *it->second;
                file.Seek(static_cast<std::int64_t>(entries + std::uint64_t{entrySize} * (edit.tile - firstTile)),
                          CFile::begin);
                EditEntryInPlace(file, edit, loaded[edit.tile], layout);
            }
        });
    });
}

template bool WriteTileDataEdits(const std::vector<TileEdit>&, const StaticTileTable&, const std::string&,
                                 WaitCursorHook&, FileOpenFailure*);
template bool WriteTileDataEdits(const std::vector<TileEdit>&, const LandTileTable&, const std::string&,
                                 WaitCursorHook&, FileOpenFailure*);
template bool WriteVerDataEdits(const std::vector<TileEdit>&, const StaticTileTable&, const std::string&,
                                WaitCursorHook&, FileOpenFailure*);
template bool WriteVerDataEdits(const std::vector<TileEdit>&, const LandTileTable&, const std::string&,
                                WaitCursorHook&, FileOpenFailure*);
