// The fake server speaks exact HTTP: other tests trust its framing and its records.
#include "FakeSoapServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

using corvana::test::CannedReply;
using corvana::test::FakeSoapServer;
using corvana::test::RecordedRequest;
using namespace std::chrono_literals;

namespace {

// A bare client: sends the pieces (pausing between them) and reads until the server
// closes the connection.
class RawClient {
public:
    explicit RawClient(int port)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        timeval timeout { 10, 0 };
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<uint16_t>(port));
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { ::close(m_fd); }

    bool connected() const { return m_connected; }

    void send(const std::string& bytes) { ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL); }

    std::string readSome()
    {
        char buffer[4096];
        const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, 0);
        return got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : std::string();
    }

    std::string readAll()
    {
        std::string all;
        for (std::string piece = readSome(); !piece.empty(); piece = readSome())
            all += piece;
        return all;
    }

private:
    int m_fd = -1;
    bool m_connected = false;
};

const std::string kRequest = "POST /MeetingWebSevc.asmx HTTP/1.0\r\n"
                             "Content-Type: text/xml; charset=utf-8\r\n"
                             "SOAPAction:\"urn:x/Op\"\r\n"
                             "content-length: 11\r\n"
                             "\r\n"
                             "<a>body</a>";

std::string exchange(FakeSoapServer& server, const std::string& request = kRequest)
{
    RawClient client(server.port());
    EXPECT_TRUE(client.connected());
    client.send(request);
    return client.readAll();
}

} // namespace

TEST(FakeSoapServer, ContentLengthReply)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok("hello"));
    EXPECT_EQ(exchange(server),
        "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: 5\r\n"
        "Connection: close\r\n\r\nhello");
}

TEST(FakeSoapServer, ChunkedTrickledAndUnframedReplies)
{
    FakeSoapServer server;
    CannedReply chunked = CannedReply::ok("hello");
    chunked.framing = CannedReply::Framing::Chunked;
    chunked.trickleBytes = 2;
    chunked.trickleInterval = 1ms;
    chunked.contentType.clear();
    chunked.extraHeaders = { "X-Extra: 1" };
    server.setReply(chunked);
    EXPECT_EQ(exchange(server),
        "HTTP/1.1 200 OK\r\nX-Extra: 1\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
        "2\r\nhe\r\n2\r\nll\r\n1\r\no\r\n0\r\n\r\n");

    CannedReply unframed = CannedReply::fault("boom");
    unframed.framing = CannedReply::Framing::NoLength;
    server.setReply(unframed);
    const std::string reply = exchange(server);
    EXPECT_EQ(reply.rfind("HTTP/1.1 500 Internal Server Error\r\n", 0), 0u);
    EXPECT_EQ(reply.find("Content-Length"), std::string::npos);
    EXPECT_NE(reply.find("<faultstring>boom</faultstring>"), std::string::npos);
    EXPECT_EQ(reply.substr(reply.size() - 16), "</soap:Envelope>");
}

TEST(FakeSoapServer, HangUpSendsNothing)
{
    FakeSoapServer server;
    CannedReply hangUp;
    hangUp.closeWithoutReply = true;
    server.setReply(hangUp);
    EXPECT_EQ(exchange(server), "");
    EXPECT_EQ(server.requestCount(), 1u);
}

TEST(FakeSoapServer, RecordsRequestsSentInPieces)
{
    FakeSoapServer server;
    RawClient client(server.port());
    for (std::size_t i = 0; i < kRequest.size(); i += 7) {
        client.send(kRequest.substr(i, 7));
        std::this_thread::sleep_for(1ms);
    }
    client.readAll();
    const RecordedRequest request = server.lastRequest();
    EXPECT_EQ(request.requestLine, "POST /MeetingWebSevc.asmx HTTP/1.0");
    EXPECT_EQ(request.headerLines,
        (std::vector<std::string> {
            "Content-Type: text/xml; charset=utf-8", "SOAPAction:\"urn:x/Op\"", "content-length: 11" }));
    EXPECT_EQ(request.header("SOAPACTION"), "\"urn:x/Op\"");
    EXPECT_EQ(request.header("Content-Type"), "text/xml; charset=utf-8");
    EXPECT_FALSE(request.hasHeader("Host"));
    EXPECT_EQ(request.body, "<a>body</a>");
    EXPECT_EQ(request.raw, kRequest);
}

TEST(FakeSoapServer, QueuedRepliesThenHandlerThenDefault)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok("default"));
    server.queueReply(CannedReply::ok("first"));
    server.queueReply(CannedReply::ok("second"));
    const auto bodyOf = [&] {
        const std::string reply = exchange(server);
        return reply.substr(reply.find("\r\n\r\n") + 4);
    };
    EXPECT_EQ(bodyOf(), "first");
    EXPECT_EQ(bodyOf(), "second");
    server.setHandler([](const RecordedRequest& request) { return CannedReply::ok("echo " + request.body); });
    EXPECT_EQ(bodyOf(), "echo <a>body</a>");
    server.setHandler({});
    EXPECT_EQ(bodyOf(), "default");
    EXPECT_EQ(server.requestCount(), 4u);
    server.clearRequests();
    EXPECT_EQ(server.requestCount(), 0u);
    EXPECT_EQ(server.lastRequest().requestLine, "");
}

TEST(FakeSoapServer, InvitesAHeldBackBody)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok("ok"));
    RawClient client(server.port());
    client.send("POST / HTTP/1.1\r\nExpect: 100-continue\r\nContent-Length: 2\r\n\r\n");
    EXPECT_EQ(client.readSome(), "HTTP/1.1 100 Continue\r\n\r\n");
    client.send("hi");
    EXPECT_NE(client.readAll().find("\r\n\r\nok"), std::string::npos);
    EXPECT_EQ(server.lastRequest().body, "hi");
}

TEST(FakeSoapServer, StopEndsPendingDelaysAtOnce)
{
    auto server = std::make_unique<FakeSoapServer>();
    CannedReply slow = CannedReply::ok("late");
    slow.delay = 600s;
    server->setReply(slow);
    RawClient client(server->port());
    client.send(kRequest);
    ASSERT_TRUE(server->waitForRequests(1, 10s));
    auto stopped = std::async(std::launch::async, [&] { server.reset(); });
    EXPECT_EQ(stopped.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(client.readAll(), "");
}
