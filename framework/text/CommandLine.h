#pragma once

#include <string>
#include <vector>

// What a command-line program needs of the platform: its arguments as UTF-8
// (on Windows, from the wide command line, whatever the system's code
// page), and standard output that passes bytes through as they are (on
// Windows it would otherwise turn each "\n" into "\r\n").
std::vector<std::string> Utf8Arguments(int argc, char** argv);
void UseBinaryStandardOutput();
