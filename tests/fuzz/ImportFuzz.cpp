// Feeds arbitrary bytes to quarnel-tiles import, once as CSV and once as
// JSON lines, over a real game folder of either layout, into either half
// (the input's first byte picks them: bit 0 the layout, bit 1 a land
// import; the rest is the import file). The folder is a short one,
// the sample's land section and first static blocks with its patch file,
// which the store loads as it loads any file. Whatever the bytes: no
// crash; an import that is refused leaves both game files byte-identical;
// an import that is accepted, made a second time, changes nothing.
//
// Every write the store makes goes through the file layer's system calls,
// which count them here: a refused import or a repeated one must make none.
// The small patch file is also compared byte for byte each time.

#include "FileSystemCalls.h"
#include "NoSyncCalls.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"
#include "TilesTool.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// The platform's calls, counting writes; flushing to disk is skipped.
class CountingCalls final : public NoSyncCalls {
public:
    SystemResult Write(NativeFile file, const void* buffer, std::uint32_t count) override
    {
        ++writes;
        return NoSyncCalls::Write(file, buffer, count);
    }
    int writes = 0;
};

// The sample folder of a layout, its tile-data file cut after a few static blocks.
SampleGameFiles ShortSample(const TileDataLayout& layout)
{
    constexpr std::size_t kStaticBlocksKept = 4;
    SampleGameFiles files = MakeSampleGameFiles(layout);
    files.tileData.resize(layout.statics.offset + kStaticBlocksKept * layout.statics.blockSize);
    return files;
}

struct FuzzState {
    TempFolder folder;
    const SampleGameFiles originals[2] = {ShortSample(kClassicLayout), ShortSample(kNewerLayout)};
    const SampleGameFiles* original = nullptr;  // the pair the game files were last set to
    std::string tileData = folder.File(kSampleTileDataName);
    std::string verData = folder.File(kSampleVerDataName);
    std::string input = folder.File("input");
    bool changed = true;  // the game files differ from the original, or may
    CountingCalls calls;
    ScopedFileSystemCalls scope{calls};
};

void Check(bool condition, const char* what, const std::string& detail = {})
{
    if (!condition) {
        std::fprintf(stderr, "import fuzz: %s\n%s\n", what, detail.c_str());
        std::abort();
    }
}

struct Import {
    int status;
    std::string out;
    std::string err;
    int writes;
};

Import RunImport(FuzzState& state, const std::string& text, bool land)
{
    WriteFileBytes(state.input, {text.begin(), text.end()});
    std::ostringstream out, err;
    state.calls.writes = 0;
    std::vector<std::string> args = {"import", state.tileData, state.input};
    if (land)
        args.push_back("--land");
    const int status = RunTilesTool(args, out, err);
    return {status, out.str(), err.str(), state.calls.writes};
}

bool SameBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return ReadFileBytes(path) == bytes;
}

void CheckImport(FuzzState& state, const std::string& text, bool land)
{
    if (state.changed) {
        WriteFileBytes(state.tileData, state.original->tileData);
        WriteFileBytes(state.verData, state.original->verData);
        state.changed = false;
    }
    const Import first = RunImport(state, text, land);
    Check(first.status == kExitOk || first.status == kExitBadInput, "neither imported nor refused", first.err);
    if (first.status == kExitBadInput) {
        Check(first.writes == 0 && SameBytes(state.verData, state.original->verData),
              "a refused import changed a game file", first.err);
        return;
    }
    state.changed = first.writes != 0;
    const std::vector<std::uint8_t> verData = ReadFileBytes(state.verData);
    const Import second = RunImport(state, text, land);
    Check(second.status == kExitOk && second.out.starts_with("no changes") && second.writes == 0,
          "a second import changed something", first.out + second.out + second.err);
    Check(SameBytes(state.verData, verData), "a second import changed the patch file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzState state;
    if (size == 0)
        return 0;
    const SampleGameFiles* original = &state.originals[data[0] & 1];
    state.changed |= original != state.original;
    state.original = original;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    const bool looksLikeJson = first != std::string::npos && bytes[first] == '{';
    // The import tells the formats apart by the first character: a first
    // line of the other format makes the same bytes be read the other way.
    const bool land = data[0] & 2;
    CheckImport(state, bytes, land);
    CheckImport(state, (looksLikeJson ? "id\n" : "{\"id\":\"0000\"}\n") + bytes, land);
    return 0;
}
