#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;

// The monitor server on the loopback interface, as the benchmarks play it: it
// accepts every connection, accepts every verify and writes what the benchmark
// tells it to the newest connection (the page reopens its monitor connection when
// it loads a conference again).
class LoopbackMonitorServer : public QObject {
public:
    LoopbackMonitorServer();

    // Listens on a free port and names it in the environment the client reads.
    bool listen();

    // The newest connection has been verified and has asked to monitor.
    bool monitorRequested() const;
    void write(const QByteArray& bytes);

    static QByteArray monitorMessage(int conferenceState, const QByteArray& phoneList);

private:
    void accept();
    void read(QTcpSocket* socket);

    QTcpServer m_server;
    QPointer<QTcpSocket> m_current;
    QByteArray m_received; // from the newest connection
};
