// Downloads against a local HTTP server: what is saved, what is skipped, and that a
// file on disk is only ever replaced by a whole new one.

#include "FileDownload.h"
#include "DownloadJob.h"
#include "DownloadList.h"
#include "FakeSoapServer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using corvana::test::CannedReply;
using corvana::test::FakeSoapServer;
using corvana::test::RecordedRequest;

namespace {

class FileDownloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The updater honours the system proxy; the local server must be reached directly.
        setenv("no_proxy", "127.0.0.1", 1);
        m_folder = fs::temp_directory_path()
            / ("updater-test-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_server.setHandler([this](const RecordedRequest& request) {
            const std::string path = request.requestLine.substr(4, request.requestLine.find(' ', 4) - 4);
            const auto reply = m_replies.find(path);
            if (reply != m_replies.end())
                return reply->second;
            CannedReply missing = CannedReply::ok("not here");
            missing.status = 404;
            missing.reason = "Not Found";
            return missing;
        });
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_server.port()) + path;
    }

    DownloadSettings settings(long timeoutMs = 2000) const { return { m_folder, timeoutMs }; }

    DownloadOutcome download(const std::string& path, long timeoutMs = 2000)
    {
        std::atomic<bool> cancel { false };
        return FileDownload(settings(timeoutMs), cancel).run(url(path));
    }

    DownloadReport runJob(const std::string& list, long timeoutMs = 2000)
    {
        DownloadJob job(DownloadList::split(list), settings(timeoutMs));
        job.start({});
        job.wait();
        return job.report();
    }

    void writeFile(const std::string& name, const std::string& content, mode_t mode = 0644)
    {
        std::ofstream(m_folder / name, std::ios::binary) << content;
        fs::permissions(m_folder / name, fs::perms(mode));
    }

    std::string readFile(const std::string& name) const
    {
        std::ifstream in(m_folder / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    std::vector<std::string> folderContents() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    FakeSoapServer m_server;
    std::map<std::string, CannedReply> m_replies;
    fs::path m_folder;
};

std::string bigBody(std::size_t size)
{
    std::string body(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        body[i] = char(i * 7 + i / 251);
    return body;
}

} // namespace

TEST_F(FileDownloadTest, ReplacesEveryListedFileAndKeepsAProgramRunnable)
{
    const std::string program = bigBody(100 * 1024);
    m_replies["/updates/corvana"] = CannedReply::ok(program);
    m_replies["/updates/notes.txt"] = CannedReply::ok("新版本说明\r\n");
    writeFile("corvana", "old program", 0755);
    writeFile("notes.txt", "old notes");

    const DownloadReport report = runJob(url("/updates/corvana") + ";" + url("/updates/notes.txt") + ";");

    ASSERT_EQ(report.files.size(), 2u);
    EXPECT_TRUE(report.complete());
    EXPECT_EQ(readFile("corvana"), program);
    EXPECT_EQ(readFile("notes.txt"), "新版本说明\r\n");
    EXPECT_EQ(fs::status(m_folder / "corvana").permissions() & fs::perms::all, fs::perms(0755));
    EXPECT_EQ(folderContents(), (std::vector<std::string> { "corvana", "notes.txt" }));
    for (const RecordedRequest& request : m_server.requests()) {
        EXPECT_EQ(request.requestLine.substr(0, 4), "GET ");
        EXPECT_EQ(request.header("User-Agent"), "lpload");
    }
}

TEST_F(FileDownloadTest, AnswersOtherThanAWholeBodyWithItsLengthWriteNothing)
{
    CannedReply chunked = CannedReply::ok(bigBody(5000));
    chunked.framing = CannedReply::Framing::Chunked;
    m_replies["/chunked"] = chunked;
    m_replies["/empty"] = CannedReply::ok("");
    CannedReply untilClose = CannedReply::ok(bigBody(3000));
    untilClose.framing = CannedReply::Framing::NoLength;
    m_replies["/until-close"] = untilClose;
    // The server promises more than it sends, then hangs up half-way.
    CannedReply broken = CannedReply::ok(bigBody(5000));
    broken.framing = CannedReply::Framing::NoLength;
    broken.extraHeaders = { "Content-Length: 10000" };
    m_replies["/broken"] = broken;
    const std::map<std::string, DownloadOutcome> cases {
        { "/missing", DownloadOutcome::BadStatus },
        { "/chunked", DownloadOutcome::NoLength },
        { "/empty", DownloadOutcome::NoLength },
        { "/until-close", DownloadOutcome::NoLength },
        { "/broken", DownloadOutcome::ShortBody },
    };
    for (const auto& [path, expected] : cases) {
        const std::string name = path.substr(1);
        writeFile(name, "the old file, whole");
        EXPECT_EQ(download(path), expected) << path;
        EXPECT_EQ(readFile(name), "the old file, whole") << path;
        // No temporary file is left behind either.
        EXPECT_EQ(folderContents(), (std::vector<std::string> { name })) << path;
        fs::remove(m_folder / name);
    }
    EXPECT_EQ(download("/chunked"), DownloadOutcome::NoLength);
    EXPECT_TRUE(folderContents().empty());
}

TEST_F(FileDownloadTest, ASilentOrAbsentHostIsGivenUpAndTheNextFileStillComes)
{
    CannedReply silent = CannedReply::ok("late");
    silent.delay = std::chrono::seconds(10);
    m_replies["/silent/a"] = silent;
    m_replies["/b"] = CannedReply::ok("b");

    // A port nobody listens on.
    std::string refused;
    {
        FakeSoapServer gone;
        refused = "http://127.0.0.1:" + std::to_string(gone.port()) + "/c";
    }

    const auto started = std::chrono::steady_clock::now();
    const DownloadReport report = runJob(url("/silent/a") + ";" + refused + ";" + url("/b"), 1000);
    const auto took = std::chrono::steady_clock::now() - started;

    ASSERT_EQ(report.files.size(), 3u);
    EXPECT_EQ(report.files[0].second, DownloadOutcome::Unreachable);
    EXPECT_EQ(report.files[1].second, DownloadOutcome::Unreachable);
    EXPECT_EQ(report.files[2].second, DownloadOutcome::Saved);
    EXPECT_FALSE(report.complete());
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_EQ(folderContents(), (std::vector<std::string> { "b" }));
}

TEST_F(FileDownloadTest, NamesThatLeaveTheFolderAreRefusedWithoutARequest)
{
    m_replies["/a"] = CannedReply::ok("a");
    const DownloadReport report
        = runJob(url("/x/..") + ";" + url("/x/.") + ";" + url("/x/") + ";" + url("/a\\b") + ";;" + url("/a"));

    ASSERT_EQ(report.files.size(), 6u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(report.files[i].second, DownloadOutcome::RefusedName) << report.files[i].first;
    EXPECT_EQ(report.files[5].second, DownloadOutcome::Saved);
    EXPECT_EQ(m_server.requestCount(), 1u);
}

TEST_F(FileDownloadTest, AFolderThatCannotBeWrittenSavesNothing)
{
    m_replies["/a"] = CannedReply::ok("a");
    fs::remove_all(m_folder);
    EXPECT_EQ(download("/a"), DownloadOutcome::WriteFailed);
    fs::create_directories(m_folder);
}

TEST_F(FileDownloadTest, CancellingEndsAStalledTransferAndTheRestOfTheList)
{
    CannedReply stalled = CannedReply::ok(bigBody(8000));
    stalled.trickleBytes = 1000;
    stalled.trickleInterval = std::chrono::milliseconds(400);
    m_replies["/slow"] = stalled;
    m_replies["/next"] = CannedReply::ok("next");
    writeFile("slow", "old");

    DownloadJob job({ url("/slow"), url("/next") }, settings(5000));
    job.start({});
    ASSERT_TRUE(m_server.waitForRequests(1, std::chrono::seconds(5)));
    const auto started = std::chrono::steady_clock::now();
    job.cancel();
    job.wait();

    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    const DownloadReport report = job.report();
    ASSERT_EQ(report.files.size(), 2u);
    EXPECT_EQ(report.files[0].second, DownloadOutcome::Cancelled);
    EXPECT_EQ(report.files[1].second, DownloadOutcome::Cancelled);
    EXPECT_EQ(readFile("slow"), "old");
    EXPECT_EQ(folderContents(), (std::vector<std::string> { "slow" }));
}
