#include "core/conference/MonitorSocket.h"

#include "core/conference/MonitorTexts.h"
#include "core/session/SessionState.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr char kConference[] = "2013061721402201";
constexpr char kAccepted[] = R"({"key":"verify","value":"成功"})";

QByteArray status(int state, const QByteArray& list)
{
    return R"({"key":"monitor","conferencestate":)" + QByteArray::number(state) + R"(,"phonelist":")" + list + "\"}";
}

// The monitor server as the test plays it: accepts connections, records what each
// one sent and writes what the test tells it to.
class FakeMonitorServer : public QObject {
public:
    struct Connection {
        QTcpSocket* socket = nullptr;
        QByteArray received;
        bool closed = false;
    };

    bool listen(quint16 port = 0)
    {
        if (!m_server.listen(QHostAddress::LocalHost, port))
            return false;
        setenv("CORVANA_MONITOR_HOST", "127.0.0.1", 1);
        setenv("CORVANA_MONITOR_PORT", QByteArray::number(m_server.serverPort()).constData(), 1);
        return true;
    }
    void stopListening() { m_server.close(); }
    quint16 port() const { return m_server.serverPort(); }

    FakeMonitorServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                const std::size_t index = m_connections.size();
                m_connections.push_back(std::make_unique<Connection>());
                m_connections[index]->socket = socket;
                connect(socket, &QTcpSocket::readyRead, this,
                    [this, index] { m_connections[index]->received += m_connections[index]->socket->readAll(); });
                connect(
                    socket, &QTcpSocket::disconnected, this, [this, index] { m_connections[index]->closed = true; });
            }
        });
    }

    ~FakeMonitorServer() override
    {
        for (const auto& connection : m_connections)
            connection->socket->disconnect(this);
    }

    int count() const { return static_cast<int>(m_connections.size()); }
    Connection& at(int index) { return *m_connections.at(static_cast<std::size_t>(index)); }
    Connection& last() { return *m_connections.back(); }

    void write(int index, const QByteArray& bytes)
    {
        at(index).socket->write(bytes);
        at(index).socket->flush();
    }
    void hangUp(int index) { at(index).socket->disconnectFromHost(); }

private:
    QTcpServer m_server;
    std::vector<std::unique_ptr<Connection>> m_connections;
};

MonitorSocket::Timing quickTiming()
{
    MonitorSocket::Timing timing;
    timing.connectTimeoutMs = 2000;
    timing.firstRetryMs = 50;
    timing.maxRetryMs = 200;
    return timing;
}

QString phoneListOf(const QSignalSpy& spy, int index)
{
    return spy.at(index).at(0).toString();
}

} // namespace

class MonitorSocketTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_session = std::make_unique<SessionState>();
        m_session->setCredentials("13800138000", "123456");
        m_server = std::make_unique<FakeMonitorServer>();
        QVERIFY(m_server->listen());
        m_socket = std::make_unique<MonitorSocket>(*m_session, quickTiming());
    }

    void cleanup()
    {
        m_socket.reset();
        m_server.reset();
        m_session.reset();
    }

    void retryDelaysDoubleUpToTheCap_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<int>("delay");
        QTest::newRow("first") << 0 << 500;
        QTest::newRow("second") << 1 << 1000;
        QTest::newRow("third") << 2 << 2000;
        QTest::newRow("fifth") << 4 << 8000;
        QTest::newRow("capped") << 5 << 10000;
        QTest::newRow("far out") << 1000 << 10000;
    }
    void retryDelaysDoubleUpToTheCap()
    {
        QFETCH(int, attempt);
        QFETCH(int, delay);
        QCOMPARE(MonitorSocket::retryDelayMs(MonitorSocket::Timing {}, attempt), delay);
    }

    void verifyOnConnectThenExactlyOneMonitorRequest()
    {
        QSignalSpy states(m_socket.get(), &MonitorSocket::stateChanged);
        m_socket->open(kConference);
        QCOMPARE(m_socket->state(), MonitorSocket::State::Connecting);
        QTRY_COMPARE(m_socket->state(), MonitorSocket::State::Verifying);
        QTRY_COMPARE(m_server->count(), 1);
        QTRY_VERIFY(m_server->at(0).received.endsWith("\"}\"}"));

        // The signature is checked against an MD5 other than the client's own.
        const QByteArray verify = m_server->at(0).received;
        const QRegularExpression shape(QStringLiteral(
            R"(^\{"key":"verify","value":"\{\\"regphoneid\\":\\"13800138000\\",\\"timestamp\\":\\"(\d{14})\\",)"
            R"(\\"hashcode\\":\\"([0-9A-F]{32})\\"\}"\}$)"));
        const QRegularExpressionMatch match = shape.match(QString::fromUtf8(verify));
        QVERIFY2(match.hasMatch(), verify.constData());
        const QByteArray expected = QCryptographicHash::hash("13800138000"
                                                             "123456"
                + match.captured(1).toLatin1() + "QWZRT",
            QCryptographicHash::Md5)
                                        .toHex()
                                        .toUpper();
        QCOMPARE(match.captured(2).toLatin1(), expected);

        // A repeated answer must not ask again.
        m_server->write(0, kAccepted);
        m_server->write(0, kAccepted);
        QTRY_COMPARE(m_socket->state(), MonitorSocket::State::Monitoring);
        const QByteArray request = QByteArray::fromStdString(MonitorTexts::monitorRequest("13800138000", kConference));
        QTRY_COMPARE(m_server->at(0).received, verify + request);
        QTest::qWait(100);
        QCOMPARE(m_server->at(0).received, verify + request);

        const QList<MonitorSocket::State> seen { states.at(0).at(0).value<MonitorSocket::State>(),
            states.at(1).at(0).value<MonitorSocket::State>(), states.at(2).at(0).value<MonitorSocket::State>() };
        QCOMPARE(seen,
            (QList<MonitorSocket::State> {
                MonitorSocket::State::Connecting, MonitorSocket::State::Verifying, MonitorSocket::State::Monitoring }));
    }

    void refusedVerifyStaysWithoutMonitoringAndIsNotReopened()
    {
        m_socket->open(kConference);
        QTRY_COMPARE(m_server->count(), 1);
        QTRY_VERIFY(!m_server->at(0).received.isEmpty());
        const QByteArray verify = m_server->at(0).received;
        m_server->write(0, R"({"key":"verify","value":"验证失败，帐号或密码错误"})");
        m_server->write(0, kAccepted); // too late: the connection was refused
        QTest::qWait(100);
        QCOMPARE(m_socket->state(), MonitorSocket::State::Verifying);
        QCOMPARE(m_server->at(0).received, verify);

        m_server->hangUp(0);
        QTRY_COMPARE(m_socket->state(), MonitorSocket::State::Closed);
        QTest::qWait(300);
        QCOMPARE(m_server->count(), 1);
    }

    void messagesAreCollectedWholeAndSeveralInOneReadAreEachHandled()
    {
        QSignalSpy lists(m_socket.get(), &MonitorSocket::memberListReceived);
        monitor();
        if (QTest::currentTestFailed())
            return;

        const QByteArray first = status(1, "张三|13911110001|0|1|0");
        m_server->write(0, first.left(17));
        QTest::qWait(50);
        QCOMPARE(lists.count(), 0);
        m_server->write(0, first.mid(17));
        QTRY_COMPARE(lists.count(), 1);
        QCOMPARE(phoneListOf(lists, 0), QStringLiteral("张三|13911110001|0|1|0"));
        QCOMPARE(lists.at(0).at(1).toBool(), false);

        // Garbage around and between objects, a non-integer state, an unknown key and
        // an empty list, all in one write.
        m_server->write(0,
            "\x01\xfe not json ]]\r\n" + status(1, "A|1|1|1|0") + "}}{ ]" + R"({"key":"heartbeat"})"
                + R"({"key":"monitor","conferencestate":"2","phonelist":"X|9|2|0|0"})" + status(0, "B|2|1|0|1")
                + status(1, ""));
        QTRY_COMPARE(lists.count(), 4);
        QCOMPARE(phoneListOf(lists, 1), QStringLiteral("A|1|1|1|0"));
        QCOMPARE(phoneListOf(lists, 2), QStringLiteral("B|2|1|0|1"));
        QCOMPARE(phoneListOf(lists, 3), QString());
        QCOMPARE(m_socket->state(), MonitorSocket::State::Monitoring);
    }

    void endedStateClosesWithTheFinalListAndDoesNotReopen()
    {
        QSignalSpy ended(m_socket.get(), &MonitorSocket::conferenceEnded);
        QSignalSpy lists(m_socket.get(), &MonitorSocket::memberListReceived);
        monitor();
        if (QTest::currentTestFailed())
            return;
        // The server hangs up right behind its last message.
        m_server->write(0, status(2, "张三|13911110001|2|1|0"));
        m_server->hangUp(0);
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(ended.at(0).at(0).toString(), QStringLiteral("张三|13911110001|2|1|0"));
        QCOMPARE(lists.count(), 0);
        QCOMPARE(m_socket->state(), MonitorSocket::State::Closed);
        QTRY_VERIFY(m_server->at(0).closed);
        QTest::qWait(300);
        QCOMPARE(m_server->count(), 1);
    }

    void errorClosesWithItsText()
    {
        QSignalSpy errors(m_socket.get(), &MonitorSocket::serverError);
        monitor();
        if (QTest::currentTestFailed())
            return;
        m_server->write(0, R"({"key":"error","phonelist":"会议不存在"})");
        QTRY_COMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("会议不存在"));
        QCOMPARE(m_socket->state(), MonitorSocket::State::Closed);
        QTRY_VERIFY(m_server->at(0).closed);
        QTest::qWait(300);
        QCOMPARE(m_server->count(), 1);
    }

    void lostConnectionIsReopenedAndTheNextListIsAResync()
    {
        QSignalSpy lists(m_socket.get(), &MonitorSocket::memberListReceived);
        monitor();
        if (QTest::currentTestFailed())
            return;
        QSignalSpy states(m_socket.get(), &MonitorSocket::stateChanged);
        m_server->hangUp(0);
        QTRY_COMPARE(m_server->count(), 2);
        QTRY_VERIFY(!m_server->at(1).received.isEmpty());
        QVERIFY(m_server->at(1).received.startsWith(R"({"key":"verify")"));
        m_server->write(1, kAccepted);
        QTRY_COMPARE(m_socket->state(), MonitorSocket::State::Monitoring);
        QTRY_VERIFY(m_server->at(1).received.endsWith(
            QByteArray::fromStdString(MonitorTexts::monitorRequest("13800138000", kConference))));
        QCOMPARE(states.count(), 2);
        QCOMPARE(states.at(0).at(0).value<MonitorSocket::State>(), MonitorSocket::State::Reconnecting);
        QCOMPARE(states.at(1).at(0).value<MonitorSocket::State>(), MonitorSocket::State::Monitoring);

        m_server->write(1, status(1, "A|1|1|1|0") + status(1, "A|1|1|2|0"));
        QTRY_COMPARE(lists.count(), 2);
        QCOMPARE(lists.at(0).at(1).toBool(), true);
        QCOMPARE(lists.at(1).at(1).toBool(), false);
    }

    void closingOnPurposeDoesNotReopen()
    {
        monitor();
        if (QTest::currentTestFailed())
            return;
        m_socket->close();
        QCOMPARE(m_socket->state(), MonitorSocket::State::Closed);
        QTRY_VERIFY(m_server->at(0).closed);
        QTest::qWait(300);
        QCOMPARE(m_server->count(), 1);
    }

    void aFailedConnectIsRetriedUntilTheServerListens()
    {
        const quint16 port = m_server->port();
        m_server->stopListening();
        m_socket->open(kConference);
        QTRY_COMPARE(m_socket->state(), MonitorSocket::State::Reconnecting);
        QVERIFY(m_server->listen(port));
        QTRY_COMPARE(m_server->count(), 1);
        QTRY_VERIFY(!m_server->at(0).received.isEmpty());
        m_server->write(0, kAccepted);
        QTRY_COMPARE(m_socket->state(), MonitorSocket::State::Monitoring);
    }

    void anEndlessMessageIsCutOffAndTheConnectionReopened()
    {
        QSignalSpy lists(m_socket.get(), &MonitorSocket::memberListReceived);
        monitor();
        if (QTest::currentTestFailed())
            return;
        m_server->write(0, "{\"key\":\"monitor\",\"conferencestate\":1,\"phonelist\":\"");
        const QByteArray filler(64 * 1024, 'x');
        for (std::size_t sent = 0; sent <= MonitorSocket::kMaxMessageBytes; sent += filler.size())
            m_server->write(0, filler);
        QTRY_VERIFY(m_server->at(0).closed);
        QTRY_COMPARE(m_server->count(), 2);
        QTRY_VERIFY(!m_server->at(1).received.isEmpty());
        m_server->write(1, kAccepted);
        QTRY_COMPARE(m_socket->state(), MonitorSocket::State::Monitoring);
        m_server->write(1, status(1, "A|1|1|1|0"));
        QTRY_COMPARE(lists.count(), 1);
        QCOMPARE(lists.at(0).at(1).toBool(), true);
    }

private:
    // Opens, answers the verify and waits for the monitor request.
    void monitor()
    {
        m_socket->open(kConference);
        QTRY_COMPARE(m_server->count(), 1);
        QTRY_VERIFY(!m_server->at(0).received.isEmpty());
        m_server->write(0, kAccepted);
        QTRY_COMPARE(m_socket->state(), MonitorSocket::State::Monitoring);
        QTRY_VERIFY(m_server->at(0).received.contains(R"({"key":"monitor")"));
    }

    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<FakeMonitorServer> m_server;
    std::unique_ptr<MonitorSocket> m_socket;
};

QTEST_GUILESS_MAIN(MonitorSocketTest)
#include "MonitorSocketTest.moc"
