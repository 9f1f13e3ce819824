#pragma once

#include "GuiTestSupport.h"
#include "SampleGameFolder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// The editor over a temporary copy of the sample game folder.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture()
        : files(MakeSampleGameFiles()),
          gameFolder(folder.Path() / "game"),
          tileDataPath((gameFolder / kSampleTileDataName).string()),
          verDataPath((gameFolder / kSampleVerDataName).string())
    {
        std::filesystem::create_directories(gameFolder);
        WriteFileBytes(tileDataPath, files.tileData);
        WriteFileBytes(verDataPath, files.verData);
    }

    CEditorDlg& Dialog() { return editor.Dialog(); }
    QString LineText(int position) { return QString::fromLatin1(Dialog().m_list.GetText(position)); }

    TempFolder folder;
    SampleGameFiles files;
    std::filesystem::path gameFolder;
    std::string tileDataPath;
    std::string verDataPath;
    EditorHarness editor;
};
