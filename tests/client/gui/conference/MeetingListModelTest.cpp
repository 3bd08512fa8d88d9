#include "conference/MeetingListModel.h"

#include "core/conference/ConferenceList.h"
#include "widgets/MeetingListBox.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

ConferenceRecord conference(std::string id, std::string topic)
{
    ConferenceRecord record;
    record.conferenceId = std::move(id);
    record.topic = std::move(topic);
    record.meetingTime = "2026-03-04T09:30:00";
    return record;
}

MeetingListItem itemAt(const MeetingListModel& model, int row)
{
    return model.index(row, 0).data(MeetingListBox::ItemRole).value<MeetingListItem>();
}

} // namespace

// The meetings panel's rows over the session's conference lists.
class MeetingListModelTest : public QObject {
    Q_OBJECT
private slots:
    void rowsNameTheirConferenceAlsoWhenFiltered()
    {
        ConferenceList running;
        running.replace({ conference("1001", "周会"), conference("1002", "月会"), conference("1003", "周报") }, 3);
        ConferenceList booked;
        booked.replace({ conference("7", "预约") }, 1);
        MeetingListModel model(running, booked, MeetingListBox::Running);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        model.rebuild();
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(itemAt(model, 1).firstText, QStringLiteral("月会"));
        QCOMPARE(itemAt(model, 1).thirdText, QStringLiteral("2026-03-04 09:30:00"));

        model.setFilter(QStringLiteral("周"));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.recordIndex(1), 2); // "周报" is the third conference of the list
        QCOMPARE(itemAt(model, 1).key, 2);
        QCOMPARE(model.recordIndex(2), -1);

        model.setKind(MeetingListBox::Booked);
        QCOMPARE(model.rowCount(), 0); // the filter still applies
        model.setFilter(QString());
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(itemAt(model, 0).image, 1);
    }

    void untitledConferencesAndTheTimeTextAreFilteredAsShown()
    {
        ConferenceList running;
        ConferenceRecord untitled = conference("2001", "");
        untitled.meetingTime = "2026-12-07T18:05:09.123";
        running.replace({ untitled, conference("2002", "Board") }, 2);
        ConferenceList booked;
        MeetingListModel model(running, booked, MeetingListBox::Running);
        model.rebuild();
        QCOMPARE(itemAt(model, 0).firstText, QStringLiteral("(无主题)"));
        QCOMPARE(itemAt(model, 0).thirdText, QStringLiteral("2026-12-07 18:05:09"));

        model.setFilter(QStringLiteral("12-07 18"));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.recordIndex(0), 0);
        model.setFilter(QStringLiteral("无主题"));
        QCOMPARE(model.rowCount(), 1);
        model.setFilter(QStringLiteral("board"));
        QCOMPARE(model.recordIndex(0), 1);
        // The time text is cut to 19 characters before the filter reads it.
        model.setFilter(QStringLiteral(".123"));
        QCOMPARE(model.rowCount(), 0);
    }

    void aReloadResetsTheRowsBeforeTheViewReadsThem()
    {
        ConferenceList running;
        ConferenceList booked;
        running.replace({ conference("1", "a"), conference("2", "b") }, 2);
        MeetingListModel model(running, booked, MeetingListBox::Running);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuild();
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        // The list shrinks: rows past its count are gone once the model is rebuilt.
        running.setCount(1);
        model.rebuild();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(!model.index(1, 0).isValid());
    }
};

QTEST_GUILESS_MAIN(MeetingListModelTest)
#include "MeetingListModelTest.moc"
