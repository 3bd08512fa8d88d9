#include "Service.h"

#include "BookingScheduler.h"
#include "ChurnEndpoint.h"
#include "ConferenceRunner.h"
#include "ControlEndpoint.h"
#include "DemoData.h"
#include "Faults.h"
#include "GuardedHttpServer.h"
#include "OperationTable.h"
#include "RandomToken.h"
#include "ReplayGuard.h"
#include "ServiceContext.h"
#include "SignatureCheck.h"
#include "SignatureThrottle.h"
#include "SoapEndpoint.h"
#include "TimeText.h"
#include "live/ConferenceHub.h"
#include "live/MonitorServer.h"
#include "operations/AccountOperations.h"
#include "operations/AddressBookOperations.h"
#include "operations/ChargeOperations.h"
#include "operations/ConferenceOperations.h"
#include "operations/MessagingOperations.h"
#include "operations/SessionOperations.h"
#include "store/AccountRepository.h"
#include "store/ChargeRepository.h"
#include "store/ConferenceRepository.h"
#include "store/ContactRepository.h"
#include "store/Database.h"
#include "store/GroupRepository.h"
#include "store/Schema.h"
#include "web/WebPages.h"

#include "cvsrv/ServiceConfig.h"

#include <httplib.h>

#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

namespace cvservice {

namespace {

MonitorFaults::Fault monitorFault(const std::string& name)
{
    if (name == "drop")
        return MonitorFaults::DropConnection;
    if (name == "split")
        return MonitorFaults::SplitMessage;
    if (name == "merge")
        return MonitorFaults::CoalesceMessages;
    return MonitorFaults::SendGarbage;
}

std::string namespaceFor(const ServiceOptions& options)
{
    return options.namespaceUri.empty() ? cvsrv::ServiceConfig::fromEnvironment().namespaceUri : options.namespaceUri;
}

} // namespace

struct Service::Impl {
    explicit Impl(ServiceOptions o)
        : options(std::move(o))
        , namespaceUri(namespaceFor(options))
        , db(options.dbPath)
        , accounts(db)
        , conferences(db)
        , contacts(db)
        , contactGroups(db, GroupKind::Contact)
        , confGroups(db, GroupKind::Conference)
        , charges(db)
        , hub(SimulationSettings { options.seed, options.fast })
        , runner(conferences, accounts, charges, hub)
        , scheduler(conferences, runner, std::chrono::milliseconds(options.fast ? 200 : 1000))
        , context { db, accounts, conferences, contacts, contactGroups, confGroups, charges, hub, runner, options }
        , session(context)
        , account(context)
        , conference(context)
        , addressBook(context)
        , messaging(context)
        , chargeOps(context)
        , signatures([this](const std::string& phone) { return accounts.password(phone); }, options.stampWindowSeconds)
        , throttle(throttleSettings(options))
        , replays(options.stampWindowSeconds, options.refuseRepeats ? ReplayGuard::kCapacity : 0)
        , faults(options.faults)
        , endpoint(table, namespaceUri, signatures, throttle, replays, faults, options.publicUrl)
        , web(accounts, charges, UpdateFiles(options.updatesDir, options.latestVersion), faults)
        , faultToken(options.faultToken.empty() ? RandomToken::make() : options.faultToken)
        , control(faults, faultToken)
        , churn(accounts, runner, hub, faultToken)
        , monitor(
              hub, [this](const std::string& phone) { return passwordOrNothing(phone); },
              monitorOptions(options, throttle))
        , http(httpLimits(options))
    {
    }

    static GuardedHttpServer::Limits httpLimits(const ServiceOptions& options)
    {
        GuardedHttpServer::Limits limits;
        limits.requestTimeout = std::chrono::milliseconds(options.requestTimeoutMs);
        limits.maxBodyBytes = options.maxBodyBytes;
        limits.workers = static_cast<std::size_t>(std::max(1, options.threads));
        return limits;
    }

    static SignatureThrottle::Settings throttleSettings(const ServiceOptions& options)
    {
        return { options.freeFailures, std::chrono::milliseconds(options.failureDelayMs),
            std::chrono::milliseconds(options.maxFailureDelayMs) };
    }

    // For the monitor server's thread: a store failure there refuses the sign-in.
    std::optional<std::string> passwordOrNothing(const std::string& phone)
    {
        try {
            return accounts.password(phone);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

    static MonitorServer::Options monitorOptions(const ServiceOptions& options, SignatureThrottle& throttle)
    {
        MonitorServer::Options m;
        m.address = options.bindAddress;
        m.port = static_cast<std::uint16_t>(options.monitorPort);
        // A verify is a signed request like any other: the SOAP signatures' window and
        // their throttle hold.
        m.stampWindowSeconds = options.stampWindowSeconds;
        m.verifyTimeout = std::chrono::milliseconds(options.requestTimeoutMs);
        m.idleTimeout = std::chrono::milliseconds(options.monitorIdleMs);
        m.maxPerAddress = options.monitorPerAddress;
        m.maxPerAccount = options.monitorPerAccount;
        m.mayTry = [&throttle](const std::string& account, const std::string& address) {
            return throttle.wait(account, address, SignatureThrottle::Clock::now()).count() == 0;
        };
        m.tried = [&throttle](const std::string& account, const std::string& address, bool verified) {
            const auto now = SignatureThrottle::Clock::now();
            if (verified)
                throttle.succeeded(account, address, now);
            else
                throttle.failed(account, address, now);
        };
        return m;
    }

    ServiceOptions options;
    std::string namespaceUri;
    Database db;
    AccountRepository accounts;
    ConferenceRepository conferences;
    ContactRepository contacts;
    GroupRepository contactGroups;
    GroupRepository confGroups;
    ChargeRepository charges;
    ConferenceHub hub;
    ConferenceRunner runner;
    BookingScheduler scheduler;
    ServiceContext context;
    OperationTable table;
    SessionOperations session;
    AccountOperations account;
    ConferenceOperations conference;
    AddressBookOperations addressBook;
    MessagingOperations messaging;
    ChargeOperations chargeOps;
    SignatureCheck signatures;
    SignatureThrottle throttle;
    ReplayGuard replays;
    Faults faults;
    SoapEndpoint endpoint;
    WebPages web;
    std::string faultToken;
    ControlEndpoint control;
    ChurnEndpoint churn;
    MonitorServer monitor;
    GuardedHttpServer http;
    std::thread listener;
    int httpPort = -1;
    int listenSocket = -1;
    bool seeded = false;
    bool started = false;
    bool stopped = false;
};

Service::Service(ServiceOptions options)
    : m_impl(std::make_unique<Impl>(std::move(options)))
{
    Impl& d = *m_impl;
    d.session.install(d.table);
    d.account.install(d.table);
    d.conference.install(d.table);
    d.addressBook.install(d.table);
    d.messaging.install(d.table);
    d.chargeOps.install(d.table);
    d.endpoint.install(d.http);
    d.web.install(d.http);
    if (d.options.faultControl) {
        d.control.install(d.http);
        d.churn.install(d.http);
    }
    // The library's default also sets SO_REUSEPORT, which lets a second service bind
    // the same port and silently take half of the requests to its own store. The
    // socket is kept to widen its accept queue after binding (see start()).
    d.http.set_socket_options([&d](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        d.listenSocket = socket;
    });
    // Called on the hub's thread, which must not die of a store failure.
    d.hub.onEnded([&d](const LiveConference& live) {
        try {
            d.runner.recordEnded(live);
        } catch (const std::exception& failure) {
            std::cerr << "cvservice: recording the end of " << live.conferenceId << " failed: " << failure.what()
                      << std::endl;
        }
    });
    d.faults.forwardMonitorTo(
        [&d](const std::string& name, bool on) { d.monitor.faults().set(monitorFault(name), on); });
}

Service::~Service()
{
    stop();
}

bool Service::start(std::string& error)
{
    Impl& d = *m_impl;
    // A peer that hangs up while a reply is written must not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    for (const std::string& name : d.options.monitorFaults) {
        if (!d.faults.setMonitor(name, true)) {
            error = "unknown monitor fault: " + name;
            return false;
        }
    }
    try {
        Schema::migrate(d.db);
        d.conferences.endAbandoned(timetext::now());
        if (d.options.demo)
            d.seeded = DemoData(d.db, d.accounts, d.contacts, d.contactGroups, d.confGroups, d.conferences, d.charges)
                           .seedIfEmpty();
    } catch (const std::exception& failure) {
        error = std::string("store: ") + failure.what();
        return false;
    }
    if (d.options.httpPort == 0) {
        d.httpPort = d.http.bind_to_any_port(d.options.bindAddress);
    } else if (d.http.bind_to_port(d.options.bindAddress, d.options.httpPort)) {
        d.httpPort = d.options.httpPort;
    }
    if (d.httpPort <= 0) {
        error = "cannot listen on " + d.options.bindAddress + " port " + std::to_string(d.options.httpPort);
        return false;
    }
    // The library listens with a queue of five connections: a burst of clients
    // connecting at once would see dropped connection attempts and retry for seconds.
    if (d.listenSocket >= 0)
        ::listen(d.listenSocket, SOMAXCONN);
    if (!d.monitor.start(error)) {
        d.http.stop();
        return false;
    }
    d.listener = std::thread([&d] { d.http.listen_after_bind(); });
    // Stopping the HTTP server before its loop has started would not reach the loop,
    // and stop() would then wait for it forever.
    for (int waited = 0; !d.http.is_running() && waited < 5000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    d.scheduler.start();
    d.started = true;
    return true;
}

void Service::stop()
{
    Impl& d = *m_impl;
    if (!d.started || d.stopped)
        return;
    d.stopped = true;
    d.http.stop();
    if (d.listener.joinable())
        d.listener.join();
    d.http.closeConnections();
    d.scheduler.stop();
    d.monitor.stop();
    d.hub.stop();
}

int Service::httpPort() const
{
    return m_impl->httpPort;
}

int Service::monitorPort() const
{
    return m_impl->monitor.port();
}

const std::string& Service::namespaceUri() const
{
    return m_impl->namespaceUri;
}

bool Service::demoSeeded() const
{
    return m_impl->seeded;
}

Faults& Service::faults()
{
    return m_impl->faults;
}

const std::string& Service::faultToken() const
{
    return m_impl->faultToken;
}

} // namespace cvservice
