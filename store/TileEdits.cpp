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
// edit and writes the entry back where it was, keeping in `written` the
// bytes it goes over.
template <typename Entry>
void EditEntryInPlace(CFile& file, const TileEdit& edit, const Entry& loaded, const TileDataLayout& layout,
                      WrittenSpans& written)
{
    const std::uint32_t entrySize = SectionShape<Entry>(layout).entrySize;
    const std::uint64_t at = file.GetPosition();
    std::array<std::uint8_t, SectionShape<Entry>(kWidestLayout).entrySize> bytes{};
    Entry entry = loaded;
    const std::uint32_t delivered = file.Read(bytes.data(), entrySize);
    written.Keep(at, bytes.data(), delivered);
    ReadEntryFields(bytes.data(), delivered, entry, layout);
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

// Opens the file with `open` and runs the writes of work(file, written) in
// it, keeping in `written` what each write goes over. When a write (or the
// flush after them) fails, the kept bytes are put back, in the file still
// open where it can be, and the failure goes on.
template <typename Open, typename Work>
bool WriteOrPutBack(Open&& open, const std::string& path, WaitCursorHook& waitCursor, WrittenSpans& written,
                    Work&& work)
{
    try {
        return WithGameFile(open, CFile::modeReadWrite, waitCursor, [&](CFile& file) {
            try {
                work(file, written);
            } catch (...) {
                written.PutBack(file);
                throw;
            }
        });
    } catch (...) {
        written.PutBack(path);
        throw;
    }
}

// Makes each edit in the open tile-data file, entry by entry: every other
// byte of the file keeps its value. `loaded` is the table as the file
// loaded, standing in for entries that lie beyond the end of a short file.
// Each span's bytes, as the file held them, are kept in `written` before
// the span is written.
template <typename Table>
void WriteEditsInOpenFile(CFile& file, const std::vector<TileEdit>& edits, const Table& loaded, WrittenSpans& written)
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
        written.Keep(start, span.data(), delivered);
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
        const std::uint64_t lastByte = SectionEnd(loaded) - 1;
        std::uint8_t held = 0;
        file.Seek(static_cast<std::int64_t>(lastByte), CFile::begin);
        written.Keep(lastByte, &held, file.Read(&held, 1));
        const std::uint8_t zero = 0;  // the last entry's last byte, as the gap before it
        file.Seek(static_cast<std::int64_t>(lastByte), CFile::begin);
        file.Write(&zero, 1);
    }
}

} // namespace

template <typename Table>
bool WriteTileDataEdits(const std::vector<TileEdit>& edits, const Table& loaded, const std::string& path,
                        WaitCursorHook& waitCursor, FileOpenFailure* failure, WrittenSpans* written)
{
    WrittenSpans unkept;
    const auto open = [&](CFile& file) { return OpenTileDataToWrite(file, path, *loaded.layout, failure); };
    return WriteOrPutBack(open, path, waitCursor, written ? *written : unkept, [&](CFile& file, WrittenSpans& spans) {
        WriteEditsInOpenFile(file, edits, loaded, spans);
    });
}

bool WriteTileDataEdits(HalfEdits<LandTileTable> land, HalfEdits<StaticTileTable> statics, const std::string& path,
                        WaitCursorHook& waitCursor, FileOpenFailure* failure, WrittenSpans* written)
{
    WrittenSpans unkept;
    const auto open = [&](CFile& file) { return OpenTileDataToWrite(file, path, *statics.loaded.layout, failure); };
    return WriteOrPutBack(open, path, waitCursor, written ? *written : unkept, [&](CFile& file, WrittenSpans& spans) {
        WriteEditsInOpenFile(file, land.edits, land.loaded, spans);
        WriteEditsInOpenFile(file, statics.edits, statics.loaded, spans);
    });
}

template <typename Table>
bool WriteVerDataEdits(const std::vector<TileEdit>& edits, const Table& loaded, const std::string& path,
                       WaitCursorHook& waitCursor, FileOpenFailure* failure, WrittenSpans* written)
{
    using Entry = typename Table::value_type;
    const TileDataLayout& layout = *loaded.layout;
    const std::uint32_t entrySize = SectionShape<Entry>(layout).entrySize;
    const std::uint32_t blockEntriesSize = entrySize * kTilesPerBlock;
    std::multimap<int, const TileEdit*> byBlock;
    for (const TileEdit& edit : edits)
        byBlock.emplace(edit.tile / kTilesPerBlock, &edit);
    const auto open = [&](CFile& file) { return OpenGameFile(file, path, CFile::modeReadWrite, failure); };
    WrittenSpans unkept;
    return WriteOrPutBack(open, path, waitCursor, written ? *written : unkept, [&](CFile& file, WrittenSpans& spans) {
        const std::uint64_t length = file.GetLength();
        ForEachPatchBlock(file, loaded, [&](int firstTile) {
            const std::uint64_t entries = file.GetPosition();
            const auto [first, last] = byBlock.equal_range(firstTile / kTilesPerBlock);
            if (first == last)
                return;
            if (entries + blockEntriesSize > length) {
                // A block the file holds only in part: writing one entry alone
                // would leave a gap of zeros that the next load would show, so
                // the whole block goes in, as a save writes it. The entries the
                // file holds keep their own bytes (a later block for the same
                // tiles may show other values); those past its end take the
                // loaded values, which the next load shows for them.
                std::array<Entry, kTilesPerBlock> block;
                std::vector<std::uint8_t> bytes(blockEntriesSize);
                const std::uint32_t held = file.Read(bytes.data(), blockEntriesSize);
                spans.Keep(entries, bytes.data(), held);
                for (std::uint32_t slot = 0; slot < kTilesPerBlock; ++slot) {
                    const std::uint32_t at = slot * entrySize;
                    block[slot] = loaded[firstTile + static_cast<int>(slot)];
                    ReadEntryFields(bytes.data() + at, held > at ? held - at : 0, block[slot], layout);
                }
                for (auto it = first; it != last; ++it)
                    ApplyTileEdit(*it->second, block[it->second->tile - firstTile]);
                WriteBlockEntries(block.data(), bytes.data(), layout);
                file.Seek(static_cast<std::int64_t>(entries), CFile::begin);
                file.Write(bytes.data(), blockEntriesSize);
                return;
            }
            for (auto it = first; it != last; ++it) {
                const TileEdit& edit = *it->second;
                file.Seek(static_cast<std::int64_t>(entries + std::uint64_t{entrySize} * (edit.tile - firstTile)),
                          CFile::begin);
                EditEntryInPlace(file, edit, loaded[edit.tile], layout, spans);
            }
        });
    });
}

template bool WriteTileDataEdits(const std::vector<TileEdit>&, const StaticTileTable&, const std::string&,
                                 WaitCursorHook&, FileOpenFailure*, WrittenSpans*);
template bool WriteTileDataEdits(const std::vector<TileEdit>&, const LandTileTable&, const std::string&,
                                 WaitCursorHook&, FileOpenFailure*, WrittenSpans*);
template bool WriteVerDataEdits(const std::vector<TileEdit>&, const StaticTileTable&, const std::string&,
                                WaitCursorHook&, FileOpenFailure*, WrittenSpans*);
template bool WriteVerDataEdits(const std::vector<TileEdit>&, const LandTileTable&, const std::string&,
                                WaitCursorHook&, FileOpenFailure*, WrittenSpans*);
