#include "TilesTool.h"

#include "ToolCommand.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string>

namespace {

constexpr char kToolName[] = "quarnel-tiles";

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
    "  info TILEDATA                                     the file's layout, tiles in use, patch file and art\n"
    "  sample DIR [--layout classic|newer] [--art index|container]\n"
    "                                                    writes a made-up game folder into DIR\n"
    "  art TILEDATA (--out DIR | --sheet FILE.png) [--ids A-B] [--land] [--hue N]\n"
    "                                                    the tiles' pictures as PNG files or one sheet\n"
    "  art TILEDATA (--in DIR [--ids A-B] | --remove A-B) [--land]\n"
    "                                                    pictures from PNG files given to the tiles, or taken away\n"
    "  hues TILEDATA [--format csv|jsonl] [--ids A-B] [--sheet FILE.png]\n"
    "                                                    the hue table as records or as a chart\n"
    "\n"
    "quarnel-tiles COMMAND --help tells more. Exit status: 0 done (diff: equal), 1 diff: different,\n"
    "2 usage, 3 import: bad records, art --in: bad pictures (nothing written), 4 a file could not\n"
    "be read or written, 5 art: some tiles' art is damaged (the others were written).\n";

// Whether everything a command wrote reached standard output (a full disk
// or a closed pipe stops it); when not, tells so on `err`.
bool WrittenOut(std::ostream& out, std::ostream& err)
{
    if (out.flush())
        return true;
    // The stream keeps no cause; the C library's last error is the write's.
    const int cause = errno;
    ToolError(err) << "cannot write standard output" << (cause != 0 ? std::string(" (") + std::strerror(cause) + ")" : "")
                   << '\n';
    return false;
}

} // namespace

std::ostream& ToolError(std::ostream& err)
{
    return err << kToolName << ": ";
}

std::ostream& ToolError(std::ostream& err, const ToolCommand& command)
{
    return err << kToolName << ' ' << command.name << ": ";
}

int UsageError(const ToolCommand& command, std::ostream& err)
{
    err << command.help;
    return kExitUsage;
}

int RunTilesTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kToolHelp;
        return kExitUsage;
    }
    const std::string& name = args[0];
    if (name == "--help" || name == "-h" || name == "help") {
        out << kToolHelp;
        return kExitOk;
    }
    const std::vector<std::string> words(args.begin() + 1, args.end());
    for (const ToolCommand* command :
         {&ExportCommand(), &ImportCommand(), &DiffCommand(), &InfoCommand(), &SampleCommand(), &ArtCommand(),
          &FoldCommand(), &HuesCommand()}) {
        if (name != command->name)
            continue;
        if (AsksForHelp(words)) {
            out << command->help;
            return kExitOk;
        }
        const std::optional<ToolArguments> arguments = ToolArguments::Parse(words, command->syntax);
        if (!arguments)
            return UsageError(*command, err);
        errno = 0;
        const int status = command->run(*arguments, out, err);
        return WrittenOut(out, err) ? status : kExitFileError;
    }
    ToolError(err) << "unknown command '" << name << "'\n" << kToolHelp;
    return kExitUsage;
}
