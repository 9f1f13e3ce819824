// quarnel-sample DIR: writes a made-up tile-data file and patch file into DIR.
#include "CommandLine.h"
#include "PathParts.h"
#include "SampleGameFolder.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments = Utf8Arguments(argc, argv);
    if (arguments.size() != 1) {
        std::cerr << "usage: quarnel-sample DIR\n";
        return 2;
    }
    try {
        WriteSampleGameFolder(PathFromUtf8(arguments[0]));
    } catch (const std::exception& error) {
        std::cerr << "quarnel-sample: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
