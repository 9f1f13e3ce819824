// fold: the tiles the patch file replaces, written into the tile-data file
// itself, for clients that no longer read the patch file.
#include "LoadedGame.h"
#include "TileFold.h"
#include "TilesTool.h"
#include "ToolCommand.h"

#include <ostream>

namespace {

constexpr char kFoldHelp[] =
    "usage: quarnel-tiles fold TILEDATA [--land | --all]\n"
    "\n"
    "Writes every static tile that the patch file beside TILEDATA replaces into\n"
    "TILEDATA itself, in place, whole entries exactly as the patch file holds them,\n"
    "so that a client that ignores the patch file sees the same tiles. --land folds\n"
    "the land tiles instead, --all both halves. Only the entries that differ from\n"
    "the patch file's are written: no other byte of TILEDATA changes, block headers\n"
    "are never touched, and the patch file is only read. A fold made again writes\n"
    "nothing. With no patch file, or none of those tiles in it, nothing is written.\n";

// "1 static tile", "96 land tiles".
std::string Tiles(int count, const char* half)
{
    return std::to_string(count) + ' ' + half + (count == 1 ? " tile" : " tiles");
}

// The tiles of the halves asked for, as "128 static tiles and 96 land tiles".
std::string HalvesText(bool statics, int staticTiles, bool land, int landTiles)
{
    if (statics && land)
        return Tiles(staticTiles, "static") + " and " + Tiles(landTiles, "land");
    return statics ? Tiles(staticTiles, "static") : Tiles(landTiles, "land");
}

int Fold(const ToolArguments& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.Has("--land") && arguments.Has("--all"))
        return UsageError(FoldCommand(), err);
    const bool land = arguments.Has("--land") || arguments.Has("--all");
    const bool statics = !arguments.Has("--land");
    const std::string& path = arguments.Operand(0);

    LoadedFolder folder;
    folder.KeepFileValues();
    if (!LoadFolder(path, folder, err))
        return kExitFileError;
    if (!folder.load.patchFileLoaded) {
        out << "nothing to fold: no patch file read beside " << path << '\n';
        return kExitOk;
    }
    const std::string& patchFile = folder.load.patchFile.opened;
    FoldPlan staticPlan, landPlan;
    if (statics)
        staticPlan = PlanFold(*folder.statics, *folder.fileStatics);
    if (land)
        landPlan = PlanFold(*folder.land, *folder.fileLand);
    const int patchedTiles = staticPlan.patchedTiles + landPlan.patchedTiles;
    const std::size_t changed = staticPlan.edits.size() + landPlan.edits.size();
    if (patchedTiles == 0) {
        out << "nothing to fold: " << patchFile << " replaces no "
            << (statics && land ? "static or land" : statics ? "static" : "land") << " tiles of " << path << '\n';
        return kExitOk;
    }
    const std::string replaced = HalvesText(statics, staticPlan.patchedTiles, land, landPlan.patchedTiles);
    if (changed == 0) {
        out << "nothing to fold: " << path << " already holds the " << replaced << ' ' << patchFile
            << " replaces\n";
        return kExitOk;
    }

    FileOpenFailure failure;
    WrittenSpans leftChanged;
    try {
        if (!WriteTileDataEdits(HalfEdits<LandTileTable>{landPlan.edits, *folder.fileLand},
                                HalfEdits<StaticTileTable>{staticPlan.edits, *folder.fileStatics}, path,
                                NoWaitCursor::Instance(), &failure, &leftChanged)) {
            ToolError(err) << OpenFailureText(path, failure) << "; nothing was written\n";
            return kExitFileError;
        }
    } catch (const CFileException& error) {
        ToolError(err) << error.GetErrorMessageOnOneLine()
                       << WhatWasLeft(leftChanged.IsEmpty() ? std::vector<std::string>{} : std::vector{path}) << '\n';
        return kExitFileError;
    }
    out << "folded " << replaced << " from " << patchFile << " into " << path << " (" << changed << " changed, "
        << patchedTiles - static_cast<int>(changed) << " already the same)\n";
    return kExitOk;
}

} // namespace

const ToolCommand& FoldCommand()
{
    static const ToolCommand command{"fold", kFoldHelp, {1, {}, {"--land", "--all"}}, &Fold};
    return command;
}
