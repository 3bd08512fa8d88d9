#include "core/service/ReplyChannel.h"

#include <QCoreApplication>
#include <QEvent>

ReplyChannel::ReplyChannel(QObject* receiver)
    : m_receiver(receiver)
{
}

std::shared_ptr<ReplyChannel> ReplyChannel::to(QObject* receiver)
{
    std::shared_ptr<ReplyChannel> channel(new ReplyChannel(receiver));
    if (receiver) {
        std::weak_ptr<ReplyChannel> weak = channel;
        QObject::connect(receiver, &QObject::destroyed, receiver, [weak] {
            if (auto alive = weak.lock())
                alive->close();
        });
    }
    return channel;
}

bool ReplyChannel::post(QEvent* event)
{
    std::lock_guard lock(m_mutex);
    if (!m_receiver) {
        delete event;
        return false;
    }
    // Under the lock: the receiver cannot finish closing the channel meanwhile, and
    // Qt discards events still queued for an object when it is destroyed.
    QCoreApplication::postEvent(m_receiver, event);
    return true;
}

bool ReplyChannel::isOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_receiver != nullptr;
}

void ReplyChannel::close()
{
    std::lock_guard lock(m_mutex);
    m_receiver = nullptr;
}
