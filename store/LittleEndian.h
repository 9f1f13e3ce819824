#pragma once

// Numbers as the game files hold them: little-endian whatever the machine,
// in as many bytes as the field has. The one place that spells the order out.

#include <cstddef>
#include <cstdint>

// The number held by the `width` bytes at `bytes`.
constexpr std::uint64_t LoadLittleEndian(const std::uint8_t* bytes, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= std::uint64_t{bytes[i]} << (8 * i);
    return value;
}

// Puts the low `width` bytes of `value` at `bytes`.
constexpr void StoreLittleEndian(std::uint64_t value, std::uint8_t* bytes, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

constexpr std::uint32_t LoadLittleEndian32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(LoadLittleEndian(bytes, sizeof(std::uint32_t)));
}

constexpr void StoreLittleEndian32(std::uint32_t value, std::uint8_t* bytes)
{
    StoreLittleEndian(value, bytes, sizeof(std::uint32_t));
}
