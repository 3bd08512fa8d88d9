#pragma once

#include "MonitorServer.h"

#include "common/JsonObjectSplitter.h"

#include <asio.hpp>

#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace cvservice {

struct LiveConference;
struct MonitorRequest;
class MonitorSession;

// What every connection of one server shares.
struct MonitorContext {
    asio::io_context& io;
    ConferenceHub& hub;
    const MonitorServer::PasswordLookup& passwordLookup;
    MonitorFaults& faults;
    const MonitorServer::Options& options;
    const std::vector<std::weak_ptr<MonitorSession>>& sessions; // every open connection of the server
};

// One client connection. Lives on the server's thread; the hub's notifications are
// posted over to it.
class MonitorSession : public std::enable_shared_from_this<MonitorSession> {
public:
    MonitorSession(asio::ip::tcp::socket socket, const MonitorContext& context);
    ~MonitorSession();
    MonitorSession(const MonitorSession&) = delete;
    MonitorSession& operator=(const MonitorSession&) = delete;

    void start();
    void close();

    const std::string& address() const { return m_address; }
    const std::string& account() const { return m_account; }

private:
    struct Outgoing {
        std::string text;
        bool status = false; // a "monitor" message, superseded by a newer one
        bool closeAfter = false; // the last message of this connection
    };

    void read();
    void handle(const std::string& object);
    void verify(const MonitorRequest& request);
    void watch(const MonitorRequest& request);
    void deliver(const LiveConference& conference);
    void refuse(const std::string& text);
    void send(Outgoing message);
    void writeNext();
    void writeChunk(std::size_t index);
    void finishWriting();
    void unwatch();
    void closeWhenIdle();
    bool accountFull(const std::string& account) const;

    asio::ip::tcp::socket m_socket;
    asio::steady_timer m_pauseTimer;
    asio::steady_timer m_deadline;
    MonitorContext m_context;
    corvana::JsonObjectSplitter m_splitter;
    std::array<char, 4096> m_readBuffer {};

    std::deque<Outgoing> m_queue;
    std::string m_held; // a status message the coalescing fault keeps back
    std::vector<std::string> m_chunks;
    bool m_pauseBetweenChunks = false;
    bool m_writing = false;
    bool m_closeAfterWrite = false;
    bool m_finishing = false; // last message sent; waiting for the client to hang up
    bool m_closed = false;

    std::string m_address; // the peer's IP address
    std::string m_account; // verified regphoneid
    std::string m_watched;
    std::uint64_t m_subscription = 0;
};

} // namespace cvservice
