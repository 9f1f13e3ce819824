#include "GameFolder.h"

#include "TileDataFile.h"
#include "VerDataFile.h"

namespace {

template <typename Table>
GameFolderLoad LoadHalf(Table& table, const std::string& tileDataPath, Table* unpatched, WaitCursorHook& waitCursor)
{
    GameFolderLoad load;
    try {
        if (!LoadTileData(table, tileDataPath, waitCursor, &load.tileDataFailure))
            return load;
        if (unpatched)
            unpatched->AssignInUse(table);
        // Only now is the folder looked through for the patch file.
        load.patchFile = LocatePatchFileBeside(tileDataPath);
        load.patchFileLoaded = LoadVerData(table, load.patchFile.opened, waitCursor, &load.patchFileFailure,
                                           &load.patchBlocksApplied);
        load.result = GameFolderLoad::Result::kLoaded;
    } catch (const CFileException& error) {
        load.result = GameFolderLoad::Result::kFileError;
        load.fileError = error;
    }
    return load;
}

} // namespace

GameFolderLoad LoadGameFolder(StaticTileTable& table, const std::string& tileDataPath, StaticTileTable* unpatched,
                              WaitCursorHook& waitCursor)
{
    return LoadHalf(table, tileDataPath, unpatched, waitCursor);
}

GameFolderLoad LoadGameFolder(LandTileTable& table, const std::string& tileDataPath, LandTileTable* unpatched,
                              WaitCursorHook& waitCursor)
{
    return LoadHalf(table, tileDataPath, unpatched, waitCursor);
}
