#include "ServiceHarness.h"

#include "MonitorMessages.h"
#include "SignatureCheck.h"
#include "StatusCodes.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cvservice::test {
namespace {

// A bare TCP client of the monitor server, as the client program talks to it.
class MonitorClient {
public:
    explicit MonitorClient(int port)
    {
        m_fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        m_connected = connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~MonitorClient() { close(m_fd); }

    bool connected() const { return m_connected; }
    void send(const std::string& text)
    {
        ASSERT_EQ(::send(m_fd, text.data(), text.size(), MSG_NOSIGNAL), static_cast<ssize_t>(text.size()));
    }

    // Everything received until the text holds needle or the limit passes.
    std::string readUntil(const std::string& needle, int limitMs = 5000)
    {
        for (int waited = 0; waited < limitMs && m_received.find(needle) == std::string::npos; waited += 20) {
            pollfd p { m_fd, POLLIN, 0 };
            if (poll(&p, 1, 20) > 0) {
                char buffer[4096];
                const ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
                if (n <= 0)
                    break;
                m_received.append(buffer, static_cast<std::size_t>(n));
            }
        }
        return m_received;
    }

private:
    int m_fd = -1;
    bool m_connected = false;
    std::string m_received;
};

// The 14-digit local time stamp the given number of seconds from now.
std::string stampFromNow(long seconds)
{
    const std::time_t when = std::time(nullptr) + seconds;
    std::tm local {};
    localtime_r(&when, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local);
    return stamp;
}

std::string verifyMessage(const char* user, const char* password, const std::string& stamp = stampFromNow(0))
{
    return std::string("{\"key\":\"verify\",\"value\":\"{\\\"regphoneid\\\":\\\"") + user
        + "\\\",\\\"timestamp\\\":\\\"" + stamp + "\\\",\\\"hashcode\\\":\\\""
        + SignatureCheck::expectedHash(user, password, stamp) + "\\\"}\"}";
}

TEST(MonitorWiringTest, TheMonitorServerKnowsTheStoredAccountsAndTheRunningConferences)
{
    ServiceHarness harness;
    std::string result;
    ASSERT_EQ(harness.client().createConference(kUser, kPassword, "监听", kUser, "13911110001", "王芳",
                  timeFromNow(0).c_str(), "", 0, 0, 0, 0, 0, result),
        0);
    const std::string id = rowsOf(result).at(0).at(0);

    MonitorClient client(harness.service().monitorPort());
    ASSERT_TRUE(client.connected());
    client.send(verifyMessage(kUser, kPassword));
    ASSERT_NE(client.readUntil("成功").find("成功"), std::string::npos);
    client.send("{\"key\":\"monitor\",\"value\":\"{\\\"regphoneid\\\":\\\"" + std::string(kUser)
        + "\\\",\\\"conferenceid\\\":\\\"" + id + "\\\"}\"}");
    EXPECT_NE(client.readUntil("13911110001").find("13911110001"), std::string::npos);

    MonitorClient stranger(harness.service().monitorPort());
    ASSERT_TRUE(stranger.connected());
    stranger.send(verifyMessage(kUser, "not-the-password"));
    EXPECT_EQ(stranger.readUntil("成功", 500).find("成功"), std::string::npos);
}

TEST(MonitorWiringTest, TheMonitorAndTheSoapEndpointKeepTheSameTimeStampWindow)
{
    ServiceOptions options = ServiceHarness::defaults();
    options.stampWindowSeconds = 600;
    ServiceHarness harness(options);

    const auto soapStatus = [&](const std::string& stamp) {
        const RawReply reply
            = harness.post(harness.envelope("GetClientBalance",
                               "<inregphoneid>13800138000</inregphoneid><inuserid>pcadm</inuserid>"
                               "<timeticks>"
                                   + stamp + "</timeticks><strMD5Client>"
                                   + SignatureCheck::expectedHash(kUser, kPassword, stamp) + "</strMD5Client>"),
                harness.action("GetClientBalance"));
        const std::string open = "<GetClientBalanceResult>";
        const std::size_t at = reply.body.find(open);
        return at == std::string::npos ? -1 : std::atoi(reply.body.c_str() + at + open.size());
    };
    const auto monitorAnswer = [&](const std::string& stamp) {
        MonitorClient client(harness.service().monitorPort());
        EXPECT_TRUE(client.connected());
        client.send(verifyMessage(kUser, kPassword, stamp));
        const std::string answer = client.readUntil("}");
        if (answer.find(MonitorMessages::kVerified) != std::string::npos)
            return std::string(MonitorMessages::kVerified);
        if (answer.find(MonitorMessages::kVerifyRefused) != std::string::npos)
            return std::string(MonitorMessages::kVerifyRefused);
        return answer;
    };

    struct Case {
        std::string stamp;
        bool accepted;
    };
    // Twenty minutes off lies inside the default window but outside the configured
    // one: both endpoints must use the service's setting, not a default of their own.
    for (const Case& c :
        { Case { "20000101000000", false }, Case { "20990101000000", false }, Case { stampFromNow(-1200), false },
            Case { stampFromNow(1200), false }, Case { stampFromNow(-300), true }, Case { stampFromNow(300), true } }) {
        EXPECT_EQ(soapStatus(c.stamp), c.accepted ? kOk : kStaleTimeStamp) << c.stamp;
        EXPECT_EQ(monitorAnswer(c.stamp), c.accepted ? MonitorMessages::kVerified : MonitorMessages::kVerifyRefused)
            << c.stamp;
    }
}

} // namespace
} // namespace cvservice::test
