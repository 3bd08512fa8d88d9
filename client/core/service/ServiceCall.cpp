#include "core/service/ServiceCall.h"

#include "core/service/ReplyChannel.h"
#include "core/session/SessionState.h"

#include "cvsrv/CUtility.h"

#include <QCoreApplication>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

std::mutex g_runningMutex;
std::condition_variable g_runningChanged;
int g_running = 0;

// What a worker hands back to its ServiceCall: the reply (empty when the job threw)
// and the facts the GUI thread needs to decide whether it still matters.
class JobEndedEvent : public QEvent {
public:
    static QEvent::Type eventType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    JobEndedEvent(std::uint64_t id, std::uint64_t generation, std::any reply)
        : QEvent(eventType())
        , id(id)
        , generation(generation)
        , reply(std::move(reply))
    {
    }

    std::uint64_t id;
    std::uint64_t generation;
    std::any reply;
};

Credentials convertedCredentials(const std::string& account, const std::string& password)
{
    const CUtility utility;
    return { utility.Utf8toAnsi(account.c_str()), utility.Utf8toAnsi(password.c_str()) };
}

} // namespace

ServiceCall::ServiceCall(const SessionState& session, QObject* receiver)
    : QObject(receiver)
    , m_session(session)
    , m_receiver(receiver)
    , m_config(cvsrv::ServiceConfig::fromEnvironment())
    , m_channel(ReplyChannel::to(this))
{
}

ServiceCall::~ServiceCall()
{
    cancelAll();
    m_channel->close();
}

bool ServiceCall::isBusy(int message) const
{
    return std::any_of(
        m_running.begin(), m_running.end(), [message](const Running& job) { return job.message == message; });
}

void ServiceCall::cancelAll()
{
    for (const Running& job : m_running)
        job.cancel->store(true);
}

void ServiceCall::launch(int message, ErasedJob job, CancelFlag cancel, ProgressReporterPtr progress)
{
    const std::uint64_t id = m_nextId++;
    m_running.push_back({ id, message, cancel });
    {
        std::lock_guard lock(g_runningMutex);
        ++g_running;
    }
    std::thread([channel = m_channel, config = m_config, job = std::move(job), cancel = std::move(cancel),
                    progress = std::move(progress), account = m_session.regphoneid(), password = m_session.password(),
                    generation = m_session.generation(), id] {
        std::any reply;
        try {
            CCvService service(config, cancel.get());
            reply = job(service, convertedCredentials(account, password), progress.get());
        } catch (...) {
            // Nothing crosses the thread boundary; a job that failed delivers nothing.
            reply.reset();
        }
        if (progress && !progress->finished())
            progress->finish(-1, -1);
        channel->post(new JobEndedEvent(id, generation, std::move(reply)));
        std::lock_guard lock(g_runningMutex);
        --g_running;
        g_runningChanged.notify_all();
    }).detach();
}

bool ServiceCall::event(QEvent* event)
{
    if (event->type() != JobEndedEvent::eventType())
        return QObject::event(event);
    auto* ended = static_cast<JobEndedEvent*>(event);
    const auto job = std::find_if(
        m_running.begin(), m_running.end(), [ended](const Running& running) { return running.id == ended->id; });
    if (job == m_running.end())
        return true;
    const int message = job->message;
    const bool cancelled = job->cancel->load();
    m_running.erase(job);

    if (!cancelled && ended->reply.has_value() && ended->generation == m_session.generation() && m_receiver) {
        AppEvent delivery(message, 0, 0, std::move(ended->reply));
        QCoreApplication::sendEvent(m_receiver.data(), &delivery);
    }
    emit finished(message);
    return true;
}

int ServiceCall::running()
{
    std::lock_guard lock(g_runningMutex);
    return g_running;
}

bool ServiceCall::waitForAll(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(g_runningMutex);
    return g_runningChanged.wait_for(lock, timeout, [] { return g_running == 0; });
}
