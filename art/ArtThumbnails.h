#pragma once

#include "ArtFolder.h"
#include "ArtImage.h"
#include "ArtPalette.h"
#include "HueTable.h"
#include "TileFlags.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The side of a cell in a grid of tile pictures.
inline constexpr int kThumbnailSide = 44;

// The smallest whole factor k by which a picture of `width` x `height`
// fits in `side` x `side`: ceil(max(width, height) / side), and 1 for a
// picture that already fits (a picture is never enlarged).
int ShrinkFactor(int width, int height, int side = kThumbnailSide);

// The picture shrunk by ShrinkFactor k, never blurred: each pixel of the
// result is one pixel of the source, the centre of its k x k block (of the
// part of the block inside the picture, for the last row and column of
// blocks), so that a pixel the game draws stays whole. The result is
// ceil(width / k) x ceil(height / k). A picture that fits comes back as it
// is. `out` keeps its buffer for the next picture.
void ShrinkToFitInto(const ArtImage& image, int side, ArtImage& out);
ArtImage ShrinkToFit(const ArtImage& image, int side = kThumbnailSide);

// The static tiles' pictures shrunk to fit a cell, decoded when first
// asked for and kept, the least recently used dropped first while they
// take more than a budget of memory. Each file of the art is opened once,
// for as long as the cache lives; the folder must outlive it.
class ArtThumbnails {
public:
    // The memory counted for each picture kept, beside its pixels: its
    // slot's share of the bookkeeping.
    static constexpr std::size_t kEntryOverheadBytes = 128;
    static constexpr std::size_t kDefaultBudgetBytes = std::size_t{64} << 20;
    // Tile ids are 16-bit.
    static constexpr int kTileIds = 0x10000;

    explicit ArtThumbnails(const ArtFolder& folder, std::size_t budgetBytes = kDefaultBudgetBytes,
                           int side = kThumbnailSide);

    // What a tile's cell shows. `image` and `reason` stay valid until the
    // next call that changes the cache (Get, SetHue, Clear).
    struct Thumbnail {
        ArtResult::Kind kind = ArtResult::Kind::kNoArt;
        const ArtImage* image = nullptr;  // for kImage
        std::string_view reason;          // for kDamaged
        int width = 0, height = 0;        // for kImage: the whole picture's size, before shrinking
    };
    // Static tile `tileId`'s picture, drawn through the hue set, the
    // partial hue for a tile whose `flags` have Partial Hue. A tile without
    // art is never decoded nor kept.
    Thumbnail Get(int tileId, TileFlags flags = 0);

    // Draws every picture from now on through `hue` (none for nullptr),
    // which must outlive the cache or the next SetHue; the pictures kept
    // were drawn through the last one, so they are dropped.
    void SetHue(const Hue* hue);
    // Drops every picture kept.
    void Clear();

    // The memory the pictures kept take: their pixels' buffers, their
    // reasons and kEntryOverheadBytes each. At most the budget, but for one
    // picture larger than the whole budget, kept while it is the latest.
    // The table of a slot per tile id (some 6 MB) is there whatever is kept.
    std::size_t MemoryBytes() const { return m_bytes; }
    std::size_t BudgetBytes() const { return m_budget; }
    int CachedCount() const { return m_cached; }
    // Whether tile `tileId`'s picture is kept, without touching its place in line.
    bool IsCached(int tileId) const;

private:
    static constexpr int kNoSlot = -1;
    struct Slot {
        ArtImage image;
        std::string reason;
        ArtResult::Kind kind = ArtResult::Kind::kNoArt;
        int width = 0, height = 0;  // the whole picture's
        bool cached = false;
        bool partialHue = false;  // the palette it was drawn with
        int newer = kNoSlot, older = kNoSlot;  // the line of use, newest first
    };

    std::size_t SlotBytes(const Slot& slot) const;
    void Unlink(int tileId);
    void LinkNewest(int tileId);
    void Drop(int tileId);
    void Fill(int tileId, bool partialHue);
    Thumbnail View(const Slot& slot) const;

    const ArtFolder& m_folder;
    ArtFolder::Reader m_reader;
    std::size_t m_budget;
    int m_side;
    const Hue* m_hue = nullptr;
    TileHuePalettes m_palettes;
    ArtResult m_decoded;  // every picture is decoded into this one first
    std::vector<Slot> m_slots;
    int m_newest = kNoSlot, m_oldest = kNoSlot;
    std::size_t m_bytes = 0;
    int m_cached = 0;
};
