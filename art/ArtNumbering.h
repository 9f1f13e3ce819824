#pragma once

// The art index numbers: docs/file-formats.md, "Art index and art file".

#include <cstdint>

// One numbering of the art for both forms of the art files: land tile L is
// art index L, static tile S is art index kFirstStaticArtIndex + S.
inline constexpr std::uint32_t kFirstStaticArtIndex = 0x4000;
// Every art index a tile can have: the land tiles and 65536 static tiles.
inline constexpr std::uint32_t kArtIndexCount = kFirstStaticArtIndex + 0x10000;

// The id by which the patch file names the art file.
inline constexpr std::uint32_t kArtFileId = 4;

// The art index of land tile `tileId`, or of static tile `tileId`.
constexpr std::uint32_t ArtIndexOfTile(int tileId, bool land = false)
{
    return land ? static_cast<std::uint32_t>(tileId) : kFirstStaticArtIndex + static_cast<std::uint32_t>(tileId);
}

constexpr bool IsLandArt(std::uint32_t artIndex)
{
    return artIndex < kFirstStaticArtIndex;
}
