#pragma once

#include "core/addressbook/ContactRecord.h"

#include <QString>

#include <chrono>
#include <string>
#include <vector>

class CCvService;
class ProgressReporter;
struct Credentials;

struct ContactExportReply {
    QString error; // empty when the file was written
};

struct ContactImportReply {
    int added = 0;
    int refused = 0;
    bool fileFailed = false; // a spreadsheet that could not be read: say so after the counts
};

// Writes the contacts to a file under the progress dialog, in the format its ending
// names. A ServiceCall job (ServiceCall::startWithProgress); the contacts are the
// job's own copy, taken when it starts.
class ContactExportJob {
public:
    ContactExportJob(std::string path, std::vector<ContactRecord> contacts);
    ContactExportReply operator()(CCvService& service, const Credentials& who, ProgressReporter& progress) const;

private:
    std::string m_path;
    std::vector<ContactRecord> m_contacts;
};

// Adds every record of a file to the address book, one service call a record, under
// the progress dialog, which ends showing how many were added and refused. The
// service alone decides what is added; a record without a name field is refused
// without a call. Cancelling stops between two records; what was added stays.
class ContactImportJob {
public:
    // The pause after each record keeps the progress readable and the service unhurried.
    static constexpr std::chrono::milliseconds kRecordPause { 20 };

    explicit ContactImportJob(std::string path, std::chrono::milliseconds pause = kRecordPause);
    ContactImportReply operator()(CCvService& service, const Credentials& who, ProgressReporter& progress) const;

    // "文件导入失败，…": what the user reads when a spreadsheet could not be read.
    static QString fileFailureText();

private:
    std::string m_path;
    std::chrono::milliseconds m_pause;
};
