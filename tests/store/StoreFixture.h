#pragma once

#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "WaitCursorHook.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

// Where a classic file's static section starts, spelled out here rather
// than taken from the store: its 512 land blocks of 836 bytes.
inline constexpr std::uint32_t kStaticSectionOffset = 0x68800;

// Counts the wait cursor's begins and ends.
class CountingWaitCursor final : public WaitCursorHook {
public:
    void BeginWaitCursor() override { ++begun; }
    void EndWaitCursor() override { ++ended; }
    int begun = 0;
    int ended = 0;
};

// A temporary copy of the sample game folder, and a table to load it into.
class StoreFixture : public ::testing::Test {
protected:
    StoreFixture()
        : files(MakeSampleGameFiles()),
          tileDataPath(folder.File(kSampleTileDataName)),
          verDataPath(folder.File(kSampleVerDataName)),
          table(std::make_unique<StaticTileTable>())
    {
        WriteFileBytes(tileDataPath, files.tileData);
        WriteFileBytes(verDataPath, files.verData);
    }

    TempFolder folder;
    SampleGameFiles files;
    std::string tileDataPath;
    std::string verDataPath;
    std::unique_ptr<StaticTileTable> table;
    CountingWaitCursor waitCursor;
};
