// The editor started as the program starts it, with or without a file.
#include "CEditorApp.h"
#include "CFileException.h"
#include "EditorFixture.h"
#include "FailingCalls.h"
#include "TileName.h"

#include <QApplication>
#include <QTimer>

namespace {

class StartFileTest : public EditorFixture {
protected:
    // Runs the application from the temporary folder with these arguments,
    // and `check` once its window is shown and what waited then has run.
    void RunWith(std::vector<std::string> arguments, const std::function<void(CEditorDlg&)>& check)
    {
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.Path());
        CEditorApp app;
        app.m_arguments = std::move(arguments);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* started = dynamic_cast<CEditorDlg*>(app.m_pMainWnd);
            if (!started || !started->IsWindowVisible())
                return;
            poll.stop();
            QApplication::processEvents();
            check(*started);
            started->EndDialog(IDCANCEL);
        });
        poll.start(5);
        EXPECT_FALSE(app.InitInstance());
        std::filesystem::current_path(previous);
        EXPECT_FALSE(poll.isActive()) << "never shown";
    }
    std::string InCurrentFolder(const char* name) { return (std::filesystem::current_path() / name).string(); }
};

TEST_F(StartFileTest, ARelativePathLoadsAsLoadDoesAndShowsTheFirstTileAndItsPicture)
{
    std::vector<std::string> lines;
    RunWith({"game/./tiledata.mul", "other.mul"}, [&](CEditorDlg& started) {
        EXPECT_EQ(started.m_path, InCurrentFolder("game/tiledata.mul"));
        for (int i = 0; i < started.m_list.GetCount(); ++i)
            lines.push_back(started.m_list.GetText(i));
        EXPECT_EQ(started.m_list.GetCurSel(), 0);
        EXPECT_EQ(started.m_name, std::string(TileName(started.m_table[0])));
        EXPECT_TRUE(started.m_tileArt.IsWindowVisible());
    });
    EXPECT_TRUE(editor.messages.shown.empty());
    editor.Load(tileDataPath);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(Dialog().m_list.GetCount()));
    for (int i = 0; i < Dialog().m_list.GetCount(); ++i)
        ASSERT_EQ(lines[i], Dialog().m_list.GetText(i)) << i;
    EXPECT_EQ(lines[kSampleWallpaperTile], "0005 - wallpaper (p)");
}

TEST_F(StartFileTest, AFileThatCannotBeOpenedIsToldAndTheEditorStaysOpenAndEmpty)
{
    RunWith({"nosuch.mul"}, [&](CEditorDlg& started) {
        const std::string text = "ERROR: cannot open \"" + InCurrentFolder("nosuch.mul") + "\"!\n" +
                                 CFileException::OsErrorText(os_error::kFileNotFound);
        EXPECT_EQ(editor.messages.Texts(), std::vector<QString>{QString::fromStdString(text)});
        EXPECT_TRUE(started.IsWindowVisible());
        EXPECT_EQ(started.m_list.GetCount(), 0);
        EXPECT_TRUE(started.m_path.empty());
        EXPECT_FALSE(started.m_tileArt.IsWindowVisible());
    });
}

TEST_F(StartFileTest, WithoutAFileTheEditorStartsEmptyAndSaysNothing)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {""}}) {
        RunWith(arguments, [&](CEditorDlg& started) {
            EXPECT_EQ(started.m_list.GetCount(), 0);
            EXPECT_FALSE(started.m_tileArt.IsWindowVisible());
        });
        EXPECT_TRUE(editor.messages.shown.empty());
    }
}

} // namespace
