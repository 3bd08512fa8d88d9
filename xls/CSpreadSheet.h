#pragma once

#include "xls/SheetFormat.h"
#include "xls/SheetRows.h"
#include "xls/Status.h"

#include <string>
#include <vector>

// One sheet of a spreadsheet file, read whole on construction and written whole by
// Commit(). The format follows the file's ending, in any letter case: .xls (Excel
// 97-2003), .xlsx, or .csv (one sheet; the name is not looked at).
//
// Rows are numbered from 1; a header row is row 1. Every row reads back with the
// same number of cells, the sheet's width (the rightmost non-empty column), empty
// cells as empty strings; rows after the last non-empty one do not count.
//
// Nothing throws: a failure to open or save shows in error() and errorMessage().
class CSpreadSheet {
public:
    // Reads sheet sheetName of the file at path. A file that does not exist
    // (error() NotFound) reads as an empty sheet; with create set, Commit() makes
    // it. An existing file that cannot be read still can be replaced by Commit().
    CSpreadSheet(std::string path, std::string sheetName, bool create = true);

    // Starts the sheet afresh: Commit() then writes exactly the rows added after
    // this call, replacing the whole file (other sheets of it are not kept).
    bool BeginTransaction();
    // Makes headers row 1 of an empty sheet. On a sheet that already has rows,
    // replace overwrites row 1; without it nothing changes and false is returned.
    bool AddHeaders(const std::vector<std::string>& headers, bool replace = false);
    // row 0 (or one past the last row) appends; 1..GetTotalRows() inserts before
    // that row, or overwrites it with replace; further on, empty rows fill the gap.
    bool AddRow(const std::vector<std::string>& cells, long row = 0, bool replace = false);
    // Writes the sheet to the file; the old file stays whole if this fails.
    bool Commit();

    // The number of the last row: 1 for a sheet holding only its header row, 0
    // for an empty sheet or one that could not be read.
    long GetTotalRows() const;
    long GetTotalColumns() const;
    // Fills cells with the cells of 1-based row; false, with cells empty, for a row
    // outside 1..GetTotalRows().
    bool ReadRow(std::vector<std::string>& cells, long row) const;

    // The outcome of the last reading or writing of the file (construction,
    // BeginTransaction(), Commit()).
    const xls::Status& status() const { return m_status; }
    xls::FileError error() const { return m_status.error(); }
    const std::string& errorMessage() const { return m_status.message(); }
    // True when the sheet was read from the file without error.
    bool isReadable() const { return m_readable; }

    const std::string& path() const { return m_path; }
    const std::string& sheetName() const { return m_sheetName; }
    xls::SheetFormat format() const { return m_format; }

private:
    void load();
    void dropTrailingEmptyRows();
    void updateWidth(const xls::SheetRow& row);

    std::string m_path;
    std::string m_sheetName;
    xls::SheetFormat m_format;
    bool m_create;
    bool m_readable = false;
    xls::SheetRows m_rows;
    std::size_t m_width = 0;
    xls::Status m_status;
};
