#include "HueTable.h"

#include "LittleEndian.h"
#include "PatchFilePath.h"
#include "PatchIndex.h"
#include "PathParts.h"
#include "VerDataFile.h"

#include <algorithm>

namespace {

// An entry's layout: the colours, the two table numbers, the name.
constexpr std::size_t kTableStartOffset = 2 * kHueColourCount;
constexpr std::size_t kNameOffset = kTableStartOffset + 4;
static_assert(kNameOffset + kHueNameSize == kHueEntrySize);
static_assert(kHueGroupHeaderSize + kHuesPerGroup * kHueEntrySize == kHueGroupSize);

Hue HueAt(const std::uint8_t* entry)
{
    Hue hue;
    for (int i = 0; i < kHueColourCount; ++i)
        hue.colours[i] = static_cast<std::uint16_t>(LoadLittleEndian(entry + 2 * i, 2));
    hue.tableStart = static_cast<std::uint16_t>(LoadLittleEndian(entry + kTableStartOffset, 2));
    hue.tableEnd = static_cast<std::uint16_t>(LoadLittleEndian(entry + kTableStartOffset + 2, 2));
    // Some names fill all 20 bytes; after a zero byte the rest is junk.
    const auto* name = reinterpret_cast<const char*>(entry + kNameOffset);
    hue.name.assign(name, std::find(name, name + kHueNameSize, '\0'));
    return hue;
}

} // namespace

std::vector<Hue> ReadHues(std::span<const std::uint8_t> bytes)
{
    const std::size_t groups = bytes.size() / kHueGroupSize;
    std::vector<Hue> hues;
    hues.reserve(groups * kHuesPerGroup);
    for (std::size_t g = 0; g < groups; ++g) {
        const std::uint8_t* entry = bytes.data() + g * kHueGroupSize + kHueGroupHeaderSize;
        for (int h = 0; h < kHuesPerGroup; ++h, entry += kHueEntrySize)
            hues.push_back(HueAt(entry));
    }
    return hues;
}

HueTable HueTable::Load(const std::string& tileDataPath)
{
    const std::string path = FindFileBeside(tileDataPath, kHueFileName);
    if (path.empty())
        return HueTable({}, {}, {});
    try {
        FileByteSource source;
        CFileException cause;
        if (!source.Open(path, &cause))
            throw cause;
        const std::uint64_t whole = source.Size() / kHueGroupSize * kHueGroupSize;
        if (whole == 0)
            return HueTable(path, {}, {});
        // Hue numbers stop below 0x4000 (the game marks hues with the bits
        // above): the groups past those are never read.
        constexpr std::uint64_t kMostGroups = (0x3FFF + kHuesPerGroup - 1) / kHuesPerGroup;
        const auto count = static_cast<std::uint32_t>(std::min<std::uint64_t>(whole, kMostGroups * kHueGroupSize));
        return HueTable(path, {}, ReadHues(source.View(0, count)));
    } catch (const CFileException& failure) {
        return HueTable(path, failure.GetErrorMessageOnOneLine(), {});
    }
}

std::string HueNumbersText(int count)
{
    return "0-" + std::to_string(count);
}

int CountPatchHueGroups(ByteSource& patchFile)
{
    int groups = 0;
    ForEachPatchIndexEntry(patchFile, [&](const VerDataIndexEntry& entry, std::uint64_t) {
        groups += entry.fileId == kHueFileId;
    });
    return groups;
}
