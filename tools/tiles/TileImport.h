#pragma once

#include "RecordFormats.h"
#include "TileColumns.h"
#include "LandTileEntry.h"
#include "StaticTileEntry.h"
#include "TileEdits.h"

#include <string>
#include <vector>

// Checks the records of an import file one by one against the tiles of
// one half as loaded (patches applied) and turns the fields that differ
// into edits. Any problem goes to `errors`; the edits are only to be made
// when there is none. Table is StaticTileTable or LandTileTable.
template <typename Table>
class EditCollector {
public:
    EditCollector(const Table& loaded, std::vector<InputError>& errors);
    void Add(const InputRecord& record, const std::vector<std::string>& names);
    const std::vector<TileEdit>& Edits() const { return m_edits; }
    int RecordCount() const { return m_records; }

private:
    const Table& m_loaded;
    std::vector<InputError>& m_errors;
    std::vector<TileEdit> m_edits;
    std::vector<int> m_firstLineOfId;
    std::vector<const TileColumn*> m_columns;  // by index into the file's column names
    int m_records = 0;
};

// Checks the column names of a CSV header for an import into the half.
void CheckColumnNames(const std::vector<std::string>& names, int line, TileHalf half, std::vector<InputError>& errors);
