#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit statuses of quarnel-tiles.
enum TilesExit : int {
    kExitOk = 0,
    kExitDifferent = 1,  // diff: the files differ
    kExitUsage = 2,
    kExitBadInput = 3,   // import: a record is bad; nothing was written
    kExitFileError = 4,  // a game file or the input cannot be read or written
    kExitDamagedArt = 5, // art: some tiles' art is damaged; the others were written
};

// Runs one command line of quarnel-tiles (without the program name).
int RunTilesTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
