#pragma once

#include "FileSystemCalls.h"

// The platform's calls, but flushing to stable storage does nothing: what
// the disk costs is not what benchmarks and the fuzzer measure.
class NoSyncCalls : public FileSystemCalls {
public:
    SystemResult Sync(NativeFile) override { return {}; }
};
