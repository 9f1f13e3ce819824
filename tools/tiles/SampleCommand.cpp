// sample: a made-up game folder to try things on.
#include "PathParts.h"
#include "SampleGameFolder.h"
#include "TilesTool.h"
#include "ToolCommand.h"

#include <optional>
#include <ostream>

namespace {

constexpr char kSampleHelp[] =
    "usage: quarnel-tiles sample DIR [--layout classic|newer] [--art index|container]\n"
    "\n"
    "Writes a made-up tile-data file and patch file into DIR (created if missing):\n"
    "a classic file of 16384 static tiles, or a newer one of 65536; and art for\n"
    "its tiles, as artidx.mul and art.mul (with a few art entries in the patch\n"
    "file), or with --art container as artLegacyMUL.uop; and a hue table of 32\n"
    "hues, hues.mul. When DIR already holds a file it would write, in any letter\n"
    "case, it names it and writes nothing.\n";

// The forms of the art files, by the names --art takes.
std::optional<SampleArtForm> ArtFormNamed(const std::string& name)
{
    if (name == "index")
        return SampleArtForm::kIndexAndArtFile;
    if (name == "container")
        return SampleArtForm::kContainer;
    return std::nullopt;
}

int Sample(const ToolArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& folder = arguments.Operand(0);
    const TileDataLayout* layout = FindTileDataLayout(arguments.Value("--layout", std::string(kClassicLayout.name)));
    const std::optional<SampleArtForm> art = ArtFormNamed(arguments.Value("--art", "index"));
    if (!layout || !art)
        return UsageError(SampleCommand(), err);
    try {
        WriteSampleGameFolder(PathFromUtf8(folder), *layout, *art);
    } catch (const std::exception& error) {
        ToolError(err) << error.what() << '\n';
        return kExitFileError;
    }
    out << "wrote " << folder << "/" << kSampleTileDataName << ", " << kSampleVerDataName << " and the art\n";
    return kExitOk;
}

} // namespace

const ToolCommand& SampleCommand()
{
    static const ToolCommand command{"sample", kSampleHelp, {1, {"--layout", "--art"}, {}}, &Sample};
    return command;
}
