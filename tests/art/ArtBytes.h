#pragma once

// Checks the program against docs/file-formats.md, "Art index and art file" and "Art container".

// The art files written from scratch for the tests, apart from the reader:
// pictures as the art file stores them, the index, the patch file and the
// container, each from the format notes alone.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace art_bytes {

using Bytes = std::vector<std::uint8_t>;

// A picture as 16-bit colours, row by row (0 or bit 15 alone: nothing drawn),
// with the RGBA bytes a reader should give for it.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> colours;
    Bytes Rgba() const;
};

// A random picture: blank margins, then rows of scattered runs.
Picture RandomPicture(std::mt19937& random, int width, int height);
// A random land diamond; what lies outside it is blank.
Picture RandomLand(std::mt19937& random);

// The entry bytes of a static picture, runs split at random, drawn pixels
// sometimes carried in a run as colour 0.
Bytes EncodeStatic(const Picture& picture, std::mt19937& random);
// The 2024 entry bytes of a land diamond.
Bytes EncodeLand(const Picture& picture);

void Put16(Bytes& bytes, std::uint16_t value);
void Put32(Bytes& bytes, std::uint32_t value);
void Put64(Bytes& bytes, std::uint64_t value);
void Set32(Bytes& bytes, std::size_t at, std::uint32_t value);

// zlib's own compression of the bytes.
Bytes Compress(const Bytes& bytes);

// An art index + art file being put together.
struct IndexAndArt {
    Bytes index, art;
    void Add(std::uint32_t artIndex, const Bytes& entry);  // grows the index as needed
    void Empty(std::uint32_t artIndex);                    // lookup -1
};

// A patch file: entries of {file id, block, bytes}, count and index first.
struct PatchEntry {
    std::uint32_t fileId;
    std::uint32_t block;
    Bytes bytes;
    bool removes = false;  // lookup -1 instead of the bytes
};
Bytes PatchFile(const std::vector<PatchEntry>& entries);

// A container entry: the art index it names, its bytes, and how they are stored.
struct ContainerItem {
    std::uint32_t artIndex;
    Bytes bytes;
    std::uint16_t compression = 0;  // 1: zlib-compressed by Container(); any other: stored as they are
};
// The container, `perTable` entries to a table, each table chained to the next.
Bytes Container(const std::vector<ContainerItem>& items, std::uint32_t perTable);
// Where the container's first table is, and the offset of each table's link to the next.
constexpr std::size_t kFirstTableField = 12;
std::vector<std::size_t> TableLinks(const Bytes& container);

// A hue as hues.mul holds it: 32 colours, two table numbers, 20 name bytes.
struct HueBytes {
    std::uint16_t colours[32] = {};
    std::uint16_t tableStart = 0, tableEnd = 0;
    std::uint8_t name[20] = {};
};
// A random hue: colours now and then 0 (black) or with bit 15 set, a name
// that ends early with junk after its zero byte, or fills all 20 bytes.
HueBytes RandomHue(std::mt19937& random);
// Whole groups of them: 8 hues a group.
std::vector<HueBytes> RandomHues(std::mt19937& random, std::size_t groups);
// hues.mul of those hues (a multiple of 8), each group's header random, then `trailing` bytes.
Bytes HueFile(const std::vector<HueBytes>& hues, std::mt19937& random, std::size_t trailing = 0);

// The container's key of an art index, from the name written out here
// and the hash checked against lookup3's published values.
std::uint64_t NameHash(std::uint32_t artIndex);

} // namespace art_bytes
