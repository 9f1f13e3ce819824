// Feeds arbitrary bytes to quarnel-tiles import, once as CSV and once as
// JSON lines, over a real sample game folder. Whatever the bytes: no crash;
// an import that is refused leaves both game files byte-identical; an
// import that is accepted, made a second time, changes nothing.

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

struct FuzzState {
    TempFolder folder;
    SampleGameFiles original = MakeSampleGameFiles();
    std::string tileData = folder.File(kSampleTileDataName);
    std::string verData = folder.File(kSampleVerDataName);
    std::string input = folder.File("input");
    bool changed = true;  // the game files differ from the original, or may
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope{noSync};
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
};

Import RunImport(FuzzState& state, const std::string& text)
{
    WriteFileBytes(state.input, {text.begin(), text.end()});
    std::ostringstream out, err;
    const int status = RunTilesTool({"import", state.tileData, state.input}, out, err);
    return {status, out.str(), err.str()};
}

bool SameBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return ReadFileBytes(path) == bytes;
}

void CheckImport(FuzzState& state, const std::string& text)
{
    if (state.changed) {
        WriteFileBytes(state.tileData, state.original.tileData);
        WriteFileBytes(state.verData, state.original.verData);
        state.changed = false;
    }
    const Import first = RunImport(state, text);
    Check(first.status == kExitOk || first.status == kExitBadInput, "neither imported nor refused", first.err);
    if (first.status == kExitBadInput) {
        Check(SameBytes(state.tileData, state.original.tileData) && SameBytes(state.verData, state.original.verData),
              "a refused import changed a game file", first.err);
        return;
    }
    state.changed = true;
    const std::vector<std::uint8_t> tileData = ReadFileBytes(state.tileData);
    const std::vector<std::uint8_t> verData = ReadFileBytes(state.verData);
    const Import second = RunImport(state, text);
    Check(second.status == kExitOk && second.out.starts_with("no changes"), "a second import changed something",
          first.out + second.out + second.err);
    Check(SameBytes(state.tileData, tileData) && SameBytes(state.verData, verData),
          "a second import changed a game file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzState state;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const bool looksLikeJson = bytes.find_first_not_of(" \t\r\n") != std::string::npos &&
                               bytes[bytes.find_first_not_of(" \t\r\n")] == '{';
    // The import tells the formats apart by the first character: a first
    // line of the other format makes the same bytes be read the other way.
    CheckImport(state, bytes);
    CheckImport(state, (looksLikeJson ? "id\n" : "{\"id\":\"0000\"}\n") + bytes);
    return 0;
}
