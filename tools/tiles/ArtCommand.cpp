// art: the pictures of a range of tiles, as PNG files or one contact sheet.
#include "ArtChanges.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "ArtPalette.h"
#include "ContactSheet.h"
#include "LoadedGame.h"
#include "PathParts.h"
#include "PngFile.h"
#include "TileColumns.h"
#include "TileDataLayout.h"
#include "TileIdRange.h"
#include "TilesTool.h"
#include "ToolCommand.h"
#include "ToolHues.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace {

constexpr char kArtHelp[] =
    "usage: quarnel-tiles art TILEDATA (--out DIR | --sheet FILE.png) [--ids A-B] [--land]\n"
    "                         [--hue N]\n"
    "       quarnel-tiles art TILEDATA --in DIR [--ids A-B] [--land]\n"
    "       quarnel-tiles art TILEDATA --remove A-B [--land]\n"
    "\n"
    "Writes the pictures of the static tiles in use (with --land, of the 16384 land\n"
    "tiles), or of the --ids range, from the art beside TILEDATA: artLegacyMUL.uop\n"
    "when it is there, else artidx.mul and art.mul with the art entries of the patch\n"
    "file (verdata.mul) applied; names in any letter case.\n"
    "--out DIR writes DIR/XXXX.png (the id in 4 hex digits) for each tile with art,\n"
    "8-bit RGBA, creating DIR if missing. --sheet FILE.png writes one contact sheet:\n"
    "a grid of those pictures, each labelled with its id.\n"
    "A summary goes to standard error, and each tile whose art is damaged with its\n"
    "reason; the other pictures are still written, and the exit status is 5.\n"
    "--hue N draws every picture through hue N of hues.mul beside TILEDATA (1 to\n"
    "the hue count; 0: none), only the grey pixels of tiles with Partial Hue.\n"
    "\n"
    "--in DIR gives each tile in use (or in the --ids range) whose DIR/XXXX.png is\n"
    "there that picture: the names --out writes, in either letter case; other files\n"
    "are ignored. Every file is read and checked first (a PNG, 44 x 44 for a land\n"
    "tile, at most 2048 x 2048 for a static one); if any is bad, each is named with\n"
    "why, nothing is written and the exit status is 3. A tile that already shows the\n"
    "same pixels in 16-bit colour is left alone, so --out then --in writes nothing.\n"
    "--remove A-B gives the tiles in the range no art. The pictures' bytes are\n"
    "appended and the tiles' entries rewritten in place, all or nothing; no old\n"
    "picture's bytes are written over and no file is truncated. A summary counts the\n"
    "tiles replaced, added, removed, unchanged and the files ignored.\n";

// Where the pictures go: one file a tile, or one sheet for all.
struct Output {
    std::string folder;  // --out
    std::string sheet;   // --sheet
};

// The tiles of the half in use: every land tile, or the static tiles the
// file's size gives. Nothing, after telling why, when the file cannot be measured.
std::optional<int> TilesInUse(const std::string& path, bool land, std::ostream& err)
{
    const std::optional<std::uint64_t> size = TileDataFileSize(path, err);
    if (!size)
        return std::nullopt;
    return land ? kLandTileCount : StaticTilesInUse(TileDataLayoutOfSize(*size), *size);
}

// Whether `path` names one of the game files the art was read from, or the tile-data file.
bool IsGameFile(const std::string& path, const std::string& tileData, const ArtFolder& art)
{
    std::vector<std::string> games = art.Files();
    games.push_back(tileData);
    std::error_code error;
    for (const std::string& game : games)
        if (std::filesystem::equivalent(PathFromUtf8(path), PathFromUtf8(game), error))
            return true;
    return false;
}

// "1 image", "2 images".
std::string Counted(int count, const char* noun)
{
    return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

struct Tally {
    int written = 0, withoutArt = 0, damaged = 0;
};

// The flag words of the tiles of one half, for drawing each through a hue
// as its Partial Hue flag says; none when no hue is asked for.
struct HueToDraw {
    std::optional<HueTable> table;
    int number = 0;
    std::vector<TileFlags> flags;  // by tile id
};

template <typename Table>
bool ReadFlags(const std::string& path, std::vector<TileFlags>& flags, std::ostream& err)
{
    LoadedGame<Table> game;
    if (!LoadGame(path, game, err))
        return false;
    for (int id = 0; id < game.patched->count; ++id)
        flags.push_back((*game.patched)[id].flags);
    return true;
}

// The hue --hue asks for, with the tiles' flags; the exit status when it cannot be drawn.
int ReadHueToDraw(const ToolArguments& arguments, bool land, HueToDraw& hue, std::ostream& err)
{
    const std::string asked = arguments.Value("--hue");
    if (asked.empty())
        return kExitOk;
    const std::optional<int> number = ParseDecimal(asked);
    if (!number) {
        ToolError(err, ArtCommand()) << "--hue takes a decimal hue number (0: none), not " << asked << '\n';
        return kExitUsage;
    }
    if (*number == 0)
        return kExitOk;
    const std::string& path = arguments.Operand(0);
    hue.table = LoadHuesBeside(path, err);
    if (!hue.table)
        return kExitFileError;
    if (!hue.table->Holds(*number)) {
        ToolError(err, ArtCommand()) << "no hue " << *number << " (" << HueNumbersText(hue.table->Count()) << ")\n";
        return kExitUsage;
    }
    hue.number = *number;
    const bool read = land ? ReadFlags<LandTileTable>(path, hue.flags, err) : ReadFlags<StaticTileTable>(path, hue.flags, err);
    return read ? kExitOk : kExitFileError;
}

int Art(const ToolArguments& arguments, std::ostream&, std::ostream& err)
{
    const Output output{arguments.Value("--out"), arguments.Value("--sheet")};
    const std::string in = arguments.Value("--in"), remove = arguments.Value("--remove");
    const int modes = !output.folder.empty() + !output.sheet.empty() + !in.empty() + !remove.empty();
    const bool changing = !in.empty() || !remove.empty();
    // The pictures put in are stored as they are: a hue is only for showing them.
    if (modes != 1 || (!remove.empty() && !arguments.Value("--ids").empty()) ||
        (changing && !arguments.Value("--hue").empty()))
        return UsageError(ArtCommand(), err);
    const std::string& path = arguments.Operand(0);
    const bool land = arguments.Has("--land");
    const std::optional<int> inUse = TilesInUse(path, land, err);
    if (!inUse)
        return kExitFileError;
    const std::optional<TileIdRange> asked =
        IdsWithin(remove.empty() ? arguments.Value("--ids") : remove, *inUse, ArtCommand(), err);
    if (!asked)
        return kExitUsage;
    const TileIdRange range = *asked;
    if (!in.empty())
        return PutPictures(path, land, *inUse, in, range, err);
    if (!remove.empty())
        return RemovePictures(path, land, range, err);
    HueToDraw hue;
    if (const int status = ReadHueToDraw(arguments, land, hue, err); status != kExitOk)
        return status;

    const ArtFolder art = ArtFolder::Load(path);
    if (art.GetForm() == ArtFolder::Form::kNone) {
        ToolError(err) << NoArtText(path) << '\n';
        return kExitFileError;
    }
    if (!art.Damage().empty()) {
        ToolError(err) << "the art is damaged (" << art.Damage() << ")\n";
        return kExitDamagedArt;
    }
    if (!output.sheet.empty() && IsGameFile(output.sheet, path, art)) {
        ToolError(err) << output.sheet << " is a game file; the sheet goes elsewhere\n";
        return kExitFileError;
    }
    if (!output.folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(PathFromUtf8(output.folder), error);
        if (error) {
            ToolError(err) << output.folder << ": " << error.message() << '\n';
            return kExitFileError;
        }
    }

    // Each picture is written, or put on the sheet, as it is decoded.
    Tally tally;
    ContactSheet sheet(range.last - range.first + 1);
    ArtFolder::Reader reader(art);
    TileHuePalettes palettes(hue.number ? &(*hue.table)[hue.number] : nullptr);
    std::string failure;
    for (int id = range.first; id <= range.last; ++id) {
        const TileFlags flags = static_cast<std::size_t>(id) < hue.flags.size() ? hue.flags[static_cast<std::size_t>(id)] : 0;
        ArtResult result = reader.Decode(ArtIndexOfTile(id, land), palettes.For(flags));
        if (result.kind == ArtResult::Kind::kNoArt) {
            ++tally.withoutArt;
        } else if (result.kind == ArtResult::Kind::kDamaged) {
            ++tally.damaged;
            ToolError(err) << FormatTileId(id) << ": the art is damaged (" << result.reason << ")\n";
        } else if (!output.sheet.empty()) {
            sheet.Add(id, result.image);
        } else if (WritePngFile(output.folder + "/" + FormatTileId(id) + ".png", result.image, failure)) {
            ++tally.written;
        } else {
            ToolError(err) << failure << '\n';
            return kExitFileError;
        }
    }
    if (sheet.CellCount() > 0) {
        if (!WritePngFile(output.sheet, sheet.Finish(), failure)) {
            ToolError(err) << failure << '\n';
            return kExitFileError;
        }
        tally.written = sheet.CellCount();
    }

    err << "art " << range.Text() << ": " << Counted(tally.written, "image")
        << (output.sheet.empty() ? " written to " + output.folder
                                 : (tally.written == 0 ? ", no sheet written" : " on the sheet " + output.sheet))
        << ", " << Counted(tally.withoutArt, "tile") << " without art";
    if (tally.damaged)
        err << ", " << tally.damaged << " damaged";
    if (hue.number)
        err << ", through hue " << hue.number;
    err << '\n';
    return tally.damaged ? kExitDamagedArt : kExitOk;
}

} // namespace

const ToolCommand& ArtCommand()
{
    static const ToolCommand command{"art", kArtHelp, {1, {"--out", "--sheet", "--in", "--remove", "--ids", "--hue"}, {"--land"}}, &Art};
    return command;
}
