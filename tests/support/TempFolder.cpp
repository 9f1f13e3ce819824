#include "TempFolder.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>

TempFolder::TempFolder()
{
    // A name nobody else has: create_directory makes only a folder that was not there.
    static std::mt19937_64 random{std::random_device{}()};
    for (;;) {
        char name[32];
        std::snprintf(name, sizeof name, "quarnel-%016llx", static_cast<unsigned long long>(random()));
        m_path = std::filesystem::temp_directory_path() / name;
        if (std::filesystem::create_directory(m_path))
            return;
    }
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
