#include "core/conference/ParticipantImportJob.h"
#include "core/service/Credentials.h"
#include "core/service/ProgressReporter.h"

#include "cvsrv/CCvService.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

ParticipantImportReply import(const std::string& path)
{
    CCvService unused;
    ProgressReporter progress;
    return ParticipantImportJob(path, std::chrono::milliseconds(0))(unused, {}, progress);
}

std::vector<std::pair<std::string, std::string>> pairsOf(const ParticipantImportReply& reply)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const ImportedParticipant& participant : reply.participants)
        pairs.emplace_back(participant.phone, participant.name);
    return pairs;
}

// A workbook a spreadsheet program made: numbers typed as numbers come back as their
// digits, the header and the rows without seven characters of phone are skipped.
TEST(ParticipantImportJob, TakesTheRowsWithAPhoneOfSevenCharactersOrMore)
{
    for (const char* name : { "contacts.xls", "contacts.xlsx" }) {
        const ParticipantImportReply reply = import(std::string(XLS_FIXTURES_DIR) + "/" + name);
        EXPECT_FALSE(reply.fileFailed) << name;
        const std::vector<std::pair<std::string, std::string>> expected { { "13800138000", "张三" },
            { "13912345678", "李四, Jr." }, { "021-12345678", "王五" } };
        EXPECT_EQ(pairsOf(reply), expected) << name;
    }
}

TEST(ParticipantImportJob, ASheetWithoutHeaderLosesNoParticipant)
{
    const fs::path file = fs::temp_directory_path() / ("participants-" + std::to_string(::getpid()) + ".CSV");
    std::ofstream(file) << "13911110001,王芳\n1391111,短号\n139111,太短\n";
    const ParticipantImportReply reply = import(file.string());
    fs::remove(file);
    const std::vector<std::pair<std::string, std::string>> expected { { "13911110001", "王芳" },
        { "1391111", "短号" } };
    EXPECT_EQ(pairsOf(reply), expected);
}

TEST(ParticipantImportJob, AFileThatIsNoWorkbookFailsAndOnlySpreadsheetsAreRead)
{
    const fs::path file = fs::temp_directory_path() / ("not-a-workbook-" + std::to_string(::getpid()) + ".xls");
    std::ofstream(file) << "13911110001,王芳\n";
    const ParticipantImportReply reply = import(file.string());
    fs::remove(file);
    EXPECT_TRUE(reply.fileFailed);
    EXPECT_TRUE(reply.participants.empty());
    EXPECT_TRUE(import("/nonexistent/participants.xlsx").fileFailed);

    EXPECT_TRUE(ParticipantImportJob::readsFile("a.XLS"));
    EXPECT_TRUE(ParticipantImportJob::readsFile("a.xlsx"));
    EXPECT_TRUE(ParticipantImportJob::readsFile("a.csv"));
    EXPECT_FALSE(ParticipantImportJob::readsFile("a.txt"));
    EXPECT_FALSE(ParticipantImportJob::readsFile(""));
}

} // namespace
