#pragma once

#include "CFile.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Bytes taken by offset, from an art file or from memory. The art readers
// work on this, so that the same code reads a game file and a fuzzer's input.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // The `count` bytes at `offset`, which the caller has checked lie
    // within Size(); valid until the next call. A file error throws CFileException.
    virtual std::span<const std::uint8_t> View(std::uint64_t offset, std::uint32_t count) = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    std::uint64_t Size() const override { return m_bytes.size(); }
    std::span<const std::uint8_t> View(std::uint64_t offset, std::uint32_t count) override
    {
        return m_bytes.subspan(static_cast<std::size_t>(offset), count);
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

// A game file, open for reading only (never locked, so the game and other
// programs may hold it too) while the object lives. Reads go through a
// window of a megabyte, so that entries read in file order cost one system
// call a window rather than one each.
class FileByteSource final : public ByteSource {
public:
    // False, with the cause, when the file does not open.
    bool Open(const std::string& path, CFileException* error);
    // Reads through a file the caller has opened and keeps open: a writer
    // that holds it exclusively reads it so before writing.
    void Use(CFile& file, const std::string& path);
    std::uint64_t Size() const override { return m_size; }
    std::span<const std::uint8_t> View(std::uint64_t offset, std::uint32_t count) override;

private:
    CFile m_file;
    CFile* m_source = &m_file;
    std::string m_path;
    std::uint64_t m_size = 0;
    std::vector<std::uint8_t> m_window;
    std::uint64_t m_windowOffset = 0;
};
