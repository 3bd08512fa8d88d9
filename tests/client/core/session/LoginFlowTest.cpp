#include "core/session/LoginFlow.h"

#include <QTest>

// The sign-in attempt's bookkeeping: its own time budget, loads started once.
class LoginFlowTest : public QObject {
    Q_OBJECT
private slots:
    void timesOutAfterItsOwnBudget();
    void startsLoadsOnceOnSuccess();
    void timeoutComesFromEnvironment();
};

void LoginFlowTest::timesOutAfterItsOwnBudget()
{
    LoginFlow flow(1000); // five ticks
    QCOMPARE(flow.timeoutTicks(), 5);
    flow.press();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(flow.tick(-1), LoginFlow::Tick::Wait);
    // A cancel and a new attempt start the budget over.
    flow.press();
    flow.press();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(flow.tick(-1), LoginFlow::Tick::Wait);
    QCOMPARE(flow.tick(-1), LoginFlow::Tick::TimedOut);
    QVERIFY(!flow.running());
    QVERIFY(flow.cancelled());
    QCOMPARE(flow.ticks(), 0);
}

void LoginFlowTest::startsLoadsOnceOnSuccess()
{
    LoginFlow flow(1000);
    flow.press();
    QCOMPARE(flow.tick(-1), LoginFlow::Tick::Wait);
    QCOMPARE(flow.tick(0), LoginFlow::Tick::StartLoads);
    QCOMPARE(flow.tick(0), LoginFlow::Tick::SignedIn);
    QVERIFY(flow.running());
    QVERIFY(flow.loadsStarted());
    // Success does not stop the clock: the contact groups must arrive in time.
    QCOMPARE(flow.tick(0), LoginFlow::Tick::SignedIn);
    QCOMPARE(flow.tick(0), LoginFlow::Tick::SignedIn);
    QCOMPARE(flow.tick(0), LoginFlow::Tick::TimedOut);
    // The next attempt starts its loads again.
    flow.press();
    QVERIFY(!flow.loadsStarted());
    QCOMPARE(flow.tick(0), LoginFlow::Tick::StartLoads);
}

void LoginFlowTest::timeoutComesFromEnvironment()
{
    qunsetenv("CORVANA_LOGIN_TIMEOUT_MS");
    QCOMPARE(LoginFlow::timeoutMsFromEnvironment(), 60000);
    QCOMPARE(LoginFlow().timeoutTicks(), 300);
    qputenv("CORVANA_LOGIN_TIMEOUT_MS", "600");
    QCOMPARE(LoginFlow().timeoutTicks(), 3);
    qputenv("CORVANA_LOGIN_TIMEOUT_MS", "nonsense");
    QCOMPARE(LoginFlow::timeoutMsFromEnvironment(), 60000);
    qputenv("CORVANA_LOGIN_TIMEOUT_MS", "-5");
    QCOMPARE(LoginFlow::timeoutMsFromEnvironment(), 60000);
    qunsetenv("CORVANA_LOGIN_TIMEOUT_MS");
}

QTEST_GUILESS_MAIN(LoginFlowTest)
#include "LoginFlowTest.moc"
