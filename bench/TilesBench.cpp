// quarnel-tiles: export and import of every tile of the classic sample
// (16384) and of the newer one (65536), beside the store's own load and
// save of the same pair; the newer file's figures beside the classic's.

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
    explicit Pair(const TileDataLayout& layout)
    {
        WriteSampleGameFolder(folder.Path(), layout);
        std::ostringstream out, err;
        RunTilesTool({"export", tileData}, out, err);
        WriteCsv(unchanged, out.str());
        // Two versions that differ in every tile's weight, so each import changes all of them.
        for (int version = 0; version < 2; ++version) {
            std::ostringstream csv;
            csv << "id,weight\n";
            for (int id = 0; id < layout.usualStaticTiles; ++id) {
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

Pair& ThePair(const TileDataLayout& layout)
{
    static Pair classic(kClassicLayout), newer(kNewerLayout);
    return &layout == &kNewerLayout ? newer : classic;
}

// Where the tool's output goes: nowhere, as when standard output is /dev/null,
// so that the figures are the tool's own work.
class Discard final : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

int Tiles(const std::vector<std::string>& args)
{
    Discard discard;
    std::ostream out(&discard), err(&discard);
    return RunTilesTool(args, out, err);
}

void BM_ExportCsv(benchmark::State& state, const TileDataLayout* layout)
{
    Pair& p = ThePair(*layout);
    for (auto _ : state)
        if (Tiles({"export", p.tileData}) != kExitOk)
            state.SkipWithError("export failed");
}

void BM_ExportJsonLines(benchmark::State& state, const TileDataLayout* layout)
{
    Pair& p = ThePair(*layout);
    for (auto _ : state)
        if (Tiles({"export", p.tileData, "--format", "jsonl"}) != kExitOk)
            state.SkipWithError("export failed");
}

void BM_ImportUnchanged(benchmark::State& state, const TileDataLayout* layout)
{
    Pair& p = ThePair(*layout);
    for (auto _ : state)
        if (Tiles({"import", p.tileData, p.unchanged}) != kExitOk)
            state.SkipWithError("import failed");
}

void BM_ImportChangingEveryTile(benchmark::State& state, const TileDataLayout* layout)
{
    Pair& p = ThePair(*layout);
    int version = 0;
    for (auto _ : state) {
        if (Tiles({"import", p.tileData, p.everyTile[version]}) != kExitOk)
            state.SkipWithError("import failed");
        version ^= 1;
    }
}

void BM_StoreLoad(benchmark::State& state, const TileDataLayout* layout)
{
    Pair& p = ThePair(*layout);
    auto table = std::make_unique<StaticTileTable>();
    for (auto _ : state) {
        LoadGameFolder(*table, p.tileData);
    }
}

void BM_StoreSave(benchmark::State& state, const TileDataLayout* layout)
{
    Pair& p = ThePair(*layout);
    auto table = std::make_unique<StaticTileTable>();
    LoadGameFolder(*table, p.tileData);
    for (auto _ : state) {
        SaveTileData(*table, p.tileData);
        SaveVerData(*table, p.verData);
    }
}

} // namespace

int main(int argc, char** argv)
{
    using Benchmark = void (*)(benchmark::State&, const TileDataLayout*);
    const std::pair<const char*, Benchmark> benchmarks[] = {
        {"BM_ExportCsv", &BM_ExportCsv},
        {"BM_ExportJsonLines", &BM_ExportJsonLines},
        {"BM_ImportUnchanged", &BM_ImportUnchanged},
        {"BM_ImportChangingEveryTile", &BM_ImportChangingEveryTile},
        {"BM_StoreLoad", &BM_StoreLoad},
        {"BM_StoreSave", &BM_StoreSave},
    };
    for (const TileDataLayout* layout : kTileDataLayouts)
        for (const auto& [name, run] : benchmarks)
            benchmark::RegisterBenchmark((name + std::string("/") + std::string(layout->name)).c_str(), run, layout)
                ->Unit(benchmark::kMillisecond);
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_ExportCsv/classic", "BM_StoreLoad/classic", 0},
                                    {"BM_ImportUnchanged/classic", "BM_StoreLoad/classic", 0},
                                    {"BM_ImportChangingEveryTile/classic", "BM_StoreSave/classic", 0},
                                    {"BM_ExportCsv/newer", "BM_ExportCsv/classic", 5},
                                    {"BM_ExportJsonLines/newer", "BM_ExportJsonLines/classic", 5},
                                    {"BM_ImportUnchanged/newer", "BM_ImportUnchanged/classic", 5},
                                    {"BM_ImportChangingEveryTile/newer", "BM_ImportChangingEveryTile/classic", 5}},
                                   {{"BM_ExportCsv/classic", 50},
                                    {"BM_ExportJsonLines/classic", 50},
                                    {"BM_ImportUnchanged/classic", 50},
                                    {"BM_ImportChangingEveryTile/classic", 50}});
}
