#include "TileDataLayout.h"

#include <algorithm>

namespace {

bool IsWholeStaticBlocks(const TileDataLayout& layout, std::uint64_t fileSize, std::uint64_t leastBlocks)
{
    const TileSectionShape& statics = layout.statics;
    return fileSize >= statics.offset + leastBlocks * statics.blockSize &&
           (fileSize - statics.offset) % statics.blockSize == 0;
}

} // namespace

const TileDataLayout* FindTileDataLayout(std::string_view name)
{
    for (const TileDataLayout* layout : kTileDataLayouts)
        if (layout->name == name)
            return layout;
    return nullptr;
}

const TileDataLayout& TileDataLayoutOfSize(std::uint64_t fileSize)
{
    if (IsWholeStaticBlocks(kNewerLayout, fileSize, 1) && !IsWholeStaticBlocks(kClassicLayout, fileSize, 0))
        return kNewerLayout;
    return kClassicLayout;
}

int TilesInUse(const TileSectionShape& shape, std::uint64_t fileSize, int least, int most)
{
    const std::uint64_t blocks = fileSize > shape.offset ? (fileSize - shape.offset) / shape.blockSize : 0;
    const std::uint64_t tiles = std::min<std::uint64_t>(blocks * kTilesPerBlock, static_cast<std::uint64_t>(most));
    return static_cast<int>(std::max<std::uint64_t>(tiles, static_cast<std::uint64_t>(least)));
}

int StaticTilesInUse(const TileDataLayout& layout, std::uint64_t fileSize)
{
    return TilesInUse(layout.statics, fileSize, kMinStaticTileCount, kMaxStaticTileCount);
}
