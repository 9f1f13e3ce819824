#include "ArtIndex.h"

#include "ArtNumbering.h"
#include "LittleEndian.h"
#include "PatchIndex.h"
#include "VerDataFile.h"

#include <algorithm>
#include <unordered_map>

namespace {

// An entry of the index file or of the patch file's index: the art is
// there unless the lookup is -1 or the length not positive.
ArtPlace PlaceOf(ArtPlace::File file, std::uint32_t lookup, std::uint32_t length)
{
    if (lookup == kNoArtLookup || static_cast<std::int32_t>(length) <= 0)
        return {};
    return {file, lookup, length, length, kStoredAsIs};
}

} // namespace

std::vector<ArtPlace> ReadArtIndex(ByteSource& index)
{
    std::vector<ArtPlace> places(kArtIndexCount);
    const auto held = static_cast<std::uint32_t>(std::min<std::uint64_t>(index.Size() / kArtIndexEntrySize, kArtIndexCount));
    const std::uint8_t* bytes = index.View(0, held * kArtIndexEntrySize).data();
    for (std::uint32_t i = 0; i < held; ++i, bytes += kArtIndexEntrySize)
        places[i] = PlaceOf(ArtPlace::File::kArtFile, LoadLittleEndian32(bytes), LoadLittleEndian32(bytes + 4));
    return places;
}

int ApplyArtPatches(ByteSource& patchFile, std::vector<ArtPlace>& places, std::vector<std::uint64_t>* entryAt)
{
    if (entryAt)
        entryAt->assign(places.size(), 0);
    int applied = 0;
    ForEachPatchIndexEntry(patchFile, [&](const VerDataIndexEntry& entry, std::uint64_t entryOffset) {
        // The block is the art index itself, not counted from a section.
        if (entry.fileId != kArtFileId || entry.block >= places.size())
            return;
        places[entry.block] = PlaceOf(ArtPlace::File::kPatchFile, entry.position, entry.length);
        if (entryAt)
            (*entryAt)[entry.block] = entryOffset;
        ++applied;
    });
    return applied;
}

std::vector<ArtPlace> PlacesInContainer(const ContainerTables& tables)
{
    std::unordered_map<std::uint64_t, const ContainerEntry*> byHash;
    for (const ContainerEntry& entry : tables.entries)
        byHash.emplace(entry.nameHash, &entry);
    std::vector<ArtPlace> places(kArtIndexCount);
    if (byHash.empty())
        return places;
    for (std::uint32_t i = 0; i < kArtIndexCount; ++i) {
        const auto found = byHash.find(ArtEntryNameHash(i));
        if (found != byHash.end() && found->second->storedSize != 0) {
            const ContainerEntry& entry = *found->second;
            places[i] = {ArtPlace::File::kContainer, entry.dataOffset, entry.storedSize, entry.size, entry.compression};
        }
    }
    return places;
}
