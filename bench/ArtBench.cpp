// The art: decoding every static picture of the full newer sample (65536
// tiles) beside one plain read of the same bytes, and through a hue beside
// decoding them plainly; and quarnel-tiles art
// --out writing the classic sample's 16384 static tiles, beside decoding them.

#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "CFile.h"
#include "GameFolder.h"
#include "HueTable.h"
#include "RatioReporter.h"
#include "SampleGameFolder.h"
#include "SampleHues.h"
#include "TempFolder.h"
#include "TilesTool.h"

#include <cstring>
#include <memory>
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
    for (auto _ : state) {
        ArtFolder::Reader reader(art);
        int pictures = 0;
        for (int id = 0; id < sample.layout.usualStaticTiles; ++id)
            pictures += reader.Decode(kFirstStaticArtIndex + id).kind == ArtResult::Kind::kImage;
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
    for (auto _ : state) {
        ArtFolder::Reader reader(art);
        TileHuePalettes palettes(&hues[kSampleFireHue]);
        int pictures = 0;
        for (int id = 0; id < sample.layout.usualStaticTiles; ++id)
            pictures += reader.Decode(kFirstStaticArtIndex + id, palettes.For((*tiles)[id].flags)).kind ==
                        ArtResult::Kind::kImage;
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

} // namespace

BENCHMARK(BM_DecodeEveryStaticPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeEveryStaticPictureHued)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTheSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeStatics16384)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArtOut16384)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_DecodeEveryStaticPicture", "BM_ReadTheSameBytes", 3},
                                    {"BM_DecodeEveryStaticPictureHued", "BM_DecodeEveryStaticPicture", 1.5},
                                    {"BM_ArtOut16384", "BM_DecodeStatics16384", 0}});
}
