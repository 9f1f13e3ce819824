#pragma once

// The container's bytes, and what a damaged one does: docs/file-formats.md, "Art container".

#include "ByteSource.h"

#include <cstdint>
#include <string>
#include <vector>

// The art container of later clients: a header, then tables of entries
// chained one to the next, each entry naming its data by offset and its
// name by hash.
inline constexpr char kArtContainerName[] = "artLegacyMUL.uop";

inline constexpr std::uint32_t kContainerFileCountOffset = 24;
inline constexpr std::uint32_t kContainerTableHeaderSize = 12;  // entries in use, next table
inline constexpr std::uint32_t kContainerEntrySize = 34;

struct ContainerEntry {
    std::uint64_t dataOffset = 0;  // past the entry's data header
    std::uint32_t storedSize = 0;
    std::uint32_t size = 0;        // when inflated
    std::uint64_t nameHash = 0;
    std::uint16_t compression = 0;
    std::uint64_t at = 0;          // where the entry's own 34 bytes lie in the file
};

struct ContainerTable {
    std::uint64_t offset = 0;
    std::uint32_t inUse = 0;
};

struct ContainerTables {
    std::vector<ContainerEntry> entries;  // in table order, unused slots left out
    int tableCount = 0;
    std::string damage;  // when not empty: why the tables cannot be read (entries holds what came before)
    // What a writer needs besides: every table of the chain in order, the
    // entries a table may hold, the unused slots within the tables' counts
    // (in chain order), and the header's count of files.
    std::vector<ContainerTable> tables;
    std::uint32_t capacity = 0;
    std::vector<std::uint64_t> freeSlots;
    std::uint32_t fileCount = 0;
};

// Reads the header and every table of the chain. A wrong header, a table
// past the end, a chain that loops or tables that claim more entries than
// the file holds make the container damaged; the walk never reads outside
// the source and always ends.
ContainerTables ReadContainerTables(ByteSource& source);

// The name hash by which the container holds art index `artIndex`.
std::uint64_t ArtEntryNameHash(std::uint32_t artIndex);
