#include "ChildProcess.h"
#include "FakeSoapServer.h"
#include "SoapReplies.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using corvana::test::CannedReply;
using corvana::test::FakeSoapServer;
using cvctl::test::ChildResult;
using cvctl::test::runChild;

namespace {

constexpr const char* kNamespace = "http://corvana.example.com/";

// A loopback port with nothing listening on it.
int closedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

class CvctlProgram : public ::testing::Test {
protected:
    ChildResult run(std::vector<std::string> args, const std::vector<std::string>& environment = {})
    {
        args.insert(args.begin(), { "--host", FakeSoapServer::host(), "--port", std::to_string(m_server.port()) });
        return runChild(CVCTL_PROGRAM, args, environment);
    }

    FakeSoapServer m_server;
};

} // namespace

TEST_F(CvctlProgram, PrintsTheBalanceAndExpiry)
{
    m_server.setReply(CannedReply::ok(corvana::test::soapResponse(kNamespace, "GetClientBalance",
        { { "GetClientBalanceResult", "0" }, { "outbalance", "12.50" }, { "outexptime", "2027-01-01" } })));
    const ChildResult result = run({ "GetClientBalance", "13800000000", "secret" });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "status: 0\nbalance: 12.50\nexpiry: 2027-01-01\n");
    EXPECT_EQ(result.err, "");
    ASSERT_EQ(m_server.requestCount(), 1u);
    EXPECT_NE(m_server.lastRequest().body.find("<inregphoneid>13800000000</inregphoneid>"), std::string::npos);
}

TEST_F(CvctlProgram, PrintsListRowsEscapedOrFieldByField)
{
    m_server.setReply(CannedReply::ok(corvana::test::dataSetReply(kNamespace, "GetClientAddressGroup", "ds",
        { { { "addressgroupid", "3" }, { "addressgroupname", "家人" } },
            { { "addressgroupid", "7" }, { "addressgroupname", "Work" } } })));

    const ChildResult line = run({ "GetClientAddressGroup", "13800000000", "secret" });
    EXPECT_EQ(line.exitCode, 0);
    EXPECT_EQ(line.out, "status: 0\n3\\r家人\\r\\n7\\rWork\\r\nrows: 2\n");

    const ChildResult fields = run({ "--fields", "GetClientAddressGroup", "13800000000", "secret" });
    EXPECT_EQ(fields.exitCode, 0);
    EXPECT_EQ(fields.out, "status: 0\n3\n家人\n\n7\nWork\nrows: 2\n");
}

TEST_F(CvctlProgram, ExitsWithZeroWhateverTheServiceAnswers)
{
    m_server.setReply(CannedReply::ok(corvana::test::soapResult(kNamespace, "UserClientLogin", "5")));
    const ChildResult refused = run({ "UserClientLogin", "13800000000", "wrong", "127.0.0.1" });
    EXPECT_EQ(refused.exitCode, 0);
    EXPECT_EQ(refused.out, "status: 5\n");

    m_server.setReply(CannedReply::ok(corvana::test::soapResult(kNamespace, "ModifyClientRoomInfo", "3")));
    const ChildResult room = run({ "ModifyClientRoomInfo", "13800000000", "secret" });
    EXPECT_EQ(room.exitCode, 0);
    EXPECT_EQ(room.out, "status: 0\nresult: 3\n");

    m_server.setReply(CannedReply::fault("Server was unable to process request."));
    const ChildResult fault = run({ "GetMemberInfo", "13800000000", "secret" });
    EXPECT_EQ(fault.exitCode, 0);
    EXPECT_EQ(fault.out, "status: 0\n\n");
}

TEST(CvctlProgramOffline, ReportsTheSendFailureOfAClosedPort)
{
    const ChildResult result = runChild(
        CVCTL_PROGRAM, { "--host", "127.0.0.1", "--port", std::to_string(closedPort()), "GetSysMsgInfo", "5" });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "status: -1\n发送数据失败!\n");
}

TEST_F(CvctlProgram, TakesHostAndPortFromTheEnvironmentByDefault)
{
    m_server.setReply(CannedReply::ok(corvana::test::soapResult(kNamespace, "GetSysMsgInfo", "余额不足")));
    const ChildResult result = runChild(CVCTL_PROGRAM, { "GetSysMsgInfo", "17" },
        { "CORVANA_WEB_HOST=" + std::string(FakeSoapServer::host()),
            "CORVANA_WEB_PORT=" + std::to_string(m_server.port()) });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "status: 0\n余额不足\n");
    ASSERT_EQ(m_server.requestCount(), 1u);
    EXPECT_NE(m_server.lastRequest().body.find("<msgno>17</msgno>"), std::string::npos);
}

TEST_F(CvctlProgram, UsageErrorsExitWithTwoAndCallNothing)
{
    const std::vector<std::vector<std::string>> wrong = {
        { "NoSuchOperation", "1" },
        { "GetMemberInfo", "13800000000" },
        { "GetSysMsgInfo", "five" },
        { "--port" },
        {},
    };
    for (const auto& args : wrong) {
        const ChildResult result = run(args);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: cvctl"), std::string::npos) << result.err;
    }
    EXPECT_EQ(m_server.requestCount(), 0u);

    EXPECT_EQ(runChild(CVCTL_PROGRAM, { "--help" }).exitCode, 0);
}
