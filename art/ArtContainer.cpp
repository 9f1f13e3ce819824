#include "ArtContainer.h"

#include "LittleEndian.h"
#include "Lookup3.h"

#include <cstdio>

namespace {

constexpr std::uint32_t kMagic = 0x0050594D;  // "MYP\0"
constexpr std::uint32_t kVersions[] = {4, 5};
constexpr std::uint32_t kHeaderSize = 28;      // magic, version, signature, first table, capacity, file count
constexpr std::uint32_t kTableHeaderSize = kContainerTableHeaderSize;
constexpr std::uint32_t kEntrySize = kContainerEntrySize;

std::string Hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

ContainerEntry DecodeEntry(const std::uint8_t* bytes)
{
    ContainerEntry entry;
    const std::uint64_t offset = LoadLittleEndian64(bytes);
    const std::uint32_t headerSize = LoadLittleEndian32(bytes + 8);
    // An offset that would wrap round lies past any file's end.
    entry.dataOffset = offset > UINT64_MAX - headerSize ? UINT64_MAX : offset + headerSize;
    entry.storedSize = LoadLittleEndian32(bytes + 12);
    entry.size = LoadLittleEndian32(bytes + 16);
    entry.nameHash = LoadLittleEndian64(bytes + 20);
    // bytes 28..31: the data header's checksum, not needed to read the data
    entry.compression = LoadLittleEndian16(bytes + 32);
    return entry;
}

} // namespace

ContainerTables ReadContainerTables(ByteSource& source)
{
    ContainerTables tables;
    const std::uint64_t size = source.Size();
    if (size < kHeaderSize) {
        tables.damage = "the file is " + std::to_string(size) + " bytes, too short for the container's header";
        return tables;
    }
    const std::uint8_t* header = source.View(0, kHeaderSize).data();
    if (LoadLittleEndian32(header) != kMagic) {
        tables.damage = "the file does not start as a container (MYP)";
        return tables;
    }
    const std::uint32_t version = LoadLittleEndian32(header + 4);
    if (version != kVersions[0] && version != kVersions[1]) {
        tables.damage = "the container's version is " + std::to_string(version) + ", not 4 or 5";
        return tables;
    }
    std::uint64_t next = LoadLittleEndian64(header + 12);
    const std::uint32_t capacity = LoadLittleEndian32(header + 20);
    tables.capacity = capacity;
    tables.fileCount = LoadLittleEndian32(header + kContainerFileCountOffset);

    // Tables may not share bytes: entries beyond what the file could hold
    // apart mean the chain runs over itself, and would make the walk long.
    // So may tables: each takes its header and `capacity` entries, which
    // bounds how many the file has room for, and with it the walk.
    const std::uint64_t mostEntries = size / kEntrySize;
    const std::uint64_t mostTables = size / (kTableHeaderSize + std::uint64_t{capacity} * kEntrySize) + 1;
    // A loop is caught in steps of its own length, in constant memory: the
    // walk keeps one offset and compares each table with it, keeping a new
    // one each time the steps since the last reach a power of two.
    std::uint64_t kept = 0;
    std::uint64_t stepsSinceKept = 0;
    std::uint64_t keptAfter = 1;
    while (next != 0) {
        if (next == kept) {
            tables.damage = "the table chain loops back to offset " + Hex(next);
            return tables;
        }
        if (++stepsSinceKept == keptAfter) {
            kept = next;
            stepsSinceKept = 0;
            keptAfter *= 2;
        }
        if (static_cast<std::uint64_t>(tables.tableCount) >= mostTables) {
            tables.damage = "the table chain holds more tables than the file has room for";
            return tables;
        }
        if (next > size || size - next < kTableHeaderSize) {
            tables.damage = "a table at offset " + Hex(next) + " lies past the file's end";
            return tables;
        }
        const std::uint8_t* tableHeader = source.View(next, kTableHeaderSize).data();
        const std::uint32_t inUse = LoadLittleEndian32(tableHeader);
        const std::uint64_t following = LoadLittleEndian64(tableHeader + 4);
        if (inUse > capacity) {
            tables.damage = "the table at offset " + Hex(next) + " holds " + std::to_string(inUse) +
                            " entries, more than the " + std::to_string(capacity) + " a table has";
            return tables;
        }
        const std::uint64_t entriesAt = next + kTableHeaderSize;
        const std::uint64_t entriesSize = std::uint64_t{inUse} * kEntrySize;
        if (size - entriesAt < entriesSize) {
            tables.damage = "the table at offset " + Hex(next) + " reaches past the file's end";
            return tables;
        }
        if (tables.entries.size() + inUse > mostEntries || entriesSize > UINT32_MAX) {
            tables.damage = "the tables claim more entries than the file holds";
            return tables;
        }
        const std::uint8_t* bytes = source.View(entriesAt, static_cast<std::uint32_t>(entriesSize)).data();
        for (std::uint32_t i = 0; i < inUse; ++i) {
            const std::uint8_t* at = bytes + std::size_t{i} * kEntrySize;
            const std::uint64_t offset = entriesAt + std::uint64_t{i} * kEntrySize;
            if (LoadLittleEndian64(at) == 0) {  // an unused slot is all zero
                tables.freeSlots.push_back(offset);
                continue;
            }
            tables.entries.push_back(DecodeEntry(at));
            tables.entries.back().at = offset;
        }
        tables.tables.push_back({next, inUse});
        ++tables.tableCount;
        next = following;
    }
    return tables;
}

std::uint64_t ArtEntryNameHash(std::uint32_t artIndex)
{
    char name[40];
    const int length = std::snprintf(name, sizeof name, "build/artlegacymul/%08u.tga", artIndex);
    const Lookup3Hashes hashes = HashLittle2(std::string_view(name, static_cast<std::size_t>(length)));
    return std::uint64_t{hashes.secondary} << 32 | hashes.primary;
}
