#include "PendingPictures.h"

#include "ArtDecoder.h"
#include "ArtNumbering.h"

namespace {

std::uint32_t StaticArtIndex(int tileId)
{
    return kFirstStaticArtIndex + static_cast<std::uint32_t>(tileId);
}

} // namespace

void PendingPictures::Replace(int tileId, ArtPixels pixels)
{
    // Shown as the reader decodes the entry that Save will write, so the
    // window shows no colour the files will not hold.
    const std::uint32_t artIndex = StaticArtIndex(tileId);
    ArtImage shown = DecodeArt(artIndex, EncodeArt(artIndex, pixels)).image;
    m_pictures[tileId] = {std::move(pixels), std::move(shown)};
}

void PendingPictures::Remove(int tileId)
{
    m_pictures[tileId] = {};
}

void PendingPictures::Forget(int tileId)
{
    m_pictures.erase(tileId);
}

void PendingPictures::Clear()
{
    m_pictures.clear();
}

const PendingPictures::Picture* PendingPictures::Find(int tileId) const
{
    const auto found = m_pictures.find(tileId);
    return found == m_pictures.end() ? nullptr : &found->second;
}

std::vector<ArtChange> PendingPictures::Changes() const
{
    std::vector<ArtChange> changes;
    changes.reserve(m_pictures.size());
    for (const auto& [tileId, picture] : m_pictures)
        changes.push_back({StaticArtIndex(tileId), picture.pixels});
    return changes;
}
