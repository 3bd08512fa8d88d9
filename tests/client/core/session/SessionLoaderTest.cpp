#include "core/session/SessionLoader.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/BalanceTicker.h"
#include "core/session/SecondTimer.h"
#include "core/session/SessionState.h"
#include "core/session/SingleInstance.h"

#include "EventRecorder.h"
#include "FakeSoapServer.h"
#include "SoapReplies.h"

#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using corvana::test::CannedReply;
using corvana::test::FakeSoapServer;
using corvana::test::Row;

constexpr auto kJobTimeout = std::chrono::seconds(20);

// A service that answers each operation from what the test set, by SOAPAction.
class ScriptedService {
public:
    ScriptedService()
    {
        m_server.setHandler([this](const corvana::test::RecordedRequest& request) {
            const std::string action = request.header("SOAPAction");
            std::lock_guard lock(m_mutex);
            for (const auto& [operation, reply] : m_replies) {
                if (action.find("/" + operation + "\"") != std::string::npos)
                    return reply;
            }
            return CannedReply::fault("no script for " + action);
        });
    }

    void answer(const std::string& operation, CannedReply reply)
    {
        std::lock_guard lock(m_mutex);
        m_replies[operation] = std::move(reply);
    }
    void answerRows(const std::string& operation, const std::vector<Row>& rows)
    {
        answer(operation, CannedReply::ok(corvana::test::dataSetReply(ns(), operation, "ds", rows)));
    }
    void answerBalance(const std::string& balance)
    {
        answer("GetClientBalance",
            CannedReply::ok(corvana::test::soapResponse(ns(), "GetClientBalance",
                { { "GetClientBalanceResult", "0" }, { "outbalance", balance }, { "outexptime", "2027-12-31" } })));
    }

    std::size_t requestsFor(const std::string& operation) const
    {
        std::size_t count = 0;
        for (const auto& request : m_server.requests())
            count += request.header("SOAPAction").find("/" + operation + "\"") != std::string::npos;
        return count;
    }
    std::size_t requestCount() const { return m_server.requestCount(); }

    void attach(SessionLoader& loader) const
    {
        cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
        config.webHost = FakeSoapServer::host();
        config.webPort = m_server.port();
        loader.setServiceConfig(config);
    }

private:
    static std::string ns() { return cvsrv::ServiceConfig::fromEnvironment().namespaceUri; }

    FakeSoapServer m_server;
    std::mutex m_mutex;
    std::map<std::string, CannedReply> m_replies;
};

Row runningRow(const std::string& id, const std::string& topic)
{
    return { { "conferenceid", id }, { "meettitle", topic }, { "regphoneid", "13800138000" },
        { "meettime", "2026-01-01T10:00:00" }, { "meetcall", "800" }, { "meetphone", "1,2" },
        { "meetphoneaddress", "甲,乙" }, { "meettype", "0" }, { "meetautodialflag", "1" }, { "meetsmsflag", "0" },
        { "meetshutupflag", "0" }, { "meetrecflag", "1" }, { "meetpwd", "" } };
}

class ManualTimer : public SecondTimer {
public:
    void start(std::function<void()> onSecond) override
    {
        m_onSecond = std::move(onSecond);
        m_running = true;
    }
    void stop() override { m_running = false; }
    // Lets n seconds pass.
    void advance(int seconds)
    {
        for (int i = 0; i < seconds && m_running; ++i)
            m_onSecond();
    }
    bool running() const { return m_running; }

private:
    std::function<void()> m_onSecond;
    bool m_running = false;
};

void signIn(SessionState& session)
{
    session.setCredentials("13800138000", "123456");
    session.setSignInResult(SessionState::kSignedIn);
}

} // namespace

class SessionLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void loadersDoNothingUnlessSignedIn()
    {
        ScriptedService service;
        for (int result : { SessionState::kNotSignedIn, 3 }) {
            SessionState session;
            session.setSignInResult(result);
            EventRecorder mainWindow;
            SessionLoader loader(session, &mainWindow);
            service.attach(loader);
            bool addressBookStarted = false;
            loader.setAddressBookLoads([&addressBookStarted] { addressBookStarted = true; });
            loader.LoadBalance();
            loader.LoadCurrentConferences();
            loader.LoadSubscribedConferences();
            loader.LoadMemberProfile();
            loader.StartSessionLoads();
            QCOMPARE(ServiceCall::running(), 0);
            QVERIFY(!addressBookStarted);
            QCoreApplication::processEvents();
            QVERIFY(mainWindow.records.isEmpty());
        }
        QCOMPARE(service.requestCount(), std::size_t(0));
    }

    void runningConferencesAreSwappedInBeforeTheMessage()
    {
        ScriptedService service;
        service.answerRows(
            "Getcurrentconferencelist", { runningRow("1000000001", "周会"), runningRow("1000000002", "短") });
        SessionState session;
        signIn(session);
        EventRecorder mainWindow;
        SessionLoader loader(session, &mainWindow);
        service.attach(loader);

        loader.LoadCurrentConferences();
        QTRY_COMPARE(mainWindow.messages(), QList<int> { Msg::RunningConferencesReady });
        const ConferenceList& running = session.runningConferences();
        QCOMPARE(running.count(), 2);
        QCOMPARE(running.at(0)->topic, std::string("周会"));
        QCOMPARE(running.at(0)->recording, 1);
        QCOMPARE(running.at(1)->state, int(ConferenceRecord::Running));

        // A reload whose exchange fails keeps the list and its count.
        CannedReply dropped;
        dropped.closeWithoutReply = true;
        service.answer("Getcurrentconferencelist", dropped);
        loader.LoadCurrentConferences();
        QTRY_COMPARE(mainWindow.records.size(), 2);
        QCOMPARE(running.count(), 2);

        // No running conference any more: the records stay, the count drops, the
        // message still comes.
        service.answerRows("Getcurrentconferencelist", {});
        loader.LoadCurrentConferences();
        QTRY_COMPARE(mainWindow.records.size(), 3);
        QCOMPARE(running.count(), 0);
        QCOMPARE(running.records().size(), std::size_t(2));
    }

    void bookedConferencesAndBalanceArriveWithTheirNumbers()
    {
        ScriptedService service;
        service.answerRows("GetSubscribeCurrentConference",
            { { { "conferenceid", "55" }, { "meettitle", "预约" }, { "meettime", "2026-02-02T09:00:00" },
                { "meetcall", "800" }, { "meetphone", "3" }, { "meetphoneaddress", "丙" }, { "meetautodialflag", "1" },
                { "meetsmsflag", "0" }, { "meetshutupflag", "0" }, { "meetrecflag", "0" } } });
        service.answerBalance("88.50");
        SessionState session;
        signIn(session);
        EventRecorder mainWindow;
        SessionLoader loader(session, &mainWindow);
        service.attach(loader);

        loader.LoadSubscribedConferences();
        QTRY_COMPARE(mainWindow.messages(), QList<int> { Msg::BookedConferencesReady });
        QCOMPARE(session.bookedConferences().count(), 1);
        QCOMPARE(session.bookedConferences().at(0)->names, std::string("丙"));
        QCOMPARE(session.bookedConferences().at(0)->state, int(ConferenceRecord::NotStartedOrBooked));

        loader.LoadBalance();
        QTRY_COMPARE(mainWindow.records.size(), 2);
        QCOMPARE(mainWindow.records.last().message, int(Msg::BalanceReady));
        QCOMPARE(session.balance(), std::string("88.50"));

        // A failed balance keeps the last one shown; the message still comes.
        service.answer("GetClientBalance", CannedReply::fault("down"));
        loader.LoadBalance();
        QTRY_COMPARE(mainWindow.records.size(), 3);
        QCOMPARE(session.balance(), std::string("88.50"));
    }

    void theProfileLoadsWithoutAMessage()
    {
        ScriptedService service;
        service.answer("GetMemberInfo",
            CannedReply::ok(
                corvana::test::dataSetReply(cvsrv::ServiceConfig::fromEnvironment().namespaceUri, "GetMemberInfo", "ds",
                    { { { "clientno", "0" }, { "idcard", "ID9" }, { "idtype", "2" }, { "sex", "1" },
                        { "contactname", "" }, { "contactid", "139" }, { "email", "m@x" }, { "street", "" },
                        { "city", "" }, { "state", "" }, { "country", "" }, { "postcode", "" }, { "meetcall", "801" },
                        { "messagesender", "签名" }, { "comment", "" } } })));
        SessionState session;
        signIn(session);
        EventRecorder mainWindow;
        SessionLoader loader(session, &mainWindow);
        service.attach(loader);
        loader.LoadMemberProfile();
        QTRY_COMPARE(session.memberProfile().smsSignature, std::string("签名"));
        QCOMPARE(session.memberProfile().hostNumber, std::string("801"));
        QCOMPARE(session.memberProfile().sex, 1);
        QVERIFY(ServiceCall::waitForAll(kJobTimeout));
        QCoreApplication::processEvents();
        QVERIFY(mainWindow.records.isEmpty());
    }

    void sessionLoadsStartEveryLoader()
    {
        ScriptedService service;
        service.answerRows("Getcurrentconferencelist", {});
        service.answerBalance("1.00");
        SessionState session;
        signIn(session);
        EventRecorder mainWindow;
        SessionLoader loader(session, &mainWindow);
        service.attach(loader);
        int addressBookLoads = 0;
        loader.setAddressBookLoads([&addressBookLoads] { ++addressBookLoads; });
        loader.StartSessionLoads();
        QCOMPARE(addressBookLoads, 1);
        QVERIFY(ServiceCall::waitForAll(kJobTimeout));
        QCOMPARE(service.requestsFor("Getcurrentconferencelist"), std::size_t(1));
        QCOMPARE(service.requestsFor("GetClientBalance"), std::size_t(1));
        QCOMPARE(service.requestsFor("GetMemberInfo"), std::size_t(1));
    }

    void aReplyForAnEarlierSessionIsDropped()
    {
        ScriptedService service;
        CannedReply slow = CannedReply::ok(
            corvana::test::soapResponse(cvsrv::ServiceConfig::fromEnvironment().namespaceUri, "GetClientBalance",
                { { "GetClientBalanceResult", "0" }, { "outbalance", "99.00" }, { "outexptime", "" } }));
        slow.delay = std::chrono::milliseconds(300);
        service.answer("GetClientBalance", slow);
        SessionState session;
        signIn(session);
        EventRecorder mainWindow;
        SessionLoader loader(session, &mainWindow);
        service.attach(loader);
        loader.LoadBalance();
        session.endSession(); // "更改用户" while the call runs
        signIn(session);
        QVERIFY(ServiceCall::waitForAll(kJobTimeout));
        QCoreApplication::processEvents();
        QVERIFY(session.balance().empty());
        QVERIFY(mainWindow.records.isEmpty());
    }

    void tickerPostsAfterThirtySecondsThenEveryThirtyOne()
    {
        SessionState session;
        EventRecorder mainWindow;
        auto timer = std::make_unique<ManualTimer>();
        ManualTimer* clock = timer.get();
        BalanceTicker ticker(session, &mainWindow, std::move(timer));
        QVERIFY(!ticker.start()); // not signed in

        signIn(session);
        QVERIFY(ticker.start());
        QVERIFY(!ticker.start()); // one ticker at a time
        clock->advance(29);
        QCoreApplication::processEvents();
        QVERIFY(mainWindow.records.isEmpty());
        clock->advance(1);
        QCoreApplication::processEvents();
        QCOMPARE(mainWindow.messages(), QList<int> { 1114 });
        clock->advance(30);
        QCoreApplication::processEvents();
        QCOMPARE(mainWindow.records.size(), 1);
        clock->advance(1);
        QCoreApplication::processEvents();
        QCOMPARE(mainWindow.records.size(), 2);

        // "更改用户": the ticker notices at its next second and ends.
        session.setSignInResult(SessionState::kNotSignedIn);
        clock->advance(1);
        QVERIFY(!ticker.isRunning());
        QVERIFY(!clock->running());
        signIn(session);
        QVERIFY(ticker.start()); // can start again after the next sign-in
    }

    void aSecondInstanceAsksTheFirstToComeForward()
    {
        QTemporaryDir runtime;
        SingleInstance first(runtime.path());
        QSignalSpy activations(&first, &SingleInstance::activationRequested);
        QVERIFY(first.claim());
        QVERIFY(first.isPrimary());
        {
            SingleInstance second(runtime.path());
            QVERIFY(!second.claim());
            QVERIFY(!second.isPrimary());
        }
        QTRY_COMPARE(activations.count(), 1);
    }

    void aLockLeftByAProcessThatDiedDoesNotBlock()
    {
        QTemporaryDir runtime;
        const QString lockPath = runtime.filePath(QStringLiteral("Corvana.exe.lock"));
        const pid_t child = ::fork();
        if (child == 0) {
            QLockFile lock(lockPath);
            lock.setStaleLockTime(0);
            ::_exit(lock.tryLock(0) ? 0 : 1); // dies holding the lock file
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(lockPath));

        SingleInstance next(runtime.path());
        QVERIFY(next.claim());
        QVERIFY(next.isPrimary());
    }

    void theInstanceRuleEndsWithTheFirstInstance()
    {
        QTemporaryDir runtime;
        {
            SingleInstance first(runtime.path());
            QVERIFY(first.claim());
        }
        SingleInstance next(runtime.path());
        QVERIFY(next.claim());
    }
};

QTEST_GUILESS_MAIN(SessionLoaderTest)
#include "SessionLoaderTest.moc"
