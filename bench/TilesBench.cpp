// quarnel-tiles: export and import of every static tile of the classic
// sample (16384) and of the newer one (65536), beside the store's own load
// and save of the same pair; the newer file's figures beside the classic's;
// and of every land tile of each (16384), beside the classic static figures;
// a fold of both halves of the newer sample beside one plain read of both
// game files and one plain write of the tile-data file.

#include "CFile.h"
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

// What a benchmark works on: a sample of a layout, and one half of it.
struct Subject {
    const TileDataLayout* layout;
    bool land;
    std::vector<std::string> Half() const { return land ? std::vector<std::string>{"--land"} : std::vector<std::string>{}; }
};

struct Pair {
    explicit Pair(const Subject& subject) : half(subject.Half())
    {
        WriteSampleGameFolder(folder.Path(), *subject.layout);
        std::ostringstream out, err;
        RunTilesTool(With({"export", tileData}), out, err);
        WriteCsv(unchanged, out.str());
        // Two versions that differ in every tile's weight (texture, for land
        // tiles), so each import changes all of them.
        const int tiles = subject.land ? kLandTileCount : subject.layout->usualStaticTiles;
        for (int version = 0; version < 2; ++version) {
            std::ostringstream csv;
            csv << (subject.land ? "id,texture\n" : "id,weight\n");
            for (int id = 0; id < tiles; ++id) {
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
    // A command line for this half.
    std::vector<std::string> With(std::vector<std::string> args) const
    {
        args.insert(args.end(), half.begin(), half.end());
        return args;
    }
    std::vector<std::string> half;
    TempFolder folder;
    std::string tileData = folder.File(kSampleTileDataName);
    std::string verData = folder.File(kSampleVerDataName);
    std::string unchanged = folder.File("unchanged.csv");
    std::string everyTile[2] = {folder.File("every0.csv"), folder.File("every1.csv")};
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope{noSync};
};

Pair& ThePair(const Subject& subject)
{
    static Pair pairs[] = {Pair({&kClassicLayout, false}), Pair({&kNewerLayout, false}), Pair({&kClassicLayout, true}),
                           Pair({&kNewerLayout, true})};
    return pairs[(subject.layout == &kNewerLayout ? 1 : 0) + (subject.land ? 2 : 0)];
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

void BM_ExportCsv(benchmark::State& state, Subject subject)
{
    Pair& p = ThePair(subject);
    for (auto _ : state)
        if (Tiles(p.With({"export", p.tileData})) != kExitOk)
            state.SkipWithError("export failed");
}

void BM_ExportJsonLines(benchmark::State& state, Subject subject)
{
    Pair& p = ThePair(subject);
    for (auto _ : state)
        if (Tiles(p.With({"export", p.tileData, "--format", "jsonl"})) != kExitOk)
            state.SkipWithError("export failed");
}

void BM_ImportUnchanged(benchmark::State& state, Subject subject)
{
    Pair& p = ThePair(subject);
    for (auto _ : state)
        if (Tiles(p.With({"import", p.tileData, p.unchanged})) != kExitOk)
            state.SkipWithError("import failed");
}

void BM_ImportChangingEveryTile(benchmark::State& state, Subject subject)
{
    Pair& p = ThePair(subject);
    int version = 0;
    for (auto _ : state) {
        if (Tiles(p.With({"import", p.tileData, p.everyTile[version]})) != kExitOk)
            state.SkipWithError("import failed");
        version ^= 1;
    }
}

void BM_StoreLoad(benchmark::State& state, Subject subject)
{
    Pair& p = ThePair(subject);
    auto table = std::make_unique<StaticTileTable>();
    for (auto _ : state) {
        LoadGameFolder(*table, p.tileData);
    }
}

void BM_StoreSave(benchmark::State& state, Subject subject)
{
    Pair& p = ThePair(subject);
    auto table = std::make_unique<StaticTileTable>();
    LoadGameFolder(*table, p.tileData);
    for (auto _ : state) {
        SaveTileData(*table, p.tileData);
        SaveVerData(*table, p.verData);
    }
}

// Each fold starts from the sample as generated, put back untimed.
void BM_FoldBothHalves(benchmark::State& state, Subject subject)
{
    Pair& p = ThePair(subject);
    const std::vector<std::uint8_t> original = ReadFileBytes(p.tileData);
    for (auto _ : state) {
        state.PauseTiming();
        WriteFileBytes(p.tileData, original);
        state.ResumeTiming();
        if (Tiles({"fold", p.tileData, "--all"}) != kExitOk)
            state.SkipWithError("fold failed");
    }
    WriteFileBytes(p.tileData, original);
}

// What a fold can hardly beat: both whole files read, and the tile-data
// file written back whole, one call each.
void BM_PlainReadWrite(benchmark::State& state, Subject subject)
{
    Pair& p = ThePair(subject);
    std::vector<std::uint8_t> tileBytes = ReadFileBytes(p.tileData), patchBytes = ReadFileBytes(p.verData);
    const auto transfer = [](const std::string& path, unsigned mode, std::vector<std::uint8_t>& bytes) {
        CFile file;
        file.Open(path, mode | CFile::shareExclusive);
        if (mode & CFile::modeReadWrite)
            file.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        else
            benchmark::DoNotOptimize(file.Read(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
        file.Close();
    };
    for (auto _ : state) {
        transfer(p.tileData, CFile::modeRead, tileBytes);
        transfer(p.verData, CFile::modeRead, patchBytes);
        transfer(p.tileData, CFile::modeReadWrite, tileBytes);
    }
}

} // namespace

int main(int argc, char** argv)
{
    using Benchmark = void (*)(benchmark::State&, Subject);
    const std::pair<const char*, Benchmark> tool[] = {
        {"BM_ExportCsv", &BM_ExportCsv},
        {"BM_ExportJsonLines", &BM_ExportJsonLines},
        {"BM_ImportUnchanged", &BM_ImportUnchanged},
        {"BM_ImportChangingEveryTile", &BM_ImportChangingEveryTile},
    };
    const std::pair<const char*, Benchmark> store[] = {{"BM_StoreLoad", &BM_StoreLoad}, {"BM_StoreSave", &BM_StoreSave}};
    const auto add = [](const char* name, Benchmark run, Subject subject) {
        const std::string suffix = std::string(subject.land ? "/land-" : "/").append(subject.layout->name);
        benchmark::RegisterBenchmark(std::string(name).append(suffix).c_str(), run, subject)
            ->Unit(benchmark::kMillisecond);
    };
    for (const TileDataLayout* layout : kTileDataLayouts) {
        for (const auto& [name, run] : tool)
            add(name, run, {layout, false});
        for (const auto& [name, run] : store)
            add(name, run, {layout, false});
        for (const auto& [name, run] : tool)
            add(name, run, {layout, true});
    }
    for (const auto& [name, run] : {std::pair{"BM_FoldBothHalves", &BM_FoldBothHalves},
                                    std::pair{"BM_PlainReadWrite", &BM_PlainReadWrite}})
        add(name, run, {&kNewerLayout, false});
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_ExportCsv/classic", "BM_StoreLoad/classic", 0},
                                    {"BM_ImportUnchanged/classic", "BM_StoreLoad/classic", 0},
                                    {"BM_ImportChangingEveryTile/classic", "BM_StoreSave/classic", 0},
                                    {"BM_ExportCsv/newer", "BM_ExportCsv/classic", 5},
                                    {"BM_ExportJsonLines/newer", "BM_ExportJsonLines/classic", 5},
                                    {"BM_ImportUnchanged/newer", "BM_ImportUnchanged/classic", 5},
                                    {"BM_ImportChangingEveryTile/newer", "BM_ImportChangingEveryTile/classic", 5},
                                    {"BM_ExportCsv/land-classic", "BM_ExportCsv/classic", 1},
                                    {"BM_ExportJsonLines/land-classic", "BM_ExportJsonLines/classic", 1},
                                    {"BM_ImportUnchanged/land-classic", "BM_ImportUnchanged/classic", 1},
                                    {"BM_ImportChangingEveryTile/land-classic", "BM_ImportChangingEveryTile/classic", 1},
                                    // a newer file's 16384 land tiles beside a quarter of its 65536 static ones
                                    {"BM_ExportCsv/land-newer", "BM_ExportCsv/newer", 0.25},
                                    {"BM_ImportUnchanged/land-newer", "BM_ImportUnchanged/newer", 0.25},
                                    {"BM_FoldBothHalves/newer", "BM_PlainReadWrite/newer", 0}},
                                   {{"BM_ExportCsv/classic", 50},
                                    {"BM_ExportJsonLines/classic", 50},
                                    {"BM_ImportUnchanged/classic", 50},
                                    {"BM_ImportChangingEveryTile/classic", 50}});
}
