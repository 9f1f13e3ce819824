#include "PendingPictures.h"

#include "ArtNumbering.h"

void PendingPictures::Replace(int tileId, ArtPixels pixels)
{
    std::vector<std::uint8_t> entry = EncodeArt(ArtIndexOfTile(tileId), pixels);
    m_pictures[tileId] = {std::move(pixels), std::move(entry)};
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
        changes.push_back({ArtIndexOfTile(tileId), picture.pixels});
    return changes;
}
