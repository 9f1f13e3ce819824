#pragma once

#include "CFileException.h"

// Why a store operation could not open its file: the caller reports it.
struct FileOpenFailure {
    enum class Reason {
        kCannotOpen,           // missing, held by another open, a folder, ...: see cause
        kNewerTileDataLayout,  // a tile-data file with 64-bit flags, which this layout would garble
    };
    Reason reason = Reason::kCannotOpen;
    CFileException cause;
};
