#pragma once

#include "xls/SheetRows.h"

#include <string>

class CCvService;
struct Credentials;
class ProgressReporter;

struct ChargeExportReply {
    std::string error; // empty when the file was written whole
};

// Writes a table (its title row first) as a .csv (UTF-8 with a byte-order mark) or
// .xlsx file, by the path's ending. Runs as a ServiceCall job under the progress
// dialog, though it calls no service: the file work stays off the GUI thread.
class ChargeExportJob {
public:
    ChargeExportJob(std::string path, xls::SheetRows rows)
        : m_path(std::move(path))
        , m_rows(std::move(rows))
    {
    }

    // Whether path ends in a format this export writes.
    static bool writes(const std::string& path);
    // The writing itself, on the calling thread.
    static std::string write(const std::string& path, const xls::SheetRows& rows);

    ChargeExportReply operator()(CCvService& service, const Credentials& who, ProgressReporter& progress) const;

private:
    std::string m_path;
    xls::SheetRows m_rows;
};
