#pragma once

// The patch file's index, read from a byte source: docs/file-formats.md, "Patch file".

#include "ByteSource.h"
#include "LittleEndian.h"
#include "VerDataFile.h"

#include <algorithm>
#include <cstdint>
#include <span>

// The count the patch file's index starts with, or 0 when the source is too
// short to hold one.
inline std::uint32_t PatchIndexCount(ByteSource& patchFile)
{
    return patchFile.Size() < kVerDataCountSize ? 0 : LoadLittleEndian32(patchFile.View(0, kVerDataCountSize).data());
}

// Calls visit(entry, offset) for each whole index entry the source holds,
// `offset` being where its 20 bytes lie, through the store's one bounded,
// batched walk of the index.
template <typename Visit>
void ForEachPatchIndexEntry(ByteSource& patchFile, Visit&& visit)
{
    const std::uint64_t size = patchFile.Size();
    const auto readAt = [&](std::uint64_t offset, std::uint8_t* buffer, std::uint32_t wanted) {
        const auto delivered = static_cast<std::uint32_t>(std::min<std::uint64_t>(wanted, size - offset));
        const std::span<const std::uint8_t> view = patchFile.View(offset, delivered);
        std::copy(view.begin(), view.end(), buffer);
        return static_cast<std::uint32_t>(view.size());
    };
    std::uint64_t offset = kVerDataCountSize;
    ForEachVerDataIndexEntry(PatchIndexCount(patchFile), size, readAt, [&](const VerDataIndexEntry& entry) {
        visit(entry, offset);
        offset += kVerDataIndexEntrySize;
    });
}
