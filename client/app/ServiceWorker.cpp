#include "app/ServiceWorker.h"

#include "app/ReplyChannel.h"

#include "cvsrv/CCvService.h"

#include <QEvent>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

std::mutex g_runningMutex;
std::condition_variable g_runningChanged;
int g_running = 0;

void deliver(ReplyChannel& channel, QEvent* event, const std::atomic<bool>& cancel)
{
    if (!event)
        return;
    if (cancel.load())
        delete event; // a cancelled call's result is never acted on
    else
        channel.post(event);
}

} // namespace

ServiceWorker::CancelFlag ServiceWorker::newCancelFlag()
{
    return std::make_shared<std::atomic<bool>>(false);
}

void ServiceWorker::start(std::shared_ptr<ReplyChannel> channel, Body body, CancelFlag cancel)
{
    if (!cancel)
        cancel = newCancelFlag();
    {
        std::lock_guard lock(g_runningMutex);
        ++g_running;
    }
    std::thread([channel = std::move(channel), body = std::move(body), cancel = std::move(cancel)] {
        QEvent* event = nullptr;
        try {
            event = body(*cancel);
        } catch (...) {
            // Nothing may cross the thread boundary; a failed body delivers nothing.
            event = nullptr;
        }
        if (channel)
            deliver(*channel, event, *cancel);
        else
            delete event;
        std::lock_guard lock(g_runningMutex);
        --g_running;
        g_runningChanged.notify_all();
    }).detach();
}

void ServiceWorker::startCall(
    std::shared_ptr<ReplyChannel> channel, ServiceBody body, cvsrv::ServiceConfig config, CancelFlag cancel)
{
    start(
        std::move(channel),
        [body = std::move(body), config = std::move(config)](const std::atomic<bool>& cancelFlag) {
            CCvService service(config, &cancelFlag);
            return body(service);
        },
        std::move(cancel));
}

int ServiceWorker::running()
{
    std::lock_guard lock(g_runningMutex);
    return g_running;
}

bool ServiceWorker::waitForAll(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(g_runningMutex);
    return g_runningChanged.wait_for(lock, timeout, [] { return g_running == 0; });
}
