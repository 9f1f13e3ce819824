#pragma once

#include <optional>
#include <string>
#include <vector>

// One record read from an import file: its cells, each with the index of
// its column's name in the file's list of names, and the line it starts on.
struct InputRecord {
    int line = 0;
    std::vector<std::pair<int, std::string>> cells;
};

// The records of an import file and the column names they use.
struct InputFile {
    std::vector<std::string> columnNames;
    std::vector<InputRecord> records;
};

// A problem found in an import file, at a line and (where known) a column.
struct InputError {
    int line = 0;
    std::string column;
    std::string message;
};

// CSV (RFC 4180: commas, double quotes doubled inside quoted cells), its
// first row naming the columns.
void AppendCsvRow(std::string& out, const std::vector<std::string>& cells);
InputFile ReadCsv(const std::string& text, std::vector<InputError>& errors);

// JSON lines: one flat object per line. `keys` are JsonKeys of the column
// names; `numeric[i]` says whether cell i is written as a number; cells
// with `omit[i]` set are left out.
std::vector<std::string> JsonKeys(const std::vector<std::string>& names);
void AppendJsonLine(std::string& out, const std::vector<std::string>& keys, const std::vector<std::string>& cells,
                    const std::vector<bool>& numeric, const std::vector<bool>& omit);
InputFile ReadJsonLines(const std::string& text, std::vector<InputError>& errors);
