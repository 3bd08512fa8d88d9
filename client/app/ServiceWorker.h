#pragma once

#include "cvsrv/ServiceConfig.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class CCvService;
class QEvent;
class ReplyChannel;

// The worker convention: one short-lived thread per service call. The thread owns its
// CCvService and its result; it never touches a widget or the SessionState. It hands
// the result to the GUI thread inside the event it posts through a ReplyChannel.
// Cancelling is cooperative: setting the flag aborts the transfer in progress and the
// result is dropped instead of delivered.
class ServiceWorker {
public:
    using CancelFlag = std::shared_ptr<std::atomic<bool>>;
    // Runs on the worker thread; returns the event to deliver, or nullptr for none.
    using Body = std::function<QEvent*(const std::atomic<bool>& cancel)>;
    using ServiceBody = std::function<QEvent*(CCvService& service)>;

    static CancelFlag newCancelFlag();

    // Starts the thread. A null cancel flag gets a fresh one.
    static void start(std::shared_ptr<ReplyChannel> channel, Body body, CancelFlag cancel = {});
    // The same, with a CCvService built on the worker thread for config and cancel.
    static void startCall(std::shared_ptr<ReplyChannel> channel, ServiceBody body,
        cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment(), CancelFlag cancel = {});

    // Workers still running in this process.
    static int running();
    // Waits until no worker runs or timeout passes, for an orderly exit after the
    // caller has set the workers' cancel flags. Returns true when none runs.
    static bool waitForAll(std::chrono::milliseconds timeout);
};
