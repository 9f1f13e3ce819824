#include "FieldByFieldStore.h"

#include "CFile.h"
#include "TileFileLayout.h"
#include "VerDataFile.h"

#include <bit>
#include <cstdint>

static_assert(std::endian::native == std::endian::little, "reads fields straight into memory");

namespace {

// The fields after the flag word, which is the layout's width.
template <typename Transfer>
void ForEachFieldAfterFlags(StaticTileEntry& e, Transfer&& transfer)
{
    transfer(&e.weight, 1);
    transfer(&e.layer, 1);
    transfer(&e.unknown1, 2);
    transfer(&e.unknown2, 1);
    transfer(&e.tileClass, 1);
    transfer(&e.gump, 2);
    transfer(&e.unknown3, 1);
    transfer(&e.hue, 1);
    transfer(&e.unknown4, 1);
    transfer(&e.unknown5, 1);
    transfer(&e.height, 1);
    transfer(e.name.data(), 20);
}

void ReadEntry(CFile& file, StaticTileEntry& entry, const TileDataLayout& layout, bool patched)
{
    // A whole narrower flag word is the number it holds; a cut one replaces its leading bytes.
    TileFlags flags = entry.flags;
    if (file.Read(&flags, layout.flagsSize) == layout.flagsSize)
        flags &= layout.FlagsMask();
    entry.flags = flags;
    ForEachFieldAfterFlags(entry, [&](void* field, std::uint32_t width) { file.Read(field, width); });
    entry.patched = patched;
}

void WriteEntry(CFile& file, const StaticTileEntry& entry, const TileDataLayout& layout)
{
    file.Write(&entry.flags, layout.flagsSize);
    ForEachFieldAfterFlags(const_cast<StaticTileEntry&>(entry),
                           [&](void* field, std::uint32_t width) { file.Write(field, width); });
}

constexpr unsigned kReadMode = CFile::modeRead | CFile::shareExclusive | CFile::typeBinary;
constexpr unsigned kWriteMode = CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary;

// Walks the index as the patch loader does, one entry at a time, seeking
// back after each block; blocks outside the table or wrapping round are skipped.
template <typename Visit>
void WalkIndex(CFile& file, const StaticTileTable& table, Visit&& visit)
{
    std::uint32_t count = 0;
    file.Read(&count, 4);
    for (std::uint32_t k = 0; k < count; ++k) {
        VerDataIndexEntry entry;
        if (file.Read(&entry, sizeof entry) < sizeof entry)
            return;
        if (entry.fileId != kTileDataFileId || entry.block < kFirstStaticBlockNumber ||
            entry.block >= kFirstStaticBlockNumber + table.BlockCount() || entry.position > UINT32_MAX - 4)
            continue;
        const std::uint64_t back = file.GetPosition();
        file.Seek(static_cast<std::int32_t>(entry.position + 4), CFile::begin);
        const int firstTile = static_cast<int>(entry.block - kFirstStaticBlockNumber) * kTilesPerBlock;
        for (int slot = 0; slot < kTilesPerBlock; ++slot)
            visit(firstTile + slot);
        file.Seek(static_cast<std::int64_t>(back), CFile::begin);
    }
}

} // namespace

bool FieldByFieldLoadTileData(StaticTileTable& table, const std::string& path)
{
    CFile file;
    if (!file.Open(path, kReadMode))
        return false;
    table.layout = &TileDataLayoutOfSize(file.GetLength());
    table.count = StaticTilesInUse(*table.layout, file.GetLength());
    file.Seek(table.layout->statics.offset, CFile::begin);
    for (int block = 0; block < table.BlockCount(); ++block) {
        file.Seek(kBlockHeaderSize, CFile::current);
        for (int slot = 0; slot < kTilesPerBlock; ++slot)
            ReadEntry(file, table[block * kTilesPerBlock + slot], *table.layout, false);
    }
    file.Close();
    return true;
}

bool FieldByFieldSaveTileData(const StaticTileTable& table, const std::string& path)
{
    CFile file;
    if (!file.Open(path, kWriteMode))
        return false;
    file.Seek(table.layout->statics.offset, CFile::begin);
    for (int block = 0; block < table.BlockCount(); ++block) {
        file.Seek(kBlockHeaderSize, CFile::current);
        for (int slot = 0; slot < kTilesPerBlock; ++slot)
            WriteEntry(file, table[block * kTilesPerBlock + slot], *table.layout);
    }
    file.Close();
    return true;
}

bool FieldByFieldLoadVerData(StaticTileTable& table, const std::string& path)
{
    CFile file;
    if (!file.Open(path, kReadMode))
        return false;
    WalkIndex(file, table, [&](int tile) { ReadEntry(file, table[tile], *table.layout, true); });
    file.Close();
    return true;
}

bool FieldByFieldSaveVerData(const StaticTileTable& table, const std::string& path)
{
    CFile file;
    if (!file.Open(path, kWriteMode))
        return false;
    WalkIndex(file, table, [&](int tile) { WriteEntry(file, table[tile], *table.layout); });
    file.Close();
    return true;
}
