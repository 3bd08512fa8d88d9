#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One running program per user. The first process holds a lock file and listens on a
// local socket named "Corvana.exe" in the user's runtime folder; a later process finds
// the lock taken, asks the first (through the socket) to bring its window or its open
// login dialog to the front, and should then end with status 0, showing nothing.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kName = "Corvana.exe";

    // directory: where the lock and the socket live; empty = the user's runtime folder.
    explicit SingleInstance(
        QString directory = {}, QString name = QString::fromLatin1(kName), QObject* parent = nullptr);
    ~SingleInstance() override;

    // true: this process is the first instance and now listens for later ones.
    // false: another instance runs and was asked to come to the front.
    bool claim();
    bool isPrimary() const { return m_server != nullptr; }

signals:
    // On the first instance, each time a later process starts.
    void activationRequested();

private:
    void acceptConnections();
    void askPrimaryToActivate() const;

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
