// The art: decoding every static picture of the full newer sample (65536
// tiles) into one reused result beside one plain read of the same bytes,
// and through a hue beside decoding them plainly; quarnel-tiles art --out
// writing the classic sample's 16384 static tiles, beside decoding them;
// encoding those pictures beside decoding them, both in memory; and art --in
// of the same pictures, changed (beside --out) and unchanged (beside reading
// the PNG files back). Then the pictures of a grid of tiles, shrunk to fit
// its cells: one screen of them decoded afresh, the same screen again from
// the cache, and a scroll through all 65536 tiles of the newer sample within
// the cache's memory budget, each against a most milliseconds it may take.

#include "ArtDecoder.h"
#include "ArtEncoder.h"
#include "ArtEntryBytes.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "ArtThumbnails.h"
#include "PngFile.h"
#include "CFile.h"
#include "GameFolder.h"
#include "HueTable.h"
#include "RatioReporter.h"
#include "SampleArt.h"
#include "SampleGameFolder.h"
#include "SampleHues.h"
#include "TempFolder.h"
#include "TileColumns.h"
#include "TilesTool.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>

namespace {

struct Sample {
    explicit Sample(const TileDataLayout& sampleLayout) : layout(sampleLayout)
    {
        WriteSampleGameFolder(folder.Path(), layout);
    }
    const TileDataLayout& layout;
    TempFolder folder;
    std::string tileData = folder.File(kSampleTileDataName);
};

Sample& Newer()
{
    static Sample sample(kNewerLayout);
    return sample;
}

Sample& Classic()
{
    static Sample sample(kClassicLayout);
    return sample;
}

void DecodeStatics(benchmark::State& state, Sample& sample)
{
    const ArtFolder art = ArtFolder::Load(sample.tileData);
    // One result for every picture, as a grid of pictures decodes them.
    ArtResult result;
    for (auto _ : state) {
        ArtFolder::Reader reader(art);
        int pictures = 0;
        for (int id = 0; id < sample.layout.usualStaticTiles; ++id) {
            reader.DecodeInto(kFirstStaticArtIndex + id, ArtPalette::Plain(), result);
            pictures += result.kind == ArtResult::Kind::kImage;
        }
        benchmark::DoNotOptimize(pictures);
    }
}

void BM_DecodeEveryStaticPicture(benchmark::State& state)
{
    DecodeStatics(state, Newer());
}

void BM_DecodeStatics16384(benchmark::State& state)
{
    DecodeStatics(state, Classic());
}

// Every static picture of the newer sample through one of its hues, each
// tile's Partial Hue flag heeded: the palettes made afresh each time.
void BM_DecodeEveryStaticPictureHued(benchmark::State& state)
{
    Sample& sample = Newer();
    const ArtFolder art = ArtFolder::Load(sample.tileData);
    const HueTable hues = HueTable::Load(sample.tileData);
    auto tiles = std::make_unique<StaticTileTable>();
    if (!hues.Holds(kSampleFireHue) || LoadGameFolder(*tiles, sample.tileData).result != GameFolderLoad::Result::kLoaded) {
        state.SkipWithError("the sample has no hue table or does not load");
        return;
    }
    ArtResult result;  // reused, as the plain decoding beside it reuses one
    for (auto _ : state) {
        ArtFolder::Reader reader(art);
        TileHuePalettes palettes(&hues[kSampleFireHue]);
        int pictures = 0;
        for (int id = 0; id < sample.layout.usualStaticTiles; ++id) {
            reader.DecodeInto(kFirstStaticArtIndex + id, palettes.For((*tiles)[id].flags), result);
            pictures += result.kind == ArtResult::Kind::kImage;
        }
        benchmark::DoNotOptimize(pictures);
    }
}

// The bytes of the static tiles' entries in the art file: from the first
// one's start to the last one's end, as the sample writes them in id order.
std::pair<std::uint64_t, std::uint64_t> StaticSpan(const std::string& indexPath)
{
    const std::vector<std::uint8_t> index = ReadFileBytes(indexPath);
    std::uint64_t first = UINT64_MAX, end = 0;
    for (std::size_t at = kFirstStaticArtIndex * 12; at + 12 <= index.size(); at += 12) {
        std::uint32_t lookup, length;
        std::memcpy(&lookup, &index[at], 4);
        std::memcpy(&length, &index[at + 4], 4);
        if (lookup == 0xFFFFFFFF)
            continue;
        first = std::min<std::uint64_t>(first, lookup);
        end = std::max<std::uint64_t>(end, std::uint64_t{lookup} + length);
    }
    return {first, end};
}

void BM_ReadTheSameBytes(benchmark::State& state)
{
    Sample& sample = Newer();
    const auto [first, end] = StaticSpan(sample.folder.File("artidx.mul"));
    std::vector<std::uint8_t> buffer(1 << 20);
    for (auto _ : state) {
        CFile file;
        file.Open(sample.folder.File("art.mul"), CFile::modeRead);
        file.Seek(static_cast<std::int64_t>(first), CFile::begin);
        for (std::uint64_t left = end - first; left > 0;) {
            const auto count = static_cast<std::uint32_t>(std::min<std::uint64_t>(left, buffer.size()));
            file.Read(buffer.data(), count);
            benchmark::DoNotOptimize(buffer.data());
            left -= count;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (end - first)));
}

void BM_ArtOut16384(benchmark::State& state)
{
    Sample& sample = Classic();
    const std::string out = sample.folder.File("png");
    for (auto _ : state) {
        std::ostringstream stdOut, err;
        if (RunTilesTool({"art", sample.tileData, "--out", out}, stdOut, err) != kExitOk)
            state.SkipWithError("art failed");
    }
}

// The classic sample's static pictures: their entry bytes and their pixels.
struct Pictures {
    std::vector<std::vector<std::uint8_t>> entries;
    std::vector<ArtPixels> pixels;
};

const Pictures& ClassicPictures()
{
    static const Pictures pictures = [] {
        Pictures loaded;
        const ArtFolder art = ArtFolder::Load(Classic().tileData);
        ArtFolder::Reader reader(art);
        const std::vector<std::uint8_t> index = ReadFileBytes(Classic().folder.File("artidx.mul"));
        const std::vector<std::uint8_t> file = ReadFileBytes(Classic().folder.File("art.mul"));
        for (std::uint32_t id = 0; id < 0x4000; ++id) {
            const ArtResult result = reader.Decode(kFirstStaticArtIndex + id);
            std::uint32_t lookup, length;
            std::memcpy(&lookup, &index[(kFirstStaticArtIndex + id) * 12], 4);
            std::memcpy(&length, &index[(kFirstStaticArtIndex + id) * 12 + 4], 4);
            if (result.kind != ArtResult::Kind::kImage || lookup == 0xFFFFFFFF)
                continue;
            loaded.entries.emplace_back(file.begin() + lookup, file.begin() + lookup + length);
            loaded.pixels.push_back(PixelsFromImage(result.image));
        }
        return loaded;
    }();
    return pictures;
}

void BM_DecodeEntries16384(benchmark::State& state)
{
    const Pictures& pictures = ClassicPictures();
    for (auto _ : state)
        for (const std::vector<std::uint8_t>& entry : pictures.entries)
            benchmark::DoNotOptimize(DecodeArt(kFirstStaticArtIndex, entry));
}

void BM_EncodePictures16384(benchmark::State& state)
{
    const Pictures& pictures = ClassicPictures();
    for (auto _ : state)
        for (const ArtPixels& picture : pictures.pixels)
            benchmark::DoNotOptimize(EncodeArt(kFirstStaticArtIndex, picture));
}

// The classic sample's static pictures as PNG files, as --out writes them;
// and, in a second folder, each tile given the next one's picture.
struct PngFolders {
    std::string same, shifted;
};

const PngFolders& ClassicPngs()
{
    static const PngFolders folders = [] {
        Sample& sample = Classic();
        PngFolders made{sample.folder.File("same"), sample.folder.File("shifted")};
        std::ostringstream out, err;
        RunTilesTool({"art", sample.tileData, "--out", made.same}, out, err);
        std::filesystem::create_directory(made.shifted);
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(made.same))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        // The tiles whose art the sample's patch file replaces are left out:
        // that file has a block past its end, so nothing is appended to it.
        const std::set<std::string> patched = {FormatTileId(kSampleArtReplacedTile) + ".png",
                                               FormatTileId(kSampleArtAddedTile) + ".png"};
        for (std::size_t i = 0; i < files.size(); ++i)
            if (!patched.count(files[i].filename().string()))
                std::filesystem::copy_file(files[(i + 1) % files.size()], made.shifted / files[i].filename());
        return made;
    }();
    return folders;
}

void BM_ReadPngsBack16384(benchmark::State& state)
{
    const std::string folder = ClassicPngs().same;
    for (auto _ : state) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            ArtImage image;
            std::string failure;
            benchmark::DoNotOptimize(ReadPngFile(entry.path().string(), image, failure));
        }
    }
}

void BM_ArtInUnchanged16384(benchmark::State& state)
{
    const PngFolders& pngs = ClassicPngs();
    for (auto _ : state) {
        std::ostringstream out, err;
        if (RunTilesTool({"art", Classic().tileData, "--in", pngs.same}, out, err) != kExitOk)
            state.SkipWithError("art --in failed");
    }
}

// Every picture changed each time: the shifted pictures, then the same again.
void BM_ArtInChanged16384(benchmark::State& state)
{
    const PngFolders& pngs = ClassicPngs();
    bool shifted = true;
    for (auto _ : state) {
        std::ostringstream out, err;
        if (RunTilesTool({"art", Classic().tileData, "--in", shifted ? pngs.shifted : pngs.same}, out, err) != kExitOk)
            state.SkipWithError("art --in failed");
        shifted = !shifted;
    }
    if (!shifted) {  // the sample's own pictures back, for the benchmarks after
        std::ostringstream out, err;
        RunTilesTool({"art", Classic().tileData, "--in", pngs.same}, out, err);
    }
}

// One screen of a grid of tile pictures: 20 columns of 13 rows of 44 x 44
// cells, from a tile in the middle of the static tiles (all of them with
// art in the sample, bar one in 61).
constexpr int kScreenCells = 260;
constexpr int kScreenFirstTile = 0x2000;

// Decoded, shrunk and kept, into an emptied cache each time; its files are
// opened once, as the grid's cache opens them.
void BM_ThumbnailScreenCold(benchmark::State& state)
{
    const ArtFolder art = ArtFolder::Load(Newer().tileData);
    ArtThumbnails thumbnails(art);
    for (auto _ : state) {
        thumbnails.Clear();
        int pictures = 0;
        for (int id = kScreenFirstTile; id < kScreenFirstTile + kScreenCells; ++id)
            pictures += thumbnails.Get(id).kind == ArtResult::Kind::kImage;
        benchmark::DoNotOptimize(pictures);
    }
}

// The same screen again, every picture kept.
void BM_ThumbnailScreenCached(benchmark::State& state)
{
    const ArtFolder art = ArtFolder::Load(Newer().tileData);
    ArtThumbnails thumbnails(art);
    for (int id = kScreenFirstTile; id < kScreenFirstTile + kScreenCells; ++id)
        thumbnails.Get(id);
    for (auto _ : state) {
        int pictures = 0;
        for (int id = kScreenFirstTile; id < kScreenFirstTile + kScreenCells; ++id)
            pictures += thumbnails.Get(id).kind == ArtResult::Kind::kImage;
        benchmark::DoNotOptimize(pictures);
    }
    if (thumbnails.CachedCount() < kScreenCells / 2)
        state.SkipWithError("the screen's pictures were not kept");
}

// A scroll a screen at a time through every tile of the newer sample, under
// the default budget: the most memory the cache took is the counter.
void BM_ThumbnailScrollAll(benchmark::State& state)
{
    Sample& sample = Newer();
    const ArtFolder art = ArtFolder::Load(sample.tileData);
    std::size_t peak = 0;
    for (auto _ : state) {
        ArtThumbnails thumbnails(art);
        for (int id = 0; id < sample.layout.usualStaticTiles; ++id) {
            thumbnails.Get(id);
            peak = std::max(peak, thumbnails.MemoryBytes());
        }
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / (1 << 20);
    if (peak > ArtThumbnails::kDefaultBudgetBytes)
        state.SkipWithError("the cache took more than its budget");
}

} // namespace

BENCHMARK(BM_DecodeEveryStaticPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeEveryStaticPictureHued)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTheSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeStatics16384)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArtOut16384)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DecodeEntries16384)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePictures16384)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPngsBack16384)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ArtInUnchanged16384)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ArtInChanged16384)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ThumbnailScreenCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThumbnailScreenCached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThumbnailScrollAll)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_DecodeEveryStaticPicture", "BM_ReadTheSameBytes", 3},
                                    {"BM_DecodeEveryStaticPictureHued", "BM_DecodeEveryStaticPicture", 1.5},
                                    {"BM_ArtOut16384", "BM_DecodeStatics16384", 0},
                                    {"BM_EncodePictures16384", "BM_DecodeEntries16384", 2},
                                    {"BM_ArtInUnchanged16384", "BM_ReadPngsBack16384", 1.2},
                                    {"BM_ArtInChanged16384", "BM_ArtOut16384", 0}},
                                   {{"BM_ThumbnailScreenCold", 16}, {"BM_ThumbnailScreenCached", 5}});
}
