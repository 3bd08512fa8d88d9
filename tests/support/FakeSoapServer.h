#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace corvana::test {

// One HTTP request as the server received it.
struct RecordedRequest {
    std::string requestLine; // e.g. "POST /MeetingWebSevc.asmx HTTP/1.0", without CR LF
    std::vector<std::string> headerLines; // every header line in arrival order, without CR LF
    std::vector<std::pair<std::string, std::string>> headers; // the same lines split at the first ':';
                                                              // the value loses its leading blanks
    std::string body;
    std::string raw; // every byte read: request line, headers, blank line and body

    // The value of the first header of that name (case-insensitive), or "" when absent.
    std::string header(std::string_view name) const;
    bool hasHeader(std::string_view name) const;
};

// What the server answers to one request.
struct CannedReply {
    enum class Framing {
        ContentLength, // "Content-Length: n", then the body
        NoLength, // no length header: the body runs until the server closes the connection
        Chunked, // "Transfer-Encoding: chunked"
    };

    int status = 200;
    std::string reason = "OK";
    std::string contentType = "text/xml; charset=utf-8"; // empty: no Content-Type header
    std::vector<std::string> extraHeaders; // whole lines without CR LF, sent after Content-Type
    std::string body;
    Framing framing = Framing::ContentLength;

    // Waits this long after the request before sending anything (a server slower than a time-out).
    std::chrono::milliseconds delay { 0 };
    // When nonzero, the body goes out in pieces of this many bytes, trickleInterval apart,
    // after the status line and headers were sent at once.
    std::size_t trickleBytes = 0;
    std::chrono::milliseconds trickleInterval { 0 };
    // Closes the connection after reading the request, without a single byte of reply.
    bool closeWithoutReply = false;

    // 200 OK with the body and a Content-Length header.
    static CannedReply ok(std::string body);
    // The status line and body of a SOAP 1.1 fault (500 Internal Server Error by default).
    static CannedReply fault(std::string faultString, int status = 500);
};

// A raw POSIX-socket HTTP/1.x server on 127.0.0.1 with a port the system chose, for
// tests and benchmarks of SOAP clients. It records every request and answers each
// with a canned reply: the queued one-shot replies first (in order), then the
// handler's answer if a handler is set, else the default reply (200 with an empty
// body until setReply is called). Every connection is served on its own thread (the
// handler runs there) and closed after one reply. A request body is read by its
// Content-Length; "Expect: 100-continue" is answered. All members may be called from
// any thread.
class FakeSoapServer {
public:
    using Handler = std::function<CannedReply(const RecordedRequest&)>;

    // Binds and starts listening; throws std::runtime_error when no socket can be bound.
    FakeSoapServer();
    // Stops: pending delays and trickles end at once, every connection is closed.
    ~FakeSoapServer();

    FakeSoapServer(const FakeSoapServer&) = delete;
    FakeSoapServer& operator=(const FakeSoapServer&) = delete;

    static constexpr const char* host() { return "127.0.0.1"; }
    int port() const { return m_port; }

    void setReply(CannedReply reply);
    void queueReply(CannedReply reply);
    void setHandler(Handler handler); // an empty handler removes it

    // Requests received so far, complete ones only, in arrival order.
    std::vector<RecordedRequest> requests() const;
    std::size_t requestCount() const;
    // The most recent request; an empty record when none arrived.
    RecordedRequest lastRequest() const;
    void clearRequests();
    // True once at least count requests were recorded, false after timeout.
    bool waitForRequests(std::size_t count, std::chrono::milliseconds timeout) const;
    // Connections whose reply has been fully sent or abandoned (a client that hung up early).
    std::size_t finishedConnections() const;

    // Stops accepting and ends every connection; the destructor calls it.
    void stop();

private:
    void acceptLoop();
    void serve(int fd, std::shared_ptr<std::atomic<bool>> done);
    void reapFinished();
    bool readRequest(int fd, RecordedRequest& request);
    void sendReply(int fd, const CannedReply& reply);
    bool sendAll(int fd, std::string_view data);
    bool pause(std::chrono::milliseconds duration);
    // 1 when fd is ready for events, 0 when the server is stopping (or a signal
    // interrupted the wait), -1 on error.
    int waitUntilReady(int fd, short events) const;
    CannedReply replyFor(const RecordedRequest& request);

    int m_listenFd = -1;
    int m_wakeFd = -1; // signalled by stop()
    int m_port = 0;
    std::atomic<bool> m_stopping { false };
    std::thread m_acceptThread;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    CannedReply m_defaultReply;
    std::deque<CannedReply> m_queued;
    Handler m_handler;
    std::vector<RecordedRequest> m_requests;
    struct Connection {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<Connection> m_connections;
    std::size_t m_finished = 0;
};

} // namespace corvana::test
