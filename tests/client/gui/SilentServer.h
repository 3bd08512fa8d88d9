#pragma once

#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

// A web service that accepts connections and never answers.
class SilentServer : public QTcpServer {
public:
    SilentServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                m_held.append(socket);
        });
    }

    int connections() const { return static_cast<int>(m_held.size()); }

private:
    QList<QTcpSocket*> m_held;
};
