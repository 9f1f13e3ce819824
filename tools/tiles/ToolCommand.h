#pragma once

#include "ToolArguments.h"

#include <iosfwd>

// One command of quarnel-tiles: its name, its help (on standard output for
// --help; on standard error, with the usage status, when the words do not
// fit its syntax) and what it runs once they do.
struct ToolCommand {
    const char* name;
    const char* help;
    CommandSyntax syntax;
    int (*run)(const ToolArguments& arguments, std::ostream& out, std::ostream& err);
};

const ToolCommand& ExportCommand();
const ToolCommand& ImportCommand();
const ToolCommand& DiffCommand();
const ToolCommand& InfoCommand();
const ToolCommand& SampleCommand();
const ToolCommand& ArtCommand();
const ToolCommand& FoldCommand();
const ToolCommand& HuesCommand();

// Starts one of the program's own lines on standard error: "quarnel-tiles: ",
// or "quarnel-tiles export: " when a command's usage is at fault.
std::ostream& ToolError(std::ostream& err);
std::ostream& ToolError(std::ostream& err, const ToolCommand& command);
// Shows the command's usage on standard error; returns the usage status.
int UsageError(const ToolCommand& command, std::ostream& err);
