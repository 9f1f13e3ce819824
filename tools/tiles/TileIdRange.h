#pragma once

#include <optional>
#include <string>
#include <string_view>

// A range of tile ids, both ends included.
struct TileIdRange {
    int first = 0;
    int last = 0;

    // "0000-3FFF".
    std::string Text() const;
};

// One hex id ("0005") or a range of two ("0000-00FF") whose first is not
// past its last; nothing otherwise. Whether a file has those tiles is the
// caller's to check.
std::optional<TileIdRange> ParseTileIdRange(std::string_view text);
