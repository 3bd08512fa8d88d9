#pragma once

#include <QString>

#include <chrono>
#include <string>
#include <vector>

class CCvService;
class ProgressReporter;
struct Credentials;

// One participant read from a spreadsheet: column 0 the phone, column 1 the name.
struct ImportedParticipant {
    std::string phone;
    std::string name;
};

struct ParticipantImportReply {
    std::vector<ImportedParticipant> participants; // in the order of the rows
    bool fileFailed = false; // say so: the rows read before stay
};

// Reads the participants of a spreadsheet (.xls, .xlsx or .csv, sheet "Sheet1")
// under the progress dialog, for the instant and scheduled pages. Every row counts,
// the first one too: a header row's "phone" is too short to pass for a number, and
// a sheet without a header loses no participant. A row whose phone has fewer than
// seven characters is skipped. The job only reads: the page adds what it hands back
// by its own listing rules. A ServiceCall job (ServiceCall::startWithProgress).
class ParticipantImportJob {
public:
    static constexpr std::chrono::milliseconds kRowPause { 20 };

    explicit ParticipantImportJob(std::string path, std::chrono::milliseconds pause = kRowPause);
    ParticipantImportReply operator()(CCvService& service, const Credentials& who, ProgressReporter& progress) const;

    // Whether a file's ending names a spreadsheet this job reads; anything else is
    // ignored without a word.
    static bool readsFile(const std::string& path);

private:
    std::string m_path;
    std::chrono::milliseconds m_pause;
};
