#pragma once

#include "core/service/AppEvent.h"
#include "core/service/ProgressReporter.h"
#include "core/service/ServiceJob.h"

#include "cvsrv/ServiceConfig.h"

#include <QObject>
#include <QPointer>

#include <any>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ReplyChannel;
class SessionState;

// The one way the client calls the service. A job (a function of CCvService and the
// values it captured) runs on a worker thread of its own with a CCvService built
// there; its typed reply comes back to the receiver on the GUI thread inside the
// numbered AppEvent the caller named (the reply is the event's payload). The reply is
// dropped instead when the receiver is gone, the session changed (another sign-in
// attempt, a sign-out) since the job started, or the job was cancelled. A job never
// touches a widget or the SessionState: everything it needs is captured or passed in.
//
// The ServiceCall is a child of its receiver, so it goes when the receiver goes;
// its destructor cancels the jobs still running (their transfers stop at once).
class ServiceCall : public QObject {
    Q_OBJECT
public:
    using CancelFlag = std::shared_ptr<std::atomic<bool>>;

    ServiceCall(const SessionState& session, QObject* receiver);
    ~ServiceCall() override;

    // Where the jobs send their requests; the environment's service by default.
    void setConfig(cvsrv::ServiceConfig config) { m_config = std::move(config); }
    const cvsrv::ServiceConfig& config() const { return m_config; }

    // job: Reply(CCvService&, const Credentials&). The reply arrives as message.
    template <typename Job> void start(int message, Job job)
    {
        launch(message, wrap(std::move(job)), std::make_shared<std::atomic<bool>>(false), nullptr);
    }
    // The same, but only one job of this message at a time (a busy flag): returns
    // false and runs nothing while one is still on its way.
    template <typename Job> bool startExclusive(int message, Job job)
    {
        if (isBusy(message))
            return false;
        start(message, std::move(job));
        return true;
    }
    // Under a progress dialog: job is Reply(CCvService&, const Credentials&,
    // ProgressReporter&). The dialog's Cancel stops the transfer (the reply is then
    // dropped); the dialog closes when the job ends, if the job did not finish it.
    template <typename Job> void startWithProgress(int message, ProgressReporterPtr progress, Job job)
    {
        CancelFlag cancel(progress, &progress->cancelState());
        launch(
            message,
            [job = std::move(job)](CCvService& service, const Credentials& who, ProgressReporter* reporter) {
                return std::any(job(service, who, *reporter));
            },
            std::move(cancel), std::move(progress));
    }

    bool isBusy(int message) const;
    bool anyBusy() const { return !m_running.empty(); }
    // Stops every job of this call; none of their replies is delivered.
    void cancelAll();

    // Jobs still running in this process, of every ServiceCall.
    static int running();
    // Waits until no job runs or timeout passes. Returns true when none runs.
    static bool waitForAll(std::chrono::milliseconds timeout);

signals:
    // A job of this message ended, delivered or dropped; its busy flag is clear.
    void finished(int message);

protected:
    bool event(QEvent* event) override;

private:
    using ErasedJob = std::function<std::any(CCvService&, const Credentials&, ProgressReporter*)>;

    template <typename Job> static ErasedJob wrap(Job job)
    {
        return [job = std::move(job)](CCvService& service, const Credentials& who, ProgressReporter*) {
            return std::any(job(service, who));
        };
    }
    void launch(int message, ErasedJob job, CancelFlag cancel, ProgressReporterPtr progress);

    struct Running {
        std::uint64_t id;
        int message;
        CancelFlag cancel;
    };

    const SessionState& m_session;
    QPointer<QObject> m_receiver;
    cvsrv::ServiceConfig m_config;
    std::shared_ptr<ReplyChannel> m_channel;
    std::vector<Running> m_running;
    std::uint64_t m_nextId = 1;
};
