// sample: a made-up game folder to try things on.
#include "PathParts.h"
#include "SampleGameFolder.h"
#include "TilesTool.h"
#include "ToolCommand.h"

#include <ostream>

namespace {

constexpr char kSampleHelp[] =
    "usage: quarnel-tiles sample DIR [--layout classic|newer]\n"
    "\n"
    "Writes a made-up tile-data file and patch file into DIR (created if missing):\n"
    "a classic file of 16384 static tiles, or a newer one of 65536.\n";

int Sample(const ToolArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& folder = arguments.Operand(0);
    const TileDataLayout* layout = FindTileDataLayout(arguments.Value("--layout", std::string(kClassicLayout.name)));
    if (!layout)
        return UsageError(SampleCommand(), err);
    try {
        WriteSampleGameFolder(PathFromUtf8(folder), *layout);
    } catch (const std::exception& error) {
        ToolError(err) << error.what() << '\n';
        return kExitFileError;
    }
    out << "wrote " << folder << "/" << kSampleTileDataName << " and " << kSampleVerDataName << '\n';
    return kExitOk;
}

} // namespace

const ToolCommand& SampleCommand()
{
    static const ToolCommand command{"sample", kSampleHelp, {1, {"--layout"}, {}}, &Sample};
    return command;
}
