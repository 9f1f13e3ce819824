#include "ArtWriter.h"

#include "ArtContainer.h"
#include "ArtEntryBytes.h"
#include "ArtFolder.h"
#include "ArtIndex.h"
#include "ArtNumbering.h"
#include "LittleEndian.h"
#include "PatchFilePath.h"
#include "PatchIndex.h"
#include "PathParts.h"
#include "WrittenSpans.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace {

constexpr std::uint32_t kNoExtra = 0xFFFFFFFF;  // what a real index holds beside "no art"
// Where appended bytes may reach: entries name them by a 32-bit offset,
// which some readers take as signed.
constexpr std::uint64_t kMostArtFileBytes = 0x7FFFFFFF;

// Why the write cannot start, found before any byte is written.
struct Refusal {
    ArtWrite write;
};

Refusal CannotHold(std::string why, ArtWrite::Result result = ArtWrite::Result::kCannotHold)
{
    ArtWrite write;
    write.result = result;
    write.damage = std::move(why);
    return {write};
}

// A file of the art being written: open exclusively for the whole write,
// read first, then appended to, then its entries rewritten in place.
struct ArtFileInWrite {
    std::string path;
    CFile file;
    FileByteSource source;
    WrittenSpans written;  // what the entries' writes went over
};

// The files of one write, each opened once; after a failure, each gets
// back the entry bytes written over in it.
class ArtFilesInWrite {
public:
    ArtFileInWrite& Open(const std::string& path)
    {
        auto art = std::make_unique<ArtFileInWrite>();
        CFileException cause;
        if (!art->file.Open(path, CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary, &cause)) {
            ArtWrite refused;
            refused.result = ArtWrite::Result::kRefused;
            refused.file = path;
            refused.error = cause;
            throw Refusal{refused};
        }
        art->path = path;
        art->source.Use(art->file, path);
        m_files.push_back(std::move(art));
        return *m_files.back();
    }

    // Forces what was written to stable storage: the data before the
    // entries that point at it, the entries before the links and counts.
    void Flush()
    {
        for (const auto& art : m_files)
            art->file.Flush();
    }

    // Makes the write final: every file's bytes down first, then nothing
    // kept to put back, then the files closed. A close that fails after the
    // commit leaves the write done.
    void Commit()
    {
        Flush();
        for (const auto& art : m_files)
            art->written = WrittenSpans();
        for (const auto& art : m_files)
            art->file.Abort();
    }

    // Puts back every entry byte written over; the files that could not
    // all be put back.
    std::vector<std::string> PutBack() noexcept
    {
        std::vector<std::string> leftChanged;
        for (const auto& art : m_files) {
            const bool back = art->written.PutBack(art->file);
            art->file.Abort();
            if (!back && !art->written.PutBack(art->path))
                leftChanged.push_back(art->path);
        }
        return leftChanged;
    }

private:
    std::vector<std::unique_ptr<ArtFileInWrite>> m_files;
};

void Put16(std::uint8_t* at, std::uint16_t value)
{
    StoreLittleEndian(value, at, 2);
}

void Put32(std::uint8_t* at, std::uint32_t value)
{
    StoreLittleEndian32(value, at);
}

void Put64(std::uint8_t* at, std::uint64_t value)
{
    StoreLittleEndian(value, at, 8);
}

// Appends `bytes` at the file's end; returns where they start. Refused,
// before a byte is written, where an entry could not name them.
std::uint64_t Append(ArtFileInWrite& art, const std::vector<std::uint8_t>& bytes)
{
    const std::uint64_t end = art.source.Size();
    if (bytes.size() > kMostArtFileBytes - std::min(end, kMostArtFileBytes))
        throw CannotHold(std::string(FileNamePart(art.path)) + " would grow past the 2 GiB its entries can point into");
    art.file.Seek(static_cast<std::int64_t>(end), CFile::begin);
    art.file.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    return end;
}

// Appended bytes must never be read as part of something else: a patch
// file whose index claims more entries than it holds, or whose entries
// reach past its end, would read them as index entries or tile data.
void CheckAppendable(ArtFileInWrite& patch)
{
    const std::uint64_t size = patch.source.Size();
    const std::uint64_t claimed = kVerDataCountSize + std::uint64_t{kVerDataIndexEntrySize} * PatchIndexCount(patch.source);
    bool reachesPast = claimed > size;
    ForEachPatchIndexEntry(patch.source, [&](const VerDataIndexEntry& entry, std::uint64_t) {
        if (entry.position != kNoArtLookup && static_cast<std::int32_t>(entry.length) > 0)
            reachesPast = reachesPast || std::uint64_t{entry.position} + entry.length > size;
    });
    if (reachesPast)
        throw CannotHold(std::string(FileNamePart(patch.path)) +
                         ": its index claims more than the file holds, so bytes added at its end would be read as "
                         "part of it");
}

// The changes by art index, the later of two to one index counting.
std::map<std::uint32_t, const ArtChange*> ByIndex(const std::vector<ArtChange>& changes)
{
    std::map<std::uint32_t, const ArtChange*> byIndex;
    for (const ArtChange& change : changes)
        byIndex[change.artIndex] = &change;
    return byIndex;
}

// Each picture's entry bytes, in art-index order, one after another as
// they are appended: where each starts within them and how long it is.
struct Encoded {
    std::vector<std::uint8_t> bytes;
    std::map<std::uint32_t, std::pair<std::uint64_t, std::uint32_t>> spans;

    void Add(std::uint32_t artIndex, const std::vector<std::uint8_t>& entry)
    {
        spans[artIndex] = {bytes.size(), static_cast<std::uint32_t>(entry.size())};
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
};

// The new entry of a picture, its first word kept from the tile's present
// static entry (its meaning is not known); 0 when it has none that reads.
std::vector<std::uint8_t> EntryFor(std::uint32_t artIndex, const ArtPixels& picture, const ArtPlace& present,
                                   ByteSource* source)
{
    std::uint32_t header = 0;
    if (!IsLandArt(artIndex) && present.file != ArtPlace::File::kNone && source) {
        std::vector<std::uint8_t> inflated;
        const ArtEntryBytes entry = ReadArtEntry(*source, present, "", inflated);
        if (entry.damage.empty() && entry.bytes.size() >= 4)
            header = LoadLittleEndian32(entry.bytes.data());
    }
    return EncodeArt(artIndex, picture, header);
}

std::array<std::uint8_t, kArtIndexEntrySize> IndexEntry(std::uint32_t lookup, std::uint32_t length,
                                                        std::uint32_t extra)
{
    std::array<std::uint8_t, kArtIndexEntrySize> bytes{};
    Put32(&bytes[0], lookup);
    Put32(&bytes[4], length);
    Put32(&bytes[8], extra);
    return bytes;
}

// The index and art file, with the patch file's art entries (`patchPath`
// empty: there is none): a tile whose art the patch file replaces keeps
// being replaced there.
void WriteIndexForm(ArtFilesInWrite& files, const std::string& indexPath, const std::string& artPath,
                    const std::string& patchPath, const std::map<std::uint32_t, const ArtChange*>& byIndex)
{
    ArtFileInWrite& index = files.Open(indexPath);
    ArtFileInWrite& art = files.Open(artPath);
    ArtFileInWrite* patch = patchPath.empty() ? nullptr : &files.Open(patchPath);

    std::vector<ArtPlace> places = ReadArtIndex(index.source);
    const std::uint64_t held = index.source.Size() / kArtIndexEntrySize;
    std::vector<std::uint64_t> patchEntryAt(places.size(), 0);
    if (patch)
        ApplyArtPatches(patch->source, places, &patchEntryAt);
    const auto sourceOf = [&](const ArtPlace& place) -> ByteSource* {
        return place.file == ArtPlace::File::kArtFile ? &art.source
               : place.file == ArtPlace::File::kPatchFile && patch ? &patch->source
                                                                  : nullptr;
    };

    Encoded toArt, toPatch;
    for (const auto& [artIndex, change] : byIndex)
        if (change->picture)
            (patchEntryAt[artIndex] ? toPatch : toArt)
                .Add(artIndex, EntryFor(artIndex, *change->picture, places[artIndex], sourceOf(places[artIndex])));
    if (!toPatch.bytes.empty())
        CheckAppendable(*patch);
    const std::uint64_t artAt = toArt.bytes.empty() ? 0 : Append(art, toArt.bytes);
    const std::uint64_t patchAt = toPatch.bytes.empty() ? 0 : Append(*patch, toPatch.bytes);
    files.Flush();

    // An index too short for a picture's entry grows by empty ones up to it.
    std::uint64_t end = held;
    for (const auto& [artIndex, span] : toArt.spans)
        end = std::max<std::uint64_t>(end, artIndex + 1);
    if (end > held) {
        std::vector<std::uint8_t> empty;
        for (std::uint64_t i = held; i < end; ++i) {
            const auto bytes = IndexEntry(kNoArtLookup, 0, kNoExtra);
            empty.insert(empty.end(), bytes.begin(), bytes.end());
        }
        index.written.Write(index.file, held * kArtIndexEntrySize, empty.data(), static_cast<std::uint32_t>(empty.size()));
    }
    for (const auto& [artIndex, change] : byIndex) {
        if (patchEntryAt[artIndex]) {
            // The entry's position and length, bytes 8-15 of its 20: file id, block and extra stay.
            const auto found = toPatch.spans.find(artIndex);
            const auto bytes = found == toPatch.spans.end()
                                   ? IndexEntry(kNoArtLookup, 0, 0)
                                   : IndexEntry(static_cast<std::uint32_t>(patchAt + found->second.first),
                                                found->second.second, 0);
            patch->written.Write(patch->file, patchEntryAt[artIndex] + 8, bytes.data(), 8);
            continue;
        }
        const auto found = toArt.spans.find(artIndex);
        if (found == toArt.spans.end() && artIndex >= held)
            continue;  // no art to remove: the index does not reach it
        const auto bytes = found == toArt.spans.end()
                               ? IndexEntry(kNoArtLookup, 0, kNoExtra)
                               : IndexEntry(static_cast<std::uint32_t>(artAt + found->second.first),
                                            found->second.second, 0);
        index.written.Write(index.file, std::uint64_t{artIndex} * kArtIndexEntrySize, bytes.data(),
                            kArtIndexEntrySize);
    }
}

std::array<std::uint8_t, kContainerEntrySize> ContainerEntryBytes(std::uint64_t dataOffset,
                                                                  const std::vector<std::uint8_t>& stored,
                                                                  std::uint64_t at, std::uint32_t length,
                                                                  std::uint64_t nameHash)
{
    std::array<std::uint8_t, kContainerEntrySize> bytes{};
    Put64(&bytes[0], dataOffset);
    Put32(&bytes[8], 0);  // no data header
    Put32(&bytes[12], length);
    Put32(&bytes[16], length);
    Put64(&bytes[20], nameHash);
    const auto adler = adler32(adler32(0, nullptr, 0), stored.data() + at, length);
    Put32(&bytes[28], static_cast<std::uint32_t>(adler));
    Put16(&bytes[32], 0);  // stored as is
    return bytes;
}

// The container: each picture appended, the tile's entry rewritten, a
// tile without one given a free slot, the room left in a table, or a new
// table chained from the last.
void WriteContainerForm(ArtFilesInWrite& files, const std::string& containerPath,
                        const std::map<std::uint32_t, const ArtChange*>& byIndex)
{
    ArtFileInWrite& container = files.Open(containerPath);
    const ContainerTables tables = ReadContainerTables(container.source);
    if (!tables.damage.empty())
        throw CannotHold(std::string(kArtContainerName) + ": " + tables.damage);
    const std::uint64_t size = container.source.Size();
    // A table takes its header and `capacity` entries: one that could not
    // lie within the file is no room to add tables of.
    const std::uint64_t tableBytes = kContainerTableHeaderSize + std::uint64_t{tables.capacity} * kContainerEntrySize;
    if (tableBytes > size)
        throw CannotHold(std::string(kArtContainerName) + ": its tables claim room for " +
                         std::to_string(tables.capacity) + " entries, more than the file could hold");
    // The entry that counts for a name is its first; all of them go on removal.
    std::unordered_map<std::uint64_t, std::vector<const ContainerEntry*>> byHash;
    for (const ContainerEntry& entry : tables.entries)
        byHash[entry.nameHash].push_back(&entry);
    const std::vector<ArtPlace> places = PlacesInContainer(tables);

    Encoded pictures;
    for (const auto& [artIndex, change] : byIndex)
        if (change->picture)
            pictures.Add(artIndex, EntryFor(artIndex, *change->picture, places[artIndex], &container.source));

    // Slots for the tiles that have no entry, in the order the tables offer them.
    std::deque<std::uint64_t> freeSlots(tables.freeSlots.begin(), tables.freeSlots.end());
    std::vector<ContainerTable> grown = tables.tables;  // their counts once slots past them are taken
    std::size_t roomyTable = 0;
    const auto slotInTables = [&]() -> std::optional<std::uint64_t> {
        if (!freeSlots.empty()) {
            const std::uint64_t slot = freeSlots.front();
            freeSlots.pop_front();
            return slot;
        }
        // A table's room is taken only where the file holds all of the table:
        // a table cut short has its room in what follows it.
        for (; roomyTable < grown.size(); ++roomyTable)
            if (grown[roomyTable].inUse < tables.capacity && grown[roomyTable].offset + tableBytes <= size)
                return grown[roomyTable].offset + kContainerTableHeaderSize +
                       std::uint64_t{grown[roomyTable].inUse++} * kContainerEntrySize;
        return std::nullopt;
    };
    struct EntryWrite {
        std::uint64_t at;
        std::array<std::uint8_t, kContainerEntrySize> bytes;
    };
    std::vector<EntryWrite> entryWrites;
    std::vector<std::uint32_t> unplaced;  // art indices for new tables
    std::int64_t filesAdded = 0;
    const std::uint64_t dataAt = size;
    for (const auto& [artIndex, change] : byIndex) {
        const std::uint64_t hash = ArtEntryNameHash(artIndex);
        const auto named = byHash.find(hash);
        if (!change->picture) {
            if (named != byHash.end())
                for (const ContainerEntry* entry : named->second)
                    entryWrites.push_back({entry->at, {}}), --filesAdded;
            continue;
        }
        const auto [at, length] = pictures.spans.at(artIndex);
        const auto bytes = ContainerEntryBytes(dataAt + at, pictures.bytes, at, length, hash);
        if (named != byHash.end()) {
            entryWrites.push_back({named->second.front()->at, bytes});
        } else if (const std::optional<std::uint64_t> slot = slotInTables()) {
            entryWrites.push_back({*slot, bytes});
            ++filesAdded;
        } else {
            unplaced.push_back(artIndex);
            ++filesAdded;
        }
    }
    if (!unplaced.empty() && tables.capacity == 0)
        throw CannotHold(std::string(kArtContainerName) + ": its tables hold no entries (a capacity of 0)");

    // New tables follow the data, whole, unreachable until linked.
    const std::uint64_t newTables = (unplaced.size() + tables.capacity - 1) / std::max<std::uint32_t>(tables.capacity, 1);
    const std::uint64_t firstNewTable = dataAt + pictures.bytes.size();
    std::vector<std::uint8_t> appended = pictures.bytes;
    appended.resize(appended.size() + newTables * tableBytes);
    for (std::uint64_t t = 0; t < newTables; ++t) {
        std::uint8_t* table = &appended[pictures.bytes.size() + t * tableBytes];
        const std::size_t first = t * tables.capacity;
        const std::size_t count = std::min<std::size_t>(tables.capacity, unplaced.size() - first);
        Put32(table, static_cast<std::uint32_t>(count));
        Put64(table + 4, t + 1 < newTables ? firstNewTable + (t + 1) * tableBytes : 0);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t artIndex = unplaced[first + i];
            const auto [at, length] = pictures.spans.at(artIndex);
            const auto bytes = ContainerEntryBytes(dataAt + at, pictures.bytes, at, length, ArtEntryNameHash(artIndex));
            std::copy(bytes.begin(), bytes.end(), table + kContainerTableHeaderSize + i * kContainerEntrySize);
        }
    }
    if (!appended.empty())
        Append(container, appended);
    files.Flush();

    for (const EntryWrite& entry : entryWrites)
        container.written.Write(container.file, entry.at, entry.bytes.data(), kContainerEntrySize);
    files.Flush();

    // The links and counts, last.
    std::uint8_t word[8];
    for (std::size_t t = 0; t < grown.size(); ++t) {
        if (grown[t].inUse == tables.tables[t].inUse)
            continue;
        Put32(word, grown[t].inUse);
        container.written.Write(container.file, grown[t].offset, word, 4);
    }
    if (newTables > 0) {
        Put64(word, firstNewTable);
        // The header names the first table when the chain had none.
        const std::uint64_t link = grown.empty() ? 12 : grown.back().offset + 4;
        container.written.Write(container.file, link, word, 8);
    }
    if (filesAdded != 0) {
        Put32(word, static_cast<std::uint32_t>(tables.fileCount + filesAdded));
        container.written.Write(container.file, kContainerFileCountOffset, word, 4);
    }
}

} // namespace

ArtWrite WriteArt(const std::string& tileDataPath, const std::vector<ArtChange>& changes)
{
    ArtWrite write;
    const std::map<std::uint32_t, const ArtChange*> byIndex = ByIndex(changes);
    if (byIndex.empty())
        return write;
    for (const auto& [artIndex, change] : byIndex) {
        std::optional<std::string> why;
        if (artIndex >= kArtIndexCount)
            why = "it is past every tile's";
        else if (change->picture && change->picture->pixels.size() !=
                                        static_cast<std::size_t>(change->picture->width) * change->picture->height)
            why = "the picture's pixels are not its size";
        else if (change->picture)
            why = WhyNotStorable(artIndex, *change->picture);
        if (why)
            return CannotHold("art index " + std::to_string(artIndex) + ": " + *why, ArtWrite::Result::kBadPicture).write;
    }
    // Which files only: each is read once, under its own exclusive open.
    const ArtFolder::Found art = ArtFolder::Find(tileDataPath);
    if (art.form == ArtFolder::Form::kNone) {
        write.result = ArtWrite::Result::kNoArt;
        return write;
    }
    ArtFilesInWrite files;
    try {
        if (art.form == ArtFolder::Form::kContainer)
            WriteContainerForm(files, art.container, byIndex);
        else
            WriteIndexForm(files, art.index, art.art, FindFileBeside(tileDataPath, kPatchFileName), byIndex);
        files.Commit();
    } catch (const Refusal& refusal) {
        files.PutBack();
        return refusal.write;
    } catch (const CFileException& error) {
        write.result = ArtWrite::Result::kFileError;
        write.error = error;
        write.filesLeftChanged = files.PutBack();
    }
    return write;
}
