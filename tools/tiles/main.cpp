// quarnel-tiles: export, import and compare the static tiles of tile-data files.
#include "TilesTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    return RunTilesTool({argv + 1, argv + argc}, std::cout, std::cerr);
}
