#pragma once

#include <cstddef>
#include <cstdint>

// Where one art index's entry lies: which of the art files holds it, and
// its bytes there. The index + art file form stores every entry as is;
// the container may hold one compressed.
struct ArtPlace {
    enum class File : std::uint8_t {
        kNone,       // no art
        kArtFile,    // art.mul
        kPatchFile,  // verdata.mul
        kContainer,  // artLegacyMUL.uop
    };
    static constexpr std::size_t kFileKinds = 4;  // of File, for tables by file
    File file = File::kNone;
    std::uint64_t offset = 0;
    std::uint32_t storedSize = 0;
    std::uint32_t size = 0;  // when inflated
    std::uint16_t compression = 0;
};

// How an entry's bytes are stored.
inline constexpr std::uint16_t kStoredAsIs = 0;
inline constexpr std::uint16_t kZlibCompressed = 1;
