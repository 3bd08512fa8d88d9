#pragma once

#include "xls/CSpreadSheet.h"
#include "xls/SheetRows.h"

#include <string>

namespace xls::test {

// A file of tests/xls/fixtures.
std::string fixture(const std::string& name);

// Sheet "Sheet1" of contacts.fods as it was typed into the spreadsheet program,
// every row as wide as the widest.
SheetRows contactsFixtureRows();

// Row i of the 1,200-row fixture long.xls/long.xlsx (1 is the header row).
SheetRow longFixtureRow(long i);

// Cells that break careless writers: Chinese, separators, quotes, line breaks,
// leading zeros and spaces, characters beyond the BMP, empty cells between others.
SheetRows awkwardRows();

// A phone book of count contacts after a header row, every name different.
SheetRows phoneBook(long count);

// Every row of the sheet through ReadRow.
SheetRows readAll(const CSpreadSheet& sheet);

// Writes rows as sheet sheetName of path through CSpreadSheet; the error message on failure.
std::string writeSheet(const std::string& path, const std::string& sheetName, const SheetRows& rows);

} // namespace xls::test
