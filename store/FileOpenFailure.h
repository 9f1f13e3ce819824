#pragma once

#include "CFileException.h"

#include <string>

// Why a store operation could not open its file: the caller reports it.
struct FileOpenFailure {
    enum class Reason {
        kCannotOpen,           // missing, held by another open, a folder, ...: see cause
        kLayoutChanged,        // the tile-data file's size now says another layout than the table was loaded from
        kNotReadAtLoad,        // the patch file: the load did not read it, so its blocks are not the table's to write
    };
    Reason reason = Reason::kCannotOpen;
    CFileException cause;

    // The words that follow the caller's own message on a line of their
    // own: the system's reason, or what the store found. Empty when there
    // is nothing to add to the message.
    std::string Why() const
    {
        switch (reason) {
        case Reason::kCannotOpen: return cause.GetSystemReason();
        case Reason::kLayoutChanged: return "The file's size now says another layout than the one it was loaded in.";
        case Reason::kNotReadAtLoad: break;
        }
        return {};
    }
};
