#pragma once

#include "ArtEncoder.h"
#include "ArtWriter.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// The static tiles' pictures given in the Tile Art window since the last
// Load or Save: by tile, a new picture or none (its art removed). They
// reach the art files only when the editor saves.
class PendingPictures {
public:
    struct Picture {
        std::optional<ArtPixels> pixels;  // nothing: the tile's art is removed
        // The picture's art entry, for the window to draw it as the art
        // files will give it back once written.
        std::vector<std::uint8_t> entry;
    };

    // `pixels` must be storable as the tile's (WhyNotStorable).
    void Replace(int tileId, ArtPixels pixels);
    void Remove(int tileId);
    // The tile goes back to the art the files hold.
    void Forget(int tileId);
    void Clear();

    // The tile's pending picture, or null when it has none.
    const Picture* Find(int tileId) const;
    bool IsEmpty() const { return m_pictures.empty(); }
    // What the editor's Save writes, in one batch.
    std::vector<ArtChange> Changes() const;

private:
    std::map<int, Picture> m_pictures;
};
