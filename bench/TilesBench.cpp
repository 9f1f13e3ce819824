// quarnel-tiles: export and import of all 16384 tiles, beside the store's
// own load and save of the same pair.

#include "FileSystemCalls.h"
#include "GameFolder.h"
#include "NoSyncCalls.h"
#include "RatioReporter.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TileDataFile.h"
#include "TilesTool.h"
#include "VerDataFile.h"

#include <memory>
#include <sstream>

namespace {

struct Pair {
    Pair()
    {
        WriteSampleGameFolder(folder.Path());
        std::ostringstream out, err;
        RunTilesTool({"export", tileData}, out, err);
        WriteCsv(unchanged, out.str());
        // Two versions that differ in every tile's weight, so each import changes all of them.
        for (int version = 0; version < 2; ++version) {
            std::ostringstream csv;
            csv << "id,weight\n";
            for (int id = 0; id < kMinStaticTileCount; ++id) {
                char line[16];
                std::snprintf(line, sizeof line, "%04X,%d\n", id, (id + version) % 2 ? 10 : 20);
                csv << line;
            }
            WriteCsv(everyTile[version], csv.str());
        }
    }
    static void WriteCsv(const std::string& path, const std::string& text)
    {
        WriteFileBytes(path, {text.begin(), text.end()});
    }
    TempFolder folder;
    std::string tileData = folder.File(kSampleTileDataName);
    std::string verData = folder.File(kSampleVerDataName);
    std::string unchanged = folder.File("unchanged.csv");
    std::string everyTile[2] = {folder.File("every0.csv"), folder.File("every1.csv")};
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope{noSync};
};

Pair& ThePair()
{
    static Pair pair;
    return pair;
}

int Tiles(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    return RunTilesTool(args, out, err);
}

void BM_ExportCsv(benchmark::State& state)
{
    Pair& p = ThePair();
    for (auto _ : state)
        if (Tiles({"export", p.tileData}) != kExitOk)
            state.SkipWithError("export failed");
}

void BM_ExportJsonLines(benchmark::State& state)
{
    Pair& p = ThePair();
    for (auto _ : state)
        if (Tiles({"export", p.tileData, "--format", "jsonl"}) != kExitOk)
            state.SkipWithError("export failed");
}

void BM_ImportUnchanged(benchmark::State& state)
{
    Pair& p = ThePair();
    for (auto _ : state)
        if (Tiles({"import", p.tileData, p.unchanged}) != kExitOk)
            state.SkipWithError("import failed");
}

void BM_ImportChangingEveryTile(benchmark::State& state)
{
    Pair& p = ThePair();
    int version = 0;
    for (auto _ : state) {
        if (Tiles({"import", p.tileData, p.everyTile[version]}) != kExitOk)
            state.SkipWithError("import failed");
        version ^= 1;
    }
}

void BM_StoreLoad(benchmark::State& state)
{
    Pair& p = ThePair();
    auto table = std::make_unique<StaticTileTable>();
    for (auto _ : state) {
        LoadGameFolder(*table, p.tileData);
    }
}

void BM_StoreSave(benchmark::State& state)
{
    Pair& p = ThePair();
    auto table = std::make_unique<StaticTileTable>();
    LoadGameFolder(*table, p.tileData);
    for (auto _ : state) {
        SaveTileData(*table, p.tileData);
        SaveVerData(*table, p.verData);
    }
}

BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportJsonLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportUnchanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportChangingEveryTile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreSave)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_ExportCsv", "BM_StoreLoad", 0},
                                    {"BM_ImportUnchanged", "BM_StoreLoad", 0},
                                    {"BM_ImportChangingEveryTile", "BM_StoreSave", 0}},
                                   {{"BM_ExportCsv", 50},
                                    {"BM_ExportJsonLines", 50},
                                    {"BM_ImportUnchanged", 50},
                                    {"BM_ImportChangingEveryTile", 50}});
}
