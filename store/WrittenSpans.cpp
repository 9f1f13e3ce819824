#include "WrittenSpans.h"

#include "StoreFiles.h"

using namespace store_detail;

void WrittenSpans::Keep(std::uint64_t start, const std::uint8_t* bytes, std::size_t count)
{
    m_spans.push_back({start, std::vector<std::uint8_t>(bytes, bytes + count)});
}

void WrittenSpans::Write(CFile& file, std::uint64_t start, const std::uint8_t* bytes, std::uint32_t count)
{
    std::vector<std::uint8_t> held(count);
    file.Seek(static_cast<std::int64_t>(start), CFile::begin);
    Keep(start, held.data(), file.Read(held.data(), count));
    file.Seek(static_cast<std::int64_t>(start), CFile::begin);
    file.Write(bytes, count);
}

bool WrittenSpans::PutBack(CFile& file) noexcept
{
    try {
        std::vector<std::uint8_t> now;
        while (!m_spans.empty()) {
            const Span& span = m_spans.back();
            const auto size = static_cast<std::uint32_t>(span.bytes.size());
            // A span whose write failed before it changed anything (the usual
            // full disk) needs no write, which the full disk might refuse.
            now.assign(size, 0);
            file.Seek(static_cast<std::int64_t>(span.start), CFile::begin);
            if (file.Read(now.data(), size) != size || now != span.bytes) {
                file.Seek(static_cast<std::int64_t>(span.start), CFile::begin);
                file.Write(span.bytes.data(), size);
            }
            m_spans.pop_back();
        }
        return true;
    } catch (...) {
        // The failure that called for putting back is the one reported; what
        // could not go back stays kept, for the caller to name.
        return false;
    }
}

bool WrittenSpans::PutBack(const std::string& path) noexcept
{
    if (m_spans.empty())
        return true;
    try {
        CFile file;
        if (!OpenGameFile(file, path, CFile::modeReadWrite, nullptr))
            return false;
        if (!PutBack(file))
            return false;
        file.Flush();
        file.Close();
        return true;
    } catch (...) {
        return false;
    }
}
