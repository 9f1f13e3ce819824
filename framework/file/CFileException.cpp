#include "CFileException.h"

#include <utility>

namespace {

const char* TemplateFor(CFileException::Cause cause)
{
    switch (cause) {
    case CFileException::fileNotFound: return "%1 was not found.";
    case CFileException::badPath: return "%1 contains an invalid path.";
    case CFileException::tooManyOpenFiles:
        return "%1 could not be opened because there are too many open files.";
    case CFileException::accessDenied: return "Access to %1 was denied.";
    case CFileException::invalidFile: return "An invalid file handle was associated with %1.";
    case CFileException::removeCurrentDir:
        return "%1 could not be removed because it is the current directory.";
    case CFileException::directoryFull:
        return "%1 could not be created because the directory is full.";
    case CFileException::badSeek: return "Seek failed on %1";
    case CFileException::hardIO: return "A hardware I/O error was reported while accessing %1.";
    case CFileException::sharingViolation:
        return "A sharing violation occurred while accessing %1.";
    case CFileException::lockViolation: return "A locking violation occurred while accessing %1.";
    case CFileException::diskFull: return "Disk full while accessing %1.";
    case CFileException::endOfFile: return "An attempt was made to access %1 past its end.";
    case CFileException::none:
    case CFileException::genericException: break;
    }
    return "An unknown error occurred while accessing %1.";
}

constexpr const char* kUnnamedFile = "an unnamed file";

} // namespace

CFileException::CFileException(Cause cause, std::string fileName, int osError)
    : m_cause(cause), m_strFileName(std::move(fileName)), m_lOsError(osError)
{
    m_message = GetErrorMessage();
}

std::string CFileException::GetErrorMessage() const
{
    std::string text = TemplateFor(m_cause);
    const std::string subject = m_strFileName.empty() ? kUnnamedFile : m_strFileName;
    text.replace(text.find("%1"), 2, subject);
    return text;
}

std::string CFileException::GetSystemReason() const
{
    return m_lOsError == 0 ? std::string() : OsErrorText(m_lOsError);
}

std::string CFileException::GetErrorMessageWithReason() const
{
    const std::string reason = GetSystemReason();
    return reason.empty() ? GetErrorMessage() : GetErrorMessage() + "\n" + reason;
}

std::string CFileException::GetErrorMessageOnOneLine() const
{
    const std::string reason = GetSystemReason();
    return reason.empty() ? GetErrorMessage() : GetErrorMessage() + " (" + reason + ")";
}

const char* CFileException::what() const noexcept
{
    return m_message.c_str();
}

void CFileException::ThrowOsError(int osError, const std::string& fileName)
{
    throw CFileException(OsErrorToCause(osError), fileName, osError);
}
