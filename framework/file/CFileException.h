#pragma once

#include <exception>
#include <string>

// The file layer's error: what went wrong (one of a fixed set of kinds) and,
// where the operation knows it, the full path of the file concerned.
class CFileException : public std::exception {
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException() = default;
    CFileException(Cause cause, std::string fileName = {}, int osError = 0);

    // The text shown to the user: the kind's sentence with the path, or
    // "an unnamed file" when the path is not known.
    std::string GetErrorMessage() const;
    const char* what() const noexcept override;

    // The one place where the platform's error codes become kinds.
    static Cause OsErrorToCause(int osError);
    [[noreturn]] static void ThrowOsError(int osError, const std::string& fileName = {});

    Cause m_cause = none;
    std::string m_strFileName;
    int m_lOsError = 0;

private:
    std::string m_message;
};
