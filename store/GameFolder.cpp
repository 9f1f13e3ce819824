#include "GameFolder.h"

#include "TileDataFile.h"
#include "VerDataFile.h"

#include <optional>

namespace {

// Writes the tile-data file with `writeTileData(failure)`; once it is
// written, finds the patch file with `locatePatchFile()` and, unless that
// says there is none to write, writes it with `writePatchFile(path,
// failure)`. Each writer returns false when its file does not open.
template <typename WriteTileData, typename LocatePatchFile, typename WritePatchFile>
GameFolderSave WriteGameFolder(WriteTileData&& writeTileData, LocatePatchFile&& locatePatchFile,
                               WritePatchFile&& writePatchFile)
{
    GameFolderSave save;
    try {
        if (!writeTileData(save.tileDataFailure))
            return save;
        save.result = GameFolderSave::Result::kSaved;
        const std::optional<PatchFileLocation> patchFile = locatePatchFile();
        if (!patchFile)
            return save;
        save.patchFile = *patchFile;
        save.patchFileWritten = writePatchFile(save.patchFile.opened, save.patchFileFailure);
        if (!save.patchFileWritten)
            save.result = GameFolderSave::Result::kPatchFileRefused;
    } catch (const CFileException& error) {
        save.result = GameFolderSave::Result::kFileError;
        save.fileError = error;
    }
    return save;
}

// Reads the tile-data file with `loadTileData(failure)`, then, once it has
// loaded, finds the patch file beside it and applies it with
// `loadPatchFile(load)`; each returns false when its file does not open.
template <typename LoadTileData, typename LoadPatchFile>
GameFolderLoad ReadGameFolder(const std::string& tileDataPath, LoadTileData&& loadTileData,
                              LoadPatchFile&& loadPatchFile)
{
    GameFolderLoad load;
    try {
        if (!loadTileData(load.tileDataFailure))
            return load;
        // Only now is the folder looked through for the patch file.
        load.patchFile = LocatePatchFileBeside(tileDataPath);
        load.patchFileLoaded = loadPatchFile(load);
        load.result = GameFolderLoad::Result::kLoaded;
    } catch (const CFileException& error) {
        load.result = GameFolderLoad::Result::kFileError;
        load.fileError = error;
    }
    return load;
}

} // namespace

template <typename Table>
GameFolderLoad LoadGameFolder(Table& table, const std::string& tileDataPath, Table* unpatched,
                              WaitCursorHook& waitCursor)
{
    return ReadGameFolder(
        tileDataPath,
        [&](FileOpenFailure& failure) {
            if (!LoadTileData(table, tileDataPath, waitCursor, &failure))
                return false;
            if (unpatched)
                unpatched->AssignInUse(table);
            return true;
        },
        [&](GameFolderLoad& load) {
            return LoadVerData(table, load.patchFile.opened, waitCursor, &load.patchFileFailure,
                               &load.patchBlocksApplied);
        });
}

template GameFolderLoad LoadGameFolder(StaticTileTable&, const std::string&, StaticTileTable*, WaitCursorHook&);
template GameFolderLoad LoadGameFolder(LandTileTable&, const std::string&, LandTileTable*, WaitCursorHook&);

GameFolderLoad LoadGameFolder(GameFolderHalves tables, const std::string& tileDataPath,
                              const GameFolderHalves* unpatched, WaitCursorHook& waitCursor)
{
    return ReadGameFolder(
        tileDataPath,
        [&](FileOpenFailure& failure) {
            if (!LoadTileData(tables.statics, tables.land, tileDataPath, waitCursor, &failure))
                return false;
            if (unpatched) {
                unpatched->statics.AssignInUse(tables.statics);
                unpatched->land.AssignInUse(tables.land);
            }
            return true;
        },
        [&](GameFolderLoad& load) {
            return LoadVerData(tables.statics, tables.land, load.patchFile.opened, waitCursor, &load.patchFileFailure,
                               &load.patchBlocksApplied, &load.landPatchBlocksApplied);
        });
}

GameFolderSave SaveGameFolder(const StaticTileTable& table, const std::string& tileDataPath, bool patchFileLoaded,
                              WaitCursorHook& waitCursor)
{
    return WriteGameFolder(
        [&](FileOpenFailure& failure) { return SaveTileData(table, tileDataPath, waitCursor, &failure); },
        [&] { return std::optional(LocatePatchFileBeside(tileDataPath)); },
        [&](const std::string& patchPath, FileOpenFailure& failure) {
            if (!patchFileLoaded) {
                failure = {FileOpenFailure::Reason::kNotReadAtLoad, CFileException()};
                return false;
            }
            return SaveVerData(table, patchPath, waitCursor, &failure);
        });
}

template <typename Table>
GameFolderSave WriteGameFolderEdits(const std::vector<TileEdit>& edits, const std::string& tileDataPath,
                                    const GameFolderLoad& load, const Table& fileValues, const Table& patched)
{
    WrittenSpans tileDataWritten, patchFileWritten;
    GameFolderSave save = WriteGameFolder(
        [&](FileOpenFailure& failure) {
            return WriteTileDataEdits(edits, fileValues, tileDataPath, NoWaitCursor::Instance(), &failure,
                                      &tileDataWritten);
        },
        // Only a patch file the load read holds blocks that show the tiles.
        [&] { return load.patchFileLoaded ? std::optional(load.patchFile) : std::nullopt; },
        [&](const std::string& patchPath, FileOpenFailure& failure) {
            return WriteVerDataEdits(edits, patched, patchPath, NoWaitCursor::Instance(), &failure,
                                     &patchFileWritten);
        });
    if (save.result == GameFolderSave::Result::kPatchFileRefused || save.result == GameFolderSave::Result::kFileError) {
        // Each writer has put back its own file where it failed; the
        // tile-data file, done before the patch file failed, is put back here.
        if (!tileDataWritten.PutBack(tileDataPath))
            save.filesLeftChanged.push_back(tileDataPath);
        if (!patchFileWritten.PutBack(save.patchFile.opened))
            save.filesLeftChanged.push_back(save.patchFile.opened);
    }
    return save;
}

template GameFolderSave WriteGameFolderEdits(const std::vector<TileEdit>&, const std::string&, const GameFolderLoad&,
                                             const StaticTileTable&, const StaticTileTable&);
template GameFolderSave WriteGameFolderEdits(const std::vector<TileEdit>&, const std::string&, const GameFolderLoad&,
                                             const LandTileTable&, const LandTileTable&);
