#include "core/conference/MonitorSocket.h"

#include "core/service/ResultText.h"
#include "core/session/SessionState.h"

#include "MonitorFaults.h"
#include "ServiceBook.h"
#include "ServiceProcess.h"

#include "cvsrv/CCvService.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTest>

#include <string>

namespace {

using serviceBook::kDemo;

constexpr int kSlowMs = 15000;

// "name|phone|callstate|speakstate|activetalker" -> callstate of phone, or -1.
int callStateOf(const QString& list, const QString& phone)
{
    for (const QString& item : list.split(QLatin1Char(','))) {
        const QStringList fields = item.split(QLatin1Char('|'));
        if (fields.size() == 5 && fields.at(1) == phone)
            return fields.at(2).toInt();
    }
    return -1;
}

std::string control(const std::string& conference, int command, const char* phoneId = "")
{
    std::string result;
    CCvService().ConferenceControl(
        kDemo.account.c_str(), kDemo.password.c_str(), conference.c_str(), command, phoneId, result);
    return result;
}

} // namespace

// The monitor connection against a real cvservice: its simulation rings and joins the
// members, its fault injection drops the connection.
class MonitorSocketServiceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_service.start(QStringLiteral(CVSERVICE_PATH)));
        m_session.setCredentials(kDemo.account, kDemo.password);
    }

    void aRunningConferenceIsWatchedAcrossADroppedConnectionUntilItEnds()
    {
        const std::string now
            = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toStdString();
        std::string created;
        QCOMPARE(CCvService().createConference(kDemo.account.c_str(), kDemo.password.c_str(), "监听测试",
                     kDemo.account.c_str(), "13911110001,13911110002", "王芳,李雷", now.c_str(), "192.168.1.1", 0, 0, 0,
                     0, 0, created),
            0);
        const std::vector<std::string> rows = ResultText::rows(created);
        QVERIFY(!rows.empty());
        const std::string conference = ResultText::fields(rows.front()).at(0);
        QVERIFY2(conference.size() > 9, created.c_str());

        MonitorSocket socket(m_session);
        QSignalSpy lists(&socket, &MonitorSocket::memberListReceived);
        QSignalSpy states(&socket, &MonitorSocket::stateChanged);
        QSignalSpy ended(&socket, &MonitorSocket::conferenceEnded);
        QSignalSpy errors(&socket, &MonitorSocket::serverError);
        socket.open(conference);
        QTRY_COMPARE(socket.state(), MonitorSocket::State::Monitoring);
        QTRY_VERIFY(!lists.isEmpty());
        QCOMPARE(lists.at(0).at(1).toBool(), false);
        QVERIFY(lists.at(0).at(0).toString().contains(QStringLiteral("王芳|13911110001|")));

        // The host's own line always answers: hung up, it stays away until called
        // again, then rings and joins; every step reaches the socket as a new list.
        const auto host = [&] { return callStateOf(lists.last().at(0).toString(), QStringLiteral("13800138000")); };
        QTRY_COMPARE_WITH_TIMEOUT(host(), 1, kSlowMs);
        control(conference, 6, "13800138000,主持人");
        QTRY_COMPARE_WITH_TIMEOUT(host(), 2, kSlowMs);
        control(conference, 5, "13800138000,主持人");
        QTRY_COMPARE_WITH_TIMEOUT(host(), 1, kSlowMs);
        for (const char* phone : { "13911110001", "13911110002" })
            QVERIFY2(callStateOf(lists.last().at(0).toString(), QString::fromLatin1(phone)) >= 0, phone);

        // The server drops the connection; the socket comes back and resynchronises.
        states.clear();
        QVERIFY(setMonitorFault(m_service, "drop", true));
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), MonitorSocket::State::Reconnecting, kSlowMs);
        QVERIFY(setMonitorFault(m_service, "drop", false));
        lists.clear();
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), MonitorSocket::State::Monitoring, kSlowMs);
        QCOMPARE(states.first().at(0).value<MonitorSocket::State>(), MonitorSocket::State::Reconnecting);
        QCOMPARE(states.last().at(0).value<MonitorSocket::State>(), MonitorSocket::State::Monitoring);
        QTRY_VERIFY(!lists.isEmpty());
        QCOMPARE(lists.first().at(1).toBool(), true);
        for (const char* phone : { "13800138000", "13911110001", "13911110002" })
            QVERIFY2(callStateOf(lists.first().at(0).toString(), QString::fromLatin1(phone)) >= 0, phone);

        control(conference, 9);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kSlowMs);
        QCOMPARE(socket.state(), MonitorSocket::State::Closed);
        QCOMPARE(errors.count(), 0);
    }

private:
    ServiceProcess m_service;
    SessionState m_session;
};

QTEST_GUILESS_MAIN(MonitorSocketServiceTest)
#include "MonitorSocketServiceTest.moc"
