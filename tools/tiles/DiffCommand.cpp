// diff: the fields that differ between the tiles of two game folders.
#include "LoadedGame.h"
#include "TileColumns.h"
#include "TileIdRange.h"
#include "TilesTool.h"
#include "ToolCommand.h"

#include <algorithm>
#include <ostream>

namespace {

constexpr char kDiffHelp[] =
    "usage: quarnel-tiles diff A B\n"
    "\n"
    "Prints one line per field that differs between two tile-data files, each read\n"
    "with its own patch file applied (whether a tile came from it is no field), over\n"
    "the tiles both hold, and one line per range of ids that only one of them holds;\n"
    "then the same for the land tiles, each line starting with \"land\". The layouts\n"
    "may differ: a classic file's flag bits 32-63 are 0. Exit status 0 when both\n"
    "halves are equal, 1 when not.\n";

// Prints a line per field that differs between one half of two folders,
// each behind `prefix`, and a line per range of ids only one holds; true
// when anything differs.
template <typename Table>
bool DiffHalf(const Table& left, const Table& right, const char* prefix, std::ostream& out)
{
    bool different = false;
    // Both sides in the wider flag word's columns: a classic file's high bits are 0.
    const TileDataLayout& wider = left.layout->flagsSize >= right.layout->flagsSize ? *left.layout : *right.layout;
    const std::vector<TileColumn> columns = TileColumns(wider, kHalfOfTable<Table>);
    std::vector<std::string> leftValues, rightValues;
    const int common = std::min(left.count, right.count);
    for (int id = 0; id < common; ++id) {
        TileValues(id, left[id], wider, columns, leftValues);
        TileValues(id, right[id], wider, columns, rightValues);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            // The flag word's change shows bit by bit in the flag columns. The
            // patched mark is no field of the tile: a tile the patch file gives
            // equals the same tile held by the tile-data file itself.
            const TileColumn::Kind kind = columns[c].kind;
            if (kind == TileColumn::Kind::kFlags || kind == TileColumn::Kind::kPatched || leftValues[c] == rightValues[c])
                continue;
            different = true;
            out << prefix << leftValues[0] << ' ' << columns[c].name << ": " << leftValues[c] << " -> "
                << rightValues[c] << '\n';
        }
    }
    if (left.count != right.count) {
        different = true;
        out << prefix << TileIdRange{common, std::max(left.count, right.count) - 1}.Text() << " only in "
            << (left.count > right.count ? "A" : "B") << '\n';
    }
    return different;
}

int Diff(const ToolArguments& arguments, std::ostream& out, std::ostream& err)
{
    LoadedFolder a, b;
    if (!LoadFolder(arguments.Operand(0), a, err) || !LoadFolder(arguments.Operand(1), b, err))
        return kExitFileError;
    // The static lines as they have always been, then the land ones, marked.
    const bool staticsDiffer = DiffHalf(*a.statics, *b.statics, "", out);
    const bool landDiffers = DiffHalf(*a.land, *b.land, "land ", out);
    return staticsDiffer || landDiffers ? kExitDifferent : kExitOk;
}

} // namespace

const ToolCommand& DiffCommand()
{
    static const ToolCommand command{"diff", kDiffHelp, {2, {}, {}}, &Diff};
    return command;
}
