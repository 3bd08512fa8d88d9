#include "MonitorServer.h"
#include "ConferenceHub.h"
#include "MonitorMessages.h"
#include "RawClient.h"

#include "cvsrv/CUtility.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

using namespace cvservice;
using namespace std::chrono_literals;

namespace {

constexpr const char* kOwner = "13800000000";
constexpr const char* kPassword = "secret";
constexpr const char* kOther = "13811111111";
constexpr const char* kId = "2026120700001";
constexpr const char* kOtherId = "2026120700002";

LiveConference conference(const std::string& id, const std::string& owner)
{
    LiveConference result;
    result.conferenceId = id;
    result.owner = owner;
    result.hostNumber = owner;
    result.members = { { "张三", "13900000001" }, { "李四", "13900000002" } };
    return result;
}

class MonitorServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimulationSettings settings;
        settings.fast = true;
        settings.answerProbability = 1.0;
        settings.dropProbability = 0.0;
        hub = std::make_unique<ConferenceHub>(settings);
        hub->start(conference(kId, kOwner));
        hub->start(conference(kOtherId, kOther));

        MonitorServer::Options options;
        options.port = 0;
        options.splitPause = 300ms; // long enough that the two parts reach even a busy client apart
        options.maxPerAccount = 32; // ManyClientsAtOnce watches through more connections than a client opens
        server = makeServer(options);
        std::string error;
        ASSERT_TRUE(server->start(error)) << error;
        ASSERT_NE(server->port(), 0);
    }

    std::unique_ptr<MonitorServer> makeServer(const MonitorServer::Options& options)
    {
        const std::map<std::string, std::string> passwords { { kOwner, kPassword }, { kOther, "other" } };
        return std::make_unique<MonitorServer>(
            *hub,
            [passwords](const std::string& regphoneid) -> std::optional<std::string> {
                auto found = passwords.find(regphoneid);
                if (found == passwords.end())
                    return std::nullopt;
                return found->second;
            },
            options);
    }

    void TearDown() override
    {
        server->stop();
        hub->stop();
    }

    std::unique_ptr<RawClient> verified()
    {
        auto client = std::make_unique<RawClient>(server->port());
        client->send(RawClient::verifyText(kOwner, kPassword));
        const auto answer = client->message();
        EXPECT_TRUE(answer && (*answer)["value"].asString() == MonitorMessages::kVerified);
        return client;
    }

    std::unique_ptr<RawClient> watching(const std::string& id = kId)
    {
        auto client = verified();
        client->send(RawClient::monitorText(kOwner, id));
        return client;
    }

    // Reads monitor messages until one satisfies the condition.
    static std::optional<Json::Value> until(RawClient& client, const std::function<bool(const Json::Value&)>& wanted)
    {
        for (int i = 0; i < 200; ++i) {
            auto message = client.message();
            if (!message)
                return std::nullopt;
            if (wanted(*message))
                return message;
        }
        return std::nullopt;
    }

    static bool everyoneJoined(const Json::Value& message)
    {
        const std::string list = message["phonelist"].asString();
        return list.find("张三|13900000001|1|") != std::string::npos
            && list.find("李四|13900000002|1|") != std::string::npos;
    }

    std::unique_ptr<ConferenceHub> hub;
    std::unique_ptr<MonitorServer> server;
};

} // namespace

TEST_F(MonitorServerTest, WatchesTheConferenceThroughChangesUntilItEnds)
{
    auto client = watching();
    const auto first = client->message();
    ASSERT_TRUE(first);
    EXPECT_EQ((*first)["key"].asString(), "monitor");
    EXPECT_TRUE((*first)["conferencestate"].isInt());
    EXPECT_EQ((*first)["conferencestate"].asInt(), 1);
    EXPECT_EQ((*first)["phonelist"].asString().rfind(std::string("主持人|") + kOwner + "|", 0), 0u);

    ASSERT_TRUE(until(*client, everyoneJoined));
    ASSERT_EQ(hub->control(kOwner, kId, 0, ""), 0);
    ASSERT_TRUE(until(*client, [](const Json::Value& message) {
        return message["phonelist"].asString().find("张三|13900000001|1|2|0") != std::string::npos;
    }));

    ASSERT_EQ(hub->control(kOwner, kId, 9, ""), 0);
    const auto last
        = until(*client, [](const Json::Value& message) { return message["conferencestate"].asInt() != 1; });
    ASSERT_TRUE(last);
    EXPECT_EQ((*last)["conferencestate"].asInt(), 2);
    EXPECT_EQ((*last)["phonelist"].asString(),
        std::string("主持人|") + kOwner + "|2|1|0,张三|13900000001|2|2|0,李四|13900000002|2|2|0");
    EXPECT_TRUE(client->closedByServer());
}

TEST_F(MonitorServerTest, AnEndedConferenceIsReportedOnceAndTheConnectionClosed)
{
    ASSERT_EQ(hub->control(kOwner, kId, 9, ""), 0);
    auto client = watching();
    const auto message = client->message();
    ASSERT_TRUE(message);
    EXPECT_EQ((*message)["conferencestate"].asInt(), 2);
    EXPECT_TRUE(client->closedByServer());
}

TEST_F(MonitorServerTest, RefusedVerificationKeepsTheConnectionForAnotherTry)
{
    RawClient client(server->port());
    const std::string wrongHash = RawClient::verifyText(kOwner, kPassword, "20261207130000");
    for (const std::string& attempt : {
             RawClient::verifyText(kOwner, "wrong"),
             RawClient::verifyText("13899999999", kPassword),
             RawClient::verifyText(kOwner, kPassword, "2026120713000"),
             RawClient::verifyText(kOwner, kPassword, "2026120713000x"),
             RawClient::verifyText(kOwner, kPassword, "20261332130000"),
             wrongHash.substr(0, wrongHash.find("hashcode")) + "hashcode\\\":\\\"\\\"}\"}",
             std::string(R"({"key":"verify","value":"not json"})"),
             std::string(R"({"key":"verify"})"),
         }) {
        client.send(attempt);
        const auto answer = client.message();
        ASSERT_TRUE(answer) << attempt;
        EXPECT_EQ((*answer)["key"].asString(), "verify");
        EXPECT_EQ((*answer)["value"].asString(), MonitorMessages::kVerifyRefused) << attempt;
    }
    client.send(RawClient::verifyText(kOwner, kPassword));
    const auto answer = client.message();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["value"].asString(), MonitorMessages::kVerified);
}

TEST_F(MonitorServerTest, AServerWithATimeWindowRefusesStaleTimeStamps)
{
    MonitorServer::Options options;
    options.port = 0;
    options.stampWindowSeconds = 600;
    auto strict = makeServer(options);
    std::string error;
    ASSERT_TRUE(strict->start(error)) << error;

    char now[15] = {};
    CUtility().GetTimeStamp(now);
    RawClient client(strict->port());
    for (const auto& [stamp, answer] :
        { std::pair<std::string, std::string> { "20000101000000", MonitorMessages::kVerifyRefused },
            { now, MonitorMessages::kVerified } }) {
        client.send(RawClient::verifyText(kOwner, kPassword, stamp));
        const auto message = client.message();
        ASSERT_TRUE(message);
        EXPECT_EQ((*message)["value"].asString(), answer) << stamp;
    }
}

TEST_F(MonitorServerTest, ErrorsForRequestsThatMayNotBeServed)
{
    const auto errorFor = [&](RawClient& client, const std::string& request) -> std::string {
        client.send(request);
        const auto message = client.message();
        if (!message || (*message)["key"].asString() != "error")
            return "no error";
        EXPECT_FALSE(message->isMember("value"));
        EXPECT_TRUE(client.closedByServer());
        return (*message)["phonelist"].asString();
    };
    RawClient unverified(server->port());
    EXPECT_EQ(errorFor(unverified, RawClient::monitorText(kOwner, kId)), MonitorMessages::kNotVerified);
    EXPECT_EQ(errorFor(*verified(), RawClient::monitorText(kOwner, kOtherId)), MonitorMessages::kNotYourConference);
    EXPECT_EQ(errorFor(*verified(), RawClient::monitorText(kOther, kOtherId)), MonitorMessages::kNotYourConference);
    EXPECT_EQ(errorFor(*verified(), RawClient::monitorText(kOwner, "1234567890")), MonitorMessages::kNoSuchConference);
    EXPECT_EQ(errorFor(*verified(), RawClient::monitorText(kOwner, "")), MonitorMessages::kBadRequest);
}

TEST_F(MonitorServerTest, ClientMessagesInPiecesTogetherAndAmidGarbage)
{
    RawClient client(server->port());
    const std::string verify = RawClient::verifyText(kOwner, kPassword);
    client.send(verify.substr(0, 17));
    std::this_thread::sleep_for(30ms); // let the server see the first piece on its own
    client.send(verify.substr(17));
    auto answer = client.message();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["value"].asString(), MonitorMessages::kVerified);

    // Garbage, a stray brace that opens nothing, then two messages in one send.
    client.send(std::string("\x00\xff garbage ]} {oops ", 19) + "{\"key\":\"hello\"}" + verify
        + RawClient::monitorText(kOwner, kId));
    answer = client.message();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["value"].asString(), MonitorMessages::kVerified);
    const auto monitor = client.message();
    ASSERT_TRUE(monitor);
    EXPECT_EQ((*monitor)["key"].asString(), "monitor");
}

TEST_F(MonitorServerTest, AnOverlongMessageCostsOnlyItsOwnConnection)
{
    RawClient flooding(server->port());
    flooding.send("{\"key\":\"" + std::string(100 * 1024, 'x'));
    EXPECT_TRUE(flooding.closedByServer());

    RawClient vanishing(server->port());
    vanishing.send(RawClient::verifyText(kOwner, kPassword).substr(0, 30));
    vanishing.close();

    auto watcher = watching();
    watcher->close(); // gone while subscribed: later changes must not reach it
    ASSERT_EQ(hub->control(kOwner, kId, 0, ""), 0);

    auto client = watching();
    EXPECT_TRUE(client->message());
}

TEST_F(MonitorServerTest, ManyClientsAtOnce)
{
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int i = 0; i < 24; ++i) {
        clients.push_back(std::make_unique<RawClient>(server->port()));
        clients.back()->send(RawClient::verifyText(kOwner, kPassword) + RawClient::monitorText(kOwner, kId));
    }
    ASSERT_EQ(hub->control(kOwner, kId, 9, ""), 0);
    for (auto& client : clients) {
        EXPECT_TRUE(until(*client, [](const Json::Value& message) { return message["conferencestate"].asInt() == 2; }));
        EXPECT_TRUE(client->closedByServer());
    }
}

TEST_F(MonitorServerTest, FaultDropConnection)
{
    server->faults().set(MonitorFaults::DropConnection, true);
    RawClient client(server->port());
    client.send(RawClient::verifyText(kOwner, kPassword));
    EXPECT_TRUE(client.closedByServer());
    EXPECT_FALSE(client.message());

    server->faults().set(MonitorFaults::DropConnection, false);
    EXPECT_TRUE(verified());
}

TEST_F(MonitorServerTest, FaultSplitMessage)
{
    server->faults().set(MonitorFaults::SplitMessage, true);
    RawClient client(server->port());
    client.send(RawClient::verifyText(kOwner, kPassword));
    const auto first = client.receive();
    ASSERT_TRUE(first && !first->empty());
    const std::string whole = MonitorMessages::verify(MonitorMessages::kVerified);
    EXPECT_EQ(*first, whole.substr(0, whole.size() / 2));
    const auto second = client.receive();
    ASSERT_TRUE(second);
    EXPECT_EQ(*first + *second, whole);
}

TEST_F(MonitorServerTest, FaultCoalesceMessages)
{
    auto client = verified();
    server->faults().set(MonitorFaults::CoalesceMessages, true);
    client->send(RawClient::monitorText(kOwner, kId));
    const auto block = client->receive();
    ASSERT_TRUE(block && !block->empty());
    corvana::JsonObjectSplitter splitter;
    splitter.append(*block);
    int objects = 0;
    while (splitter.next())
        ++objects;
    // Every write carries two objects; a client that fell behind may read more at once.
    EXPECT_GE(objects, 2) << *block;
    EXPECT_EQ(objects % 2, 0) << *block;
}

TEST_F(MonitorServerTest, FaultSendGarbage)
{
    server->faults().set(MonitorFaults::SendGarbage, true);
    RawClient client(server->port());
    client.send(RawClient::verifyText(kOwner, kPassword));
    std::string received;
    while (received.find('}') == std::string::npos) {
        const auto bytes = client.receive();
        ASSERT_TRUE(bytes && !bytes->empty());
        received += *bytes;
    }
    const auto start = received.find('{');
    ASSERT_NE(start, std::string::npos);
    EXPECT_GT(start, 0u); // something that is not JSON came first
    EXPECT_EQ(received.substr(start), MonitorMessages::verify(MonitorMessages::kVerified));
}

TEST_F(MonitorServerTest, APortInUseIsReported)
{
    MonitorServer::Options options;
    options.port = server->port();
    MonitorServer second(
        *hub, [](const std::string&) { return std::nullopt; }, options);
    std::string error;
    EXPECT_FALSE(second.start(error));
    EXPECT_NE(error.find(std::to_string(server->port())), std::string::npos) << error;
}
