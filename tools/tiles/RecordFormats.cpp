#include "RecordFormats.h"

#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <utility>

namespace {

void AppendCsvCell(std::string& out, const std::string& cell)
{
    if (cell.size() == 1 && cell[0] >= '0' && cell[0] <= '9') {  // most cells: a flag bit's digit
        out += cell[0];
        return;
    }
    // Few cells are long: a plain loop beats a search for each of four characters.
    const bool plain = std::none_of(cell.begin(), cell.end(),
                                    [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; }) &&
                       (cell.empty() || (cell.front() != ' ' && cell.back() != ' '));
    if (plain) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// Reads CSV rows one at a time, counting lines.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : m_text(text) {}

    // The next row that is not blank, into `record` (cells indexed by
    // position); false at the end of the text or after an error.
    bool NextRow(InputRecord& record, std::vector<InputError>& errors)
    {
        for (;;) {
            if (m_i >= m_text.size())
                return false;
            record.line = m_line;
            record.cells.clear();
            record.storage.clear();
            for (int column = 0;; ++column) {
                std::string_view cell;
                if (!ReadCell(cell, record, errors))
                    return false;
                record.cells.emplace_back(column, cell);
                if (m_i < m_text.size() && m_text[m_i] == ',') {
                    ++m_i;
                    continue;
                }
                break;
            }
            if (m_i < m_text.size() && m_text[m_i] == '\r')
                ++m_i;
            if (m_i < m_text.size() && m_text[m_i] == '\n')
                ++m_i;
            ++m_line;
            const bool blank = record.cells.size() == 1 && record.cells[0].second.empty();
            if (!blank)
                return true;
        }
    }

private:
    bool ReadCell(std::string_view& cell, InputRecord& record, std::vector<InputError>& errors)
    {
        if (m_i < m_text.size() && m_text[m_i] == '"') {
            const int opened = m_line;
            const std::size_t start = ++m_i;
            std::string* unescaped = nullptr;
            for (;;) {
                if (m_i >= m_text.size()) {
                    errors.push_back({opened, "", "a quoted cell is never closed"});
                    return false;
                }
                const char c = m_text[m_i++];
                if (c == '"' && m_i < m_text.size() && m_text[m_i] == '"') {
                    if (!unescaped)
                        unescaped = &record.storage.emplace_back(m_text.substr(start, m_i - 1 - start));
                    unescaped->push_back('"');
                    ++m_i;
                    continue;
                }
                if (c == '"')
                    break;
                m_line += c == '\n';
                if (unescaped)
                    unescaped->push_back(c);
            }
            cell = unescaped ? std::string_view(*unescaped) : m_text.substr(start, m_i - 1 - start);
        }
        const std::size_t start = m_i;
        while (m_i < m_text.size() && m_text[m_i] != ',' && m_text[m_i] != '\n' && m_text[m_i] != '\r')
            ++m_i;
        if (m_i > start) {
            // Text after a closing quote, or an unquoted cell.
            if (cell.data() == nullptr)
                cell = m_text.substr(start, m_i - start);
            else
                cell = record.storage.emplace_back(std::string(cell) + std::string(m_text.substr(start, m_i - start)));
        }
        return true;
    }

    std::string_view m_text;
    std::size_t m_i = 0;
    int m_line = 1;
};

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
    if (plain) {
        out += text;
        out += '"';
        return;
    }
    for (const char raw : text) {
        const auto c = static_cast<unsigned char>(raw);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += raw;
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", c);
            out += escaped;
        } else {
            out += raw;
        }
    }
    out += '"';
}

// Gives each distinct column name one index.
class ColumnNames {
public:
    explicit ColumnNames(std::vector<std::string>& names) : m_names(names) {}
    int IndexOf(std::string_view name)
    {
        const auto found = m_index.find(std::string(name));
        if (found != m_index.end())
            return found->second;
        const int index = static_cast<int>(m_names.size());
        m_names.emplace_back(name);
        m_index.emplace(name, index);
        return index;
    }

private:
    std::vector<std::string>& m_names;
    std::unordered_map<std::string, int> m_index;
};

// A small reader for the flat objects this tool writes: string and integer
// values only.
class JsonLineReader {
public:
    explicit JsonLineReader(std::string_view line) : m_text(line) {}

    bool ReadObject(InputRecord& record, ColumnNames& names, std::string& error)
    {
        SkipBlanks();
        if (!Take('{'))
            return Fail(error, "a record must be a JSON object");
        SkipBlanks();
        if (Take('}'))
            return AtEnd(error);
        for (;;) {
            std::string_view key, value;
            SkipBlanks();
            if (!ReadString(key, record, error))
                return false;
            SkipBlanks();
            if (!Take(':'))
                return Fail(error, "expected ':' after \"" + std::string(key) + "\"");
            SkipBlanks();
            if (m_i < m_text.size() && m_text[m_i] == '"') {
                if (!ReadString(value, record, error))
                    return false;
            } else if (!ReadNumber(value)) {
                return Fail(error, "the value of \"" + std::string(key) + "\" must be a string or a whole number");
            }
            const int column = names.IndexOf(key);
            for (const auto& cell : record.cells)
                if (cell.first == column)
                    return Fail(error, "the key \"" + std::string(key) + "\" is given twice");
            record.cells.emplace_back(column, value);
            SkipBlanks();
            if (Take(','))
                continue;
            if (Take('}'))
                return AtEnd(error);
            return Fail(error, "expected ',' or '}'");
        }
    }

private:
    static bool Fail(std::string& error, std::string message)
    {
        error = std::move(message);
        return false;
    }
    bool AtEnd(std::string& error)
    {
        SkipBlanks();
        return m_i == m_text.size() || Fail(error, "text after the object");
    }
    void SkipBlanks()
    {
        while (m_i < m_text.size() && (m_text[m_i] == ' ' || m_text[m_i] == '\t' || m_text[m_i] == '\r'))
            ++m_i;
    }
    bool Take(char c)
    {
        if (m_i < m_text.size() && m_text[m_i] == c) {
            ++m_i;
            return true;
        }
        return false;
    }
    bool ReadNumber(std::string_view& value)
    {
        const std::size_t start = m_i;
        Take('-');
        while (m_i < m_text.size() && m_text[m_i] >= '0' && m_text[m_i] <= '9')
            ++m_i;
        value = m_text.substr(start, m_i - start);
        return !value.empty() && value != "-";
    }
    bool ReadString(std::string_view& value, InputRecord& record, std::string& error)
    {
        if (!Take('"'))
            return Fail(error, "expected a string");
        const std::size_t start = m_i;
        while (m_i < m_text.size() && m_text[m_i] != '"' && m_text[m_i] != '\\')
            ++m_i;
        if (m_i < m_text.size() && m_text[m_i] == '"') {
            value = m_text.substr(start, m_i++ - start);
            return true;
        }
        std::string& unescaped = record.storage.emplace_back(m_text.substr(start, m_i - start));
        while (m_i < m_text.size()) {
            const char c = m_text[m_i++];
            if (c == '"') {
                value = unescaped;
                return true;
            }
            if (c != '\\') {
                unescaped.push_back(c);
                continue;
            }
            if (m_i >= m_text.size())
                break;
            const char e = m_text[m_i++];
            switch (e) {
            case '"': case '\\': case '/': unescaped.push_back(e); break;
            case 'b': unescaped.push_back('\b'); break;
            case 'f': unescaped.push_back('\f'); break;
            case 'n': unescaped.push_back('\n'); break;
            case 'r': unescaped.push_back('\r'); break;
            case 't': unescaped.push_back('\t'); break;
            case 'u': {
                unsigned code = 0;
                if (m_i + 4 > m_text.size() || std::sscanf(std::string(m_text.substr(m_i, 4)).c_str(), "%4x", &code) != 1)
                    return Fail(error, "malformed \\u escape in a string");
                m_i += 4;
                AppendUtf8(unescaped, code);
                break;
            }
            default: return Fail(error, std::string("unknown escape \\") + e + " in a string");
            }
        }
        return Fail(error, "a string is never closed");
    }

    std::string_view m_text;
    std::size_t m_i = 0;
};

// The text after a UTF-8 byte-order mark at its very start (spreadsheets
// and some editors write one); both readers skip it, and only there.
std::string_view WithoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
    return text.starts_with(kUtf8ByteOrderMark) ? text.substr(kUtf8ByteOrderMark.size()) : text;
}

} // namespace

void AppendCsvRow(std::string& out, const std::vector<std::string>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i)
            out += ',';
        AppendCsvCell(out, cells[i]);
    }
    out += '\n';
}

void ReadCsv(std::string_view text, std::vector<InputError>& errors,
             const std::function<bool(const std::vector<std::string>&)>& acceptHeader, const RecordHandler& onRecord)
{
    CsvReader reader(WithoutByteOrderMark(text));
    InputRecord row;
    if (!reader.NextRow(row, errors))
        return;
    std::vector<std::string> names;
    for (const auto& [column, name] : row.cells)
        names.emplace_back(name);
    if (!acceptHeader(names))
        return;
    while (reader.NextRow(row, errors)) {
        if (row.cells.size() != names.size()) {
            errors.push_back({row.line, "", "the row has " + std::to_string(row.cells.size()) + " cells, the header " +
                                                std::to_string(names.size())});
            continue;
        }
        onRecord(row, names);
    }
}

namespace {

std::vector<std::string> JsonKeys(const std::vector<std::string>& names)
{
    // Each key but the first carries the comma before it: a line is built
    // with one append fewer per cell.
    std::vector<std::string> keys;
    for (const std::string& name : names) {
        std::string key = keys.empty() ? "" : ",";
        AppendJsonString(key, name);
        keys.push_back(key + ':');
    }
    return keys;
}

void AppendJsonLine(std::string& out, const std::vector<std::string>& keys, const std::vector<std::string>& cells,
                    const std::vector<bool>& numeric, const std::vector<bool>& omit)
{
    out += '{';
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (omit[i])
            continue;
        out += keys[i];
        if (numeric[i])
            out += cells[i];
        else
            AppendJsonString(out, cells[i]);
    }
    out += "}\n";
}

// JSON lines: one flat object per line, of string and integer values.
void ReadJsonLines(std::string_view text, std::vector<InputError>& errors, const RecordHandler& onRecord)
{
    text = WithoutByteOrderMark(text);
    std::vector<std::string> names;
    ColumnNames columnNames(names);
    InputRecord record;
    int line = 0;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos)
            end = text.size();
        ++line;
        const std::string_view content = text.substr(begin, end - begin);
        if (content.find_first_not_of(" \t\r") != std::string_view::npos) {
            record.line = line;
            record.cells.clear();
            record.storage.clear();
            std::string error;
            if (JsonLineReader(content).ReadObject(record, columnNames, error))
                onRecord(record, names);
            else
                errors.push_back({line, "", error});
        }
        begin = end + 1;
    }
}

// The format a file of records is in: JSON lines when its first character
// past a byte-order mark and white space opens an object, CSV otherwise.
RecordFormat RecordFormatOf(std::string_view text)
{
    const std::string_view content = WithoutByteOrderMark(text);
    const std::size_t first = content.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && content[first] == '{' ? RecordFormat::kJsonLines : RecordFormat::kCsv;
}

} // namespace

std::optional<RecordFormat> RecordFormatNamed(std::string_view name)
{
    if (name == "csv")
        return RecordFormat::kCsv;
    if (name == "jsonl")
        return RecordFormat::kJsonLines;
    return std::nullopt;
}

void ReadRecords(std::string_view text, std::vector<InputError>& errors,
                 const std::function<bool(const std::vector<std::string>&)>& acceptHeader,
                 const RecordHandler& onRecord)
{
    if (RecordFormatOf(text) == RecordFormat::kJsonLines)
        ReadJsonLines(text, errors, onRecord);
    else
        ReadCsv(text, errors, acceptHeader, onRecord);
}

RecordWriter::RecordWriter(RecordFormat format, std::vector<std::string> names, std::vector<bool> numeric,
                           std::vector<bool> omittable)
    : m_format(format), m_names(std::move(names)), m_keys(JsonKeys(m_names)), m_numeric(std::move(numeric)),
      m_omittable(std::move(omittable)), m_omit(m_names.size())
{
}

void RecordWriter::AppendHeader(std::string& out) const
{
    if (m_format == RecordFormat::kCsv)
        AppendCsvRow(out, m_names);
}

void RecordWriter::AppendRecord(std::string& out, const std::vector<std::string>& cells)
{
    if (m_format == RecordFormat::kCsv)
        return AppendCsvRow(out, cells);
    for (std::size_t i = 0; i < cells.size(); ++i)
        m_omit[i] = m_omittable[i] && cells[i].empty();
    AppendJsonLine(out, m_keys, cells, m_numeric, m_omit);
}
