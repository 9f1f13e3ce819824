#pragma once

#include "CFileException.h"
#include "FileSystemCalls.h"

#include <cstdint>
#include <string>

// An unbuffered file, opened and closed within one operation. Failures
// after opening are thrown as CFileException carrying the path the file
// was opened by; a failed open is reported by Open's result.
class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,   // no other open of the file while this one holds it
        typeBinary = 0x8000,       // files are always binary here; kept for the callers' clarity
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    ~CFile();   // closes an open file, ignoring any error
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens an existing regular file; never creates or truncates one.
    bool Open(const std::string& path, unsigned flags, CFileException* error = nullptr);

    // A target beyond the end is no error; a negative one is a seek error.
    std::uint64_t Seek(std::int64_t offset, SeekPosition from);
    // Returns fewer bytes than asked only at the end of the file.
    std::uint32_t Read(void* buffer, std::uint32_t count);
    // A write that transfers fewer bytes than asked is a full disk.
    void Write(const void* buffer, std::uint32_t count);
    std::uint64_t GetPosition() const;
    std::uint64_t GetLength() const;
    // Forces written bytes to stable storage.
    void Flush();
    void Close();
    // Closes without reporting errors, for leaving after a failure.
    void Abort();

    bool IsOpen() const { return m_file != kNoFile; }

private:
    NativeFile m_file = kNoFile;
    std::string m_path;
};
