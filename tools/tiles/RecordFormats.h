#pragma once

#include <deque>
#include <functional>
#include <optional>
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

// CSV (RFC 4180: commas, double quotes doubled inside quoted cells), its
// first row naming the columns. `acceptHeader` sees those names first; the
// rows are read only when it returns true.
void AppendCsvRow(std::string& out, const std::vector<std::string>& cells);
void ReadCsv(std::string_view text, std::vector<InputError>& errors,
             const std::function<bool(const std::vector<std::string>&)>& acceptHeader, const RecordHandler& onRecord);

// The two forms a file of records takes.
enum class RecordFormat { kCsv, kJsonLines };

// The format of that name ("csv", "jsonl"), or nothing.
std::optional<RecordFormat> RecordFormatNamed(std::string_view name);

// Reads the records of a file in the format it is in: JSON lines (one flat
// object a line, of string and integer values) when its first character
// past a byte-order mark and white space opens an object, CSV otherwise.
// A UTF-8 byte-order mark at its very start (spreadsheets and some editors
// write one) is skipped, and only there. `acceptHeader` sees a CSV header's
// column names before its rows are read.
void ReadRecords(std::string_view text, std::vector<InputError>& errors,
                 const std::function<bool(const std::vector<std::string>&)>& acceptHeader,
                 const RecordHandler& onRecord);

// Writes records of one set of columns in one format.
class RecordWriter {
public:
    // In JSON lines, cell i is written as a number where `numeric[i]`, and
    // is left out when empty where `omittable[i]`.
    RecordWriter(RecordFormat format, std::vector<std::string> names, std::vector<bool> numeric,
                 std::vector<bool> omittable);
    // The CSV header row; JSON lines have none.
    void AppendHeader(std::string& out) const;
    void AppendRecord(std::string& out, const std::vector<std::string>& cells);

private:
    RecordFormat m_format;
    std::vector<std::string> m_names;
    std::vector<std::string> m_keys;
    std::vector<bool> m_numeric;
    std::vector<bool> m_omittable;
    std::vector<bool> m_omit;  // the record being written's, kept to spare an allocation a record
};
