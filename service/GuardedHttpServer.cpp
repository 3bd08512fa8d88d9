#include "GuardedHttpServer.h"

#include "SocketEndpoint.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <map>
#include <optional>

namespace cvservice {

namespace {

using Clock = std::chrono::steady_clock;

// Headers longer than this are handed to the library, which refuses them.
constexpr std::size_t kMaxHeaderBytes = 16 * 1024;
// Bodies up to this size are read in the waiting room too: nearly every call.
constexpr std::size_t kWaitingRoomBodyBytes = 64 * 1024;
// How long a refused body is read and dropped at most.
constexpr std::chrono::milliseconds kLinger { 2000 };
// How often blocked reads look whether the server is stopping.
constexpr int kStopCheckMs = 100;

// Set by the body check on the worker that runs the request: the connection is not
// to be used again, as the refused body's bytes would be read as the next request.
thread_local bool t_closeAfterReply = false;

int remainingMs(Clock::time_point deadline, Clock::time_point now)
{
    if (deadline <= now)
        return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count());
}

bool peerText(int fd, bool local, std::string& ip, int& port)
{
    sockaddr_storage address {};
    socklen_t length = sizeof address;
    const int got = local ? getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length)
                          : getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length);
    if (got != 0)
        return false;
    return socketEndpoint(address, ip, port);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The Content-Length of a whole header block, when it has exactly one valid one.
std::optional<std::size_t> contentLength(std::string_view headers)
{
    std::optional<std::size_t> found;
    std::size_t start = headers.find("\r\n");
    while (start != std::string_view::npos && start + 2 < headers.size()) {
        const std::size_t lineStart = start + 2;
        const std::size_t end = headers.find("\r\n", lineStart);
        const std::string_view line = headers.substr(lineStart, end == std::string_view::npos ? end : end - lineStart);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && equalsIgnoringCase(line.substr(0, colon), "content-length")) {
            std::string_view value = line.substr(colon + 1);
            while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
                value.remove_prefix(1);
            while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
                value.remove_suffix(1);
            std::size_t length = 0;
            const auto [last, error] = std::from_chars(value.data(), value.data() + value.size(), length);
            if (found || error != std::errc() || last != value.data() + value.size())
                return std::nullopt;
            found = length;
        }
        start = end;
    }
    return found;
}

bool isBodyMethod(const std::string& method)
{
    return method == "POST" || method == "PUT" || method == "PATCH" || method == "DELETE" || method == "PRI";
}

} // namespace

struct GuardedHttpServer::Connection {
    int fd = -1;
    std::string address;
    std::string buffer; // read but not yet handed to the library
    Clock::time_point deadline;
};

// The library's view of one connection: first what the waiting room has read, then
// the socket, each read bounded by the request's deadline.
class GuardedHttpServer::BufferedStream : public httplib::Stream {
public:
    BufferedStream(Connection& connection, Clock::time_point deadline, std::chrono::milliseconds writeTimeout,
        const std::atomic<bool>& stopping)
        : m_connection(connection)
        , m_deadline(deadline)
        , m_writeTimeout(writeTimeout)
        , m_stopping(stopping)
    {
    }

    bool failed() const { return m_failed; }

    bool is_readable() const override { return !m_connection.buffer.empty() || waitFor(POLLIN, m_deadline); }
    bool is_writable() const override { return waitFor(POLLOUT, Clock::now() + m_writeTimeout); }

    ssize_t read(char* ptr, size_t size) override
    {
        std::string& buffer = m_connection.buffer;
        if (!buffer.empty()) {
            const std::size_t n = std::min(size, buffer.size() - m_offset);
            std::memcpy(ptr, buffer.data() + m_offset, n);
            m_offset += n;
            if (m_offset == buffer.size()) {
                buffer.clear();
                m_offset = 0;
            }
            return static_cast<ssize_t>(n);
        }
        if (!waitFor(POLLIN, m_deadline)) {
            m_failed = true;
            return -1;
        }
        const ssize_t got = ::recv(m_connection.fd, ptr, size, 0);
        if (got <= 0)
            m_failed = true;
        return got;
    }

    ssize_t write(const char* ptr, size_t size) override
    {
        if (!is_writable()) {
            m_failed = true;
            return -1;
        }
        const ssize_t sent = ::send(m_connection.fd, ptr, size, MSG_NOSIGNAL);
        if (sent < 0)
            m_failed = true;
        return sent;
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        peerText(m_connection.fd, false, ip, port);
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override { peerText(m_connection.fd, true, ip, port); }
    socket_t socket() const override { return m_connection.fd; }

    // What is left of the buffer once a request has been read: a pipelined next one.
    void keepUnread()
    {
        m_connection.buffer.erase(0, m_offset);
        m_offset = 0;
    }

private:
    bool waitFor(short events, Clock::time_point deadline) const
    {
        for (;;) {
            if (m_stopping)
                return false;
            const int left = remainingMs(deadline, Clock::now());
            if (left == 0)
                return false;
            pollfd p { m_connection.fd, events, 0 };
            const int ready = ::poll(&p, 1, std::min(left, kStopCheckMs));
            if (ready > 0)
                return true;
            if (ready < 0 && errno != EINTR)
                return false;
        }
    }

    Connection& m_connection;
    std::size_t m_offset = 0;
    Clock::time_point m_deadline;
    std::chrono::milliseconds m_writeTimeout;
    const std::atomic<bool>& m_stopping;
    bool m_failed = false;
};

// The library hands each accepted socket to its task queue; taking it in is quick
// (it only joins the waiting room), so it runs on the accepting thread.
class GuardedHttpServer::InlineQueue : public httplib::TaskQueue {
public:
    void enqueue(std::function<void()> fn) override { fn(); }
    void shutdown() override { }
};

GuardedHttpServer::GuardedHttpServer(Limits limits)
    : m_limits(limits)
    , m_wake(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    , m_workers(std::max<std::size_t>(1, limits.workers))
{
    new_task_queue = [] { return new InlineQueue; };
    set_payload_max_length(m_limits.maxBodyBytes);
    set_read_timeout(std::chrono::duration_cast<std::chrono::seconds>(m_limits.requestTimeout).count() + 1, 0);
    set_write_timeout(std::chrono::duration_cast<std::chrono::seconds>(m_limits.writeTimeout).count() + 1, 0);
    set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) { return checkBody(request, response); });
    m_room = std::thread([this] { runWaitingRoom(); });
}

GuardedHttpServer::~GuardedHttpServer()
{
    closeConnections();
    if (m_wake >= 0)
        ::close(m_wake);
}

void GuardedHttpServer::closeConnections()
{
    if (m_stopping.exchange(true))
        return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(m_wake, &one, sizeof one);
    if (m_room.joinable())
        m_room.join();
    m_workers.shutdown();
    std::lock_guard lock(m_mutex);
    for (const auto& connection : m_arrivals)
        closeSocket(connection->fd);
    m_arrivals.clear();
}

// After refusing a body, the client may still be sending it and would not read the
// answer if the connection were reset under it: stop sending, then read and drop
// what comes for a short while.
void GuardedHttpServer::discardUntilClosed(int fd) const
{
    ::shutdown(fd, SHUT_WR);
    const auto deadline = Clock::now() + std::min<std::chrono::milliseconds>(m_limits.requestTimeout, kLinger);
    char sink[16 * 1024];
    while (!m_stopping) {
        const int left = remainingMs(deadline, Clock::now());
        pollfd p { fd, POLLIN, 0 };
        if (left == 0 || ::poll(&p, 1, std::min(left, kStopCheckMs)) < 0)
            return;
        if (p.revents != 0 && ::recv(fd, sink, sizeof sink, MSG_DONTWAIT) <= 0)
            return;
    }
}

void GuardedHttpServer::closeSocket(int fd)
{
    ::shutdown(fd, SHUT_RDWR);
    ::close(fd);
}

httplib::Server::HandlerResponse GuardedHttpServer::checkBody(
    const httplib::Request& request, httplib::Response& response) const
{
    if (!isBodyMethod(request.method))
        return HandlerResponse::Unhandled;
    int status = 0;
    if (request.has_header("Transfer-Encoding") || !request.has_header("Content-Length")
        || request.get_header_value_count("Content-Length") != 1) {
        status = 411;
    } else {
        const std::string text = request.get_header_value("Content-Length");
        std::size_t length = 0;
        const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), length);
        if (text.empty() || error != std::errc() || last != text.data() + text.size())
            status = 400;
        else if (length > m_limits.maxBodyBytes)
            status = 413;
    }
    if (status == 0)
        return HandlerResponse::Unhandled;
    t_closeAfterReply = true;
    response.status = status;
    response.set_header("Connection", "close");
    response.set_content(status == 413 ? "The request body is too large.\n"
                                       : "A request body needs a Content-Length (no chunked bodies).\n",
        "text/plain");
    return HandlerResponse::Handled;
}

bool GuardedHttpServer::process_and_close_socket(socket_t sock)
{
    auto connection = std::make_shared<Connection>();
    connection->fd = sock;
    int port = 0;
    peerText(sock, false, connection->address, port);
    connection->deadline = Clock::now() + m_limits.requestTimeout;
    admit(std::move(connection));
    return true;
}

void GuardedHttpServer::admit(std::shared_ptr<Connection> connection)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_stopping) {
            m_arrivals.push_back(std::move(connection));
            connection.reset();
        }
    }
    if (connection) {
        closeSocket(connection->fd);
        return;
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(m_wake, &one, sizeof one);
}

void GuardedHttpServer::runWaitingRoom()
{
    std::vector<std::shared_ptr<Connection>> held;
    std::map<std::string, std::size_t> perAddress;
    auto drop = [&](std::size_t i) {
        if (--perAddress[held[i]->address] == 0)
            perAddress.erase(held[i]->address);
        held[i] = std::move(held.back());
        held.pop_back();
    };
    std::vector<pollfd> polls;
    while (!m_stopping) {
        {
            std::lock_guard lock(m_mutex);
            for (auto& connection : m_arrivals) {
                std::size_t& mine = perAddress[connection->address];
                if (held.size() >= m_limits.maxWaiting || mine >= m_limits.maxWaitingPerAddress) {
                    closeSocket(connection->fd);
                    if (mine == 0)
                        perAddress.erase(connection->address);
                    continue;
                }
                ++mine;
                held.push_back(std::move(connection));
            }
            m_arrivals.clear();
        }
        auto now = Clock::now();
        int timeout = 1000;
        polls.assign(1, pollfd { m_wake, POLLIN, 0 });
        for (const auto& connection : held) {
            polls.push_back(pollfd { connection->fd, POLLIN, 0 });
            timeout = std::min(timeout, remainingMs(connection->deadline, now));
        }
        if (::poll(polls.data(), polls.size(), timeout) < 0 && errno != EINTR)
            continue;
        if (polls[0].revents != 0) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t ignored = ::read(m_wake, &count, sizeof count);
        }
        now = Clock::now();
        // Walk backwards: drop() moves the last connection into the freed place.
        for (std::size_t i = held.size(); i-- > 0;) {
            Connection& connection = *held[i];
            const short events = polls[i + 1].revents;
            if (events != 0) {
                char chunk[16 * 1024];
                const ssize_t got = ::recv(connection.fd, chunk, sizeof chunk, MSG_DONTWAIT);
                if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
                    closeSocket(connection.fd);
                    drop(i);
                    continue;
                }
                if (got > 0)
                    connection.buffer.append(chunk, static_cast<std::size_t>(got));
            }
            const std::size_t headerEnd = connection.buffer.find("\r\n\r\n");
            bool ready = false;
            if (headerEnd != std::string::npos) {
                const auto length = contentLength(std::string_view(connection.buffer).substr(0, headerEnd + 2));
                const std::size_t have = connection.buffer.size() - headerEnd - 4;
                ready = !length || *length > kWaitingRoomBodyBytes || have >= *length;
            } else {
                ready = connection.buffer.size() > kMaxHeaderBytes;
            }
            if (ready) {
                auto handed = held[i];
                drop(i);
                m_workers.enqueue([this, handed] { serve(handed); });
            } else if (now >= connection.deadline) {
                // Only a request begun has timed out. An idle keep-alive connection is
                // closed without a word: a client that sends its next request on it just
                // then would take an unasked 408 for the answer.
                static constexpr char kTimeout[]
                    = "HTTP/1.1 408 Request Timeout\r\nConnection: close\r\nContent-Length: 0\r\n\r\n";
                if (!connection.buffer.empty())
                    ::send(connection.fd, kTimeout, sizeof kTimeout - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
                closeSocket(connection.fd);
                drop(i);
            }
        }
    }
    for (const auto& connection : held)
        closeSocket(connection->fd);
}

void GuardedHttpServer::serve(const std::shared_ptr<Connection>& connection)
{
    BufferedStream stream(*connection, Clock::now() + m_limits.requestTimeout, m_limits.writeTimeout, m_stopping);
    t_closeAfterReply = false;
    bool connectionClosed = false;
    const bool answered = process_request(stream, false, connectionClosed, nullptr);
    if (answered && t_closeAfterReply && !stream.failed())
        discardUntilClosed(connection->fd);
    if (!answered || connectionClosed || t_closeAfterReply || stream.failed() || m_stopping) {
        closeSocket(connection->fd);
        return;
    }
    // Between requests a keep-alive connection waits in the waiting room like a new one.
    stream.keepUnread();
    connection->deadline = Clock::now() + m_limits.requestTimeout;
    admit(connection);
}

} // namespace cvservice
