#include "SampleHues.h"

#include "LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kGroupHeaderSize = 4;
constexpr int kHuesPerGroup = 8;
constexpr int kColours = 32;
constexpr std::size_t kNameSize = 20;

struct SampleHue {
    const char* name;
    int red, green, blue;  // the lightest colour, 5 bits a channel
};

// A name now and then fills all 20 bytes, as real ones do.
constexpr SampleHue kHues[] = {
    {"Coal", 31, 31, 31},          {"Sample Red", 31, 4, 4},     {"Fire_Hue", 31, 20, 2},
    {"Leaf Green", 6, 28, 8},      {"Deep Sea Blue", 3, 10, 31}, {"Plum", 24, 8, 26},
    {"Bright Yellow Sunset", 31, 30, 6}, {"Ice", 20, 28, 31},
};

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, unsigned value)
{
    StoreLittleEndian(value, &bytes[at], 2);
}

} // namespace

std::vector<std::uint8_t> MakeSampleHueFile()
{
    constexpr std::size_t kEntrySize = 2 * kColours + 4 + kNameSize;
    constexpr std::size_t kGroupSize = kGroupHeaderSize + kHuesPerGroup * kEntrySize;
    std::vector<std::uint8_t> bytes(kSampleHueCount / kHuesPerGroup * kGroupSize);
    for (int h = 0; h < kSampleHueCount; ++h) {
        const std::size_t group = static_cast<std::size_t>(h / kHuesPerGroup);
        if (h % kHuesPerGroup == 0)
            StoreLittleEndian(0x5155 + group, &bytes[group * kGroupSize], 4);  // the header nobody reads
        const std::size_t at = group * kGroupSize + kGroupHeaderSize + static_cast<std::size_t>(h % kHuesPerGroup) * kEntrySize;
        const SampleHue& hue = kHues[h % std::size(kHues)];
        // Later rounds of the same eight are darker, and numbered in their names.
        const int round = h / static_cast<int>(std::size(kHues));
        for (int c = 0; c < kColours; ++c) {
            const auto scaled = [&](int channel) { return static_cast<unsigned>(channel * c / (kColours - 1) / (round + 1)); };
            Put16(bytes, at + 2 * c, scaled(hue.red) << 10 | scaled(hue.green) << 5 | scaled(hue.blue));
        }
        Put16(bytes, at + 2 * kColours, static_cast<unsigned>(h));
        Put16(bytes, at + 2 * kColours + 2, static_cast<unsigned>(h + 1));
        const std::string name = round == 0 ? hue.name : std::string(hue.name).substr(0, 16) + " " + std::to_string(round + 1);
        std::memcpy(&bytes[at + 2 * kColours + 4], name.data(), std::min(name.size(), kNameSize));
    }
    return bytes;
}
