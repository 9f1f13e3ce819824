#include "CFile.h"
#include "FailingCalls.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>
#ifdef _WIN32
#include <windows.h>
#endif
#include <filesystem>

namespace {

using ::testing::HasSubstr;

// The system's own sentence for an error code, read here by other means
// than the file layer's.
std::string SystemWords(int code)
{
#ifdef _WIN32
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
    while (length > 0 && std::isspace(static_cast<unsigned char>(text[length - 1])))
        --length;
    return std::string(text, length);
#else
    return std::strerror(code);
#endif
}

struct ErrorTextCase {
    CFileException::Cause cause;
    const char* text;
};

class ErrorText : public ::testing::TestWithParam<ErrorTextCase> {};

TEST_P(ErrorText, NamesThePathOrAnUnnamedFile)
{
    const ErrorTextCase& c = GetParam();
    const std::string withPath = c.text;
    std::string withoutPath = c.text;
    withoutPath.replace(withoutPath.find("C:\\game\\tiledata.mul"), 20, "an unnamed file");

    EXPECT_EQ(CFileException(c.cause, "C:\\game\\tiledata.mul").GetErrorMessage(), withPath);
    EXPECT_STREQ(CFileException(c.cause, "C:\\game\\tiledata.mul").what(), withPath.c_str());
    EXPECT_EQ(CFileException(c.cause).GetErrorMessage(), withoutPath);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ErrorText,
    ::testing::Values(
        ErrorTextCase{CFileException::none, "An unknown error occurred while accessing C:\\game\\tiledata.mul."},
        ErrorTextCase{CFileException::genericException, "An unknown error occurred while accessing C:\\game\\tiledata.mul."},
        ErrorTextCase{CFileException::fileNotFound, "C:\\game\\tiledata.mul was not found."},
        ErrorTextCase{CFileException::badPath, "C:\\game\\tiledata.mul contains an invalid path."},
        ErrorTextCase{CFileException::tooManyOpenFiles, "C:\\game\\tiledata.mul could not be opened because there are too many open files."},
        ErrorTextCase{CFileException::accessDenied, "Access to C:\\game\\tiledata.mul was denied."},
        ErrorTextCase{CFileException::invalidFile, "An invalid file handle was associated with C:\\game\\tiledata.mul."},
        ErrorTextCase{CFileException::removeCurrentDir, "C:\\game\\tiledata.mul could not be removed because it is the current directory."},
        ErrorTextCase{CFileException::directoryFull, "C:\\game\\tiledata.mul could not be created because the directory is full."},
        ErrorTextCase{CFileException::badSeek, "Seek failed on C:\\game\\tiledata.mul"},
        ErrorTextCase{CFileException::hardIO, "A hardware I/O error was reported while accessing C:\\game\\tiledata.mul."},
        ErrorTextCase{CFileException::sharingViolation, "A sharing violation occurred while accessing C:\\game\\tiledata.mul."},
        ErrorTextCase{CFileException::lockViolation, "A locking violation occurred while accessing C:\\game\\tiledata.mul."},
        ErrorTextCase{CFileException::diskFull, "Disk full while accessing C:\\game\\tiledata.mul."},
        ErrorTextCase{CFileException::endOfFile, "An attempt was made to access C:\\game\\tiledata.mul past its end."}));

TEST(OsErrorToCause, MapsThePlatformsCodes)
{
#ifdef _WIN32
    const std::pair<int, CFileException::Cause> cases[] = {
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound}, {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_INVALID_NAME, CFileException::badPath},        {ERROR_BAD_PATHNAME, CFileException::badPath},
        {ERROR_INVALID_DRIVE, CFileException::badPath},       {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},  {ERROR_WRITE_PROTECT, CFileException::accessDenied},
        {ERROR_INVALID_HANDLE, CFileException::invalidFile},  {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
        {ERROR_CANNOT_MAKE, CFileException::directoryFull},   {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
        {ERROR_SEEK, CFileException::badSeek},                {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation}, {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},   {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_CRC, CFileException::hardIO},                  {ERROR_WRITE_FAULT, CFileException::hardIO},
        {ERROR_INVALID_PARAMETER, CFileException::genericException},
    };
#else
    const std::pair<int, CFileException::Cause> cases[] = {
        {ENOENT, CFileException::fileNotFound},   {ENOTDIR, CFileException::badPath},
        {ENAMETOOLONG, CFileException::badPath},  {ELOOP, CFileException::badPath},
        {EMFILE, CFileException::tooManyOpenFiles}, {ENFILE, CFileException::tooManyOpenFiles},
        {EACCES, CFileException::accessDenied},   {EPERM, CFileException::accessDenied},
        {EROFS, CFileException::accessDenied},    {EISDIR, CFileException::accessDenied},
        {EBADF, CFileException::invalidFile},     {ESPIPE, CFileException::badSeek},
        {EIO, CFileException::hardIO},            {EWOULDBLOCK, CFileException::sharingViolation},
        {ETXTBSY, CFileException::sharingViolation}, {ENOLCK, CFileException::lockViolation},
        {EDEADLK, CFileException::lockViolation}, {ENOSPC, CFileException::diskFull},
        {EDQUOT, CFileException::diskFull},       {EFBIG, CFileException::diskFull},
        {EINVAL, CFileException::genericException}, {EPIPE, CFileException::genericException},
    };
#endif
    for (const auto& [code, cause] : cases)
        EXPECT_EQ(CFileException::OsErrorToCause(code), cause) << "error " << code;
}

class CFileTest : public ::testing::Test {
protected:
    CFileTest() : path(folder.File("data.mul")) { WriteFileBytes(path, {1, 2, 3, 4, 5, 6, 7, 8}); }

    static constexpr unsigned kRead = CFile::modeRead | CFile::shareExclusive | CFile::typeBinary;
    static constexpr unsigned kReadWrite = CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary;

    TempFolder folder;
    std::string path;
};

TEST_F(CFileTest, OpenFailuresCarryTheirKindAndPath)
{
    struct Case {
        std::string path;
        unsigned mode;
        CFileException::Cause cause;
    };
    const Case cases[] = {
        {folder.File("missing.mul"), kRead, CFileException::fileNotFound},
        {folder.File("missing.mul"), kReadWrite, CFileException::fileNotFound},
        {folder.File("data.mul/inner"), kRead, CFileException::badPath},
        {folder.Path().string(), kRead, CFileException::accessDenied},
        {folder.Path().string(), kReadWrite, CFileException::accessDenied},
        {"", kRead, CFileException::fileNotFound},
    };
    for (const Case& c : cases) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path, c.mode, &error)) << c.path;
        EXPECT_EQ(error.m_cause, c.cause) << c.path;
        EXPECT_EQ(error.m_strFileName, c.path);
        EXPECT_FALSE(file.IsOpen());
        // The system's own words follow on a line of their own; an empty
        // path is refused before any system call, so none are added.
        if (c.path.empty())
            EXPECT_EQ(error.GetErrorMessageWithReason(), error.GetErrorMessage());
        else
            EXPECT_EQ(error.GetErrorMessageWithReason(), error.GetErrorMessage() + "\n" + SystemWords(error.m_lOsError));
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing.mul"))) << "an open never creates";
}

TEST_F(CFileTest, ExclusiveOpenIsRefusedWhileAnotherOpenHoldsTheFile)
{
    for (const unsigned holderMode : {kRead, kReadWrite}) {
        for (const unsigned secondMode : {kRead, kReadWrite}) {
            CFile holder;
            ASSERT_TRUE(holder.Open(path, holderMode));
            CFile second;
            CFileException error;
            EXPECT_FALSE(second.Open(path, secondMode, &error));
            EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
            EXPECT_EQ(error.GetErrorMessage(),
                      "A sharing violation occurred while accessing " + path + ".");
            holder.Close();
            EXPECT_TRUE(second.Open(path, secondMode)) << "free again once the holder closed";
        }
    }
}

TEST_F(CFileTest, ReadWriteOpenKeepsTheFilesBytes)
{
    CFile file;
    ASSERT_TRUE(file.Open(path, kReadWrite));
    EXPECT_EQ(file.GetLength(), 8u);
    file.Close();
    EXPECT_EQ(ReadFileBytes(path), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(CFileTest, ReadIsShortAtTheEndAndEmptyBeyondIt)
{
    CFile file;
    ASSERT_TRUE(file.Open(path, kRead));
    std::uint8_t buffer[6] = {};
    file.Seek(5, CFile::begin);
    EXPECT_EQ(file.Read(buffer, 6), 3u);
    EXPECT_EQ(buffer[0], 6);
    EXPECT_EQ(buffer[2], 8);
    EXPECT_EQ(file.Seek(100, CFile::begin), 100u) << "a seek beyond the end is no error";
    EXPECT_EQ(file.Read(buffer, 6), 0u);
    EXPECT_EQ(file.Seek(4, CFile::current), 104u);
    EXPECT_EQ(file.GetPosition(), 104u);
}

TEST_F(CFileTest, NegativeSeekTargetIsASeekErrorOnThePath)
{
    CFile file;
    ASSERT_TRUE(file.Open(path, kRead));
    file.Seek(3, CFile::begin);
    for (const auto& [offset, from] : {std::pair{-1, CFile::begin}, std::pair{-4, CFile::current},
                                       std::pair{-0x7FFFFFFF, CFile::begin}}) {
        try {
            file.Seek(offset, from);
            ADD_FAILURE() << "no seek error for " << offset;
        } catch (const CFileException& error) {
            EXPECT_EQ(error.m_cause, CFileException::badSeek);
            EXPECT_EQ(error.GetErrorMessage(), "Seek failed on " + path);
            EXPECT_EQ(error.GetSystemReason(), "") << "no system call failed";
        }
    }
    EXPECT_EQ(file.GetPosition(), 3u) << "a refused seek leaves the position";
    EXPECT_EQ(file.Seek(-3, CFile::current), 0u);
}

TEST_F(CFileTest, WritingPastTheEndFillsTheGapWithZeros)
{
    CFile file;
    ASSERT_TRUE(file.Open(path, kReadWrite));
    file.Seek(10, CFile::begin);
    const std::uint8_t bytes[] = {0xAA, 0xBB};
    file.Write(bytes, 2);
    file.Flush();
    file.Close();
    EXPECT_EQ(ReadFileBytes(path),
              (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0xAA, 0xBB}));
}

struct FailureCase {
    const char* name;
    FailingCalls::Call call;
    int error;
    CFileException::Cause cause;
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class CFileFailure : public CFileTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CFileFailure, SurfacesAsTheRightErrorWithThePathAndTheSystemsWords)
{
    const FailureCase& c = GetParam();
    CFile file;
    ASSERT_TRUE(file.Open(path, kReadWrite));
    FailingCalls failing(c.call, c.error);
    ScopedFileSystemCalls scope(failing);
    try {
        std::uint8_t buffer[4] = {9, 9, 9, 9};
        switch (c.call) {
        case FailingCalls::Call::kRead: file.Read(buffer, 4); break;
        case FailingCalls::Call::kWrite:
        case FailingCalls::Call::kShortWrite: file.Write(buffer, 4); break;
        case FailingCalls::Call::kSeek: file.Seek(2, CFile::begin); break;
        case FailingCalls::Call::kSync: file.Flush(); break;
        case FailingCalls::Call::kClose: file.Close(); break;
        case FailingCalls::Call::kOpen: break;  // a failed open is no exception: tested above
        }
        ADD_FAILURE() << "no error raised";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, c.cause);
        EXPECT_EQ(error.m_strFileName, path);
        EXPECT_THAT(error.GetErrorMessage(), HasSubstr(path));
        // A short write fails no system call: it has no words of the system's.
        EXPECT_EQ(error.GetErrorMessageWithReason(),
                  c.error == 0 ? error.GetErrorMessage() : error.GetErrorMessage() + "\n" + SystemWords(c.error));
    }
    EXPECT_EQ(failing.failures, 1);
}

INSTANTIATE_TEST_SUITE_P(
    EachCall, CFileFailure,
    ::testing::Values(
        FailureCase{"FailingRead", FailingCalls::Call::kRead, os_error::kHardwareIo, CFileException::hardIO},
        FailureCase{"FailingWrite", FailingCalls::Call::kWrite, os_error::kDiskFull, CFileException::diskFull},
        FailureCase{"DeniedWrite", FailingCalls::Call::kWrite, os_error::kInvalidHandle, CFileException::invalidFile},
        FailureCase{"ShortWrite", FailingCalls::Call::kShortWrite, 0, CFileException::diskFull},
        FailureCase{"FailingSeek", FailingCalls::Call::kSeek, os_error::kBadSeek, CFileException::badSeek},
        FailureCase{"FailingFlush", FailingCalls::Call::kSync, os_error::kHardwareIo, CFileException::hardIO},
        FailureCase{"FailingClose", FailingCalls::Call::kClose, os_error::kHardwareIo, CFileException::hardIO}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(CFileTest, ClosedFileIsReleasedEvenWhenCloseFails)
{
    CFile file;
    ASSERT_TRUE(file.Open(path, kReadWrite));
    {
        FailingCalls failing(FailingCalls::Call::kClose, os_error::kHardwareIo);
        ScopedFileSystemCalls scope(failing);
        EXPECT_THROW(file.Close(), CFileException);
    }
    EXPECT_FALSE(file.IsOpen());
    CFile again;
    EXPECT_TRUE(again.Open(path, kReadWrite)) << "the lock went with the descriptor";
}

TEST_F(CFileTest, DestructorReleasesTheLock)
{
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, kRead));
    }
    CFile again;
    EXPECT_TRUE(again.Open(path, kReadWrite));
}

} // namespace
