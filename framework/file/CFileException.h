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
    // The system's own words for the error ("No space left on device"),
    // empty when the error came from no system call (a short write, a
    // negative seek).
    std::string GetSystemReason() const;
    // The sentence, then the system's words on a line of their own when
    // there are any: what a message box shows.
    std::string GetErrorMessageWithReason() const;
    // The sentence, then the system's words in brackets when there are
    // any: what a line of a command-line program says.
    std::string GetErrorMessageOnOneLine() const;
    const char* what() const noexcept override;

    // The one place where the platform's error codes become kinds, and
    // where they are put into the system's words.
    static Cause OsErrorToCause(int osError);
    static std::string OsErrorText(int osError);
    [[noreturn]] static void ThrowOsError(int osError, const std::string& fileName = {});

    Cause m_cause = none;
    std::string m_strFileName;
    int m_lOsError = 0;

private:
    std::string m_message;
};
