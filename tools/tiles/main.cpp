// quarnel-tiles: export, import and compare the static tiles of tile-data files.
#include "CommandLine.h"
#include "TilesTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    UseBinaryStandardOutput();  // an export is the same bytes on every platform
    return RunTilesTool(Utf8Arguments(argc, argv), std::cout, std::cerr);
}
