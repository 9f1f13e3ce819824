#include "ArtBytes.h"

#include "Lookup3.h"

#include <zlib.h>

#include <cstdio>
#include <stdexcept>

namespace art_bytes {

namespace {

bool Drawn(std::uint16_t colour)
{
    return (colour & 0x7FFF) != 0;
}

// A colour, sometimes with the unused top bit set; never transparent.
std::uint16_t RandomColour(std::mt19937& random)
{
    return static_cast<std::uint16_t>(1 + random() % 0x7FFF) | static_cast<std::uint16_t>(random() % 2 ? 0x8000 : 0);
}

int LandRowCount(int y)
{
    return y < 22 ? 2 * (y + 1) : 2 * (44 - y);
}

} // namespace

Bytes Picture::Rgba() const
{
    Bytes rgba;
    for (const std::uint16_t colour : colours) {
        if (!Drawn(colour)) {
            rgba.insert(rgba.end(), {0, 0, 0, 0});
            continue;
        }
        for (const int shift : {10, 5, 0}) {
            const int c = colour >> shift & 0x1F;
            rgba.push_back(static_cast<std::uint8_t>(c << 3 | c >> 2));
        }
        rgba.push_back(255);
    }
    return rgba;
}

Picture RandomPicture(std::mt19937& random, int width, int height)
{
    Picture picture{width, height, std::vector<std::uint16_t>(std::size_t(width) * height)};
    const int density = 1 + static_cast<int>(random() % 9);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint16_t& pixel = picture.colours[std::size_t(y) * width + x];
            // Runs of drawn pixels between gaps, with an odd blank colour among them.
            if (static_cast<int>(random() % 10) < density)
                pixel = random() % 23 == 0 ? 0x8000 : RandomColour(random);
        }
    return picture;
}

Picture RandomLand(std::mt19937& random)
{
    Picture picture{44, 44, std::vector<std::uint16_t>(44 * 44)};
    for (int y = 0; y < 44; ++y) {
        const int count = LandRowCount(y);
        for (int x = 22 - count / 2; x < 22 + count / 2; ++x)
            picture.colours[std::size_t(y) * 44 + x] = random() % 17 == 0 ? 0 : RandomColour(random);
    }
    return picture;
}

Bytes EncodeStatic(const Picture& picture, std::mt19937& random)
{
    Bytes head, runs;
    Put32(head, static_cast<std::uint32_t>(random()));
    Put16(head, static_cast<std::uint16_t>(picture.width));
    Put16(head, static_cast<std::uint16_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        Put16(head, static_cast<std::uint16_t>(runs.size() / 2));
        const std::uint16_t* row = &picture.colours[std::size_t(y) * picture.width];
        int end = 0;  // where the last run ended
        for (int x = 0; x < picture.width;) {
            if (!Drawn(row[x])) {
                ++x;
                continue;
            }
            // A run from x to the next blank pixel, or shorter; a blank pixel
            // within reach is sometimes carried as colour 0.
            int stop = x;
            while (stop < picture.width && (Drawn(row[stop]) || (random() % 4 == 0 && stop + 1 < picture.width)))
                ++stop;
            stop = x + 1 + static_cast<int>(random() % (stop - x));
            Put16(runs, static_cast<std::uint16_t>(x - end));
            Put16(runs, static_cast<std::uint16_t>(stop - x));
            for (int i = x; i < stop; ++i)
                Put16(runs, Drawn(row[i]) ? row[i] : static_cast<std::uint16_t>(random() % 2 ? 0 : 0x8000));
            end = x = stop;
        }
        Put32(runs, 0);
    }
    head.insert(head.end(), runs.begin(), runs.end());
    return head;
}

Bytes EncodeLand(const Picture& picture)
{
    Bytes bytes;
    for (int y = 0; y < 44; ++y) {
        const int count = LandRowCount(y);
        for (int x = 22 - count / 2; x < 22 + count / 2; ++x)
            Put16(bytes, picture.colours[std::size_t(y) * 44 + x]);
    }
    return bytes;
}

void Put16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& bytes, std::uint32_t value)
{
    Put16(bytes, static_cast<std::uint16_t>(value));
    Put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

void Put64(Bytes& bytes, std::uint64_t value)
{
    Put32(bytes, static_cast<std::uint32_t>(value));
    Put32(bytes, static_cast<std::uint32_t>(value >> 32));
}

void Set32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes Compress(const Bytes& bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), 9) != Z_OK)
        throw std::runtime_error("zlib refused to compress");
    out.resize(size);
    return out;
}

void IndexAndArt::Add(std::uint32_t artIndex, const Bytes& entry)
{
    if (index.size() < 12 * (artIndex + 1))
        index.resize(12 * (artIndex + 1), 0xFF);
    Set32(index, 12 * artIndex, static_cast<std::uint32_t>(art.size()));
    Set32(index, 12 * artIndex + 4, static_cast<std::uint32_t>(entry.size()));
    Set32(index, 12 * artIndex + 8, 0);
    art.insert(art.end(), entry.begin(), entry.end());
}

void IndexAndArt::Empty(std::uint32_t artIndex)
{
    if (index.size() < 12 * (artIndex + 1))
        index.resize(12 * (artIndex + 1), 0xFF);
    Set32(index, 12 * artIndex, 0xFFFFFFFF);
    Set32(index, 12 * artIndex + 4, 0);
}

Bytes PatchFile(const std::vector<PatchEntry>& entries)
{
    Bytes bytes;
    Put32(bytes, static_cast<std::uint32_t>(entries.size()));
    std::size_t data = 4 + 20 * entries.size();
    for (const PatchEntry& entry : entries) {
        Put32(bytes, entry.fileId);
        Put32(bytes, entry.block);
        Put32(bytes, entry.removes ? 0xFFFFFFFF : static_cast<std::uint32_t>(data));
        Put32(bytes, static_cast<std::uint32_t>(entry.bytes.size()));
        Put32(bytes, 0);
        data += entry.removes ? 0 : entry.bytes.size();
    }
    for (const PatchEntry& entry : entries)
        if (!entry.removes)
            bytes.insert(bytes.end(), entry.bytes.begin(), entry.bytes.end());
    return bytes;
}

HueBytes RandomHue(std::mt19937& random)
{
    HueBytes hue;
    for (std::uint16_t& colour : hue.colours)
        colour = random() % 6 == 0 ? static_cast<std::uint16_t>(random() % 2 ? 0x8000 : 0) : RandomColour(random);
    hue.tableStart = static_cast<std::uint16_t>(random());
    hue.tableEnd = static_cast<std::uint16_t>(random());
    const std::size_t length = random() % 3 == 0 ? 20 : random() % 20;
    for (std::size_t i = 0; i < 20; ++i)
        hue.name[i] = i < length ? static_cast<std::uint8_t>(1 + random() % 255) : i == length ? 0 : static_cast<std::uint8_t>(random());
    return hue;
}

std::vector<HueBytes> RandomHues(std::mt19937& random, std::size_t groups)
{
    std::vector<HueBytes> hues(groups * 8);
    for (HueBytes& hue : hues)
        hue = RandomHue(random);
    return hues;
}

Bytes HueFile(const std::vector<HueBytes>& hues, std::mt19937& random, std::size_t trailing)
{
    if (hues.size() % 8 != 0)
        throw std::logic_error("hues.mul holds whole groups of 8 hues");
    Bytes bytes;
    for (std::size_t i = 0; i < hues.size(); ++i) {
        if (i % 8 == 0)
            Put32(bytes, static_cast<std::uint32_t>(random()));
        for (const std::uint16_t colour : hues[i].colours)
            Put16(bytes, colour);
        Put16(bytes, hues[i].tableStart);
        Put16(bytes, hues[i].tableEnd);
        bytes.insert(bytes.end(), std::begin(hues[i].name), std::end(hues[i].name));
    }
    for (std::size_t i = 0; i < trailing; ++i)
        bytes.push_back(static_cast<std::uint8_t>(random()));
    return bytes;
}

std::uint64_t NameHash(std::uint32_t artIndex)
{
    char name[64];
    std::snprintf(name, sizeof name, "build/artlegacymul/%08u.tga", artIndex);
    const Lookup3Hashes hashes = HashLittle2(name);
    return std::uint64_t{hashes.secondary} << 32 | hashes.primary;
}

Bytes Container(const std::vector<ContainerItem>& items, std::uint32_t perTable)
{
    constexpr std::uint32_t kDataHeader = 6;  // bytes before each entry's data, skipped by readers
    Bytes bytes;
    Put32(bytes, 0x0050594D);
    Put32(bytes, 5);
    Put32(bytes, 0xFD23EC43);
    Put64(bytes, 0);  // first table, set below
    Put32(bytes, perTable);
    Put32(bytes, static_cast<std::uint32_t>(items.size()));
    bytes.resize(40, 0);
    std::size_t link = kFirstTableField;
    for (std::size_t first = 0; first < items.size(); first += perTable) {
        const std::size_t count = std::min<std::size_t>(perTable, items.size() - first);
        // The table's data first, then the table: tables lie among the data.
        std::vector<std::uint64_t> offsets;
        std::vector<Bytes> stored;
        for (std::size_t i = first; i < first + count; ++i) {
            offsets.push_back(bytes.size());
            stored.push_back(items[i].compression == 1 ? Compress(items[i].bytes) : items[i].bytes);
            bytes.insert(bytes.end(), kDataHeader, 0xAB);
            bytes.insert(bytes.end(), stored.back().begin(), stored.back().end());
        }
        const std::uint64_t table = bytes.size();
        for (int i = 0; i < 8; ++i)
            bytes[link + i] = static_cast<std::uint8_t>(table >> (8 * i));
        Put32(bytes, static_cast<std::uint32_t>(count));
        link = bytes.size();
        Put64(bytes, 0);
        for (std::size_t slot = 0; slot < perTable; ++slot) {
            if (slot >= count) {
                bytes.insert(bytes.end(), 34, 0);
                continue;
            }
            const ContainerItem& item = items[first + slot];
            Put64(bytes, offsets[slot]);
            Put32(bytes, kDataHeader);
            Put32(bytes, static_cast<std::uint32_t>(stored[slot].size()));
            Put32(bytes, static_cast<std::uint32_t>(item.bytes.size()));
            Put64(bytes, NameHash(item.artIndex));
            Put32(bytes, 0x12345678);
            Put16(bytes, item.compression);
        }
    }
    return bytes;
}

std::vector<std::size_t> TableLinks(const Bytes& container)
{
    std::vector<std::size_t> links;
    std::uint64_t table = 0;
    for (int i = 0; i < 8; ++i)
        table |= std::uint64_t{container[kFirstTableField + i]} << (8 * i);
    while (table != 0) {
        links.push_back(table + 4);
        std::uint64_t next = 0;
        for (int i = 0; i < 8; ++i)
            next |= std::uint64_t{container[table + 4 + i]} << (8 * i);
        table = next;
    }
    return links;
}

} // namespace art_bytes
