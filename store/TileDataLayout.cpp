#include "TileDataLayout.h"

#include <algorithm>

namespace {

bool IsWholeStaticBlocks(const TileDataLayout& layout, std::uint64_t fileSize, std::uint64_t leastBlocks)
{
    return fileSize >= layout.landSectionSize + leastBlocks * layout.staticBlockSize &&
           (fileSize - layout.landSectionSize) % layout.staticBlockSize == 0;
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

int StaticTilesInUse(const TileDataLayout& layout, std::uint64_t fileSize)
{
    const std::uint64_t blocks =
        fileSize > layout.landSectionSize ? (fileSize - layout.landSectionSize) / layout.staticBlockSize : 0;
    const std::uint64_t tiles = std::min<std::uint64_t>(blocks * kTilesPerBlock, kMaxStaticTileCount);
    return static_cast<int>(std::max<std::uint64_t>(tiles, kMinStaticTileCount));
}
