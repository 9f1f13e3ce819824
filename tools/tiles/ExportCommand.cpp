// export: every tile in use of one half, or a range of them, as records.
#include "LoadedGame.h"
#include "RecordFormats.h"
#include "TileColumns.h"
#include "TileIdRange.h"
#include "TilesTool.h"
#include "ToolCommand.h"

#include <ostream>

namespace {

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

// The writer of a half's records in its columns.
RecordWriter ColumnsWriter(RecordFormat format, const std::vector<TileColumn>& columns)
{
    std::vector<std::string> names;
    std::vector<bool> numeric, omittable;
    for (const TileColumn& column : columns) {
        names.push_back(column.name);
        numeric.push_back(column.kind == TileColumn::Kind::kFlagBit || column.kind == TileColumn::Kind::kNumber ||
                          column.kind == TileColumn::Kind::kPatched);
        // A name's tail is mostly empty: a JSON line leaves it out then.
        omittable.push_back(column.kind == TileColumn::Kind::kNameTail);
    }
    return RecordWriter(format, std::move(names), std::move(numeric), std::move(omittable));
}

template <typename Table>
int ExportHalf(const std::string& path, RecordFormat format, const std::string& ids, std::ostream& out,
               std::ostream& err)
{
    LoadedGame<Table> game;
    if (!LoadGame(path, game, err))
        return kExitFileError;
    const Table& tiles = *game.patched;
    // An id range is checked, and refused, with the tiles the file has in view.
    const std::optional<TileIdRange> range = IdsWithin(ids, tiles.count, ExportCommand(), err);
    if (!range)
        return kExitUsage;

    const std::vector<TileColumn> columns = TileColumns(*tiles.layout, kHalfOfTable<Table>);
    RecordWriter writer = ColumnsWriter(format, columns);
    // The text is built in pieces of about a megabyte, each written at once:
    // few writes, and a buffer that stays the same size however many tiles.
    constexpr std::size_t kPieceSize = 1 << 20;
    std::string text;
    text.reserve(kPieceSize + 64 * 1024);
    const auto writePiece = [&] {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
        return static_cast<bool>(out);
    };
    writer.AppendHeader(text);
    std::vector<std::string> values;
    for (int id = range->first; id <= range->last; ++id) {
        TileValues(id, tiles[id], *tiles.layout, columns, values);
        writer.AppendRecord(text, values);
        // Once standard output fails, the rest would go nowhere: the caller tells why.
        if (text.size() >= kPieceSize && !writePiece())
            return kExitFileError;
    }
    return writePiece() ? kExitOk : kExitFileError;
}

int Export(const ToolArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<RecordFormat> format = RecordFormatNamed(arguments.Value("--format", "csv"));
    if (!format)
        return UsageError(ExportCommand(), err);
    const std::string& path = arguments.Operand(0);
    const std::string ids = arguments.Value("--ids");
    return arguments.Has("--land") ? ExportHalf<LandTileTable>(path, *format, ids, out, err)
                                   : ExportHalf<StaticTileTable>(path, *format, ids, out, err);
}

} // namespace

const ToolCommand& ExportCommand()
{
    static const ToolCommand command{"export", kExportHelp, {1, {"--format", "--ids"}, {"--land"}}, &Export};
    return command;
}
