#include "core/messaging/SmsRecipientImportJob.h"

#include "core/service/Credentials.h"
#include "core/service/ProgressReporter.h"

#include "cvsrv/CCvService.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

SmsRecipientImportReply import(const std::string& path)
{
    CCvService unused;
    ProgressReporter progress;
    return SmsRecipientImportJob(path, std::chrono::milliseconds(0))(unused, {}, progress);
}

fs::path fileWith(const std::string& name, const std::string& text)
{
    const fs::path file = fs::temp_directory_path() / (std::to_string(::getpid()) + "-" + name);
    std::ofstream(file) << text;
    return file;
}

TEST(SmsRecipientImportJob, TakesEveryFirstCellButTheTemplateHeader)
{
    const fs::path withHeader = fileWith("recipients.csv", "phone,addressname\n13911110001,王芳\n,空\n1391111,短号\n");
    EXPECT_EQ(import(withHeader.string()).gathered, "13911110001,,1391111,");
    fs::remove(withHeader);

    // Without a header the first row is a recipient like the others.
    const fs::path bare = fileWith("bare.CSV", "13911110001\n13911110002,李娜\n");
    const SmsRecipientImportReply reply = import(bare.string());
    fs::remove(bare);
    EXPECT_FALSE(reply.fileFailed);
    EXPECT_EQ(reply.gathered, "13911110001,13911110002,");
}

TEST(SmsRecipientImportJob, AFileThatIsNoWorkbookGathersNothing)
{
    const fs::path fake = fileWith("fake.xls", "13911110001,王芳\n");
    const SmsRecipientImportReply reply = import(fake.string());
    fs::remove(fake);
    EXPECT_TRUE(reply.fileFailed);
    EXPECT_TRUE(reply.gathered.empty());
    EXPECT_TRUE(import("/nonexistent/recipients.xlsx").gathered.empty());
    EXPECT_TRUE(SmsRecipientImportJob::readsFile("a.XLS"));
    EXPECT_TRUE(SmsRecipientImportJob::readsFile("a.xlsx"));
    EXPECT_FALSE(SmsRecipientImportJob::readsFile("a.txt"));
}

} // namespace
