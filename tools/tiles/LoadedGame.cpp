#include "LoadedGame.h"

#include "PathParts.h"
#include "ToolCommand.h"

#include <filesystem>
#include <ostream>
#include <system_error>
#include <vector>

namespace {

template <typename Table>
std::vector<std::unique_ptr<Table>>& SpareTables()
{
    static std::vector<std::unique_ptr<Table>> spare;
    return spare;
}

} // namespace

template <typename Table>
void ReturnToPool<Table>::operator()(Table* table) const
{
    SpareTables<Table>().emplace_back(table);
}

template <typename Table>
PooledTable<Table> CleanTable()
{
    std::vector<std::unique_ptr<Table>>& spare = SpareTables<Table>();
    if (spare.empty())
        return PooledTable<Table>(new Table());
    PooledTable<Table> table(spare.back().release());
    spare.pop_back();
    table->Clear();
    return table;
}

std::optional<std::uint64_t> TileDataFileSize(const std::string& path, std::ostream& err)
{
    std::error_code error;
    const std::uint64_t size = std::filesystem::file_size(PathFromUtf8(path), error);
    if (error) {
        ToolError(err) << path << ": " << error.message() << '\n';
        return std::nullopt;
    }
    return size;
}

std::string WhatWasLeft(const std::vector<std::string>& filesLeftChanged)
{
    if (filesLeftChanged.empty())
        return "; nothing was written";
    std::string text = "; putting back what was written failed, so these are left changed:";
    for (const std::string& file : filesLeftChanged)
        text += ' ' + file;
    return text;
}

std::string OpenFailureText(const std::string& path, const FileOpenFailure& failure)
{
    if (failure.reason == FileOpenFailure::Reason::kLayoutChanged)
        return path + ": the file's size changed to that of another layout since it was read";
    return failure.cause.GetErrorMessageOnOneLine();
}

namespace {

// Tells on `err` why a load failed, or that it found no patch file; false
// when it failed.
bool ReportLoad(const std::string& path, const GameFolderLoad& load, std::ostream& err)
{
    switch (load.result) {
    case GameFolderLoad::Result::kTileDataRefused:
        ToolError(err) << OpenFailureText(path, load.tileDataFailure) << '\n';
        return false;
    case GameFolderLoad::Result::kFileError:
        ToolError(err) << load.fileError.GetErrorMessageOnOneLine() << '\n';
        return false;
    case GameFolderLoad::Result::kLoaded:
        break;
    }
    if (!load.patchFileLoaded)
        ToolError(err) << "note: no patch file read (" << load.patchFileFailure.cause.GetErrorMessageOnOneLine()
                       << "); the tiles are as " << path << " holds them\n";
    return true;
}

} // namespace

template <typename Table>
bool LoadGame(const std::string& path, LoadedGame<Table>& game, std::ostream& err)
{
    game.load = LoadGameFolder(*game.patched, path, game.fileValues.get());
    return ReportLoad(path, game.load, err);
}

bool LoadFolder(const std::string& path, LoadedFolder& folder, std::ostream& err)
{
    const GameFolderHalves tables{*folder.statics, *folder.land};
    if (folder.fileStatics && folder.fileLand) {
        const GameFolderHalves fileValues{*folder.fileStatics, *folder.fileLand};
        folder.load = LoadGameFolder(tables, path, &fileValues);
    } else {
        folder.load = LoadGameFolder(tables, path);
    }
    return ReportLoad(path, folder.load, err);
}

template struct ReturnToPool<StaticTileTable>;
template struct ReturnToPool<LandTileTable>;
template PooledTable<StaticTileTable> CleanTable<StaticTileTable>();
template PooledTable<LandTileTable> CleanTable<LandTileTable>();
template bool LoadGame(const std::string&, LoadedGame<StaticTileTable>&, std::ostream&);
template bool LoadGame(const std::string&, LoadedGame<LandTileTable>&, std::ostream&);
