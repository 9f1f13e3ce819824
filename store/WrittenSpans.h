#pragma once

#include "CFile.h"

#include <cstdint>
#include <string>
#include <vector>

// The bytes of one file as they were before an in-place write went over
// them, kept so that a failure later on, in that file or in the next one
// of the same change, can put them back. Bytes that a write added past the
// file's end stay: nothing is ever truncated.
class WrittenSpans {
public:
    void Keep(std::uint64_t start, const std::uint8_t* bytes, std::size_t count);
    // Writes `count` bytes at `start` of the open file, keeping first the
    // bytes the file holds there.
    void Write(CFile& file, std::uint64_t start, const std::uint8_t* bytes, std::uint32_t count);
    bool IsEmpty() const { return m_spans.empty(); }
    // Writes the kept bytes back, the last span first, into the open file or
    // into the file at `path`, opened again exclusively. True when every
    // span went back, and then none is kept; false leaves the kept spans.
    bool PutBack(CFile& file) noexcept;
    bool PutBack(const std::string& path) noexcept;

private:
    struct Span {
        std::uint64_t start;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Span> m_spans;
};
