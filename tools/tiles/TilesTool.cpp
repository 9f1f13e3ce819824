#include "TilesTool.h"

#include "CFileException.h"
#include "GameFolder.h"
#include "NameText.h"
#include "PathParts.h"
#include "RecordFormats.h"
#include "SampleGameFolder.h"
#include "TileColumns.h"
#include "TileEdits.h"
#include "TileImport.h"
#include "TileSection.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace {

constexpr char kToolHelp[] =
    "usage: quarnel-tiles COMMAND ...\n"
    "\n"
    "Scripts the static tiles of a tile-data file, and with --land its land tiles; the\n"
    "patch file (verdata.mul) beside it is applied on reading and edited in place on writing.\n"
    "\n"
    "commands:\n"
    "  export TILEDATA [--land] [--format csv|jsonl] [--ids A-B]\n"
    "                                                    every tile (or a range) to standard output\n"
    "  import TILEDATA FILE [--land]                     the changes a CSV or JSON-lines file asks for\n"
    "  diff A B                                          the fields that differ between two tile-data files\n"
    "  info TILEDATA                                     the file's layout, its tiles in use and its patch file\n"
    "  sample DIR [--layout classic|newer]               writes a made-up game folder into DIR\n"
    "\n"
    "quarnel-tiles COMMAND --help tells more. Exit status: 0 done (diff: equal), 1 diff: different,\n"
    "2 usage, 3 import: bad records (nothing written), 4 a file could not be read or written.\n";

constexpr char kExportHelp[] =
    "usage: quarnel-tiles export TILEDATA [--land] [--format csv|jsonl] [--ids A-B]\n"
    "\n"
    "Writes one record per static tile in use, with the patch file beside TILEDATA\n"
    "applied: id, flags (8 hex digits, or 16 for the newer layout's 64-bit flags),\n"
    "one 0/1 column per flag bit (flag_bit32 ... flag_bit63 after the 32 named ones in\n"
    "the newer layout), the numbers, name, name_tail (the bytes after the name's\n"
    "terminator, in hex, when not all zero) and patched. Names are UTF-8; a\n"
    "backslash is written \\\\ and a byte with no printable character \\xNN.\n"
    "--ids takes hex ids, one (0005) or a range (0000-00FF). --land writes the 16384\n"
    "land tiles instead: id, flags, the flag columns, texture, name, name_tail, patched.\n";

constexpr char kImportHelp[] =
    "usage: quarnel-tiles import TILEDATA FILE [--land]\n"
    "\n"
    "Reads records of the export's shape from FILE (CSV with a header row, or JSON\n"
    "lines), any subset of tiles and of columns: a missing column leaves its field\n"
    "as it is. Every record is checked first; if any is bad, each problem is named\n"
    "with its line and column and nothing is written. Otherwise the fields that\n"
    "differ are changed in place in TILEDATA and in every block of the patch file\n"
    "that holds the tile; no other byte of either file changes. A classic file's\n"
    "flag word has 32 bits: it takes 0 in flag_bit32 ... flag_bit63, and nothing else.\n"
    "--land imports land tiles, in records of export --land's shape; a column of the\n"
    "other half (texture in a static import, weight in a land one) is refused.\n";

constexpr char kDiffHelp[] =
    "usage: quarnel-tiles diff A B\n"
    "\n"
    "Prints one line per field that differs between two tile-data files, each read\n"
    "with its own patch file applied, over the tiles both hold, and one line per\n"
    "range of ids that only one of them holds; then the same for the land tiles, each\n"
    "line starting with \"land\". The layouts may differ: a classic file's flag bits\n"
    "32-63 are 0. Exit status 0 when both halves are equal, 1 when not.\n";

constexpr char kInfoHelp[] =
    "usage: quarnel-tiles info TILEDATA\n"
    "\n"
    "Tells the file's layout (classic: 32-bit flags; newer: 64-bit flags), the size\n"
    "of its land section, its static tiles in use, where its static section lies,\n"
    "what follows it, and how many static and land replacement blocks of the patch\n"
    "file beside it apply.\n";

constexpr char kSampleHelp[] =
    "usage: quarnel-tiles sample DIR [--layout classic|newer]\n"
    "\n"
    "Writes a made-up tile-data file and patch file into DIR (created if missing):\n"
    "a classic file of 16384 static tiles, or a newer one of 65536.\n";

// A table to read a game folder into, as a new one is. A table of every
// static tile a file can hold is 3 MB: the few a command needs are kept for
// the process, so that commands run one after another in it (a fuzzer's, a
// benchmark's) clear only the tiles the last one used rather than allocate
// and clear every table whole.
template <typename Table>
std::unique_ptr<Table, void (*)(Table*)> CleanTable()
{
    static std::vector<std::unique_ptr<Table>> spare;
    std::unique_ptr<Table> table;
    if (spare.empty()) {
        table = std::make_unique<Table>();
    } else {
        table = std::move(spare.back());
        spare.pop_back();
        table->Clear();
    }
    return {table.release(), [](Table* done) { spare.emplace_back(done); }};
}

// One half of a game folder as read: Table is StaticTileTable or LandTileTable.
template <typename Table>
struct LoadedGame {
    decltype(CleanTable<Table>()) fileValues = CleanTable<Table>();  // the tile-data file's own
    decltype(CleanTable<Table>()) patched = CleanTable<Table>();     // with the patches applied
    GameFolderLoad load;
};

// Why a game file did not open, for the program's own line of error.
std::string OpenFailureText(const std::string& path, const FileOpenFailure& failure)
{
    if (failure.reason == FileOpenFailure::Reason::kLayoutChanged)
        return path + ": the file's size changed to that of another layout since it was read";
    return failure.cause.GetErrorMessage();
}

// Loads a half of a tile-data file and the patch file beside it; false
// after telling why. A missing patch file is noted unless `quiet`.
template <typename Table>
bool LoadGame(const std::string& path, LoadedGame<Table>& game, std::ostream& err, bool quiet = false)
{
    game.load = LoadGameFolder(*game.patched, path, game.fileValues.get());
    switch (game.load.result) {
    case GameFolderLoad::Result::kTileDataRefused:
        err << "quarnel-tiles: " << OpenFailureText(path, game.load.tileDataFailure) << '\n';
        return false;
    case GameFolderLoad::Result::kFileError:
        err << "quarnel-tiles: " << game.load.fileError.GetErrorMessage() << '\n';
        return false;
    case GameFolderLoad::Result::kLoaded:
        break;
    }
    if (!game.load.patchFileLoaded && !quiet)
        err << "quarnel-tiles: note: no patch file read (" << game.load.patchFileFailure.cause.GetErrorMessage()
            << "); the tiles are as " << path << " holds them\n";
    return true;
}

// "0000" to the last id of `count` tiles.
std::string IdRangeText(int first, int last)
{
    return FormatTileId(first) + "-" + FormatTileId(last);
}

// The whole of a file: in one read where its size is known, else (a pipe)
// as it comes.
bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in)
        return false;
    if (in.seekg(0, std::ios::end)) {
        if (const std::streamoff size = in.tellg(); size >= 0 && in.seekg(0)) {
            text.resize(static_cast<std::size_t>(size));
            return static_cast<bool>(in.read(text.data(), size));
        }
    }
    in.clear();
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = std::move(buffer).str();
    return !in.bad();
}

bool ParseIdRange(const std::string& text, int& first, int& last)
{
    const std::size_t dash = text.find('-');
    const std::optional<int> from = ParseTileId(std::string_view(text).substr(0, dash));
    const std::optional<int> to = dash == std::string::npos ? from : ParseTileId(std::string_view(text).substr(dash + 1));
    if (!from || !to || *from > *to)
        return false;
    first = *from;
    last = *to;
    return true;
}

template <typename Table>
int ExportHalf(const std::string& path, const std::string& format, const std::string& ids, std::ostream& out,
               std::ostream& err)
{
    // An id range is checked, and refused, with the tiles the file has in view.
    int first = 0, last = kMaxStaticTileCount - 1;
    const auto badIds = [&](int count) {
        err << "quarnel-tiles export: --ids takes a hex id or range within " << IdRangeText(0, count - 1) << ", not "
            << ids << '\n';
        return kExitUsage;
    };
    const bool idsRead = ids.empty() || ParseIdRange(ids, first, last);
    LoadedGame<Table> game;
    if (!LoadGame(path, game, err))
        return kExitFileError;
    const Table& tiles = *game.patched;
    if (ids.empty())
        last = tiles.count - 1;
    else if (!idsRead || last >= tiles.count)
        return badIds(tiles.count);

    const std::vector<TileColumn> columns = TileColumns(*tiles.layout, kHalfOfTable<Table>);
    std::vector<std::string> names;
    std::vector<bool> numeric;
    for (const TileColumn& column : columns) {
        names.push_back(column.name);
        numeric.push_back(column.kind == TileColumn::Kind::kFlagBit || column.kind == TileColumn::Kind::kNumber ||
                          column.kind == TileColumn::Kind::kPatched);
    }
    const std::vector<std::string> keys = JsonKeys(names);
    // The text is built in pieces of about a megabyte, each written at once:
    // few writes, and a buffer that stays the same size however many tiles.
    constexpr std::size_t kPieceSize = 1 << 20;
    std::string text;
    text.reserve(kPieceSize + 64 * 1024);
    const auto writePiece = [&] {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
    };
    if (format == "csv")
        AppendCsvRow(text, names);
    std::vector<bool> omit(columns.size());
    std::vector<std::string> values;
    for (int id = first; id <= last; ++id) {
        TileValues(id, tiles[id], *tiles.layout, columns, values);
        if (format == "csv") {
            AppendCsvRow(text, values);
        } else {
            for (std::size_t c = 0; c < columns.size(); ++c)
                omit[c] = columns[c].kind == TileColumn::Kind::kNameTail && values[c].empty();
            AppendJsonLine(text, keys, values, numeric, omit);
        }
        if (text.size() >= kPieceSize)
            writePiece();
    }
    writePiece();
    out.flush();
    return out ? kExitOk : kExitFileError;
}

int Export(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string path, format = "csv", ids;
    bool land = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format" && i + 1 < args.size()) {
            format = args[++i];
        } else if (args[i] == "--ids" && i + 1 < args.size()) {
            ids = args[++i];
        } else if (args[i] == "--land") {
            land = true;
        } else if (path.empty() && args[i].rfind("--", 0) != 0) {
            path = args[i];
        } else {
            err << kExportHelp;
            return kExitUsage;
        }
    }
    if (path.empty() || (format != "csv" && format != "jsonl")) {
        err << kExportHelp;
        return kExitUsage;
    }
    return land ? ExportHalf<LandTileTable>(path, format, ids, out, err)
                : ExportHalf<StaticTileTable>(path, format, ids, out, err);
}

template <typename Table>
int ImportHalf(const std::string& path, const std::string& input, const std::string& text, std::ostream& out,
               std::ostream& err)
{
    LoadedGame<Table> game;
    if (!LoadGame(path, game, err))
        return kExitFileError;

    std::vector<InputError> errors;
    EditCollector<Table> collector(*game.patched, errors);
    const auto collect = [&](const InputRecord& record, const std::vector<std::string>& names) {
        collector.Add(record, names);
    };
    const std::string_view content = WithoutByteOrderMark(text);
    const std::size_t firstChar = content.find_first_not_of(" \t\r\n");
    if (firstChar != std::string::npos && content[firstChar] == '{') {
        ReadJsonLines(text, errors, collect);
    } else {
        // The rows of a bad header would only repeat its faults.
        const auto acceptHeader = [&](const std::vector<std::string>& names) {
            CheckColumnNames(names, 1, kHalfOfTable<Table>, errors);
            return errors.empty();
        };
        ReadCsv(text, errors, acceptHeader, collect);
    }
    const std::vector<TileEdit>& edits = collector.Edits();
    if (!errors.empty()) {
        constexpr std::size_t kMostShown = 100;
        for (std::size_t i = 0; i < errors.size() && i < kMostShown; ++i) {
            const InputError& error = errors[i];
            err << input << ':' << error.line << ':';
            if (!error.column.empty())
                err << " column " << error.column << ':';
            err << ' ' << error.message << '\n';
        }
        err << "quarnel-tiles: " << errors.size() << (errors.size() == 1 ? " problem" : " problems")
            << (errors.size() > kMostShown ? " (the first " + std::to_string(kMostShown) + " shown)" : "")
            << "; nothing was written\n";
        return kExitBadInput;
    }
    if (edits.empty()) {
        out << "no changes: " << collector.RecordCount() << " records match " << path << '\n';
        return kExitOk;
    }

    const bool hasPatchFile = game.load.patchFileLoaded;
    const std::string& patchPath = game.load.patchFile.opened;
    FileOpenFailure failure;
    try {
        if (!WriteTileDataEdits(edits, *game.fileValues, path, NoWaitCursor::Instance(), &failure)) {
            err << "quarnel-tiles: " << OpenFailureText(path, failure) << "; nothing was written\n";
            return kExitFileError;
        }
        if (hasPatchFile && !WriteVerDataEdits(edits, *game.patched, patchPath, NoWaitCursor::Instance(), &failure)) {
            err << "quarnel-tiles: " << OpenFailureText(patchPath, failure)
                << "; the tile-data file was changed, the patch file was not\n";
            return kExitFileError;
        }
    } catch (const CFileException& error) {
        err << "quarnel-tiles: " << error.GetErrorMessage() << '\n';
        return kExitFileError;
    }
    out << "changed " << edits.size() << (kHalfOfTable<Table> == TileHalf::kLand ? " land" : "")
        << (edits.size() == 1 ? " tile" : " tiles") << " in " << path
        << (hasPatchFile ? " and " + patchPath : std::string()) << '\n';
    return kExitOk;
}

int Import(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> files;
    bool land = false, unknownOption = false;
    for (const std::string& arg : args) {
        if (arg == "--land")
            land = true;
        else if (arg.rfind("--", 0) != 0)
            files.push_back(arg);
        else
            unknownOption = true;
    }
    if (unknownOption || files.size() != 2) {
        err << kImportHelp;
        return kExitUsage;
    }
    const std::string& path = files[0];
    const std::string& input = files[1];
    std::string text;
    if (!ReadWholeFile(input, text)) {
        err << "quarnel-tiles: " << input << ": cannot read\n";
        return kExitFileError;
    }
    return land ? ImportHalf<LandTileTable>(path, input, text, out, err)
                : ImportHalf<StaticTileTable>(path, input, text, out, err);
}

// Prints a line per field that differs between one half of two files, each
// behind `prefix`, and a line per range of ids only one holds; false when
// a file did not load. `different` is set when anything differs.
template <typename Table>
bool DiffHalf(const std::string& pathA, const std::string& pathB, const char* prefix, bool quiet, std::ostream& out,
              std::ostream& err, bool& different)
{
    LoadedGame<Table> a, b;
    if (!LoadGame(pathA, a, err, quiet) || !LoadGame(pathB, b, err, quiet))
        return false;
    const Table& left = *a.patched;
    const Table& right = *b.patched;
    // Both sides in the wider flag word's columns: a classic file's high bits are 0.
    const TileDataLayout& wider = left.layout->flagsSize >= right.layout->flagsSize ? *left.layout : *right.layout;
    const std::vector<TileColumn> columns = TileColumns(wider, kHalfOfTable<Table>);
    std::vector<std::string> leftValues, rightValues;
    const int common = std::min(left.count, right.count);
    for (int id = 0; id < common; ++id) {
        TileValues(id, left[id], wider, columns, leftValues);
        TileValues(id, right[id], wider, columns, rightValues);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            // The flag word's change shows bit by bit in the flag columns.
            if (columns[c].kind == TileColumn::Kind::kFlags || leftValues[c] == rightValues[c])
                continue;
            different = true;
            out << prefix << leftValues[0] << ' ' << columns[c].name << ": " << leftValues[c] << " -> "
                << rightValues[c] << '\n';
        }
    }
    if (left.count != right.count) {
        different = true;
        out << prefix << IdRangeText(common, std::max(left.count, right.count) - 1) << " only in "
            << (left.count > right.count ? "A" : "B") << '\n';
    }
    return true;
}

int Diff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2 || args[0].rfind("--", 0) == 0 || args[1].rfind("--", 0) == 0) {
        err << kDiffHelp;
        return kExitUsage;
    }
    bool different = false;
    // The static lines as they have always been, then the land ones, marked.
    if (!DiffHalf<StaticTileTable>(args[0], args[1], "", false, out, err, different) ||
        !DiffHalf<LandTileTable>(args[0], args[1], "land ", true, out, err, different))
        return kExitFileError;
    return different ? kExitDifferent : kExitOk;
}

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1 || args[0].rfind("--", 0) == 0) {
        err << kInfoHelp;
        return kExitUsage;
    }
    const std::string& path = args[0];
    LoadedGame<StaticTileTable> game;
    LoadedGame<LandTileTable> land;
    if (!LoadGame(path, game, err) || !LoadGame(path, land, err, true))
        return kExitFileError;
    std::error_code error;
    const std::uint64_t fileSize = std::filesystem::file_size(PathFromUtf8(path), error);
    if (error) {
        err << "quarnel-tiles: " << path << ": " << error.message() << '\n';
        return kExitFileError;
    }
    const StaticTileTable& tiles = *game.patched;
    const TileDataLayout& layout = *tiles.layout;
    const std::uint64_t sectionEnd = SectionEnd(tiles);
    out << "file: " << path << " (" << fileSize << " bytes)\n"
        << "layout: " << layout.name << " (" << layout.FlagBitCount() << "-bit flags, static entries of "
        << layout.staticEntrySize << " bytes, land entries of " << layout.landEntrySize << ")\n"
        << "land section: offset 0, " << layout.landSectionSize << " bytes (" << kLandBlockCount << " blocks of "
        << layout.landBlockSize << ", " << kLandTileCount << " land tiles)\n"
        << "static tiles in use: " << tiles.count << " (" << IdRangeText(0, tiles.count - 1) << ")\n"
        << "static section: offset " << layout.landSectionSize << " (0x" << std::hex << std::uppercase
        << layout.landSectionSize << std::dec << "), " << sectionEnd - layout.landSectionSize << " bytes ("
        << tiles.BlockCount() << " blocks of " << layout.staticBlockSize << ")\n";
    if (fileSize >= sectionEnd)
        out << "after the static section: " << fileSize - sectionEnd << " bytes\n";
    else
        out << "after the static section: 0 bytes (the file ends " << sectionEnd - fileSize
            << " bytes short of it; saving fills it in)\n";
    out << "patch file: " << game.load.patchFile.opened;
    const auto blocks = [](int count, const char* half) {
        return std::to_string(count) + " " + half + (count == 1 ? " replacement block applies" : " replacement blocks apply");
    };
    if (game.load.patchFileLoaded)
        out << " (" << blocks(game.load.patchBlocksApplied, "static") << ", "
            << blocks(land.load.patchBlocksApplied, "land") << ")\n";
    else
        out << " (not loaded: " << game.load.patchFileFailure.cause.GetErrorMessage() << ")\n";
    return kExitOk;
}

int Sample(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string folder, layoutName = std::string(kClassicLayout.name);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--layout" && i + 1 < args.size()) {
            layoutName = args[++i];
        } else if (folder.empty() && args[i].rfind("--", 0) != 0) {
            folder = args[i];
        } else {
            err << kSampleHelp;
            return kExitUsage;
        }
    }
    const TileDataLayout* layout = FindTileDataLayout(layoutName);
    if (folder.empty() || !layout) {
        err << kSampleHelp;
        return kExitUsage;
    }
    try {
        WriteSampleGameFolder(PathFromUtf8(folder), *layout);
    } catch (const std::exception& error) {
        err << "quarnel-tiles: " << error.what() << '\n';
        return kExitFileError;
    }
    out << "wrote " << folder << "/" << kSampleTileDataName << " and " << kSampleVerDataName << '\n';
    return kExitOk;
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h")
            return true;
    return false;
}

} // namespace

int RunTilesTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kToolHelp;
        return kExitUsage;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    struct Command {
        const char* name;
        const char* help;
        int (*run)(const std::vector<std::string>&, std::ostream&, std::ostream&);
    };
    const Command commands[] = {
        {"export", kExportHelp, &Export},
        {"import", kImportHelp, &Import},
        {"diff", kDiffHelp, &Diff},
        {"info", kInfoHelp, &Info},
        {"sample", kSampleHelp, &Sample},
    };
    if (command == "--help" || command == "-h" || command == "help") {
        out << kToolHelp;
        return kExitOk;
    }
    for (const Command& c : commands) {
        if (command != c.name)
            continue;
        if (AsksForHelp(rest)) {
            out << c.help;
            return kExitOk;
        }
        return c.run(rest, out, err);
    }
    err << "quarnel-tiles: unknown command '" << command << "'\n" << kToolHelp;
    return kExitUsage;
}
