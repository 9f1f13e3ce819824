#pragma once

#include <cstdint>

// Numbers as the art files store them: little-endian, at any alignment.
inline std::uint16_t Read16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

inline std::uint32_t Read32(const std::uint8_t* bytes)
{
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

inline std::uint64_t Read64(const std::uint8_t* bytes)
{
    return Read32(bytes) | std::uint64_t{Read32(bytes + 4)} << 32;
}
