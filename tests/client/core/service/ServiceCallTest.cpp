#include "core/service/ServiceCall.h"
#include "core/service/MessageIds.h"
#include "core/session/SessionState.h"

#include "FakeSoapServer.h"
#include "cvsrv/CUtility.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <future>

namespace {

constexpr auto kJobTimeout = std::chrono::seconds(20);

struct RoomReply {
    std::string text;
    QThread* builtOn = nullptr;
};

// Records the numbered events it receives, with the thread they arrived on.
class Receiver : public QObject {
public:
    std::vector<int> messages;
    std::vector<RoomReply> replies;
    QThread* deliveredOn = nullptr;

protected:
    bool event(QEvent* event) override
    {
        auto* appEvent = dynamic_cast<AppEvent*>(event);
        if (!appEvent)
            return QObject::event(event);
        messages.push_back(appEvent->message());
        deliveredOn = QThread::currentThread();
        if (const auto* reply = appEvent->payload<RoomReply>())
            replies.push_back(*reply);
        return true;
    }
};

void signIn(SessionState& session)
{
    session.setCredentials("13800138000", "123456");
    session.setSignInResult(SessionState::kSignedIn);
}

// A job that waits at a gate, so a test can change the world while it runs.
auto gatedJob(std::shared_future<void> gate, std::string text)
{
    return [gate = std::move(gate), text = std::move(text)](CCvService&, const Credentials&) {
        gate.wait();
        return RoomReply { text, QThread::currentThread() };
    };
}

cvsrv::ServiceConfig configFor(const corvana::test::FakeSoapServer& server)
{
    cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    config.webHost = corvana::test::FakeSoapServer::host();
    config.webPort = server.port();
    return config;
}

} // namespace

class ServiceCallTest : public QObject {
    Q_OBJECT

private slots:
    void aReplyArrivesOnTheGuiThreadAsItsNumberedEvent()
    {
        SessionState session;
        signIn(session);
        Receiver receiver;
        auto* calls = new ServiceCall(session, &receiver);
        QSignalSpy finished(calls, &ServiceCall::finished);
        calls->start(Msg::RoomInfoReady, [](CCvService&, const Credentials&) {
            return RoomReply { "room", QThread::currentThread() };
        });
        QTRY_COMPARE(receiver.messages, std::vector<int> { Msg::RoomInfoReady });
        QCOMPARE(receiver.replies.at(0).text, std::string("room"));
        QVERIFY(receiver.replies.at(0).builtOn != QThread::currentThread());
        QCOMPARE(receiver.deliveredOn, QThread::currentThread());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!calls->anyBusy());
    }

    void aReplyIsDroppedWhenTheReceiverIsGone()
    {
        SessionState session;
        signIn(session);
        auto* receiver = new Receiver;
        std::promise<void> gate;
        auto* calls = new ServiceCall(session, receiver);
        calls->start(Msg::RoomInfoReady, gatedJob(gate.get_future().share(), "late"));
        delete receiver; // takes its ServiceCall with it
        gate.set_value();
        QVERIFY(ServiceCall::waitForAll(kJobTimeout));
        QCoreApplication::processEvents(); // nothing left to deliver, nothing to crash on
    }

    void aReplyIsDroppedWhenTheSessionChangedMeanwhile()
    {
        for (bool signOut : { false, true }) {
            SessionState session;
            signIn(session);
            Receiver receiver;
            auto* calls = new ServiceCall(session, &receiver);
            QSignalSpy finished(calls, &ServiceCall::finished);
            std::promise<void> gate;
            calls->start(Msg::RoomInfoReady, gatedJob(gate.get_future().share(), "old session"));
            if (signOut)
                session.endSession();
            else
                session.setCredentials("13900139000", "654321"); // another account's attempt
            gate.set_value();
            QTRY_COMPARE(finished.count(), 1);
            QVERIFY(receiver.messages.empty());

            // A call made for the new session is delivered.
            calls->start(Msg::RoomInfoReady, gatedJob(std::async([] {}).share(), "new session"));
            QTRY_COMPARE(receiver.messages.size(), std::size_t(1));
        }
    }

    void cancellingStopsTheTransferAndDropsTheReply()
    {
        corvana::test::FakeSoapServer server;
        corvana::test::CannedReply stalled;
        stalled.delay = std::chrono::minutes(10);
        server.setReply(stalled);
        cvsrv::ServiceConfig config = configFor(server);
        config.exchangeTimeoutMs = 10 * 60 * 1000; // only the cancel can end this call in time

        SessionState session;
        signIn(session);
        Receiver receiver;
        auto* calls = new ServiceCall(session, &receiver);
        calls->setConfig(config);
        auto status = std::make_shared<std::atomic<int>>(12345);
        calls->start(Msg::BalanceReady, [status](CCvService& service, const Credentials& who) {
            std::string balance, expiry;
            status->store(service.GetClientBalance(who.account.c_str(), who.password.c_str(), balance, expiry));
            return 0;
        });
        QVERIFY(server.waitForRequests(1, std::chrono::seconds(10)));
        calls->cancelAll();
        QVERIFY(ServiceCall::waitForAll(kJobTimeout));
        QCOMPARE(status->load(), -1);
        QTRY_VERIFY(!calls->anyBusy());
        QVERIFY(receiver.messages.empty());
    }

    void anExclusiveJobRunsOnceAtATime()
    {
        SessionState session;
        signIn(session);
        Receiver receiver;
        auto* calls = new ServiceCall(session, &receiver);
        std::promise<void> gate;
        const auto released = gate.get_future().share();
        QVERIFY(calls->startExclusive(Msg::ContactsReady, gatedJob(released, "first")));
        QVERIFY(calls->isBusy(Msg::ContactsReady));
        QVERIFY(!calls->startExclusive(Msg::ContactsReady, gatedJob(released, "second")));
        QVERIFY(calls->startExclusive(Msg::ContactGroupsReady, gatedJob(released, "other kind")));
        gate.set_value();
        QTRY_COMPARE(receiver.messages.size(), std::size_t(2));
        QVERIFY(!calls->isBusy(Msg::ContactsReady));
        QVERIFY(calls->startExclusive(Msg::ContactsReady, gatedJob(released, "again")));
        QTRY_COMPARE(receiver.messages.size(), std::size_t(3));
    }

    void credentialsAreConvertedAsTheSignInConvertsThem()
    {
        const std::string previous = CUtility::AnsiCodePage();
        CUtility::SetAnsiCodePage("CP936");
        SessionState session;
        session.setCredentials("测试帐号", "密码");
        session.setSignInResult(SessionState::kSignedIn);
        Receiver receiver;
        auto* calls = new ServiceCall(session, &receiver);
        calls->start(Msg::RoomInfoReady, [](CCvService&, const Credentials& who) {
            return RoomReply { who.account + "|" + who.password, nullptr };
        });
        QTRY_COMPARE(receiver.replies.size(), std::size_t(1));
        const CUtility utility;
        const std::string expected = utility.Utf8toAnsi("测试帐号") + "|" + utility.Utf8toAnsi("密码");
        CUtility::SetAnsiCodePage(previous);
        QCOMPARE(receiver.replies.at(0).text, expected);
        QVERIFY(expected != "测试帐号|密码"); // the conversion really happened
    }

    void aProgressDialogSeesTheJobAndCancelsIt()
    {
        SessionState session;
        signIn(session);
        Receiver receiver;
        auto* calls = new ServiceCall(session, &receiver);

        auto done = std::make_shared<ProgressReporter>();
        calls->startWithProgress(
            Msg::SmsImportFinished, done, [](CCvService&, const Credentials&, ProgressReporter& progress) {
                progress.setStatus(0, QStringLiteral("正在导入"));
                return RoomReply { "imported", nullptr };
            });
        QTRY_COMPARE(receiver.messages.size(), std::size_t(1));
        QVERIFY(done->finished()); // the dialog closes with the job
        QCOMPARE(done->status(), QStringLiteral("正在导入"));

        auto cancelled = std::make_shared<ProgressReporter>();
        std::promise<void> gate;
        calls->startWithProgress(Msg::SmsImportFinished, cancelled,
            [released = gate.get_future().share()](CCvService&, const Credentials&, ProgressReporter&) {
                released.wait();
                return RoomReply { "cancelled", nullptr };
            });
        cancelled->cancel(); // the dialog's Cancel
        gate.set_value();
        QVERIFY(ServiceCall::waitForAll(kJobTimeout));
        QTRY_VERIFY(!calls->anyBusy());
        QCOMPARE(receiver.messages.size(), std::size_t(1));
    }
};

QTEST_GUILESS_MAIN(ServiceCallTest)
#include "ServiceCallTest.moc"
