#pragma once

// Checks the program against docs/file-formats.md, "Art index and art file".

#include "TempFolder.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Writes the index + art file form of a game folder's art, for tests: an
// encoder of its own, apart from the reader under test.
struct TestStaticArt {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> pixels;  // 15-bit colours, row by row; 0 is transparent
};

// A static entry of `width` x `height` whose every row is one run of
// `runLength` pixels from x = `runStart`, pixel (x, y) of the 15-bit
// colour colour(x, y); then the end of the row: 2 + runLength + 2 words a
// row, so the row table reaches no further than 65,535 words.
template <typename Colour>
std::vector<std::uint8_t> StaticEntryOfOneRunARow(int width, int height, int runStart, int runLength, Colour colour)
{
    std::vector<std::uint8_t> entry;
    auto word = [&](unsigned value) {
        entry.push_back(static_cast<std::uint8_t>(value));
        entry.push_back(static_cast<std::uint8_t>(value >> 8));
    };
    word(0), word(0);  // the header nobody reads
    word(static_cast<unsigned>(width)), word(static_cast<unsigned>(height));
    for (int y = 0; y < height; ++y)
        word(static_cast<unsigned>(y * (runLength + 4)));
    for (int y = 0; y < height; ++y) {
        word(static_cast<unsigned>(runStart)), word(static_cast<unsigned>(runLength));
        for (int x = runStart; x < runStart + runLength; ++x)
            word(static_cast<unsigned>(colour(x, y)));
        word(0), word(0);
    }
    return entry;
}

class TestArtFiles {
public:
    // Each row one run of the whole width.
    void AddStatic(int tileId, const TestStaticArt& art)
    {
        AddStaticEntry(tileId, StaticEntryOfOneRunARow(art.width, art.height, 0, art.width, [&](int x, int y) {
                           return art.pixels[static_cast<std::size_t>(y) * art.width + x];
                       }));
    }
    // A static tile's entry bytes as they are.
    void AddStaticEntry(int tileId, const std::vector<std::uint8_t>& entry)
    {
        m_entries[kFirstStatic + tileId] = {m_art.size(), entry.size()};
        m_art.insert(m_art.end(), entry.begin(), entry.end());
    }
    // An entry whose bytes reach past the end of the art file.
    void AddCutShort(int tileId) { m_cutShort = kFirstStatic + tileId; }

    // artidx.mul and art.mul into `folder`; every index not added has no art.
    void Write(const std::string& folder) const
    {
        std::vector<std::uint8_t> index;
        const int count = kFirstStatic + 0x4000;
        for (int i = 0; i < count; ++i) {
            std::int32_t lookup = -1, length = 0;
            if (const auto found = m_entries.find(i); found != m_entries.end())
                lookup = static_cast<std::int32_t>(found->second.first), length = static_cast<std::int32_t>(found->second.second);
            if (i == m_cutShort)
                lookup = static_cast<std::int32_t>(m_art.size()) - 4, length = 400;
            for (const std::int32_t value : {lookup, length, 0})
                for (int shift = 0; shift < 32; shift += 8)
                    index.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
        }
        WriteFileBytes(folder + "/artidx.mul", index);
        WriteFileBytes(folder + "/art.mul", m_art);
    }

private:
    static constexpr int kFirstStatic = 0x4000;
    std::map<int, std::pair<std::size_t, std::size_t>> m_entries;
    std::vector<std::uint8_t> m_art;
    int m_cutShort = -1;
};

