#pragma once

#include <cstdint>
#include <string_view>

// Bob Jenkins' lookup3 hash, hashlittle2: two 32-bit hashes of the bytes
// at once, each seeded by one of the initial values. The art container
// finds its entries by it.
struct Lookup3Hashes {
    std::uint32_t primary;    // lookup3's *pc
    std::uint32_t secondary;  // lookup3's *pb
};
Lookup3Hashes HashLittle2(std::string_view bytes, std::uint32_t primarySeed = 0, std::uint32_t secondarySeed = 0);
