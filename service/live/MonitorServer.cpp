#include "MonitorServer.h"

#include "MonitorSession.h"

#include <asio.hpp>

#include <thread>
#include <vector>

namespace cvservice {

struct MonitorServer::Impl {
    Impl(ConferenceHub& hub, PasswordLookup passwordLookup, Options options)
        : passwordLookup(std::move(passwordLookup))
        , options(std::move(options))
        , context { io, hub, this->passwordLookup, faults, this->options, sessions }
    {
    }

    void accept();
    void closeAll();
    bool addressFull(const asio::ip::tcp::socket& socket) const;

    asio::io_context io;
    asio::ip::tcp::acceptor acceptor { io };
    asio::steady_timer retryTimer { io };
    PasswordLookup passwordLookup;
    Options options;
    MonitorFaults faults;
    std::vector<std::weak_ptr<MonitorSession>> sessions; // touched on the server's thread only
    MonitorContext context;
    std::uint16_t port = 0;
    std::thread thread;
};

MonitorServer::MonitorServer(ConferenceHub& hub, PasswordLookup passwordLookup, Options options)
    : m_impl(std::make_unique<Impl>(hub, std::move(passwordLookup), std::move(options)))
{
}

MonitorServer::~MonitorServer()
{
    stop();
}

bool MonitorServer::start(std::string& error)
{
    if (m_impl->thread.joinable()) {
        error = "the monitor server is already running";
        return false;
    }
    try {
        const asio::ip::tcp::endpoint endpoint(asio::ip::make_address(m_impl->options.address), m_impl->options.port);
        m_impl->acceptor.open(endpoint.protocol());
        m_impl->acceptor.set_option(asio::socket_base::reuse_address(true));
        m_impl->acceptor.bind(endpoint);
        m_impl->acceptor.listen();
        m_impl->port = m_impl->acceptor.local_endpoint().port();
    } catch (const std::exception& failure) {
        asio::error_code ignored;
        m_impl->acceptor.close(ignored);
        error = "monitor server on " + m_impl->options.address + ":" + std::to_string(m_impl->options.port) + ": "
            + failure.what();
        return false;
    }
    m_impl->accept();
    m_impl->thread = std::thread([impl = m_impl.get()] {
        for (;;) {
            try {
                impl->io.run();
                return;
            } catch (const std::exception&) {
                // A handler that throws loses its connection, not the server.
                continue;
            }
        }
    });
    return true;
}

std::uint16_t MonitorServer::port() const
{
    return m_impl->port;
}

MonitorFaults& MonitorServer::faults()
{
    return m_impl->faults;
}

void MonitorServer::stop()
{
    if (!m_impl->thread.joinable())
        return;
    asio::post(m_impl->io, [impl = m_impl.get()] { impl->closeAll(); });
    m_impl->thread.join();
}

void MonitorServer::Impl::accept()
{
    acceptor.async_accept([this](const asio::error_code& error, asio::ip::tcp::socket socket) {
        if (!acceptor.is_open())
            return;
        if (error) {
            // Out of descriptors or similar: try again shortly rather than spin.
            retryTimer.expires_after(std::chrono::milliseconds(100));
            retryTimer.async_wait([this](const asio::error_code& waitError) {
                if (!waitError)
                    accept();
            });
            return;
        }
        std::erase_if(sessions, [](const auto& session) { return session.expired(); });
        if (sessions.size() < options.maxConnections && !addressFull(socket)) {
            auto session = std::make_shared<MonitorSession>(std::move(socket), context);
            session->start();
            sessions.push_back(session);
        }
        accept();
    });
}

bool MonitorServer::Impl::addressFull(const asio::ip::tcp::socket& socket) const
{
    asio::error_code error;
    const auto peer = socket.remote_endpoint(error);
    if (error)
        return true;
    const std::string address = peer.address().to_string();
    std::size_t held = 0;
    for (const auto& weak : sessions) {
        if (const auto session = weak.lock(); session && session->address() == address)
            ++held;
    }
    return held >= options.maxPerAddress;
}

void MonitorServer::Impl::closeAll()
{
    asio::error_code ignored;
    acceptor.close(ignored);
    retryTimer.cancel();
    for (const auto& weak : sessions) {
        if (auto session = weak.lock())
            session->close();
    }
    sessions.clear();
}

} // namespace cvservice
