#pragma once

#include <chrono>
#include <string>

class CCvService;
class ProgressReporter;
struct Credentials;

struct SmsRecipientImportReply {
    std::string gathered; // each row's first cell followed by ","
    bool fileFailed = false;
};

// Reads the recipients of a spreadsheet (.xls, .xlsx or .csv, sheet "Sheet1") under
// the progress dialog: the first cell of every row, as it stands, each followed by
// ",". The one row left out is the import template's header, a first row whose first
// cell is "phone": sent on, it would make the service refuse the whole list. A file
// that cannot be read gathers nothing. A ServiceCall job (startWithProgress).
class SmsRecipientImportJob {
public:
    static constexpr std::chrono::milliseconds kRowPause { 10 };

    explicit SmsRecipientImportJob(std::string path, std::chrono::milliseconds pause = kRowPause);
    SmsRecipientImportReply operator()(CCvService& service, const Credentials& who, ProgressReporter& progress) const;

    // Whether a file's ending names a spreadsheet this job reads.
    static bool readsFile(const std::string& path);

private:
    std::string m_path;
    std::chrono::milliseconds m_pause;
};
