#pragma once

namespace xls {

// Why a spreadsheet or text file could not be read or written. The callers turn
// every reading failure into one message for the user; the kinds are kept apart
// for logs, the command-line tools and the tests.
enum class FileError {
    None,
    NotFound, // no such file, or its folder is missing
    NotAFile, // a folder or a device
    AccessDenied, // no permission, or another program holds the file
    EmptyFile,
    NotAWorkbook, // the content is not of the format the file's ending names, or is damaged
    SheetNotFound,
    UnknownFormat, // the ending is none of .xls, .xlsx, .csv
    TooLarge, // more rows, columns or characters than the format holds
    BadSheetName,
    ReadFailed,
    WriteFailed,
};

} // namespace xls
