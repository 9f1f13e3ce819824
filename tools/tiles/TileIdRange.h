#pragma once

#include <iosfwd>
#include <optional>
#include <string>

struct ToolCommand;

// A range of tile ids, both ends included.
struct TileIdRange {
    int first = 0;
    int last = 0;

    // "0000-3FFF".
    std::string Text() const;
};

// The range a command's --ids value asks for among the `count` tiles in
// use: one hex id ("0005") or a range of two ("0000-00FF") whose first is
// not past its last, or every tile when `ids` is empty. Nothing, after the
// command's line telling what --ids takes, when the value is neither or
// reaches past the tiles in use.
std::optional<TileIdRange> IdsWithin(const std::string& ids, int count, const ToolCommand& command,
                                     std::ostream& err);
