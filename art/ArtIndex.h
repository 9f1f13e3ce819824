#pragma once

// The index, the art file and the patch file's art entries: docs/file-formats.md, "Art index and art file".

#include "ArtContainer.h"
#include "ArtPlace.h"
#include "ByteSource.h"

#include <cstdint>
#include <vector>

// Where each art index's entry lies, for every art index a tile can have
// (kArtIndexCount of them), from one of the two forms of the art files.

inline constexpr char kArtIndexName[] = "artidx.mul";
inline constexpr char kArtFileName[] = "art.mul";
inline constexpr std::uint32_t kArtIndexEntrySize = 12;  // lookup, length, extra
// The lookup of an entry with no art, in the index and the patch file alike.
inline constexpr std::uint32_t kNoArtLookup = 0xFFFFFFFF;

// The places the index file names in the art file. Entries past the
// index's end, with lookup -1 or with no length have no art.
std::vector<ArtPlace> ReadArtIndex(ByteSource& index);

// Applies the patch file's art entries (file id 4, block the art index)
// over `places`, in index order so that a later entry of an index wins;
// one without lookup or length removes the art. Returns how many entries
// applied. The index is read only as far as the file holds it.
// `entryAt`, when given, receives for each art index where in the patch
// file the entry that applied last lies (0 where none did).
int ApplyArtPatches(ByteSource& patchFile, std::vector<ArtPlace>& places,
                    std::vector<std::uint64_t>* entryAt = nullptr);

// The places of the art indices the container's tables name; the first
// entry of a name counts.
std::vector<ArtPlace> PlacesInContainer(const ContainerTables& tables);
