#include "LoopbackMonitorServer.h"

#include <QTcpSocket>

#include <cstdlib>

namespace {

constexpr char kAccepted[] = R"({"key":"verify","value":"成功"})";

} // namespace

LoopbackMonitorServer::LoopbackMonitorServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackMonitorServer::accept);
}

bool LoopbackMonitorServer::listen()
{
    if (!m_server.listen(QHostAddress::LocalHost))
        return false;
    setenv("CORVANA_MONITOR_HOST", "127.0.0.1", 1);
    setenv("CORVANA_MONITOR_PORT", QByteArray::number(m_server.serverPort()).constData(), 1);
    return true;
}

bool LoopbackMonitorServer::monitorRequested() const
{
    return m_current && m_received.contains(R"("key":"monitor")");
}

void LoopbackMonitorServer::write(const QByteArray& bytes)
{
    if (!m_current)
        return;
    m_current->write(bytes);
    m_current->flush();
}

QByteArray LoopbackMonitorServer::monitorMessage(int conferenceState, const QByteArray& phoneList)
{
    return R"({"key":"monitor","conferencestate":)" + QByteArray::number(conferenceState) + R"(,"phonelist":")"
        + phoneList + "\"}";
}

void LoopbackMonitorServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        // Connections the client dropped are of no further use.
        if (m_current)
            m_current->deleteLater();
        m_current = socket;
        m_received.clear();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackMonitorServer::read(QTcpSocket* socket)
{
    const QByteArray bytes = socket->readAll();
    if (socket != m_current)
        return;
    m_received += bytes;
    if (bytes.contains(R"("key":"verify")")) {
        socket->write(kAccepted);
        socket->flush();
    }
}
