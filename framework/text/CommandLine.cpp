#include "CommandLine.h"

#ifdef _WIN32
#include "WideText.h"
#endif

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#endif

#ifdef _WIN32
std::vector<std::string> Utf8Arguments(int, char**)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

void UseBinaryStandardOutput()
{
    _setmode(_fileno(stdout), _O_BINARY);
}
#else
std::vector<std::string> Utf8Arguments(int argc, char** argv)
{
    if (argc < 1)
        return {};  // started without even its own name
    return {argv + 1, argv + argc};
}

void UseBinaryStandardOutput() {}
#endif
