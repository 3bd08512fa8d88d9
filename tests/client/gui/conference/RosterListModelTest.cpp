#include "conference/JoinedListModel.h"
#include "conference/WaitingListModel.h"

#include "core/conference/LiveRoster.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>

namespace {

using namespace std::chrono_literals;

std::string item(const std::string& name, const std::string& phone, int callstate, int speakstate = 1, int talker = 0)
{
    return name + "|" + phone + "|" + std::to_string(callstate) + "|" + std::to_string(speakstate) + "|"
        + std::to_string(talker);
}

ContactRecord participant(const std::string& name, const std::string& phone)
{
    ContactRecord record;
    record.addressname = name;
    record.phone = phone;
    return record;
}

// Every signal by which a model tells a view that it changed, as short lines:
// "data 3-3 0-3" (rows, columns), "insert 0-0", "remove 2-2", "reset", "layout", "move".
class ModelLog : public QObject {
public:
    explicit ModelLog(QAbstractItemModel& model)
    {
        connect(&model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& a, const QModelIndex& b) {
            lines << QStringLiteral("data %1-%2 %3-%4").arg(a.row()).arg(b.row()).arg(a.column()).arg(b.column());
        });
        connect(&model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
            lines << QStringLiteral("insert %1-%2").arg(first).arg(last);
        });
        connect(&model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
            lines << QStringLiteral("remove %1-%2").arg(first).arg(last);
        });
        connect(&model, &QAbstractItemModel::modelReset, this, [this] { lines << QStringLiteral("reset"); });
        connect(&model, &QAbstractItemModel::layoutChanged, this, [this] { lines << QStringLiteral("layout"); });
        connect(&model, &QAbstractItemModel::rowsMoved, this, [this] { lines << QStringLiteral("move"); });
        connect(&model, &QAbstractItemModel::headerDataChanged, this, [this] { lines << QStringLiteral("header"); });
    }

    QStringList take() { return std::exchange(lines, {}); }

    QStringList lines;
};

} // namespace

// The instant page's two list models over a live roster.
class RosterListModelTest : public QObject {
    Q_OBJECT
private:
    std::chrono::steady_clock::time_point m_steady {};
    std::unique_ptr<LiveRoster> m_roster;
    std::unique_ptr<WaitingListModel> m_waiting;
    std::unique_ptr<JoinedListModel> m_joined;
    std::unique_ptr<QAbstractItemModelTester> m_waitingTester;
    std::unique_ptr<QAbstractItemModelTester> m_joinedTester;

    QString cell(const QAbstractItemModel& model, int row, int column, int role = Qt::DisplayRole) const
    {
        return model.index(row, column).data(role).toString();
    }

private slots:
    void init()
    {
        m_steady = {};
        m_roster = std::make_unique<LiveRoster>(RosterClock {
            [this] { return m_steady; }, [] { return std::chrono::system_clock::time_point {} + 1000h; } });
        m_waiting = std::make_unique<WaitingListModel>(*m_roster);
        m_joined = std::make_unique<JoinedListModel>(*m_roster);
        const auto mode = QAbstractItemModelTester::FailureReportingMode::QtTest;
        m_waitingTester = std::make_unique<QAbstractItemModelTester>(m_waiting.get(), mode);
        m_joinedTester = std::make_unique<QAbstractItemModelTester>(m_joined.get(), mode);
    }

    void cleanup()
    {
        m_waitingTester.reset();
        m_joinedTester.reset();
        m_joined.reset();
        m_waiting.reset();
        m_roster.reset();
    }

    void cellsReadTheRosterRows()
    {
        m_roster->add(participant("张三", "13800138000"));
        QCOMPARE(m_waiting->columnCount(), 3);
        QCOMPARE(m_waiting->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("操作"));
        QCOMPARE(cell(*m_waiting, 0, WaitingListModel::NameColumn), QStringLiteral("张三"));
        QCOMPARE(cell(*m_waiting, 0, WaitingListModel::OperationColumn), QStringLiteral("删除"));

        m_roster->loadRunning();
        m_roster->applyMemberList(item("李四", "13900139000", 1, 2) + "," + item("张三", "13800138000", 3));
        QCOMPARE(cell(*m_waiting, 0, WaitingListModel::OperationColumn), QStringLiteral("删除  呼叫"));
        QCOMPARE(m_joined->columnCount(), 4);
        QCOMPARE(m_joined->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("状态"));
        QCOMPARE(cell(*m_joined, 0, JoinedListModel::PhoneColumn), QStringLiteral("13900139000"));
        QCOMPARE(cell(*m_joined, 0, JoinedListModel::StatusColumn), QStringLiteral("禁言"));
        QCOMPARE(cell(*m_joined, 0, JoinedListModel::OperationColumn), QStringLiteral("发言  挂断"));
        QVERIFY(cell(*m_joined, 0, JoinedListModel::StatusColumn, Qt::ToolTipRole)
                    .startsWith(QStringLiteral("加入时间：")));
    }

    void oneChangedMemberIsOneDataChangedRow()
    {
        m_roster->loadRunning();
        std::string list;
        for (int i = 0; i < 30; ++i)
            list += (i ? "," : "") + item("m", std::to_string(2000000 + i), i % 3 ? 1 : 3);
        m_roster->applyMemberList(list);
        ModelLog waiting(*m_waiting);
        ModelLog joined(*m_joined);

        const std::string changed = item("m", std::to_string(2000000 + 7), 1, 2);
        list.replace(list.find(item("m", "2000007", 1)), changed.size(), changed);
        m_roster->applyMemberList(list);
        const int row = m_roster->rowOf(RosterList::Joined, "2000007");
        QCOMPARE(joined.take(), QStringList { QStringLiteral("data %1-%1 0-3").arg(row) });
        QCOMPARE(waiting.take(), QStringList {});
        QCOMPARE(cell(*m_joined, row, JoinedListModel::StatusColumn), QStringLiteral("禁言"));
    }

    void aMoveIsOneRemovalAndOneInsertion()
    {
        m_roster->add(participant("张三", "13800138000"));
        m_roster->add(participant("李四", "13900139000"));
        m_roster->loadRunning();
        ModelLog waiting(*m_waiting);
        ModelLog joined(*m_joined);

        m_roster->applyMemberList(item("张三", "13800138000", 1));
        QCOMPARE(waiting.take(), QStringList { QStringLiteral("remove 0-0") });
        QCOMPARE(joined.take(), QStringList { QStringLiteral("insert 0-0") });

        m_roster->applyMemberList(item("张三", "13800138000", 2));
        QCOMPARE(joined.take(), QStringList { QStringLiteral("remove 0-0") });
        QCOMPARE(waiting.take(), QStringList { QStringLiteral("insert 1-1") });
        QCOMPARE(cell(*m_waiting, 1, WaitingListModel::OperationColumn), QStringLiteral("删除  呼叫"));

        // A click that flips the operation cell changes that row only.
        QVERIFY(m_roster->clickWord(RosterList::Waiting, 1, 1).has_value());
        QCOMPARE(waiting.take(), QStringList { QStringLiteral("data 1-1 0-2") });
        QCOMPARE(cell(*m_waiting, 1, WaitingListModel::OperationColumn), QStringLiteral("删除  挂断"));
    }

    // A member list that brings many members shows them as one insertion per run of
    // appended rows; a row leaving the list in between first shows the rows held so
    // far, so that the views always see the roster's own row numbers.
    void membersArrivingTogetherAreOneInsertion()
    {
        m_roster->loadRunning();
        m_roster->applyMemberList(item("a", "2000000", 1) + "," + item("b", "2000001", 1));
        ModelLog joined(*m_joined);

        std::string list;
        for (int i = 2; i < 40; ++i)
            list += (i > 2 ? "," : "") + item("m", std::to_string(2000000 + i), 1);
        m_roster->applyMemberList(list);
        QCOMPARE(joined.take(), QStringList { QStringLiteral("insert 2-39") });
        QCOMPARE(m_joined->rowCount(), 40);
        QCOMPARE(cell(*m_joined, 39, JoinedListModel::PhoneColumn), QStringLiteral("2000039"));

        m_roster->applyMemberList(item("n", "3000000", 1) + "," + item("a", "2000000", 3) + ","
            + item("o", "3000001", 1) + "," + item("p", "3000002", 1));
        QCOMPARE(joined.take(),
            (QStringList {
                QStringLiteral("insert 40-40"), QStringLiteral("remove 0-0"), QStringLiteral("insert 40-41") }));
        QCOMPARE(m_joined->rowCount(), m_roster->rowCount(RosterList::Joined));
        QCOMPARE(cell(*m_joined, 41, JoinedListModel::PhoneColumn), QStringLiteral("3000002"));
    }

    void aNewFilterResetsBothLists()
    {
        m_roster->add(participant("张三", "13800138000"));
        m_roster->loadRunning();
        m_roster->applyMemberList(item("李四", "13900139000", 1));
        ModelLog waiting(*m_waiting);
        ModelLog joined(*m_joined);
        m_roster->setFilter("李");
        QCOMPARE(waiting.take(), QStringList { QStringLiteral("reset") });
        QCOMPARE(joined.take(), QStringList { QStringLiteral("reset") });
        QCOMPARE(m_waiting->rowCount(), 0);
        QCOMPARE(m_joined->rowCount(), 1);
    }

    void theSpeakingMarkEndsWhenTheHoldTimerFires()
    {
        m_roster->loadRunning();
        m_roster->applyMemberList(item("张三", "13800138000", 1, 1, 1) + "," + item("李四", "13900139000", 1));
        const QModelIndex name = m_joined->index(0, JoinedListModel::NameColumn);
        QCOMPARE(name.data(JoinedListModel::SpeakingRole).toBool(), true);
        QCOMPARE(m_joined->index(1, JoinedListModel::NameColumn).data(JoinedListModel::SpeakingRole).toBool(), false);
        auto* timer = m_joined->findChild<QTimer*>(QStringLiteral("speakingHoldTimer"));
        QVERIFY(timer);
        QVERIFY(!timer->isActive());

        ModelLog joined(*m_joined);
        m_roster->applyMemberList(item("张三", "13800138000", 1, 1, 0) + "," + item("李四", "13900139000", 1));
        QCOMPARE(joined.take(), QStringList {});
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 2000);
        QCOMPARE(name.data(JoinedListModel::SpeakingRole).toBool(), true);

        // Fired early, the timer finds nothing due and waits for the rest.
        m_steady += 1500ms;
        timer->start(0);
        QTRY_COMPARE(timer->interval(), 500);
        QCOMPARE(joined.take(), QStringList {});

        m_steady += 500ms;
        timer->start(0);
        QTRY_COMPARE(joined.lines, QStringList { QStringLiteral("data 0-0 0-3") });
        QCOMPARE(name.data(JoinedListModel::SpeakingRole).toBool(), false);
        QVERIFY(!timer->isActive());
    }

    void emptyingThePageResetsBothModels()
    {
        m_roster->loadRunning();
        m_roster->add(participant("张三", "13800138000"));
        m_roster->applyMemberList(item("李四", "13900139000", 1));
        ModelLog waiting(*m_waiting);
        ModelLog joined(*m_joined);
        m_roster->conferenceEnded("0");
        QCOMPARE(joined.take(), QStringList { QStringLiteral("remove 0-0") });
        const QStringList expected { QStringLiteral("insert 1-1"), QStringLiteral("data 0-0 0-2") };
        QCOMPARE(waiting.take(), expected);
        m_roster->clear();
        QCOMPARE(waiting.take(), QStringList { QStringLiteral("reset") });
        QCOMPARE(m_waiting->rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(RosterListModelTest)
#include "RosterListModelTest.moc"
