#include "ByteSource.h"

#include <algorithm>

namespace {

constexpr std::uint64_t kWindowBytes = 1 << 20;

} // namespace

bool FileByteSource::Open(const std::string& path, CFileException* error)
{
    if (!m_file.Open(path, CFile::modeRead | CFile::typeBinary, error))
        return false;
    m_source = &m_file;
    m_path = path;
    m_size = m_file.GetLength();
    m_window.clear();
    return true;
}

void FileByteSource::Use(CFile& file, const std::string& path)
{
    m_source = &file;
    m_path = path;
    m_size = file.GetLength();
    m_window.clear();
}

std::span<const std::uint8_t> FileByteSource::View(std::uint64_t offset, std::uint32_t count)
{
    const bool inWindow = offset >= m_windowOffset && offset + count <= m_windowOffset + m_window.size();
    if (!inWindow) {
        const std::uint64_t wanted = std::min(std::max<std::uint64_t>(count, kWindowBytes), m_size - offset);
        m_window.resize(static_cast<std::size_t>(wanted));
        m_windowOffset = offset;
        m_source->Seek(static_cast<std::int64_t>(offset), CFile::begin);
        const std::uint32_t read = m_source->Read(m_window.data(), static_cast<std::uint32_t>(wanted));
        if (read < count)  // the file was cut short since it was opened
            throw CFileException(CFileException::endOfFile, m_path);
        m_window.resize(read);
    }
    return std::span<const std::uint8_t>(m_window).subspan(static_cast<std::size_t>(offset - m_windowOffset), count);
}
