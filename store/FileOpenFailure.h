#pragma once

#include "CFileException.h"

// Why a store operation could not open its file: the caller reports it.
struct FileOpenFailure {
    enum class Reason {
        kCannotOpen,           // missing, held by another open, a folder, ...: see cause
        kLayoutChanged,        // the tile-data file's size now says another layout than the table was loaded from
    };
    Reason reason = Reason::kCannotOpen;
    CFileException cause;
};
