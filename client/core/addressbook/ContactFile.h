#pragma once

#include "core/addressbook/ContactRecord.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The address book's files: "phone,addressname" text files and spreadsheets (sheet
// "Sheet1", headers "phone" and "addressname"). Plain C++ on the xls component; the
// import and export jobs add the service and the progress dialog.
enum class ContactFileFormat { None, Txt, Xls, Xlsx, Csv };

// The format a file ending names, in any letter case; None for any other ending.
ContactFileFormat contactFileFormat(std::string_view path);

// One record of an import file. A line or row with fewer than two fields is
// incomplete: it counts as refused without asking the service.
struct ContactFileRow {
    std::string phone;
    std::string addressname;
    bool complete = false;
};

struct ContactFileRows {
    std::vector<ContactFileRow> rows;
    // A spreadsheet that could not be read (missing, unreadable, not a workbook).
    // A text file that cannot be opened simply has no lines.
    bool readFailed = false;
    std::string error;
};

// Every record of the file, header excluded: text lines are split at ",", the
// header line ("phone,…") skipped; spreadsheet rows are read from row 2 on.
ContactFileRows readContactFile(const std::string& path);

// Writes the header and one record per contact, in order. progress is told the
// index of each contact before it is written and stops the export by returning
// false. Returns an empty text on success, else what went wrong.
std::string writeContactFile(
    const std::string& path, const std::vector<ContactRecord>& contacts, const std::function<bool(int)>& progress = {});
