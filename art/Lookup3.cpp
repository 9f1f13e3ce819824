#include "Lookup3.h"

namespace {

constexpr std::uint32_t kInitialValue = 0xDEADBEEF;
constexpr std::size_t kBlockBytes = 12;

constexpr std::uint32_t Rotate(std::uint32_t x, int k)
{
    return (x << k) | (x >> (32 - k));
}

struct State {
    std::uint32_t a, b, c;

    // Mixes three words reversibly, so that each input bit reaches the others.
    void Mix()
    {
        a -= c; a ^= Rotate(c, 4);  c += b;
        b -= a; b ^= Rotate(a, 6);  a += c;
        c -= b; c ^= Rotate(b, 8);  b += a;
        a -= c; a ^= Rotate(c, 16); c += b;
        b -= a; b ^= Rotate(a, 19); a += c;
        c -= b; c ^= Rotate(b, 4);  b += a;
    }

    // The last mixing, after which c (and b) are the hashes.
    void Final()
    {
        c ^= b; c -= Rotate(b, 14);
        a ^= c; a -= Rotate(c, 11);
        b ^= a; b -= Rotate(a, 25);
        c ^= b; c -= Rotate(b, 16);
        a ^= c; a -= Rotate(c, 4);
        b ^= a; b -= Rotate(a, 14);
        c ^= b; c -= Rotate(b, 24);
    }

    // Adds up to 12 bytes as three little-endian words, missing bytes zero.
    void Add(const unsigned char* bytes, std::size_t count)
    {
        std::uint32_t* words[] = {&a, &b, &c};
        for (std::size_t i = 0; i < count; ++i)
            *words[i / 4] += std::uint32_t{bytes[i]} << (8 * (i % 4));
    }
};

} // namespace

Lookup3Hashes HashLittle2(std::string_view bytes, std::uint32_t primarySeed, std::uint32_t secondarySeed)
{
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t left = bytes.size();
    const std::uint32_t start = kInitialValue + static_cast<std::uint32_t>(left) + primarySeed;
    State state{start, start, start + secondarySeed};
    for (; left > kBlockBytes; left -= kBlockBytes, at += kBlockBytes) {
        state.Add(at, kBlockBytes);
        state.Mix();
    }
    // An empty input is not mixed at all; the last block, up to 12 bytes, ends with Final.
    if (left > 0) {
        state.Add(at, left);
        state.Final();
    }
    return {state.c, state.b};
}
