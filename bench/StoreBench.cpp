// The store's load and save of the full-size sample pair, beside one plain
// read or write of the same bytes and beside one system call per field.

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

#include <memory>
#include <vector>

namespace {

struct BenchFolder {
    BenchFolder()
    {
        WriteSampleGameFolder(folder.Path());
        LoadGameFolder(*table, tileData);
    }
    TempFolder folder;
    std::string tileData = folder.File(kSampleTileDataName);
    std::string verData = folder.File(kSampleVerDataName);
    std::unique_ptr<StaticTileTable> table = std::make_unique<StaticTileTable>();
};

BenchFolder& Folder()
{
    static BenchFolder folder;
    return folder;
}

// The bytes the store moves in each file: the static section's entries,
// and the patch file's count, index and replacement blocks' entries.
constexpr std::uint32_t kTileDataBytes = (kMinStaticTileCount / kTilesPerBlock) * (kTilesPerBlock * kClassicLayout.staticEntrySize);
std::uint32_t PatchFileBytes()
{
    const auto files = MakeSampleGameFiles();
    std::uint32_t blocks = 0;
    for (std::size_t k = 0; k < files.verData[0]; ++k) {
        const std::uint8_t* entry = &files.verData[4 + 20 * k];
        blocks += entry[0] == kTileDataFileId && (entry[4] | entry[5] << 8) >= 512;
    }
    return 4 + 20 * files.verData[0] + blocks * (kTilesPerBlock * kClassicLayout.staticEntrySize);
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

void BM_Load(benchmark::State& state)
{
    BenchFolder& f = Folder();
    for (auto _ : state) {
        LoadGameFolder(*f.table, f.tileData);
    }
}

void BM_PlainRead(benchmark::State& state)
{
    BenchFolder& f = Folder();
    std::vector<std::uint8_t> tileBytes(kTileDataBytes), patchBytes(PatchFileBytes());
    for (auto _ : state) {
        PlainTransfer(f.tileData, kStaticSectionOffset, false, tileBytes);
        PlainTransfer(f.verData, 0, false, patchBytes);
    }
}

void BM_FieldByFieldLoad(benchmark::State& state)
{
    BenchFolder& f = Folder();
    for (auto _ : state) {
        FieldByFieldLoadTileData(*f.table, f.tileData);
        FieldByFieldLoadVerData(*f.table, f.verData);
    }
}

void BM_Save(benchmark::State& state)
{
    BenchFolder& f = Folder();
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope(noSync);
    for (auto _ : state) {
        SaveTileData(*f.table, f.tileData);
        SaveVerData(*f.table, f.verData);
    }
}

void BM_PlainWrite(benchmark::State& state)
{
    BenchFolder& f = Folder();
    // Written back with the bytes the files already hold, so they stay sound.
    std::vector<std::uint8_t> tileBytes(kTileDataBytes), patchBytes(PatchFileBytes());
    PlainTransfer(f.tileData, kStaticSectionOffset, false, tileBytes);
    PlainTransfer(f.verData, 0, false, patchBytes);
    for (auto _ : state) {
        PlainTransfer(f.tileData, kStaticSectionOffset, true, tileBytes);
        PlainTransfer(f.verData, 0, true, patchBytes);
    }
    WriteSampleGameFolder(f.folder.Path());
}

void BM_FieldByFieldSave(benchmark::State& state)
{
    BenchFolder& f = Folder();
    for (auto _ : state) {
        FieldByFieldSaveTileData(*f.table, f.tileData);
        FieldByFieldSaveVerData(*f.table, f.verData);
    }
}

void BM_SaveWithFlush(benchmark::State& state)
{
    BenchFolder& f = Folder();
    for (auto _ : state) {
        SaveTileData(*f.table, f.tileData);
        SaveVerData(*f.table, f.verData);
    }
}

BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FieldByFieldLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FieldByFieldSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveWithFlush)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_Load", "BM_PlainRead", 3.0},
                                    {"BM_FieldByFieldLoad", "BM_Load", 0},
                                    {"BM_Save", "BM_PlainWrite", 3.0},
                                    {"BM_FieldByFieldSave", "BM_Save", 0},
                                    {"BM_SaveWithFlush", "BM_Save", 0}});
}
