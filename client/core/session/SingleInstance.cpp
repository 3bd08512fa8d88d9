#include "core/session/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
constexpr int kPeerTimeoutMs = 3000;

QString userRuntimeDirectory()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    return directory;
}

} // namespace

SingleInstance::SingleInstance(QString directory, QString name, QObject* parent)
    : QObject(parent)
{
    if (directory.isEmpty())
        directory = userRuntimeDirectory();
    m_lockPath = directory + QLatin1Char('/') + name + QStringLiteral(".lock");
    m_socketPath = directory + QLatin1Char('/') + name;
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (m_server)
        return true;
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    auto lock = std::make_unique<QLockFile>(m_lockPath);
    // The lock is held for the program's whole life: it must never go stale by age.
    // A lock left by a process that died is still recognised and taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            askPrimaryToActivate();
            return false;
        }
        // The lock cannot be created at all (no writable runtime folder): run as the
        // first instance rather than refuse to start.
        return true;
    }
    m_lock = std::move(lock);

    // We hold the lock, so a socket file left behind is stale.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    if (!m_server->listen(m_socketPath)) {
        // Still the first instance; later ones just cannot bring this one forward.
        qWarning(
            "SingleInstance: cannot listen on %s: %s", qPrintable(m_socketPath), qPrintable(m_server->errorString()));
    }
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == kActivate)
                    emit activationRequested();
            }
        });
    }
}

void SingleInstance::askPrimaryToActivate() const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kPeerTimeoutMs))
        return;
    socket.write(kActivate);
    socket.waitForBytesWritten(kPeerTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kPeerTimeoutMs);
}
