// The store's load and save of the full-size sample pair of each layout
// (16384 classic tiles, 65536 newer ones), beside one plain read or write
// of the same bytes and beside one system call per field.

#include "CFile.h"
#include "FieldByFieldStore.h"
#include "FileSystemCalls.h"
#include "GameFolder.h"
#include "NoSyncCalls.h"
#include "RatioReporter.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TileDataFile.h"
#include "TileFileLayout.h"
#include "VerDataFile.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace {

struct BenchFolder {
    explicit BenchFolder(const TileDataLayout& fileLayout) : layout(fileLayout)
    {
        WriteSampleGameFolder(folder.Path(), layout);
        LoadGameFolder(*table, tileData);
    }
    const TileDataLayout& layout;
    TempFolder folder;
    std::string tileData = folder.File(kSampleTileDataName);
    std::string verData = folder.File(kSampleVerDataName);
    std::unique_ptr<StaticTileTable> table = std::make_unique<StaticTileTable>();
};

BenchFolder& Folder(const TileDataLayout& layout)
{
    static BenchFolder classic(kClassicLayout), newer(kNewerLayout);
    return &layout == &kNewerLayout ? newer : classic;
}

// The bytes the store moves in each file: the static section's entries,
// and the patch file's count, index and replacement blocks' entries.
std::uint32_t TileDataBytes(const TileDataLayout& layout)
{
    return static_cast<std::uint32_t>(layout.usualStaticTiles) * layout.statics.entrySize;
}

std::uint32_t PatchFileBytes(const TileDataLayout& layout)
{
    const auto files = MakeSampleGameFiles(layout);
    const std::uint32_t blocksInUse = static_cast<std::uint32_t>(layout.usualStaticTiles) / kTilesPerBlock;
    std::uint32_t blocks = 0;
    for (std::size_t k = 0; k < files.verData[0]; ++k) {
        const std::uint8_t* entry = &files.verData[4 + 20 * k];
        const std::uint32_t number = entry[4] | entry[5] << 8;
        blocks += entry[0] == kTileDataFileId && number >= 512 && number < 512 + blocksInUse;
    }
    return 4 + 20 * files.verData[0] + blocks * kTilesPerBlock * layout.statics.entrySize;
}

void PlainTransfer(const std::string& path, std::uint32_t offset, bool writing,
                   std::vector<std::uint8_t>& buffer)
{
    CFile file;
    file.Open(path, (writing ? CFile::modeReadWrite : CFile::modeRead) | CFile::shareExclusive);
    file.Seek(offset, CFile::begin);
    if (writing)
        file.Write(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
    else
        benchmark::DoNotOptimize(file.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size())));
    file.Close();
}

void BM_Load(benchmark::State& state, const TileDataLayout* layout)
{
    BenchFolder& f = Folder(*layout);
    for (auto _ : state) {
        LoadGameFolder(*f.table, f.tileData);
    }
}

void BM_PlainRead(benchmark::State& state, const TileDataLayout* layout)
{
    BenchFolder& f = Folder(*layout);
    std::vector<std::uint8_t> tileBytes(TileDataBytes(*layout)), patchBytes(PatchFileBytes(*layout));
    for (auto _ : state) {
        PlainTransfer(f.tileData, layout->statics.offset, false, tileBytes);
        PlainTransfer(f.verData, 0, false, patchBytes);
    }
}

void BM_FieldByFieldLoad(benchmark::State& state, const TileDataLayout* layout)
{
    BenchFolder& f = Folder(*layout);
    for (auto _ : state) {
        FieldByFieldLoadTileData(*f.table, f.tileData);
        FieldByFieldLoadVerData(*f.table, f.verData);
    }
}

void BM_Save(benchmark::State& state, const TileDataLayout* layout)
{
    BenchFolder& f = Folder(*layout);
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope(noSync);
    for (auto _ : state) {
        SaveTileData(*f.table, f.tileData);
        SaveVerData(*f.table, f.verData);
    }
}

void BM_PlainWrite(benchmark::State& state, const TileDataLayout* layout)
{
    BenchFolder& f = Folder(*layout);
    // Written back with the bytes the files already hold, so they stay sound.
    std::vector<std::uint8_t> tileBytes(TileDataBytes(*layout)), patchBytes(PatchFileBytes(*layout));
    PlainTransfer(f.tileData, layout->statics.offset, false, tileBytes);
    PlainTransfer(f.verData, 0, false, patchBytes);
    for (auto _ : state) {
        PlainTransfer(f.tileData, layout->statics.offset, true, tileBytes);
        PlainTransfer(f.verData, 0, true, patchBytes);
    }
    // The sample afresh: its writer never writes over files that are there.
    std::filesystem::remove_all(f.folder.Path());
    WriteSampleGameFolder(f.folder.Path(), *layout);
}

void BM_FieldByFieldSave(benchmark::State& state, const TileDataLayout* layout)
{
    BenchFolder& f = Folder(*layout);
    for (auto _ : state) {
        FieldByFieldSaveTileData(*f.table, f.tileData);
        FieldByFieldSaveVerData(*f.table, f.verData);
    }
}

void BM_SaveWithFlush(benchmark::State& state, const TileDataLayout* layout)
{
    BenchFolder& f = Folder(*layout);
    for (auto _ : state) {
        SaveTileData(*f.table, f.tileData);
        SaveVerData(*f.table, f.verData);
    }
}

} // namespace

int main(int argc, char** argv)
{
    using Benchmark = void (*)(benchmark::State&, const TileDataLayout*);
    const std::pair<const char*, Benchmark> benchmarks[] = {
        {"BM_Load", &BM_Load},   {"BM_PlainRead", &BM_PlainRead}, {"BM_FieldByFieldLoad", &BM_FieldByFieldLoad},
        {"BM_Save", &BM_Save},   {"BM_PlainWrite", &BM_PlainWrite}, {"BM_FieldByFieldSave", &BM_FieldByFieldSave},
        {"BM_SaveWithFlush", &BM_SaveWithFlush},
    };
    std::vector<RatioReporter::Ratio> ratios;
    for (const TileDataLayout* layout : kTileDataLayouts) {
        const auto named = [&](const char* name) { return std::string(name).append("/").append(layout->name); };
        for (const auto& [name, run] : benchmarks)
            benchmark::RegisterBenchmark(named(name).c_str(), run, layout)->Unit(benchmark::kMicrosecond);
        const std::vector<RatioReporter::Ratio> layoutRatios = {
            {named("BM_Load"), named("BM_PlainRead"), 3.0},
            {named("BM_FieldByFieldLoad"), named("BM_Load"), 0},
            {named("BM_Save"), named("BM_PlainWrite"), 3.0},
            {named("BM_FieldByFieldSave"), named("BM_Save"), 0},
            {named("BM_SaveWithFlush"), named("BM_Save"), 0},
        };
        ratios.insert(ratios.end(), layoutRatios.begin(), layoutRatios.end());
    }
    return RunBenchmarksWithRatios(argc, argv, ratios);
}
