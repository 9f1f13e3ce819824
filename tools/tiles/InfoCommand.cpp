// info: what a tile-data file holds and where, and what its patch file replaces.
#include "ArtFolder.h"
#include "HueTable.h"
#include "PatchFilePath.h"
#include "LoadedGame.h"
#include "TileFold.h"
#include "TileIdRange.h"
#include "TileSection.h"
#include "TilesTool.h"
#include "ToolCommand.h"

#include <ostream>

namespace {

constexpr char kInfoHelp[] =
    "usage: quarnel-tiles info TILEDATA\n"
    "\n"
    "Tells the file's layout (classic: 32-bit flags; newer: 64-bit flags), the size\n"
    "of its land section, its static tiles in use, where its static section lies,\n"
    "what follows it, how many static and land replacement blocks of the patch\n"
    "file beside it apply and how many of the tiles they replace the file holds\n"
    "otherwise (what fold would write); then the art beside it: which files, how\n"
    "many art indices they hold, and how many art entries of the patch file replace\n"
    "theirs; then the hue table beside it (hues.mul) and its hue count, and how many\n"
    "hue groups the patch file holds (never applied).\n";

// The art's lines: its files, or what was looked for.
void ArtLines(const std::string& path, std::ostream& out)
{
    const ArtFolder art = ArtFolder::Load(path);
    if (art.GetForm() == ArtFolder::Form::kNone) {
        out << "art: none (looked for " << ArtNamesLookedFor() << ")\n";
        return;
    }
    out << "art files:";
    for (const std::string& file : art.Files())
        out << ' ' << file;
    out << (art.GetForm() == ArtFolder::Form::kContainer ? " (the container)\n" : " (index and art file)\n");
    if (!art.Damage().empty()) {
        out << "art: damaged (" << art.Damage() << ")\n";
        return;
    }
    out << "art indices: " << art.IndexCount() << '\n';
    if (art.GetForm() == ArtFolder::Form::kContainer)
        out << "art entries the patch file replaces: none (beside the container it is not read for art)\n";
    else
        out << "art entries the patch file replaces: " << art.PatchEntriesApplied() << '\n';
}

// The hue table's line, and the patch file's hue groups, which nothing applies.
void HueLines(const std::string& path, std::ostream& out)
{
    const HueTable hues = HueTable::Load(path);
    if (hues.File().empty())
        out << "hues: none\n";
    else if (!hues.Failure().empty())
        out << "hues: " << hues.File() << " (not read: " << hues.Failure() << ")\n";
    else
        out << "hues: " << hues.File() << ", " << hues.Count() << (hues.Count() == 1 ? " hue\n" : " hues\n");
    FileByteSource patches;
    int groups = 0;
    try {
        CFileException cause;
        if (patches.Open(LocatePatchFileBeside(path).opened, &cause))
            groups = CountPatchHueGroups(patches);
        else if (cause.m_cause != CFileException::fileNotFound)
            throw cause;  // a patch file that is there but does not open holds groups unknown
    } catch (const CFileException& error) {
        out << "hue groups in the patch file: not read (" << error.GetErrorMessageOnOneLine() << ")\n";
        return;
    }
    out << "hue groups in the patch file (not applied): " << groups << '\n';
}

std::string BlocksApply(int count, const char* half)
{
    return std::to_string(count) + " " + half + (count == 1 ? " replacement block applies" : " replacement blocks apply");
}

int Info(const ToolArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& path = arguments.Operand(0);
    LoadedFolder folder;
    folder.KeepFileValues();
    if (!LoadFolder(path, folder, err))
        return kExitFileError;
    const std::optional<std::uint64_t> measured = TileDataFileSize(path, err);
    if (!measured)
        return kExitFileError;
    const std::uint64_t fileSize = *measured;
    const StaticTileTable& tiles = *folder.statics;
    const LandTileTable& land = *folder.land;
    const TileDataLayout& layout = *tiles.layout;
    const std::uint64_t sectionStart = BlockOffset(tiles, 0);
    const std::uint64_t sectionEnd = SectionEnd(tiles);
    out << "file: " << path << " (" << fileSize << " bytes)\n"
        << "layout: " << layout.name << " (" << layout.FlagBitCount() << "-bit flags, static entries of "
        << layout.statics.entrySize << " bytes, land entries of " << layout.land.entrySize << ")\n"
        << "land section: offset 0, " << SectionEnd(land) << " bytes (" << land.BlockCount() << " blocks of "
        << layout.land.blockSize << ", " << land.count << " land tiles)\n"
        << "static tiles in use: " << tiles.count << " (" << TileIdRange{0, tiles.count - 1}.Text() << ")\n"
        << "static section: offset " << sectionStart << " (0x" << std::hex << std::uppercase << sectionStart
        << std::dec << "), " << sectionEnd - sectionStart << " bytes (" << tiles.BlockCount() << " blocks of "
        << layout.statics.blockSize << ")\n";
    if (fileSize >= sectionEnd)
        out << "after the static section: " << fileSize - sectionEnd << " bytes\n";
    else
        out << "after the static section: 0 bytes (the file ends " << sectionEnd - fileSize
            << " bytes short of it; saving fills it in)\n";
    const GameFolderLoad& load = folder.load;
    out << "patch file: " << load.patchFile.opened;
    if (load.patchFileLoaded)
        out << " (" << BlocksApply(load.patchBlocksApplied, "static") << ", "
            << BlocksApply(load.landPatchBlocksApplied, "land") << ")\n"
            << "patched tiles the file holds otherwise: " << PlanFold(tiles, *folder.fileStatics).edits.size()
            << " static, " << PlanFold(land, *folder.fileLand).edits.size() << " land\n";
    else
        out << " (not loaded: " << load.patchFileFailure.cause.GetErrorMessageOnOneLine() << ")\n";
    ArtLines(path, out);
    HueLines(path, out);
    return kExitOk;
}

} // namespace

const ToolCommand& InfoCommand()
{
    static const ToolCommand command{"info", kInfoHelp, {1, {}, {}}, &Info};
    return command;
}
