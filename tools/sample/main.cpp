// quarnel-sample DIR: writes a made-up tile-data file and patch file into DIR.
#include "SampleGameFolder.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: quarnel-sample DIR\n";
        return 2;
    }
    try {
        WriteSampleGameFolder(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "quarnel-sample: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
