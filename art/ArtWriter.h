#pragma once

// Where a picture's bytes go in each form of the art files, and in what
// order: docs/file-formats.md, "Writing art".

#include "ArtEncoder.h"
#include "CFileException.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One tile's new art: a picture, or none.
struct ArtChange {
    std::uint32_t artIndex = 0;
    std::optional<ArtPixels> picture;  // nothing: the tile gets no art
};

// What writing a batch of art changes came to.
struct ArtWrite {
    enum class Result {
        kWritten,     // every change is in the files
        kNoArt,       // neither form of the art files lies beside the tile-data file
        kCannotHold,  // the art files cannot take the pictures as they are (`damage` says why); nothing was written
        kBadPicture,  // a change is no picture its art index can have (`damage` says why); nothing was written
        kRefused,     // `file` did not open (`error`); nothing was written
        kFileError,   // a read or write failed (`error`); what was written over is put back
    };
    Result result = Result::kWritten;
    std::string file;
    CFileException error;
    std::string damage;
    // After a failure, the files whose entries could not all be put back.
    std::vector<std::string> filesLeftChanged;
};

// Stores each change in the art beside the tile-data file at
// `tileDataPath`, all or nothing: every picture's bytes are appended
// first (to the art file, to the patch file for a tile whose art it
// replaces, or to the container), then the entries that point at them
// are rewritten in place, then the container's links and counts. No
// existing entry's bytes are written over and nothing is truncated, so a
// failure, or a crash before the entries, leaves every old picture
// readable. Each picture is checked with WhyNotStorable first; of two
// changes to one art index the later counts.
ArtWrite WriteArt(const std::string& tileDataPath, const std::vector<ArtChange>& changes);
