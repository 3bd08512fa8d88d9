#include "app/AppEvent.h"
#include "app/BalanceTicker.h"
#include "app/MessageIds.h"
#include "app/ReplyChannel.h"
#include "app/SecondTimer.h"
#include "app/ServiceWorker.h"
#include "app/SessionLoader.h"
#include "app/SessionState.h"
#include "app/SingleInstance.h"

#include "FakeSoapServer.h"
#include "cvsrv/CCvService.h"

#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <mutex>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr auto kWorkerTimeout = std::chrono::seconds(20);

// Records the numbered events it receives.
class Receiver : public QObject {
public:
    std::vector<int> messages;
    std::intptr_t lastWParam = 0;
    std::string lastPayload;

protected:
    bool event(QEvent* event) override
    {
        auto* appEvent = dynamic_cast<AppEvent*>(event);
        if (!appEvent)
            return QObject::event(event);
        messages.push_back(appEvent->message());
        lastWParam = appEvent->wParam();
        if (const auto* text = appEvent->payload<std::string>())
            lastPayload = *text;
        return true;
    }
};

// Says when it is destroyed, so a test sees a dropped delivery freed rather than leaked.
class TrackedEvent : public AppEvent {
public:
    TrackedEvent(int message, std::shared_ptr<std::atomic<bool>> destroyed)
        : AppEvent(message)
        , m_destroyed(std::move(destroyed))
    {
    }
    ~TrackedEvent() override { m_destroyed->store(true); }

private:
    std::shared_ptr<std::atomic<bool>> m_destroyed;
};

// What the substitute service answers; shared with the worker threads.
struct Script {
    std::mutex mutex;
    int status = 0;
    std::string balance = "88.50";
    std::string listText;
    int listRows = 0;
    std::string profileText;
    std::shared_future<void> gate; // when valid, every call waits for it
    std::atomic<int> created { 0 };
    std::atomic<int> balanceCalls { 0 };
    std::atomic<int> runningCalls { 0 };
    std::atomic<int> profileCalls { 0 };
};

class ScriptedService : public SessionService {
public:
    explicit ScriptedService(std::shared_ptr<Script> script)
        : m_script(std::move(script))
    {
    }

    int GetClientBalance(const std::string&, const std::string&, std::string& balance, std::string& expiry) override
    {
        wait();
        ++m_script->balanceCalls;
        std::lock_guard lock(m_script->mutex);
        balance = m_script->balance;
        expiry = "2027-12-31";
        return m_script->status;
    }
    int Getcurrentconferencelist(const std::string&, const std::string&, std::string& result, int& rows) override
    {
        wait();
        ++m_script->runningCalls;
        return list(result, rows);
    }
    int GetSubscribeCurrentConference(const std::string&, const std::string&, std::string& result, int& rows) override
    {
        wait();
        return list(result, rows);
    }
    int GetMemberInfo(const std::string&, const std::string&, std::string& info) override
    {
        wait();
        ++m_script->profileCalls;
        std::lock_guard lock(m_script->mutex);
        info = m_script->profileText;
        return m_script->status;
    }

private:
    void wait() const
    {
        std::shared_future<void> gate;
        {
            std::lock_guard lock(m_script->mutex);
            gate = m_script->gate;
        }
        if (gate.valid())
            gate.wait();
    }
    int list(std::string& result, int& rows) const
    {
        std::lock_guard lock(m_script->mutex);
        result = m_script->listText;
        rows = m_script->listRows;
        return m_script->status;
    }

    std::shared_ptr<Script> m_script;
};

SessionServiceFactory factoryFor(const std::shared_ptr<Script>& script)
{
    return [script](const std::atomic<bool>*) -> std::unique_ptr<SessionService> {
        ++script->created;
        return std::make_unique<ScriptedService>(script);
    };
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

bool allWorkersDone()
{
    return ServiceWorker::waitForAll(kWorkerTimeout);
}

} // namespace

class WorkersTest : public QObject {
    Q_OBJECT

private slots:
    void workerResultArrivesAsItsNumberedEvent()
    {
        Receiver receiver;
        ServiceWorker::start(ReplyChannel::to(&receiver), [](const std::atomic<bool>&) -> QEvent* {
            return new AppEvent(Msg::RoomInfoReady, 7, 0, std::string("room"));
        });
        QTRY_COMPARE(receiver.messages.size(), size_t(1));
        QCOMPARE(receiver.messages[0], 1088);
        QCOMPARE(receiver.lastWParam, std::intptr_t(7));
        QCOMPARE(receiver.lastPayload, std::string("room"));
    }

    void deliveryIsDroppedWhenTheReceiverIsGone()
    {
        auto* receiver = new Receiver;
        const auto channel = ReplyChannel::to(receiver);
        std::promise<void> gate;
        auto released = gate.get_future().share();
        auto destroyed = std::make_shared<std::atomic<bool>>(false);
        ServiceWorker::start(channel, [released, destroyed](const std::atomic<bool>&) -> QEvent* {
            released.wait();
            return new TrackedEvent(Msg::BalanceReady, destroyed);
        });
        delete receiver;
        QVERIFY(!channel->isOpen());
        gate.set_value();
        QVERIFY(allWorkersDone());
        QCoreApplication::processEvents();
        QVERIFY(destroyed->load());
    }

    void cancelledWorkDeliversNothing()
    {
        Receiver receiver;
        auto cancel = ServiceWorker::newCancelFlag();
        cancel->store(true);
        auto destroyed = std::make_shared<std::atomic<bool>>(false);
        ServiceWorker::start(
            ReplyChannel::to(&receiver),
            [destroyed](const std::atomic<bool>&) -> QEvent* { return new TrackedEvent(Msg::BalanceReady, destroyed); },
            cancel);
        QVERIFY(allWorkersDone());
        QCoreApplication::processEvents();
        QVERIFY(receiver.messages.empty());
        QVERIFY(destroyed->load());
    }

    void cancelFlagAbortsTheServiceCall()
    {
        corvana::test::FakeSoapServer server;
        corvana::test::CannedReply stalled;
        stalled.delay = std::chrono::minutes(10);
        server.setReply(stalled);

        cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
        config.webHost = corvana::test::FakeSoapServer::host();
        config.webPort = server.port();
        config.exchangeTimeoutMs = 10 * 60 * 1000; // only the cancel can end this call in time

        auto status = std::make_shared<std::atomic<int>>(12345);
        auto cancel = ServiceWorker::newCancelFlag();
        ServiceWorker::startCall(
            nullptr,
            [status](CCvService& service) -> QEvent* {
                std::string balance, expiry;
                status->store(service.GetClientBalance("13800138000", "123456", balance, expiry));
                return nullptr;
            },
            config, cancel);
        QVERIFY(server.waitForRequests(1, std::chrono::seconds(10)));
        cancel->store(true);
        QVERIFY(allWorkersDone());
        QCOMPARE(status->load(), -1);
    }

    void loadersDoNothingUnlessSignedIn()
    {
        for (int result : { SessionState::kNotSignedIn, 3 }) {
            SessionState session;
            session.setSignInResult(result);
            Receiver mainWindow;
            auto script = std::make_shared<Script>();
            SessionLoader loader(session, &mainWindow);
            loader.setServiceFactory(factoryFor(script));
            bool addressBookStarted = false;
            loader.setAddressBookLoads([&addressBookStarted] { addressBookStarted = true; });
            loader.LoadBalance();
            loader.LoadCurrentConferences();
            loader.LoadSubscribedConferences();
            loader.LoadMemberProfile();
            loader.StartSessionLoads();
            QCOMPARE(ServiceWorker::running(), 0);
            QCOMPARE(script->created.load(), 0);
            QVERIFY(!addressBookStarted);
            QCoreApplication::processEvents();
            QVERIFY(mainWindow.messages.empty());
        }
    }

    void runningConferencesAreSwappedInBeforeTheMessage()
    {
        SessionState session;
        signIn(session);
        Receiver mainWindow;
        auto script = std::make_shared<Script>();
        script->listText = "1000000001\r周会\r\r2026-01-01T10:00:00\r800\r1,2\r甲,乙\r0\r1\r0\r0\r1\r\r\n"
                           "1000000002\r短\r\n";
        script->listRows = 2;
        SessionLoader loader(session, &mainWindow);
        loader.setServiceFactory(factoryFor(script));

        loader.LoadCurrentConferences();
        QTRY_COMPARE(mainWindow.messages, std::vector<int> { 1074 });
        const ConferenceList& running = session.runningConferences();
        QCOMPARE(running.count(), 2);
        QCOMPARE(running.at(0)->topic, std::string("周会"));
        QCOMPARE(running.at(0)->recording, 1);
        QCOMPARE(running.at(1)->state, int(ConferenceRecord::Running));

        // No running conference any more: the array stays, the count drops, the
        // message still comes.
        {
            std::lock_guard lock(script->mutex);
            script->listText.clear();
            script->listRows = 0;
        }
        loader.LoadCurrentConferences();
        QTRY_COMPARE(mainWindow.messages.size(), size_t(2));
        QCOMPARE(mainWindow.messages[1], 1074);
        QCOMPARE(running.count(), 0);
        QCOMPARE(running.records().size(), size_t(2));
    }

    void bookedConferencesAndBalanceArriveWithTheirNumbers()
    {
        SessionState session;
        signIn(session);
        Receiver mainWindow;
        auto script = std::make_shared<Script>();
        script->listText = "55\r预约\r2026-02-02T09:00:00\r800\r3\r丙\r1\r0\r0\r0\r\n";
        script->listRows = 1;
        SessionLoader loader(session, &mainWindow);
        loader.setServiceFactory(factoryFor(script));

        loader.LoadSubscribedConferences();
        QTRY_COMPARE(mainWindow.messages, std::vector<int> { 1077 });
        QCOMPARE(session.bookedConferences().count(), 1);
        QCOMPARE(session.bookedConferences().at(0)->state, int(ConferenceRecord::NotStartedOrBooked));
        QCOMPARE(session.runningConferences().count(), 0);

        loader.LoadBalance();
        QTRY_COMPARE(mainWindow.messages.size(), size_t(2));
        QCOMPARE(mainWindow.messages[1], 1044);
        QCOMPARE(session.balance(), std::string("88.50"));

        // A failed call still reports, and the last balance stays on show.
        {
            std::lock_guard lock(script->mutex);
            script->status = -1;
            script->balance.clear();
        }
        loader.LoadBalance();
        QTRY_COMPARE(mainWindow.messages.size(), size_t(3));
        QCOMPARE(session.balance(), std::string("88.50"));
        QCOMPARE(session.balanceResult(), -1);
    }

    void theProfileLoadsWithoutAMessage()
    {
        SessionState session;
        signIn(session);
        Receiver mainWindow;
        auto script = std::make_shared<Script>();
        script->profileText = "0\rID9\r2\r1\r\r139\rm@x\r\r\r\r\r\r801\r签名\r\r";
        SessionLoader loader(session, &mainWindow);
        loader.setServiceFactory(factoryFor(script));

        loader.LoadMemberProfile();
        QTRY_COMPARE(session.memberProfile().hostNumber, std::string("801"));
        QCOMPARE(session.memberProfile().sex, 1);
        QCOMPARE(session.memberProfile().smsSignature, std::string("签名"));
        QVERIFY(allWorkersDone());
        QCoreApplication::processEvents();
        QVERIFY(mainWindow.messages.empty());
    }

    void sessionLoadsStartEveryLoader()
    {
        SessionState session;
        signIn(session);
        Receiver mainWindow;
        auto script = std::make_shared<Script>();
        SessionLoader loader(session, &mainWindow);
        loader.setServiceFactory(factoryFor(script));
        int addressBookStarts = 0;
        loader.setAddressBookLoads([&addressBookStarts] { ++addressBookStarts; });

        loader.StartSessionLoads();
        QCOMPARE(addressBookStarts, 1);
        QTRY_COMPARE(mainWindow.messages.size(), size_t(2));
        std::sort(mainWindow.messages.begin(), mainWindow.messages.end());
        QCOMPARE(mainWindow.messages, (std::vector<int> { 1044, 1074 }));
        QVERIFY(allWorkersDone());
        QCOMPARE(script->runningCalls.load(), 1);
        QCOMPARE(script->balanceCalls.load(), 1);
        QCOMPARE(script->profileCalls.load(), 1);
    }

    void aReplyForAnEarlierSessionIsDropped()
    {
        SessionState session;
        signIn(session);
        session.setBalance(0, "1.00", "");
        Receiver mainWindow;
        auto script = std::make_shared<Script>();
        std::promise<void> gate;
        script->gate = gate.get_future().share();
        SessionLoader loader(session, &mainWindow);
        loader.setServiceFactory(factoryFor(script));

        loader.LoadBalance();
        // "更改用户", then another account signs in while the old call is on its way.
        session.setSignInResult(SessionState::kNotSignedIn);
        session.setCredentials("13900139000", "654321");
        session.setSignInResult(SessionState::kSignedIn);
        gate.set_value();
        QVERIFY(allWorkersDone());
        QCoreApplication::processEvents();
        QVERIFY(mainWindow.messages.empty());
        QCOMPARE(session.balance(), std::string("1.00"));
    }

    void aClosedMainWindowMissesOnlyTheMessage()
    {
        SessionState session;
        signIn(session);
        auto* mainWindow = new Receiver;
        auto script = std::make_shared<Script>();
        std::promise<void> gate;
        script->gate = gate.get_future().share();
        SessionLoader loader(session, mainWindow);
        loader.setServiceFactory(factoryFor(script));
        loader.LoadBalance();
        delete mainWindow;
        gate.set_value();
        QTRY_COMPARE(session.balance(), std::string("88.50"));
    }

    void tickerPostsAfterThirtySecondsThenEveryThirtyOne()
    {
        SessionState session;
        Receiver mainWindow;
        auto timer = std::make_unique<ManualTimer>();
        ManualTimer* clock = timer.get();
        BalanceTicker ticker(session, &mainWindow, std::move(timer));
        QVERIFY(!ticker.start()); // not signed in

        signIn(session);
        QVERIFY(ticker.start());
        QVERIFY(!ticker.start()); // one ticker at a time
        clock->advance(29);
        QCoreApplication::processEvents();
        QVERIFY(mainWindow.messages.empty());
        clock->advance(1);
        QCoreApplication::processEvents();
        QCOMPARE(mainWindow.messages, std::vector<int> { 1114 });
        clock->advance(30);
        QCoreApplication::processEvents();
        QCOMPARE(mainWindow.messages.size(), size_t(1));
        clock->advance(1);
        QCoreApplication::processEvents();
        QCOMPARE(mainWindow.messages.size(), size_t(2));

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

private:
    static void signIn(SessionState& session)
    {
        session.setCredentials("13800138000", "123456");
        session.setSignInResult(SessionState::kSignedIn);
    }
};

QTEST_GUILESS_MAIN(WorkersTest)
#include "WorkersTest.moc"
