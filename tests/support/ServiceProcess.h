#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <cstdlib>

// A cvservice child process on free ports with an in-memory database and the demo
// accounts, its fault switch on; the client library of this process is pointed at it.
// It carries out a signed change sent twice: the windows' tests ask for a refusal
// directly and then through the window, or start one conference after another within
// the second a time stamp lasts. The service's own tests cover the refusal of repeats.
class ServiceProcess {
public:
    ~ServiceProcess() { stop(); }

    // extra: more cvservice options (for example a version configuration).
    bool start(const QString& program, const QStringList& extra = {})
    {
        m_process.setProgram(program);
        m_process.setArguments(
            QStringList { QStringLiteral("--http-port"), QStringLiteral("0"), QStringLiteral("--monitor-port"),
                QStringLiteral("0"), QStringLiteral("--db"), QStringLiteral(":memory:"), QStringLiteral("--demo"),
                QStringLiteral("--fast"), QStringLiteral("--fault-control"), QStringLiteral("--allow-repeats") }
            + extra);
        m_process.start();
        if (!m_process.waitForStarted())
            return false;
        while (m_httpPort.isEmpty() || m_monitorPort.isEmpty()) {
            if (!m_process.canReadLine() && !m_process.waitForReadyRead(20000))
                return false;
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine().trimmed();
                if (line.startsWith("fault-token "))
                    m_faultToken = line.mid(12);
                else if (line.startsWith("http-port "))
                    m_httpPort = line.mid(10);
                else if (line.startsWith("monitor-port "))
                    m_monitorPort = line.mid(13);
            }
        }
        pointClientHere();
        return true;
    }

    void pointClientHere() const
    {
        setenv("CORVANA_WEB_HOST", "127.0.0.1", 1);
        setenv("CORVANA_WEB_PORT", m_httpPort.constData(), 1);
        setenv("CORVANA_MONITOR_HOST", "127.0.0.1", 1);
        setenv("CORVANA_MONITOR_PORT", m_monitorPort.constData(), 1);
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    QByteArray httpPort() const { return m_httpPort; }
    QByteArray monitorPort() const { return m_monitorPort; }
    // What a request to the fault switch must carry.
    QByteArray faultToken() const { return m_faultToken; }

private:
    QProcess m_process;
    QByteArray m_httpPort;
    QByteArray m_monitorPort;
    QByteArray m_faultToken;
};
