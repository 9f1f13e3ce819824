// Feeds arbitrary patch files to the patch loader and saver over a real
// file. Whatever the bytes, neither may crash, read or write outside the
// table, or change a byte of the file's count or index.

#include "CFileException.h"
#include "FileSystemCalls.h"
#include "NoSyncCalls.h"
#include "TempFolder.h"
#include "VerDataFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct FuzzState {
    TempFolder folder;
    std::string path = folder.File("verdata.mul");
    std::unique_ptr<StaticTileTable> table = std::make_unique<StaticTileTable>();
    NoSyncCalls noSync;
    ScopedFileSystemCalls scope{noSync};
    NoWaitCursor noCursor;
};

std::uint64_t IndexBytesHeld(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const std::uint64_t count = data[0] | data[1] << 8 | data[2] << 16 | std::uint64_t{data[3]} << 24;
    return std::min<std::uint64_t>(size, 4 + 20 * count);
}

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "verdata fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzState state;
    const std::vector<std::uint8_t> input(data, data + size);
    WriteFileBytes(state.path, input);

    for (const bool saving : {false, true}) {
        try {
            const bool opened = saving ? SaveVerData(*state.table, state.path, state.noCursor)
                                       : LoadVerData(*state.table, state.path, state.noCursor);
            Check(opened, "the patch file did not open");
        } catch (const CFileException& error) {
            // Only a block past 2 GiB may stop the walk: a seek error.
            Check(error.m_cause == CFileException::badSeek, error.what());
        }
    }

    // A block far out makes a large sparse file: read back just the index.
    const std::uint64_t held = IndexBytesHeld(data, size);
    std::vector<std::uint8_t> after(held);
    std::FILE* file = std::fopen(state.path.c_str(), "rb");
    Check(file != nullptr, "the patch file is gone");
    const std::size_t read = std::fread(after.data(), 1, after.size(), file);
    std::fseek(file, 0, SEEK_END);
    const long length = std::ftell(file);
    std::fclose(file);
    Check(read == held && static_cast<std::size_t>(length) >= size, "the patch file shrank");
    Check(std::equal(after.begin(), after.end(), input.begin()), "the count or index changed");
    return 0;
}
