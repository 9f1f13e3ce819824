#include "GameFolder.h"

#include "TileDataFile.h"
#include "VerDataFile.h"

GameFolderLoad LoadGameFolder(StaticTileTable& table, const std::string& tileDataPath,
                              StaticTileTable* unpatched, WaitCursorHook& waitCursor)
{
    GameFolderLoad load;
    load.patchFile = LocatePatchFileBeside(tileDataPath);
    try {
        if (!LoadTileData(table, tileDataPath, waitCursor, &load.tileDataFailure))
            return load;
        if (unpatched)
            *unpatched = table;
        load.patchFileLoaded = LoadVerData(table, load.patchFile.opened, waitCursor, &load.patchFileFailure);
        load.result = GameFolderLoad::Result::kLoaded;
    } catch (const CFileException& error) {
        load.result = GameFolderLoad::Result::kFileError;
        load.fileError = error;
    }
    return load;
}
