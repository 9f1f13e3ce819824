// import: the changes a file of records asks for, made in place in both game files.
#include "LoadedGame.h"
#include "PathParts.h"
#include "RecordFormats.h"
#include "TileImport.h"
#include "TilesTool.h"
#include "ToolCommand.h"

#include <fstream>
#include <ostream>
#include <sstream>

namespace {

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

// At most this many problems of a refused import are named.
constexpr std::size_t kMostProblemsShown = 100;

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

void ReportProblems(const std::string& input, const std::vector<InputError>& errors, std::ostream& err)
{
    for (std::size_t i = 0; i < errors.size() && i < kMostProblemsShown; ++i) {
        const InputError& error = errors[i];
        err << input << ':' << error.line << ':';
        if (!error.column.empty())
            err << " column " << error.column << ':';
        err << ' ' << error.message << '\n';
    }
    ToolError(err) << errors.size() << (errors.size() == 1 ? " problem" : " problems")
                   << (errors.size() > kMostProblemsShown
                           ? " (the first " + std::to_string(kMostProblemsShown) + " shown)"
                           : "")
                   << "; nothing was written\n";
}

template <typename Table>
int ImportHalf(const std::string& path, const std::string& input, const std::string& text, std::ostream& out,
               std::ostream& err)
{
    LoadedGame<Table> game;
    game.fileValues = CleanTable<Table>();
    if (!LoadGame(path, game, err))
        return kExitFileError;

    std::vector<InputError> errors;
    EditCollector<Table> collector(*game.patched, errors);
    // The rows of a bad header would only repeat its faults.
    const auto acceptHeader = [&](const std::vector<std::string>& names) {
        CheckColumnNames(names, 1, kHalfOfTable<Table>, errors);
        return errors.empty();
    };
    ReadRecords(text, errors, acceptHeader, [&](const InputRecord& record, const std::vector<std::string>& names) {
        collector.Add(record, names);
    });
    if (!errors.empty()) {
        ReportProblems(input, errors, err);
        return kExitBadInput;
    }
    const std::vector<TileEdit>& edits = collector.Edits();
    if (edits.empty()) {
        out << "no changes: " << collector.RecordCount() << " records match " << path << '\n';
        return kExitOk;
    }

    const GameFolderSave save = WriteGameFolderEdits(edits, path, game.load, *game.fileValues, *game.patched);
    switch (save.result) {
    case GameFolderSave::Result::kTileDataRefused:
        ToolError(err) << OpenFailureText(path, save.tileDataFailure) << "; nothing was written\n";
        return kExitFileError;
    case GameFolderSave::Result::kPatchFileRefused:
        ToolError(err) << OpenFailureText(save.patchFile.opened, save.patchFileFailure)
                       << WhatWasLeft(save.filesLeftChanged) << '\n';
        return kExitFileError;
    case GameFolderSave::Result::kFileError:
        ToolError(err) << save.fileError.GetErrorMessageOnOneLine() << WhatWasLeft(save.filesLeftChanged) << '\n';
        return kExitFileError;
    case GameFolderSave::Result::kSaved:
        break;
    }
    out << "changed " << edits.size() << (kHalfOfTable<Table> == TileHalf::kLand ? " land" : "")
        << (edits.size() == 1 ? " tile" : " tiles") << " in " << path
        << (save.patchFileWritten ? " and " + save.patchFile.opened : std::string()) << '\n';
    return kExitOk;
}

int Import(const ToolArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& path = arguments.Operand(0);
    const std::string& input = arguments.Operand(1);
    std::string text;
    if (!ReadWholeFile(input, text)) {
        ToolError(err) << input << ": cannot read\n";
        return kExitFileError;
    }
    return arguments.Has("--land") ? ImportHalf<LandTileTable>(path, input, text, out, err)
                                   : ImportHalf<StaticTileTable>(path, input, text, out, err);
}

} // namespace

const ToolCommand& ImportCommand()
{
    static const ToolCommand command{"import", kImportHelp, {2, {}, {"--land"}}, &Import};
    return command;
}
