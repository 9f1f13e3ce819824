#include "ArtEntryBytes.h"

#include "Inflate.h"

#include <algorithm>

namespace {

ArtEntryBytes Damaged(std::string reason)
{
    return {{}, std::move(reason)};
}

} // namespace

ArtEntryBytes ReadArtEntry(ByteSource& source, const ArtPlace& place, std::string_view fileName,
                           std::vector<std::uint8_t>& inflated)
{
    const std::uint64_t size = source.Size();
    if (place.offset > size || size - place.offset < place.storedSize)
        return Damaged("the entry's " + std::to_string(place.storedSize) + " bytes at offset " +
                       std::to_string(place.offset) + " reach past the end of " + std::string(fileName) + " (" +
                       std::to_string(size) + " bytes)");
    if (place.storedSize > kMaxArtEntryBytes || place.size > kMaxArtEntryBytes)
        return Damaged("the entry claims " + std::to_string(std::max(place.storedSize, place.size)) +
                       " bytes, more than any picture takes");
    const std::span<const std::uint8_t> stored = source.View(place.offset, place.storedSize);
    if (place.compression == kStoredAsIs)
        return {stored, {}};
    if (place.compression != kZlibCompressed)
        return Damaged("the entry is compressed by method " + std::to_string(place.compression) +
                       ", which Quarnel does not read (only zlib, method 1)");
    if (std::optional<std::string> failure = Inflate(stored, place.size, inflated))
        return Damaged(std::move(*failure));
    return {inflated, {}};
}
