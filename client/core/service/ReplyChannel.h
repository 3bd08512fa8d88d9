#pragma once

#include <QObject>

#include <memory>
#include <mutex>

class QEvent;

// A thread-safe way for a worker to post to a receiver that may go away. Posting after
// the receiver was destroyed (or the channel closed) drops the event, so closing a
// window drops the deliveries still on their way to it.
class ReplyChannel {
public:
    // Closes by itself when receiver is destroyed; a receiver that wants deliveries to
    // stop earlier (in its own destructor) calls close().
    static std::shared_ptr<ReplyChannel> to(QObject* receiver);
    virtual ~ReplyChannel() = default;

    // Takes ownership of event; returns false when it was dropped.
    bool post(QEvent* event);
    bool isOpen() const;
    void close();

private:
    explicit ReplyChannel(QObject* receiver);

    mutable std::mutex m_mutex;
    QObject* m_receiver;
};
