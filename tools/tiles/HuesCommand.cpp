// hues: the hue table beside a tile-data file, as records or as a chart.
#include "HueChart.h"
#include "NameText.h"
#include "PatchFilePath.h"
#include "PathParts.h"
#include "PngFile.h"
#include "RecordFormats.h"
#include "TilesTool.h"
#include "ToolCommand.h"
#include "ToolHues.h"

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace {

constexpr char kHuesHelp[] =
    "usage: quarnel-tiles hues TILEDATA [--format csv|jsonl] [--ids A-B]\n"
    "       quarnel-tiles hues TILEDATA --sheet FILE.png [--ids A-B]\n"
    "\n"
    "Writes the hue table, hues.mul beside TILEDATA (its name in any letter case):\n"
    "one record a hue, hue (its number, from 1), name (UTF-8; a backslash is written\n"
    "\\\\ and a byte with no printable character \\xNN), colours (its 32 16-bit\n"
    "colours, 4 hex digits each, separated by spaces), table_start and table_end.\n"
    "--ids takes decimal hue numbers, one (5) or a range (1-100).\n"
    "--sheet FILE.png draws a chart instead: one row a hue, its number, its 32\n"
    "colours as swatches and its name.\n";

std::string Colours(const Hue& hue)
{
    std::string text;
    char digits[8];
    for (const std::uint16_t colour : hue.colours) {
        std::snprintf(digits, sizeof digits, "%04X", colour);
        if (!text.empty())
            text += ' ';
        text += digits;
    }
    return text;
}

int WriteRecords(const HueTable& hues, HueRange range, RecordFormat format, std::ostream& out)
{
    RecordWriter writer(format, {"hue", "name", "colours", "table_start", "table_end"},
                        {true, false, false, true, true}, {false, false, false, false, false});
    std::string text;
    writer.AppendHeader(text);
    for (int number = range.first; number <= range.last; ++number) {
        const Hue& hue = hues[number];
        writer.AppendRecord(text, {std::to_string(number), EscapeName(hue.name), Colours(hue),
                                   std::to_string(hue.tableStart), std::to_string(hue.tableEnd)});
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return out ? kExitOk : kExitFileError;
}

int WriteChart(const HueTable& hues, HueRange range, const std::string& sheet, const std::string& tileData,
               std::ostream& err)
{
    for (const std::string& game : {hues.File(), tileData, LocatePatchFileBeside(tileData).opened}) {
        std::error_code error;
        if (std::filesystem::equivalent(PathFromUtf8(sheet), PathFromUtf8(game), error)) {
            ToolError(err) << sheet << " is a game file; the chart goes elsewhere\n";
            return kExitFileError;
        }
    }
    std::string failure;
    if (!WritePngFile(sheet, DrawHueChart(hues, range.first, range.last), failure)) {
        ToolError(err) << failure << '\n';
        return kExitFileError;
    }
    err << "hues " << range.first << "-" << range.last << ": " << range.last - range.first + 1
        << (range.last == range.first ? " hue" : " hues") << " on the chart " << sheet << '\n';
    return kExitOk;
}

int Hues(const ToolArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<RecordFormat> format = RecordFormatNamed(arguments.Value("--format", "csv"));
    const std::string sheet = arguments.Value("--sheet");
    if (!format || (!sheet.empty() && !arguments.Value("--format").empty()))
        return UsageError(HuesCommand(), err);
    const std::optional<HueTable> hues = LoadHuesBeside(arguments.Operand(0), err);
    if (!hues)
        return kExitFileError;
    const std::optional<HueRange> range = HuesWithin(arguments.Value("--ids"), hues->Count(), HuesCommand(), err);
    if (!range)
        return kExitUsage;
    return sheet.empty() ? WriteRecords(*hues, *range, *format, out)
                         : WriteChart(*hues, *range, sheet, arguments.Operand(0), err);
}

} // namespace

const ToolCommand& HuesCommand()
{
    static const ToolCommand command{"hues", kHuesHelp, {1, {"--format", "--ids", "--sheet"}, {}}, &Hues};
    return command;
}
