#include "RecordFormats.h"

#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace {

void AppendCsvCell(std::string& out, const std::string& cell)
{
    const bool plain = cell.find_first_of(",\"\r\n") == std::string::npos &&
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

// Splits CSV text into rows of cells, each with the line it starts on.
struct CsvRow {
    int line;
    std::vector<std::string> cells;
};

std::vector<CsvRow> SplitCsv(const std::string& text, std::vector<InputError>& errors)
{
    std::vector<CsvRow> rows;
    rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t width = 0;  // rows are mostly as wide as the one before
    int line = 1;
    std::size_t i = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        i = 3;  // the byte-order mark spreadsheets like to write
    while (i < text.size()) {
        CsvRow row{line, {}};
        row.cells.reserve(width);
        std::string cell;
        bool rowDone = false;
        while (!rowDone) {
            if (i < text.size() && text[i] == '"') {
                ++i;
                const int opened = line;
                for (;;) {
                    if (i >= text.size()) {
                        errors.push_back({opened, "", "a quoted cell is never closed"});
                        return rows;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            cell.push_back('"');
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    line += text[i] == '\n';
                    cell.push_back(text[i++]);
                }
            }
            while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r')
                cell.push_back(text[i++]);
            row.cells.push_back(std::move(cell));
            cell.clear();
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == '\r')
                ++i;
            if (i < text.size() && text[i] == '\n')
                ++i;
            ++line;
            rowDone = true;
        }
        const bool blank = row.cells.size() == 1 && row.cells[0].empty();
        width = row.cells.size();
        if (!blank)
            rows.push_back(std::move(row));
    }
    return rows;
}

void AppendJsonString(std::string& out, const std::string& text)
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
    int IndexOf(const std::string& name)
    {
        const auto [it, added] = m_index.emplace(name, static_cast<int>(m_names.size()));
        if (added)
            m_names.push_back(name);
        return it->second;
    }

private:
    std::vector<std::string>& m_names;
    std::unordered_map<std::string, int> m_index;
};

// A small reader for the flat objects this tool writes: string and integer
// values only.
class JsonLineReader {
public:
    JsonLineReader(const std::string& text, std::size_t begin, std::size_t end) : m_text(text), m_i(begin), m_end(end) {}

    bool ReadObject(std::vector<std::pair<int, std::string>>& cells, ColumnNames& names, std::string& error)
    {
        SkipBlanks();
        if (!Take('{'))
            return Fail(error, "a record must be a JSON object");
        SkipBlanks();
        if (Take('}'))
            return AtEnd(error);
        for (;;) {
            std::string key, value;
            SkipBlanks();
            if (!ReadString(key, error))
                return false;
            SkipBlanks();
            if (!Take(':'))
                return Fail(error, "expected ':' after \"" + key + "\"");
            SkipBlanks();
            if (m_i < m_end && m_text[m_i] == '"') {
                if (!ReadString(value, error))
                    return false;
            } else if (!ReadNumber(value)) {
                return Fail(error, "the value of \"" + key + "\" must be a string or a whole number");
            }
            cells.emplace_back(names.IndexOf(key), std::move(value));
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
        return m_i == m_end || Fail(error, "text after the object");
    }
    void SkipBlanks()
    {
        while (m_i < m_end && (m_text[m_i] == ' ' || m_text[m_i] == '\t' || m_text[m_i] == '\r'))
            ++m_i;
    }
    bool Take(char c)
    {
        if (m_i < m_end && m_text[m_i] == c) {
            ++m_i;
            return true;
        }
        return false;
    }
    bool ReadNumber(std::string& value)
    {
        const std::size_t start = m_i;
        Take('-');
        while (m_i < m_end && m_text[m_i] >= '0' && m_text[m_i] <= '9')
            ++m_i;
        value = m_text.substr(start, m_i - start);
        return !value.empty() && value != "-";
    }
    bool ReadString(std::string& value, std::string& error)
    {
        if (!Take('"'))
            return Fail(error, "expected a string");
        while (m_i < m_end) {
            const char c = m_text[m_i++];
            if (c == '"')
                return true;
            if (c != '\\') {
                value.push_back(c);
                continue;
            }
            if (m_i >= m_end)
                break;
            const char e = m_text[m_i++];
            switch (e) {
            case '"': case '\\': case '/': value.push_back(e); break;
            case 'b': value.push_back('\b'); break;
            case 'f': value.push_back('\f'); break;
            case 'n': value.push_back('\n'); break;
            case 'r': value.push_back('\r'); break;
            case 't': value.push_back('\t'); break;
            case 'u': {
                unsigned code = 0;
                if (m_i + 4 > m_end || std::sscanf(m_text.substr(m_i, 4).c_str(), "%4x", &code) != 1)
                    return Fail(error, "malformed \\u escape in a string");
                m_i += 4;
                AppendUtf8(value, code);
                break;
            }
            default: return Fail(error, std::string("unknown escape \\") + e + " in a string");
            }
        }
        return Fail(error, "a string is never closed");
    }
    const std::string& m_text;
    std::size_t m_i;
    std::size_t m_end;
};

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

InputFile ReadCsv(const std::string& text, std::vector<InputError>& errors)
{
    InputFile file;
    std::vector<CsvRow> rows = SplitCsv(text, errors);
    if (rows.empty())
        return file;
    file.columnNames = rows.front().cells;
    const std::size_t width = file.columnNames.size();
    file.records.reserve(rows.size());
    for (std::size_t r = 1; r < rows.size(); ++r) {
        CsvRow& row = rows[r];
        if (row.cells.size() != width) {
            errors.push_back({row.line, "", "the row has " + std::to_string(row.cells.size()) +
                                                " cells, the header " + std::to_string(width)});
            continue;
        }
        InputRecord record{row.line, {}};
        record.cells.reserve(width);
        for (std::size_t c = 0; c < width; ++c)
            record.cells.emplace_back(static_cast<int>(c), std::move(row.cells[c]));
        file.records.push_back(std::move(record));
    }
    return file;
}

std::vector<std::string> JsonKeys(const std::vector<std::string>& names)
{
    std::vector<std::string> keys;
    for (const std::string& name : names) {
        std::string key;
        AppendJsonString(key, name);
        keys.push_back(key + ':');
    }
    return keys;
}

void AppendJsonLine(std::string& out, const std::vector<std::string>& keys, const std::vector<std::string>& cells,
                    const std::vector<bool>& numeric, const std::vector<bool>& omit)
{
    out += '{';
    bool first = true;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (omit[i])
            continue;
        if (!first)
            out += ',';
        first = false;
        out += keys[i];
        if (numeric[i])
            out += cells[i];
        else
            AppendJsonString(out, cells[i]);
    }
    out += "}\n";
}

InputFile ReadJsonLines(const std::string& text, std::vector<InputError>& errors)
{
    InputFile file;
    ColumnNames names(file.columnNames);
    int line = 0;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        ++line;
        const std::string_view content(text.data() + begin, end - begin);
        if (content.find_first_not_of(" \t\r") != std::string_view::npos) {
            InputRecord record{line, {}};
            std::string error;
            if (JsonLineReader(text, begin, end).ReadObject(record.cells, names, error))
                file.records.push_back(std::move(record));
            else
                errors.push_back({line, "", error});
        }
        begin = end + 1;
    }
    return file;
}
