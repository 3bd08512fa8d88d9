#pragma once

#include "core/conference/MonitorMessage.h"

#include "common/JsonObjectSplitter.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <string>

class QTcpSocket;
class SessionState;

// The live connection to the monitor server for one running conference. It runs on
// the GUI thread and never blocks: connect, send and receive are all notifications.
//
// open() connects, sends the signed verify message and, on the answer "成功", asks
// once to monitor the conference. The server then pushes the conference state and
// the whole member list; each arrives here as memberListReceived, or conferenceEnded
// once the state says the conference is over. The stream has no framing, so bytes
// are collected until whole JSON objects have arrived; several in one read are each
// handled and bytes between objects are skipped.
//
// A connection lost while the conference is watched (the server hangs up, a socket
// error, a send not written within the send time-out, a message larger than the
// receive bound, a connect that fails or hangs) is opened again after a back-off
// that doubles from firstRetryMs up to maxRetryMs and starts over once monitoring
// resumes. Meanwhile the state is Reconnecting. Closing on purpose (close(), the
// conference ended, an "error" from the server) never reconnects, nor does losing a
// connection whose verify answer was a refusal: new credentials need a new open().
//
// The member list is always the whole list. While the connection was down, members
// may have joined, left or been removed without the page hearing of it, so the first
// list after a reconnect comes with resync set: the page must then take it as the
// complete roster, moving every joined member that the list does not hold back to
// the waiting list before it applies the list as usual.
class MonitorSocket : public QObject {
    Q_OBJECT

public:
    enum class State {
        Closed, // not open, or closed on purpose
        Connecting,
        Verifying, // connected, verify sent; stays here when the verify is refused
        Monitoring, // monitor request sent
        Reconnecting, // lost; waiting for the next attempt or running it until monitoring again
    };
    Q_ENUM(State)

    static constexpr const char* kLogFile = "mylog.txt";
    static constexpr const char* kConnectErrorText = "网络连接错误，请检查网络连接是否正常！";

    struct Timing {
        int connectTimeoutMs = 10000;
        int sendTimeoutMs = 5000;
        int firstRetryMs = 500;
        int maxRetryMs = 10000;
    };

    // An unfinished message may not grow past this (a roster of several thousand).
    static constexpr std::size_t kMaxMessageBytes = 256 * 1024;

    explicit MonitorSocket(const SessionState& session, QObject* parent = nullptr);
    MonitorSocket(const SessionState& session, Timing timing, QObject* parent = nullptr);
    ~MonitorSocket() override;

    // Closes any connection, then connects to the monitor server the environment
    // names and watches conferenceId with the session's current account.
    void open(const std::string& conferenceId);
    // On purpose: no reconnect follows. Harmless when already closed.
    void close();

    State state() const { return m_state; }
    const std::string& conferenceId() const { return m_conferenceId; }

    // The wait before reconnect attempt number attempt (0 = the first after a loss).
    static int retryDelayMs(const Timing& timing, int attempt);

signals:
    void stateChanged(MonitorSocket::State state);
    // The conference goes on; phoneList is the whole member list (UTF-8 as sent).
    void memberListReceived(const QString& phoneList, bool resync);
    // The conference is over; the connection is already closed. phoneList is its final list.
    void conferenceEnded(const QString& phoneList);
    // The server refused to go on; the connection is already closed. The page shows text.
    void serverError(const QString& text);

private:
    void connectNow();
    void onConnected();
    void onReadyRead();
    void onBytesWritten();
    void onSocketLost();
    void onTimedOut(const char* what);
    void handle(const MonitorMessage& message);
    void send(const std::string& text);
    void lose(int errorCode, bool connectFailed);
    void dropSocket();
    void setState(State state);

    const SessionState& m_session;
    Timing m_timing;
    QPointer<QTcpSocket> m_socket;
    QTimer m_connectTimer;
    QTimer m_sendTimer;
    QTimer m_retryTimer;
    corvana::JsonObjectSplitter m_splitter { kMaxMessageBytes };
    std::string m_conferenceId;
    State m_state = State::Closed;
    std::uint64_t m_connection = 0; // counts sockets, so a handler notices its own was dropped
    int m_attempt = 0;
    bool m_connected = false; // this connection's connect succeeded
    bool m_verified = false; // on this connection
    bool m_refused = false; // on this connection
    bool m_resyncPending = false;
};
