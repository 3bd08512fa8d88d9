#include "FakeSoapServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <stdexcept>
#include <strings.h>

namespace corvana::test {

namespace {

// A request larger than this is refused (the connection is closed), so a broken
// client cannot make the test process grow without bound.
constexpr std::size_t kMaxRequestBytes = 64u * 1024u * 1024u;

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string trimLeft(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    return std::string(text.substr(start));
}

void parseHead(std::string_view head, RecordedRequest& request)
{
    std::size_t start = 0;
    bool first = true;
    while (start < head.size()) {
        std::size_t end = head.find("\r\n", start);
        if (end == std::string_view::npos)
            end = head.size();
        const std::string_view line = head.substr(start, end - start);
        start = end + 2;
        if (first) {
            request.requestLine = std::string(line);
            first = false;
            continue;
        }
        if (line.empty())
            continue;
        request.headerLines.emplace_back(line);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            request.headers.emplace_back(std::string(line), std::string());
        else
            request.headers.emplace_back(std::string(line.substr(0, colon)), trimLeft(line.substr(colon + 1)));
    }
}

// Content-Length of the request, 0 when absent or unreadable.
std::size_t contentLengthOf(const RecordedRequest& request)
{
    const std::string value = request.header("Content-Length");
    if (value.empty())
        return 0;
    try {
        return static_cast<std::size_t>(std::stoull(value));
    } catch (...) {
        return 0;
    }
}

std::string chunkSizeLine(std::size_t size)
{
    char line[32];
    std::snprintf(line, sizeof line, "%zx\r\n", size);
    return line;
}

} // namespace

std::string RecordedRequest::header(std::string_view name) const
{
    for (const auto& [key, value] : headers)
        if (equalsIgnoringCase(key, name))
            return value;
    return {};
}

bool RecordedRequest::hasHeader(std::string_view name) const
{
    return std::any_of(
        headers.begin(), headers.end(), [name](const auto& entry) { return equalsIgnoringCase(entry.first, name); });
}

CannedReply CannedReply::ok(std::string body)
{
    CannedReply reply;
    reply.body = std::move(body);
    return reply;
}

CannedReply CannedReply::fault(std::string faultString, int status)
{
    CannedReply reply;
    reply.status = status;
    reply.reason = status == 500 ? "Internal Server Error" : "Error";
    reply.body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                 "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
                 "<soap:Fault><faultcode>soap:Server</faultcode><faultstring>"
        + faultString + "</faultstring><detail /></soap:Fault></soap:Body></soap:Envelope>";
    return reply;
}

FakeSoapServer::FakeSoapServer()
{
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        throw std::runtime_error("FakeSoapServer: eventfd() failed");
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0) {
        ::close(m_wakeFd);
        throw std::runtime_error("FakeSoapServer: socket() failed");
    }
    const int yes = 1;
    ::setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(m_listenFd, 64) != 0
        || ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(m_listenFd);
        ::close(m_wakeFd);
        throw std::runtime_error("FakeSoapServer: cannot listen on 127.0.0.1");
    }
    m_port = ntohs(address.sin_port);
    m_acceptThread = std::thread(&FakeSoapServer::acceptLoop, this);
}

FakeSoapServer::~FakeSoapServer()
{
    stop();
}

void FakeSoapServer::stop()
{
    if (m_stopping.exchange(true))
        return;
    // The event stays signalled: every wait, current or future, ends at once.
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
    m_changed.notify_all();
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    std::vector<Connection> connections;
    {
        std::lock_guard lock(m_mutex);
        connections.swap(m_connections);
    }
    for (Connection& connection : connections)
        connection.thread.join();
    ::close(m_listenFd);
    m_listenFd = -1;
    ::close(m_wakeFd);
    m_wakeFd = -1;
}

int FakeSoapServer::waitUntilReady(int fd, short events) const
{
    pollfd waiting[2] = { { fd, events, 0 }, { m_wakeFd, POLLIN, 0 } };
    const int ready = ::poll(waiting, 2, -1);
    if (ready < 0)
        return errno == EINTR ? 0 : -1;
    if (waiting[1].revents || m_stopping)
        return 0;
    return waiting[0].revents ? 1 : 0;
}

void FakeSoapServer::setReply(CannedReply reply)
{
    std::lock_guard lock(m_mutex);
    m_defaultReply = std::move(reply);
}

void FakeSoapServer::queueReply(CannedReply reply)
{
    std::lock_guard lock(m_mutex);
    m_queued.push_back(std::move(reply));
}

void FakeSoapServer::setHandler(Handler handler)
{
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

std::vector<RecordedRequest> FakeSoapServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::size_t FakeSoapServer::requestCount() const
{
    std::lock_guard lock(m_mutex);
    return m_requests.size();
}

RecordedRequest FakeSoapServer::lastRequest() const
{
    std::lock_guard lock(m_mutex);
    return m_requests.empty() ? RecordedRequest {} : m_requests.back();
}

void FakeSoapServer::clearRequests()
{
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

bool FakeSoapServer::waitForRequests(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_requests.size() >= count; });
}

std::size_t FakeSoapServer::finishedConnections() const
{
    std::lock_guard lock(m_mutex);
    return m_finished;
}

void FakeSoapServer::acceptLoop()
{
    while (!m_stopping) {
        if (waitUntilReady(m_listenFd, POLLIN) <= 0)
            continue;
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        reapFinished();
        auto done = std::make_shared<std::atomic<bool>>(false);
        std::lock_guard lock(m_mutex);
        m_connections.push_back({ std::thread(&FakeSoapServer::serve, this, fd, done), done });
    }
}

// Long benchmark runs open many connections: join the threads that are done.
void FakeSoapServer::reapFinished()
{
    std::vector<Connection> finished;
    {
        std::lock_guard lock(m_mutex);
        const auto firstDone = std::stable_partition(
            m_connections.begin(), m_connections.end(), [](const Connection& c) { return !c.done->load(); });
        std::move(firstDone, m_connections.end(), std::back_inserter(finished));
        m_connections.erase(firstDone, m_connections.end());
    }
    for (Connection& connection : finished)
        connection.thread.join();
}

void FakeSoapServer::serve(int fd, std::shared_ptr<std::atomic<bool>> done)
{
    RecordedRequest request;
    if (readRequest(fd, request)) {
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(request);
        }
        m_changed.notify_all();
        sendReply(fd, replyFor(request));
    }
    ::close(fd);
    {
        std::lock_guard lock(m_mutex);
        ++m_finished;
    }
    m_changed.notify_all();
    done->store(true);
}

CannedReply FakeSoapServer::replyFor(const RecordedRequest& request)
{
    Handler handler;
    {
        std::lock_guard lock(m_mutex);
        if (!m_queued.empty()) {
            CannedReply reply = std::move(m_queued.front());
            m_queued.pop_front();
            return reply;
        }
        if (!m_handler)
            return m_defaultReply;
        handler = m_handler;
    }
    return handler(request);
}

bool FakeSoapServer::readRequest(int fd, RecordedRequest& request)
{
    std::string& raw = request.raw;
    std::size_t headEnd = std::string::npos;
    std::size_t wanted = 0;
    char buffer[16384];
    while (!m_stopping) {
        if (headEnd == std::string::npos) {
            headEnd = raw.find("\r\n\r\n");
            if (headEnd != std::string::npos) {
                parseHead(std::string_view(raw).substr(0, headEnd), request);
                wanted = headEnd + 4 + contentLengthOf(request);
                if (wanted > kMaxRequestBytes)
                    return false;
                // HTTP/1.1 clients may hold a large body back until they are invited.
                if (equalsIgnoringCase(request.header("Expect"), "100-continue")
                    && !sendAll(fd, "HTTP/1.1 100 Continue\r\n\r\n"))
                    return false;
            }
        }
        if (headEnd != std::string::npos && raw.size() >= wanted) {
            request.body = raw.substr(headEnd + 4, wanted - headEnd - 4);
            return true;
        }
        const int ready = waitUntilReady(fd, POLLIN);
        if (ready < 0)
            return false;
        if (ready == 0)
            continue;
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        raw.append(buffer, static_cast<std::size_t>(got));
        if (raw.size() > kMaxRequestBytes)
            return false;
    }
    return false;
}

bool FakeSoapServer::pause(std::chrono::milliseconds duration)
{
    std::unique_lock lock(m_mutex);
    return !m_changed.wait_for(lock, duration, [this] { return m_stopping.load(); });
}

bool FakeSoapServer::sendAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        if (m_stopping)
            return false;
        const int ready = waitUntilReady(fd, POLLOUT);
        if (ready < 0)
            return false;
        if (ready == 0)
            continue;
        const ssize_t sent = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

void FakeSoapServer::sendReply(int fd, const CannedReply& reply)
{
    if (reply.delay.count() > 0 && !pause(reply.delay))
        return;
    if (reply.closeWithoutReply)
        return;

    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + reply.reason + "\r\n";
    if (!reply.contentType.empty())
        head += "Content-Type: " + reply.contentType + "\r\n";
    for (const std::string& line : reply.extraHeaders)
        head += line + "\r\n";
    if (reply.framing == CannedReply::Framing::ContentLength)
        head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
    else if (reply.framing == CannedReply::Framing::Chunked)
        head += "Transfer-Encoding: chunked\r\n";
    head += "Connection: close\r\n\r\n";
    if (!sendAll(fd, head))
        return;

    const std::size_t piece = reply.trickleBytes ? reply.trickleBytes : std::max<std::size_t>(reply.body.size(), 1);
    for (std::size_t offset = 0; offset < reply.body.size(); offset += piece) {
        if (offset > 0 && reply.trickleBytes && !pause(reply.trickleInterval))
            return;
        const std::string_view part = std::string_view(reply.body).substr(offset, piece);
        const bool sent = reply.framing == CannedReply::Framing::Chunked
            ? sendAll(fd, chunkSizeLine(part.size()) + std::string(part) + "\r\n")
            : sendAll(fd, part);
        if (!sent)
            return;
    }
    if (reply.framing == CannedReply::Framing::Chunked)
        sendAll(fd, "0\r\n\r\n");
    // Half-close so that a reply without a length ends for the client even if it
    // keeps its own side open.
    ::shutdown(fd, SHUT_WR);
}

} // namespace corvana::test
