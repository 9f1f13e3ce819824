#pragma once

#include "RecordFormats.h"
#include "StaticTileEntry.h"
#include "TileEdits.h"

#include <string>
#include <vector>

// Checks every record of an import file against the tiles as loaded
// (patches applied) and turns the fields that differ into edits. Any
// problem goes to `errors`; the edits are only to be made when there is none.
std::vector<TileEdit> EditsFromRecords(const InputFile& file, const StaticTileTable& loaded,
                                       std::vector<InputError>& errors);

// Checks the column names of a CSV header.
void CheckColumnNames(const std::vector<std::string>& names, int line, std::vector<InputError>& errors);
