#pragma once

// The hue table: docs/file-formats.md, "Hue table".

#include "ByteSource.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

inline constexpr char kHueFileName[] = "hues.mul";
inline constexpr std::size_t kHueGroupSize = 708;
inline constexpr std::size_t kHueGroupHeaderSize = 4;
inline constexpr std::size_t kHueEntrySize = 88;
inline constexpr int kHuesPerGroup = 8;
inline constexpr int kHueColourCount = 32;
inline constexpr std::size_t kHueNameSize = 20;
// The id by which the patch file names the hue table.
inline constexpr std::uint32_t kHueFileId = 32;

// One hue: the 16-bit colours that a pixel's red bits pick, the two table
// numbers (not used for drawing), and its name in the Western code page,
// up to its first zero byte.
struct Hue {
    std::array<std::uint16_t, kHueColourCount> colours{};
    std::uint16_t tableStart = 0;
    std::uint16_t tableEnd = 0;
    std::string name;
};

// The hues of hues.mul's bytes: every whole group's eight, in file order;
// bytes after the last whole group are not a hue.
std::vector<Hue> ReadHues(std::span<const std::uint8_t> bytes);

// The hue table beside a tile-data file, read once, read-only and never
// locked; the file's name matched in any letter case.
class HueTable {
public:
    static HueTable Load(const std::string& tileDataPath);
    static HueTable FromHues(std::vector<Hue> hues) { return HueTable({}, {}, std::move(hues)); }

    // The file read, as opened; empty when there is none.
    const std::string& File() const { return m_file; }
    // Why the file could not be read (its path and the cause); empty when it could.
    const std::string& Failure() const { return m_failure; }
    // Hue numbers run from 1 to Count(); 0 is no hue. A missing, empty or
    // unreadable file holds none.
    int Count() const { return static_cast<int>(m_hues.size()); }
    bool Holds(int number) const { return number >= 1 && number <= Count(); }
    // Hue `number`, 1 .. Count(): entry number - 1 of the file.
    const Hue& operator[](int number) const { return m_hues[static_cast<std::size_t>(number - 1)]; }

private:
    HueTable(std::string file, std::string failure, std::vector<Hue> hues)
        : m_file(std::move(file)), m_failure(std::move(failure)), m_hues(std::move(hues))
    {
    }

    std::string m_file;
    std::string m_failure;
    std::vector<Hue> m_hues;
};

// "0-3000": the numbers a hue box or --hue takes with `count` hues.
std::string HueNumbersText(int count);

// How many hue groups (file id 32) the patch file's index names; they are
// never applied.
int CountPatchHueGroups(ByteSource& patchFile);
