#include "FileSystemCalls.h"

namespace {

FileSystemCalls* g_current = nullptr;

} // namespace

FileSystemCalls& FileSystemCalls::Current()
{
    static FileSystemCalls platform;
    return g_current ? *g_current : platform;
}

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls& calls) : m_previous(g_current)
{
    g_current = &calls;
}

ScopedFileSystemCalls::~ScopedFileSystemCalls()
{
    g_current = m_previous;
}
