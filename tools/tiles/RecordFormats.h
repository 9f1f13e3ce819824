#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One record read from an import file: its cells, each with the index of
// its column's name, and the line it starts on. The values are views into
// the file's text or into the record's own storage, valid while the
// record handler runs.
struct InputRecord {
    int line = 0;
    std::vector<std::pair<int, std::string_view>> cells;
    std::deque<std::string> storage;  // values that had to be unescaped
};

// A problem found in an import file, at a line and (where known) a column.
struct InputError {
    int line = 0;
    std::string column;
    std::string message;
};

// Called for each record in turn, with the column names its indices refer to.
using RecordHandler = std::function<void(const InputRecord& record, const std::vector<std::string>& names)>;

// The text after a UTF-8 byte-order mark at its very start (spreadsheets
// and some editors write one); both readers skip it, and only there.
std::string_view WithoutByteOrderMark(std::string_view text);

// CSV (RFC 4180: commas, double quotes doubled inside quoted cells), its
// first row naming the columns. `acceptHeader` sees those names first; the
// rows are read only when it returns true.
void AppendCsvRow(std::string& out, const std::vector<std::string>& cells);
void ReadCsv(std::string_view text, std::vector<InputError>& errors,
             const std::function<bool(const std::vector<std::string>&)>& acceptHeader, const RecordHandler& onRecord);

// JSON lines: one flat object per line. `keys` are JsonKeys of the column
// names; `numeric[i]` says whether cell i is written as a number; cells
// with `omit[i]` set are left out, which the first may never be. Reading takes string and integer values.
std::vector<std::string> JsonKeys(const std::vector<std::string>& names);
void AppendJsonLine(std::string& out, const std::vector<std::string>& keys, const std::vector<std::string>& cells,
                    const std::vector<bool>& numeric, const std::vector<bool>& omit);
void ReadJsonLines(std::string_view text, std::vector<InputError>& errors, const RecordHandler& onRecord);
