#pragma once

// Numbers as the game files hold them: little-endian whatever the machine,
// in as many bytes as the field has. The one place that spells the order out.

#include <cstddef>
#include <cstdint>
#include <vector>

// The number held by the `width` bytes at `bytes`.
constexpr std::uint64_t LoadLittleEndian(const std::uint8_t* bytes, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= std::uint64_t{bytes[i]} << (8 * i);
    return value;
}

// Byte `i` of `value` as the files hold it: the lowest first.
constexpr std::uint8_t LittleEndianByte(std::uint64_t value, std::size_t i)
{
    return static_cast<std::uint8_t>(value >> (8 * i));
}

// Puts the low `width` bytes of `value` at `bytes`.
constexpr void StoreLittleEndian(std::uint64_t value, std::uint8_t* bytes, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        bytes[i] = LittleEndianByte(value, i);
}

constexpr std::uint32_t LoadLittleEndian32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(LoadLittleEndian(bytes, sizeof(std::uint32_t)));
}

constexpr void StoreLittleEndian32(std::uint32_t value, std::uint8_t* bytes)
{
    StoreLittleEndian(value, bytes, sizeof(std::uint32_t));
}

constexpr std::uint16_t LoadLittleEndian16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(LoadLittleEndian(bytes, sizeof(std::uint16_t)));
}

constexpr std::uint64_t LoadLittleEndian64(const std::uint8_t* bytes)
{
    return LoadLittleEndian(bytes, sizeof(std::uint64_t));
}

// Adds the low `width` bytes of `value` at the end of `bytes`.
inline void AppendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint64_t value, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        bytes.push_back(LittleEndianByte(value, i));
}
