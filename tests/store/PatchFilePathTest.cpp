#include "CFile.h"
#include "PatchFilePath.h"
#include "PathParts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(DerivePatchFilePath, KeepsTheFolderUpToTheLastSeparator)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/games/world/tiledata.mul", "/games/world/verdata.mul"},
        {"/tiledata.mul", "/verdata.mul"},
        {"relative/dir/TILEDATA.MUL", "relative/dir/verdata.mul"},
        {"tiledata.mul", "verdata.mul"},
        {"", "verdata.mul"},
        {"/games/world/", "/games/world/verdata.mul"},
#ifdef _WIN32
        {"C:\\games\\tiledata.mul", "C:\\games\\verdata.mul"},
        {"C:\\games/world\\tiledata.mul", "C:\\games/world\\verdata.mul"},  // both separators count
#else
        {"C:\\games\\tiledata.mul", "verdata.mul"},  // not a folder separator here
#endif
    };
    for (const auto& [tileData, patch] : cases)
        EXPECT_EQ(DerivePatchFilePath(tileData), patch) << tileData;
}

#ifndef _WIN32
TEST(LocateFileIgnoringCase, PrefersTheExactNameThenTheOneCaseInsensitiveMatch)
{
    TempFolder folder;
    const std::string derived = folder.File("verdata.mul");
    EXPECT_EQ(LocateFileIgnoringCase(derived), derived) << "nothing there: the derived path";

    WriteFileBytes(folder.File("VERDATA.MUL"), {0, 0, 0, 0});
    EXPECT_EQ(LocateFileIgnoringCase(derived), folder.File("VERDATA.MUL"));

    WriteFileBytes(folder.File("VerData.Mul"), {0, 0, 0, 0});
    EXPECT_EQ(LocateFileIgnoringCase(derived), derived) << "two candidates: neither is taken";

    WriteFileBytes(derived, {0, 0, 0, 0});
    EXPECT_EQ(LocateFileIgnoringCase(derived), derived);
}

TEST(LocateFileIgnoringCase, ABareNameLooksInTheWorkingFolder)
{
    TempFolder folder;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    WriteFileBytes("Verdata.mul", {0, 0, 0, 0});
    EXPECT_EQ(LocateFileIgnoringCase("verdata.mul"), "Verdata.mul");
    std::filesystem::current_path(previous);
}
#else
TEST(LocateFileIgnoringCase, LeavesLetterCaseToTheFileSystem)
{
    TempFolder folder;
    WriteFileBytes(folder.File("VERDATA.MUL"), {0, 0, 0, 0});
    const std::string derived = folder.File("verdata.mul");
    EXPECT_EQ(LocateFileIgnoringCase(derived), derived);
    CFile file;
    EXPECT_TRUE(file.Open(derived, CFile::modeRead | CFile::shareExclusive)) << "found in capitals";
}
#endif

TEST(LocateFileIgnoringCase, AMissingFolderGivesTheDerivedPath)
{
    EXPECT_EQ(LocateFileIgnoringCase("/no/such/folder/verdata.mul"), "/no/such/folder/verdata.mul");
}

} // namespace

TEST(BaseNameWithoutExtension, DropsTheFolderAndOnlyTheLastExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/quarnel/Quarnel.v2.bin", "Quarnel.v2"},
        {"/opt/quarnel.d/Quarnel", "Quarnel"},  // a dot in a folder is no extension
        {"Quarnel.exe", "Quarnel"},
        {"/home/me/.quarnel", ".quarnel"},
    };
    for (const auto& [path, baseName] : cases)
        EXPECT_EQ(BaseNameWithoutExtension(path), baseName) << path;
}

TEST(FullPath, TakesARelativePathFromTheCurrentFolderAndDropsOnlyWhatSaysNothing)
{
    TempFolder folder;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const std::filesystem::path here = std::filesystem::current_path();
    const std::pair<std::string, std::filesystem::path> cases[] = {
        {"./game/.//tiledata.mul", here / "game" / "tiledata.mul"},
        {"caf\xC3\xA9.mul", here / u8"caf\u00E9.mul"},  // UTF-8 both ways, whatever the code page
#ifdef _WIN32
        {"..\\x.mul", here.parent_path() / "x.mul"},  // the system's own reading of ".."
        {"C:/games/tiledata.mul", "C:\\games\\tiledata.mul"},
#else
        {"../x.mul", here / ".." / "x.mul"},  // through a link ".." is elsewhere
#endif
    };
    for (const auto& [given, full] : cases) {
        const std::u8string expected = full.u8string();  // as text: "C:/" and "C:\\" are one path
        EXPECT_EQ(FullPath(given), std::string(expected.begin(), expected.end())) << given;
    }
    std::filesystem::current_path(previous);
}
