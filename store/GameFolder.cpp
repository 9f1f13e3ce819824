#include "GameFolder.h"

#include "TileDataFile.h"
#include "VerDataFile.h"

template <typename Table>
GameFolderLoad LoadGameFolder(Table& table, const std::string& tileDataPath, Table* unpatched,
                              WaitCursorHook& waitCursor)
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

template GameFolderLoad LoadGameFolder(StaticTileTable&, const std::string&, StaticTileTable*, WaitCursorHook&);
template GameFolderLoad LoadGameFolder(LandTileTable&, const std::string&, LandTileTable*, WaitCursorHook&);
