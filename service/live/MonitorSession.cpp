#include "MonitorSession.h"

#include "ConferenceHub.h"
#include "MonitorMessages.h"
#include "MonitorRequest.h"

#include <ctime>

namespace cvservice {

namespace {

// Neither braces nor quotes, so a client that scans for whole objects can skip it.
constexpr char kGarbage[] = "\x01\x7f\xfe\xff not json ]]\r\n";

// Messages a client has not read yet; a client that falls this far behind is dropped.
constexpr std::size_t kMaxQueued = 64;

// How long a finished connection waits for the client to hang up.
constexpr std::chrono::seconds kLinger { 5 };

} // namespace

MonitorSession::MonitorSession(asio::ip::tcp::socket socket, const MonitorContext& context)
    : m_socket(std::move(socket))
    , m_pauseTimer(context.io)
    , m_deadline(context.io)
    , m_context(context)
{
    asio::error_code error;
    const auto peer = m_socket.remote_endpoint(error);
    if (!error)
        m_address = peer.address().to_string();
}

MonitorSession::~MonitorSession()
{
    unwatch();
}

void MonitorSession::start()
{
    m_deadline.expires_after(m_context.options.verifyTimeout);
    m_deadline.async_wait([weak = weak_from_this()](const asio::error_code& error) {
        auto self = weak.lock();
        if (!error && self && self->m_account.empty())
            self->close();
    });
    read();
}

void MonitorSession::close()
{
    if (m_closed)
        return;
    m_closed = true;
    unwatch();
    m_pauseTimer.cancel();
    m_deadline.cancel();
    asio::error_code ignored;
    m_socket.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    m_socket.close(ignored);
}

void MonitorSession::read()
{
    m_socket.async_read_some(
        asio::buffer(m_readBuffer), [self = shared_from_this()](const asio::error_code& error, std::size_t length) {
            if (error || self->m_closed) {
                self->close();
                return;
            }
            if (!self->m_splitter.append(std::string_view(self->m_readBuffer.data(), length))) {
                self->close();
                return;
            }
            while (auto object = self->m_splitter.next()) {
                if (self->m_closed)
                    return;
                self->handle(*object);
            }
            if (!self->m_closed)
                self->read();
        });
}

void MonitorSession::handle(const std::string& object)
{
    if (m_finishing)
        return;
    const auto request = MonitorRequest::parse(object);
    if (!request)
        return;
    if (request->kind == MonitorRequest::Kind::Verify)
        verify(*request);
    else if (request->kind == MonitorRequest::Kind::Monitor)
        watch(*request);
}

void MonitorSession::verify(const MonitorRequest& request)
{
    const MonitorServer::Options& options = m_context.options;
    if (options.mayTry && !options.mayTry(request.regphoneid, m_address)) {
        send({ MonitorMessages::verify(MonitorMessages::kVerifyThrottled) });
        return;
    }
    bool known = false;
    bool signedRight = false;
    bool inWindow = false;
    try {
        const auto password = m_context.passwordLookup(request.regphoneid);
        known = password.has_value();
        signedRight = known && request.signedWith(*password);
        inWindow = request.stampedWithin(options.stampWindowSeconds, std::time(nullptr));
    } catch (...) {
        // A store that cannot answer refuses like an unknown account; the server goes on.
        known = signedRight = false;
    }
    const bool verified = signedRight && inWindow;
    // A stale stamp with the right password is a wrong clock, not a guess.
    if (options.tried && (verified || !signedRight))
        options.tried(known ? request.regphoneid : std::string(), m_address, verified);
    if (!verified) {
        send({ MonitorMessages::verify(MonitorMessages::kVerifyRefused) });
        return;
    }
    if (m_account != request.regphoneid) {
        if (accountFull(request.regphoneid)) {
            refuse(MonitorMessages::kTooManyConnections);
            return;
        }
        unwatch();
    }
    m_account = request.regphoneid;
    send({ MonitorMessages::verify(MonitorMessages::kVerified) });
    closeWhenIdle();
}

bool MonitorSession::accountFull(const std::string& account) const
{
    std::size_t held = 0;
    for (const auto& weak : m_context.sessions) {
        const auto other = weak.lock();
        if (other && other.get() != this && !other->m_closed && other->m_account == account)
            ++held;
    }
    return held >= m_context.options.maxPerAccount;
}

// A verified connection that watches nothing holds a place for nothing.
void MonitorSession::closeWhenIdle()
{
    if (!m_watched.empty())
        return;
    m_deadline.expires_after(m_context.options.idleTimeout);
    m_deadline.async_wait([weak = weak_from_this()](const asio::error_code& error) {
        auto self = weak.lock();
        if (!error && self && self->m_watched.empty() && !self->m_finishing)
            self->close();
    });
}

void MonitorSession::watch(const MonitorRequest& request)
{
    if (m_account.empty()) {
        refuse(MonitorMessages::kNotVerified);
        return;
    }
    if (request.conferenceid.empty()) {
        refuse(MonitorMessages::kBadRequest);
        return;
    }
    if (request.regphoneid != m_account) {
        refuse(MonitorMessages::kNotYourConference);
        return;
    }
    const auto conference = m_context.hub.snapshot(request.conferenceid);
    if (!conference) {
        refuse(MonitorMessages::kNoSuchConference);
        return;
    }
    if (conference->owner != m_account) {
        refuse(MonitorMessages::kNotYourConference);
        return;
    }
    unwatch();
    m_watched = request.conferenceid;
    // The hub sends the current state first, ended or not, then every change.
    asio::io_context& io = m_context.io;
    m_subscription = m_context.hub.subscribe(m_watched, [weak = weak_from_this(), &io](const LiveConference& state) {
        asio::post(io, [weak, state] {
            if (auto self = weak.lock())
                self->deliver(state);
        });
    });
}

void MonitorSession::deliver(const LiveConference& conference)
{
    if (m_closed || m_finishing || conference.conferenceId != m_watched)
        return;
    const bool ended = conference.conferencestate != 0 && conference.conferencestate != 1;
    if (ended)
        unwatch();
    send({ MonitorMessages::monitor(conference), true, ended });
}

void MonitorSession::refuse(const std::string& text)
{
    unwatch();
    send({ MonitorMessages::error(text), false, true });
}

void MonitorSession::send(Outgoing message)
{
    if (m_closed || m_finishing)
        return;
    // Only the newest state matters to a client that has not caught up yet.
    if (message.status && !m_queue.empty() && m_queue.back().status && !m_queue.back().closeAfter)
        m_queue.back() = std::move(message);
    else
        m_queue.push_back(std::move(message));
    if (m_queue.size() > kMaxQueued) {
        close();
        return;
    }
    writeNext();
}

void MonitorSession::writeNext()
{
    if (m_writing || m_closed || m_finishing || m_queue.empty())
        return;
    Outgoing message = std::move(m_queue.front());
    m_queue.pop_front();

    MonitorFaults& faults = m_context.faults;
    if (faults.enabled(MonitorFaults::DropConnection)) {
        close();
        return;
    }
    if (faults.enabled(MonitorFaults::CoalesceMessages) && message.status && !message.closeAfter && m_held.empty()) {
        m_held = std::move(message.text);
        writeNext();
        return;
    }
    std::string text = std::move(m_held) + message.text;
    m_held.clear();

    m_chunks.clear();
    if (faults.enabled(MonitorFaults::SendGarbage))
        m_chunks.emplace_back(kGarbage);
    m_pauseBetweenChunks = faults.enabled(MonitorFaults::SplitMessage) && text.size() > 1;
    if (m_pauseBetweenChunks) {
        const std::size_t half = text.size() / 2;
        m_chunks.push_back(text.substr(0, half));
        m_chunks.push_back(text.substr(half));
    } else {
        m_chunks.push_back(std::move(text));
    }
    m_closeAfterWrite = message.closeAfter;
    m_writing = true;
    writeChunk(0);
}

void MonitorSession::writeChunk(std::size_t index)
{
    asio::async_write(m_socket, asio::buffer(m_chunks[index]),
        [self = shared_from_this(), index](const asio::error_code& error, std::size_t) {
            if (error || self->m_closed) {
                self->close();
                return;
            }
            const std::size_t next = index + 1;
            if (next == self->m_chunks.size()) {
                self->finishWriting();
            } else if (!self->m_pauseBetweenChunks) {
                self->writeChunk(next);
            } else {
                self->m_pauseTimer.expires_after(self->m_context.options.splitPause);
                self->m_pauseTimer.async_wait([self, next](const asio::error_code& waitError) {
                    if (waitError || self->m_closed)
                        return;
                    self->writeChunk(next);
                });
            }
        });
}

void MonitorSession::finishWriting()
{
    m_writing = false;
    if (!m_closeAfterWrite) {
        writeNext();
        return;
    }
    // Half-close, then let the client read the last message and hang up: closing at
    // once could reset the connection before the client has read it.
    m_finishing = true;
    m_queue.clear();
    asio::error_code ignored;
    m_socket.shutdown(asio::ip::tcp::socket::shutdown_send, ignored);
    m_deadline.expires_after(kLinger);
    m_deadline.async_wait([weak = weak_from_this()](const asio::error_code& error) {
        auto self = weak.lock();
        if (!error && self)
            self->close();
    });
}

void MonitorSession::unwatch()
{
    if (m_subscription == 0)
        return;
    m_context.hub.unsubscribe(m_subscription);
    m_subscription = 0;
    m_watched.clear();
}

} // namespace cvservice
