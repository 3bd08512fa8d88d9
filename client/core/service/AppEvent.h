#pragma once

#include <QEvent>

#include <any>
#include <cstdint>
#include <utility>

class QObject;

// The one event class for the program's posted messages. Its type is the message
// number (see MessageIds.h), so a receiver's event() can switch on event->type().
// A worker hands its decoded result to the GUI thread in the payload; the payload is
// owned by the event and dropped with it when the receiver is gone.
class AppEvent : public QEvent {
public:
    explicit AppEvent(int message, std::intptr_t wParam = 0, std::intptr_t lParam = 0, std::any payload = {});
    ~AppEvent() override;

    int message() const { return static_cast<int>(type()); }
    std::intptr_t wParam() const { return m_wParam; }
    std::intptr_t lParam() const { return m_lParam; }

    bool hasPayload() const { return m_payload.has_value(); }
    // The payload if it holds a T, else nullptr.
    template <typename T> const T* payload() const { return std::any_cast<T>(&m_payload); }
    template <typename T> T* payload() { return std::any_cast<T>(&m_payload); }

    // The event's message number when it is an AppEvent, else 0.
    static int messageOf(const QEvent* event);

private:
    std::intptr_t m_wParam;
    std::intptr_t m_lParam;
    std::any m_payload;
};

// Posts an AppEvent to receiver (thread-safe; never sends). A null receiver posts nothing.
void postAppEvent(QObject* receiver, int message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
