// Measures how quickly the client comes up, against a local cvservice:
//   value startup_to_login_ms N   process start to the login dialog shown (offscreen)
//   value login_to_main_ms N      the click on the sign-in button to the main window shown
// Each value is the median of several runs of the real program. The client reports
// the moments it sees through its tour program (corvana-tour without arguments), one line each on stdout.
//
//   ClientStartupBench [--corvana PATH] [--service PATH] [--runs N]
// Without paths it runs the programs of the build it belongs to.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kWaitMs = 30000;

// Reads lines from a running process until one starts with prefix; returns the rest.
std::optional<QByteArray> waitForLine(QProcess& process, const QByteArray& prefix)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kWaitMs) {
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line.startsWith(prefix))
                return line.mid(prefix.size()).trimmed();
        }
        if (process.state() == QProcess::NotRunning && !process.canReadLine())
            return std::nullopt;
        process.waitForReadyRead(100);
    }
    return std::nullopt;
}

struct Service {
    QProcess process;
    QByteArray httpPort;
    QByteArray monitorPort;
};

bool startService(Service& service, const QString& path)
{
    service.process.setProcessChannelMode(QProcess::MergedChannels);
    service.process.start(path,
        { QStringLiteral("--http-port"), QStringLiteral("0"), QStringLiteral("--monitor-port"), QStringLiteral("0"),
            QStringLiteral("--db"), QStringLiteral(":memory:"), QStringLiteral("--demo"), QStringLiteral("--fast") });
    const auto http = waitForLine(service.process, "http-port ");
    const auto monitor = waitForLine(service.process, "monitor-port ");
    if (!http || !monitor)
        return false;
    service.httpPort = *http;
    service.monitorPort = *monitor;
    return true;
}

struct Run {
    double startupToLoginMs;
    double loginToMainMs;
};

std::optional<Run> runClientOnce(const QString& corvana, const Service& service)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CORVANA_OPTIONS_DIR"), home.filePath(QStringLiteral("options")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("CORVANA_WEB_HOST"), QStringLiteral("127.0.0.1"));
    env.insert(QStringLiteral("CORVANA_WEB_PORT"), QString::fromLatin1(service.httpPort));
    env.insert(QStringLiteral("CORVANA_MONITOR_HOST"), QStringLiteral("127.0.0.1"));
    env.insert(QStringLiteral("CORVANA_MONITOR_PORT"), QString::fromLatin1(service.monitorPort));

    QProcess client;
    client.setProcessEnvironment(env);
    client.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer sinceStart;
    sinceStart.start();
    client.start(corvana, {});
    const auto loginShown = waitForLine(client, "tour login-shown");
    const double startupMs = double(sinceStart.nsecsElapsed()) / 1e6;
    const auto clicked = waitForLine(client, "tour login-clicked");
    const auto mainShown = waitForLine(client, "tour main-shown");
    client.waitForFinished(kWaitMs);
    if (!loginShown || !clicked || !mainShown)
        return std::nullopt;
    return Run { startupMs, mainShown->toDouble() - clicked->toDouble() };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({ QStringLiteral("corvana"), QStringLiteral("the client program"), QStringLiteral("path"),
        QStringLiteral(CORVANA_PATH) });
    parser.addOption({ QStringLiteral("service"), QStringLiteral("the cvservice program"), QStringLiteral("path"),
        QStringLiteral(CVSERVICE_PATH) });
    parser.addOption({ QStringLiteral("runs"), QStringLiteral("runs to take the median of"), QStringLiteral("n"),
        QStringLiteral("7") });
    parser.addHelpOption();
    parser.process(app);
    Service service;
    if (!startService(service, parser.value(QStringLiteral("service")))) {
        std::fprintf(stderr, "cvservice did not report its ports\n");
        return 1;
    }

    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());
    std::vector<double> startup;
    std::vector<double> login;
    // One unmeasured run warms the file cache and the service.
    for (int i = 0; i <= runs; ++i) {
        const auto run = runClientOnce(parser.value(QStringLiteral("corvana")), service);
        if (!run) {
            std::fprintf(stderr, "run %d: the client did not report the login and main windows\n", i);
            return 1;
        }
        if (i == 0)
            continue;
        startup.push_back(run->startupToLoginMs);
        login.push_back(run->loginToMainMs);
    }
    service.process.terminate();
    service.process.waitForFinished(5000);

    std::printf("value startup_to_login_ms %.1f\n", median(startup));
    std::printf("value login_to_main_ms %.1f\n", median(login));
    return 0;
}
