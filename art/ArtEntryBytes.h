#pragma once

#include "ArtPlace.h"
#include "ByteSource.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// No art entry is larger than this, stored or inflated: one that claims
// more is damaged rather than a reason to allocate that much.
inline constexpr std::uint32_t kMaxArtEntryBytes = 64u << 20;

// One entry's bytes, as the art file would hold them: a view into the
// source, or into `inflated` for a compressed entry; or, when `damage` is
// not empty, why there are none.
struct ArtEntryBytes {
    std::span<const std::uint8_t> bytes;
    std::string damage;
};

// Reads the entry at `place` from `source`, the file named `fileName` in a
// damage's reason. Never reads outside the source.
ArtEntryBytes ReadArtEntry(ByteSource& source, const ArtPlace& place, std::string_view fileName,
                           std::vector<std::uint8_t>& inflated);
