#include "CommandLine.h"

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
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, utf8.data(), size, nullptr, nullptr);
        arguments.push_back(std::move(utf8));
    }
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
    return {argv + 1, argv + argc};
}

void UseBinaryStandardOutput() {}
#endif
