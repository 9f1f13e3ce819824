#pragma once

// The two sample game files as a load, some edits and a save must leave
// them, worked out from the original bytes alone (see SampleLayout.h).

#include "SampleLayout.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace sample_layout {

class ExpectedFiles {
public:
    ExpectedFiles(std::vector<std::uint8_t> originalTileData, std::vector<std::uint8_t> originalVerData,
                  const Shape& fileShape = kClassic)
        : tileData(std::move(originalTileData)), verData(std::move(originalVerData)), shape(fileShape)
    {
        // Loading applies each replacement block in index order; saving
        // writes every entry back, so the tile-data file takes them all.
        for (const StaticPatch& patch : StaticPatches(verData, shape)) {
            if (patch.position + 4 + 32 * shape.entry <= verData.size())
                std::memcpy(&tileData[TileOffset(patch.FirstTile(), shape)], &verData[patch.position + 4],
                            32 * shape.entry);
        }
    }
    void Edit(int tile, std::size_t field, const std::vector<std::uint8_t>& bytes)
    {
        std::memcpy(&tileData[TileOffset(tile, shape) + field], bytes.data(), bytes.size());
    }
    // Every replacement block receives its tiles as the tile-data file holds them.
    std::vector<std::uint8_t> VerData() const
    {
        std::vector<std::uint8_t> bytes = verData;
        for (const StaticPatch& patch : StaticPatches(verData, shape)) {
            if (bytes.size() < patch.position + shape.block)
                bytes.resize(patch.position + shape.block);
            std::memcpy(&bytes[patch.position + 4], &tileData[TileOffset(patch.FirstTile(), shape)], 32 * shape.entry);
        }
        return bytes;
    }
    std::vector<std::uint8_t> tileData;

private:
    std::vector<std::uint8_t> verData;
    Shape shape;
};

} // namespace sample_layout
