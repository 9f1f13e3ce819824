#include "ArtThumbnails.h"

#include "ArtNumbering.h"

#include <algorithm>
#include <cstring>

int ShrinkFactor(int width, int height, int side)
{
    const int longest = std::max(width, height);
    return longest <= side ? 1 : (longest + side - 1) / side;
}

namespace {

// The source pixel that stands for block `block` of `k` pixels along a side
// of `length`: the middle of the block's part inside the picture.
int BlockCentre(int block, int k, int length)
{
    const int first = block * k;
    return first + (std::min(k, length - first) - 1) / 2;
}

} // namespace

void ShrinkToFitInto(const ArtImage& image, int side, ArtImage& out)
{
    const int k = ShrinkFactor(image.width, image.height, side);
    if (k == 1) {
        out.width = image.width;
        out.height = image.height;
        out.rgba.assign(image.rgba.begin(), image.rgba.end());
        return;
    }
    out.width = (image.width + k - 1) / k;
    out.height = (image.height + k - 1) / k;
    out.rgba.resize(std::size_t(out.width) * out.height * kArtBytesPerPixel);
    std::uint8_t* target = out.rgba.data();
    for (int y = 0; y < out.height; ++y) {
        const std::uint8_t* row =
            &image.rgba[std::size_t(BlockCentre(y, k, image.height)) * image.width * kArtBytesPerPixel];
        for (int x = 0; x < out.width; ++x, target += kArtBytesPerPixel)
            std::memcpy(target, row + std::size_t(BlockCentre(x, k, image.width)) * kArtBytesPerPixel,
                        kArtBytesPerPixel);
    }
}

ArtImage ShrinkToFit(const ArtImage& image, int side)
{
    ArtImage shrunk;
    ShrinkToFitInto(image, side, shrunk);
    return shrunk;
}

ArtThumbnails::ArtThumbnails(const ArtFolder& folder, std::size_t budgetBytes, int side)
    : m_folder(folder), m_reader(folder), m_budget(budgetBytes), m_side(side), m_slots(kTileIds)
{
}

bool ArtThumbnails::IsCached(int tileId) const
{
    return tileId >= 0 && tileId < kTileIds && m_slots[static_cast<std::size_t>(tileId)].cached;
}

ArtThumbnails::Thumbnail ArtThumbnails::Get(int tileId, TileFlags flags)
{
    if (tileId < 0 || tileId >= kTileIds || !m_folder.HasArt(ArtIndexOfTile(tileId, false)))
        return {};
    // Without a hue both palettes are the plain one.
    const bool partialHue = m_hue && (flags & TileFlag::kPartialHue) != 0;
    Slot& slot = m_slots[static_cast<std::size_t>(tileId)];
    if (slot.cached && slot.partialHue == partialHue) {
        if (m_newest != tileId) {
            Unlink(tileId);
            LinkNewest(tileId);
        }
        return View(slot);
    }
    if (slot.cached)
        Drop(tileId);
    Fill(tileId, partialHue);
    // The oldest go until the rest fit, the picture just made staying.
    while (m_bytes > m_budget && m_oldest != tileId)
        Drop(m_oldest);
    return View(slot);
}

void ArtThumbnails::Fill(int tileId, bool partialHue)
{
    Slot& slot = m_slots[static_cast<std::size_t>(tileId)];
    m_reader.DecodeInto(ArtIndexOfTile(tileId, false),
                        m_palettes.For(partialHue ? TileFlag::kPartialHue : TileFlags{0}), m_decoded);
    slot.kind = m_decoded.kind;
    slot.reason = m_decoded.reason;
    slot.width = m_decoded.image.width;
    slot.height = m_decoded.image.height;
    if (m_decoded.kind == ArtResult::Kind::kImage)
        ShrinkToFitInto(m_decoded.image, m_side, slot.image);
    slot.partialHue = partialHue;
    slot.cached = true;
    ++m_cached;
    m_bytes += SlotBytes(slot);
    LinkNewest(tileId);
}

ArtThumbnails::Thumbnail ArtThumbnails::View(const Slot& slot) const
{
    if (slot.kind == ArtResult::Kind::kImage)
        return {slot.kind, &slot.image, {}, slot.width, slot.height};
    return {slot.kind, nullptr, slot.reason};
}

std::size_t ArtThumbnails::SlotBytes(const Slot& slot) const
{
    return kEntryOverheadBytes + slot.image.rgba.capacity() + slot.reason.size();
}

void ArtThumbnails::Unlink(int tileId)
{
    Slot& slot = m_slots[static_cast<std::size_t>(tileId)];
    if (slot.newer != kNoSlot)
        m_slots[static_cast<std::size_t>(slot.newer)].older = slot.older;
    else
        m_newest = slot.older;
    if (slot.older != kNoSlot)
        m_slots[static_cast<std::size_t>(slot.older)].newer = slot.newer;
    else
        m_oldest = slot.newer;
    slot.newer = slot.older = kNoSlot;
}

void ArtThumbnails::LinkNewest(int tileId)
{
    Slot& slot = m_slots[static_cast<std::size_t>(tileId)];
    slot.newer = kNoSlot;
    slot.older = m_newest;
    if (m_newest != kNoSlot)
        m_slots[static_cast<std::size_t>(m_newest)].newer = tileId;
    m_newest = tileId;
    if (m_oldest == kNoSlot)
        m_oldest = tileId;
}

void ArtThumbnails::Drop(int tileId)
{
    Slot& slot = m_slots[static_cast<std::size_t>(tileId)];
    Unlink(tileId);
    m_bytes -= SlotBytes(slot);
    --m_cached;
    // The memory goes back, not only the picture.
    slot = Slot{};
}

void ArtThumbnails::SetHue(const Hue* hue)
{
    Clear();
    m_hue = hue;
    m_palettes = TileHuePalettes(hue);
}

void ArtThumbnails::Clear()
{
    while (m_newest != kNoSlot)
        Drop(m_newest);
}
