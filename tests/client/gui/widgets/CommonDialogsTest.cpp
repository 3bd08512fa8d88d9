#include "EventRecorder.h"

#include "demo/ScreenshotGallery.h"
#include "widgets/MeetingListBox.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/OperationListCtrl.h"
#include "widgets/ProgressDialog.h"

#include "core/service/MessageIds.h"
#include "skin/CButtonPNG.h"
#include "skin/Theme.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <thread>

class CommonDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void messageBoxAnswers();
    void messageBoxSeamAnswersWithoutShowing();
    void loneOkMovesRight();
    void progressFinishShowsCounts();
    void progressFinishWithoutCounts();
    void progressStatusFromWorker();
    void progressCancelRaisesFlag();
    void operationWordClickPostsListAndWord();
    void operationClicksOutsideWordsPostNothing();
    void operationWordsShowTheHandCursor();
    void meetingListHoverAndClick();
    void meetingListRows();
    void renderGallery();
};

namespace {

// Runs action once the next modal dialog of type T is showing.
template <typename T> void whenShown(std::function<void(T*)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start(10);
}

} // namespace

void CommonDialogsTest::init()
{
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void CommonDialogsTest::messageBoxAnswers()
{
    {
        MessageBoxDialog box;
        box.set(QStringLiteral("确定删除吗？"), QStringLiteral("提示"), true);
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("messageText"))->text(), QStringLiteral("确定删除吗？"));
        whenShown<MessageBoxDialog>(
            [](MessageBoxDialog* shown) { QTest::mouseClick(shown->okButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), int(MessageBoxDialog::Ok));
    }
    {
        // The close button answers Cancel, even on a box that has no Cancel button.
        MessageBoxDialog box;
        box.set(QStringLiteral("操作成功"), QStringLiteral("提示"), false);
        whenShown<MessageBoxDialog>(
            [](MessageBoxDialog* shown) { QTest::mouseClick(shown->closeButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), int(MessageBoxDialog::Cancel));
    }
    {
        MessageBoxDialog box;
        box.set(QStringLiteral("操作成功"), QStringLiteral("提示"), false);
        whenShown<MessageBoxDialog>([](MessageBoxDialog* shown) { QTest::keyClick(shown, Qt::Key_Return); });
        QCOMPARE(box.exec(), int(MessageBoxDialog::Ok));
    }
}

void CommonDialogsTest::messageBoxSeamAnswersWithoutShowing()
{
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Cancel);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QCOMPARE(MessageBoxDialog::run(nullptr, QStringLiteral("第一个"), QStringLiteral("提示"), true),
        int(MessageBoxDialog::Cancel));
    QCOMPARE(
        MessageBoxDialog::run(nullptr, QStringLiteral("第二个"), QStringLiteral("提示")), int(MessageBoxDialog::Ok));
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
    QCOMPARE(MessageBoxDialog::answeredTexts(), (QStringList { QStringLiteral("第一个"), QStringLiteral("第二个") }));
}

void CommonDialogsTest::loneOkMovesRight()
{
    MessageBoxDialog both;
    both.set(QStringLiteral("a"), QStringLiteral("提示"), true);
    MessageBoxDialog lone;
    lone.set(QStringLiteral("a"), QStringLiteral("提示"), false);
    both.show();
    lone.show();
    QVERIFY(both.cancelButton()->isVisible());
    QVERIFY(!lone.cancelButton()->isVisible());
    QCOMPARE(lone.okButton()->x(), both.okButton()->x() + 50);
    QCOMPARE(lone.okButton()->size(), both.okButton()->size());
    // Switching a box back to two buttons puts OK back in its place.
    lone.set(QStringLiteral("a"), QStringLiteral("提示"), true);
    QCOMPARE(lone.okButton()->x(), both.okButton()->x());
}

void CommonDialogsTest::progressFinishShowsCounts()
{
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    ProgressDialog progress;
    ProgressReporterPtr reporter = progress.reporter();
    // A worker that reports twice still gets one message.
    std::thread worker([reporter] {
        reporter->finish(8, 2);
        reporter->finish(8, 2);
    });
    QCOMPARE(progress.exec(), int(QDialog::Accepted));
    worker.join();
    QCoreApplication::processEvents();
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("成功：8,失败：2") });
}

void CommonDialogsTest::progressFinishWithoutCounts()
{
    ProgressDialog progress;
    QTimer::singleShot(0, &progress, [&progress] { progress.Finish(-1, -1); });
    QCOMPARE(progress.exec(), int(QDialog::Accepted));
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    // Zero is a count too.
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    ProgressDialog again;
    QTimer::singleShot(0, &again, [&again] { again.Finish(0, 0); });
    QCOMPARE(again.exec(), int(QDialog::Accepted));
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("成功：0,失败：0") });
}

void CommonDialogsTest::progressStatusFromWorker()
{
    ProgressDialog progress;
    QCOMPARE(progress.statusText(), QStringLiteral("正在处理中..."));
    QCOMPARE(progress.position(), 0);
    // Two minutes of timer periods leave the bar at 99 until the work ends.
    for (int second = 0; second < 120; ++second)
        progress.creep();
    QCOMPARE(progress.position(), 99);
    progress.show();
    ProgressReporterPtr reporter = progress.reporter();
    std::thread worker([reporter] { reporter->setStatus(3, QStringLiteral("正在导入第3行")); });
    worker.join();
    QTRY_COMPARE(progress.statusText(), QStringLiteral("正在导入第3行"));
}

void CommonDialogsTest::progressCancelRaisesFlag()
{
    ProgressReporterPtr reporter;
    {
        ProgressDialog progress;
        reporter = progress.reporter();
        QVERIFY(!reporter->cancelFlag()->load());
        whenShown<ProgressDialog>([](ProgressDialog* shown) {
            QTest::mouseClick(shown->findChild<CButtonPNG*>(QStringLiteral("cancelButton")), Qt::LeftButton);
        });
        QCOMPARE(progress.exec(), int(QDialog::Rejected));
        QVERIFY(reporter->cancelled());
        // A worker that finishes after the user gave up reports to nobody.
        reporter->finish(5, 0);
        QCoreApplication::processEvents();
        QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    }
    // ... also once the dialog is gone.
    reporter->setStatus(0, QStringLiteral("late"));
    reporter->finish(1, 1);
    QCoreApplication::processEvents();
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
}

namespace {

struct OperationFixture {
    QWidget page;
    EventRecorder recorder;
    OperationListCtrl* list;

    OperationFixture()
        : list(new OperationListCtrl(&page))
    {
        page.resize(520, 200);
        list->setGeometry(0, 0, 520, 200);
        list->setMessageTarget(&recorder);
        list->addColumn(QStringLiteral("会议主题"), 160);
        list->addColumn(QStringLiteral("会议时间"), 140);
        list->addColumn(QStringLiteral("操作"), 160, Qt::AlignCenter);
        list->appendItem({ QStringLiteral("周会"), QStringLiteral("2026-12-07 09:00"), QStringLiteral("删除  呼叫") });
        list->appendItem({ QStringLiteral("例会"), QStringLiteral("2026-12-08 09:00"), QStringLiteral("删除  呼叫") });
        page.show();
    }

    // The centre of word k (of n) of row's operation cell, in viewport coordinates.
    QPoint wordCentre(int row, int k, int n) const
    {
        const QString text = list->itemText(row, 2);
        const int textWidth = list->fontMetrics().horizontalAdvance(text);
        const int start = list->columnLeft(2) + (list->columnWidth(2) - textWidth) / 2;
        const int y = list->visualItemRect(list->item(row, 0)).center().y();
        return { start + textWidth * (2 * k + 1) / (2 * n), y };
    }
};

} // namespace

void CommonDialogsTest::operationWordClickPostsListAndWord()
{
    OperationFixture fixture;
    fixture.list->setListNumber(2);
    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, {}, fixture.wordCentre(1, 1, 2));
    QTRY_COMPARE(fixture.recorder.records.size(), 1);
    const auto click = fixture.recorder.records.first();
    QCOMPARE(click.message, Msg::OperationWordClicked);
    QCOMPARE(click.wParam, 1);
    QCOMPARE(click.lParam, 20001);

    fixture.list->setListNumber(0);
    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, {}, fixture.wordCentre(0, 0, 2));
    QTRY_COMPARE(fixture.recorder.records.size(), 2);
    QCOMPARE(fixture.recorder.records.last().wParam, 0);
    QCOMPARE(fixture.recorder.records.last().lParam, 0);
}

void CommonDialogsTest::operationClicksOutsideWordsPostNothing()
{
    OperationFixture fixture;
    const int y = fixture.list->visualItemRect(fixture.list->item(0, 0)).center().y();
    // Another column, the margin of the operation column, below the last row.
    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, {}, QPoint(40, y));
    QCoreApplication::processEvents();
    QCOMPARE(fixture.recorder.records.size(), 0);
    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, {}, QPoint(fixture.list->columnLeft(2) + 3, y));
    QCoreApplication::processEvents();
    QCOMPARE(fixture.recorder.records.size(), 0);
    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, {}, QPoint(fixture.wordCentre(0, 0, 2).x(), 190));
    QCoreApplication::processEvents();
    QCOMPARE(fixture.recorder.records.size(), 0);
}

void CommonDialogsTest::operationWordsShowTheHandCursor()
{
    OperationFixture fixture;
    QTest::mouseMove(fixture.list->viewport(), fixture.wordCentre(1, 1, 2));
    QTRY_COMPARE(fixture.list->viewport()->cursor().shape(), Qt::PointingHandCursor);
    const int y = fixture.wordCentre(1, 1, 2).y();
    QTest::mouseMove(fixture.list->viewport(), QPoint(fixture.list->columnLeft(2) + 2, y));
    QTRY_COMPARE(fixture.list->viewport()->cursor().shape(), Qt::ArrowCursor);
}

void CommonDialogsTest::meetingListHoverAndClick()
{
    QWidget panel;
    panel.resize(280, 300);
    auto* list = new MeetingListBox(&panel);
    list->setGeometry(0, 0, 280, 300);
    EventRecorder recorder;
    list->setMessageTarget(&recorder);
    list->addRow(0, QStringLiteral("周会"), QString(), QStringLiteral("2026-12-07 09:00"), 7);
    list->addRow(0, QStringLiteral("例会"), QString(), QStringLiteral("2026-12-08 09:00"), 8);
    panel.show();

    const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseMove(list->viewport(), second);
    QTRY_COMPARE(list->currentIndex().row(), 1);
    QVERIFY(list->selectionModel()->isRowSelected(1));
    QVERIFY(!list->selectionModel()->isRowSelected(0));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QTRY_COMPARE(recorder.records.size(), 1);
    QCOMPARE(recorder.records.first().message, Msg::OpenRunningConference);
    QCOMPARE(recorder.records.first().wParam, 0);
    QCOMPARE(recorder.records.first().lParam, 1);

    list->setKind(MeetingListBox::Booked);
    const QPoint first = list->visualRect(list->model()->index(0, 0)).center();
    QTest::mouseMove(list->viewport(), first);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTRY_COMPARE(recorder.records.size(), 2);
    QCOMPARE(recorder.records.last().message, Msg::OpenBookedConference);
    QCOMPARE(recorder.records.last().wParam, 1);
    QCOMPARE(recorder.records.last().lParam, 0);

    // Below the rows nothing is selected and a click opens nothing.
    QTest::mouseMove(list->viewport(), QPoint(100, 280));
    QTRY_VERIFY(!list->selectionModel()->hasSelection());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(100, 280));
    QCoreApplication::processEvents();
    QCOMPARE(recorder.records.size(), 2);
}

void CommonDialogsTest::meetingListRows()
{
    MeetingListBox list;
    QCOMPARE(list.addRow(1, QStringLiteral("甲"), QStringLiteral("x"), QStringLiteral("09:00"), 10), 0);
    QCOMPARE(list.addRow(3, QStringLiteral("乙"), QString(), QStringLiteral("10:00"), 20), 1);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.row(1).key, 20);
    QCOMPARE(list.row(1).thirdText, QStringLiteral("10:00"));
    QCOMPARE(list.row(0).secondText, QStringLiteral("x"));
    QCOMPARE(list.sizeHintForRow(0), MeetingListBox::kRowHeight);
    QCOMPARE(list.row(5).key, 0); // past the rows: an empty row
    list.clearRows();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.row(0).key, 0);
}

void CommonDialogsTest::renderGallery()
{
    const QString folder = qEnvironmentVariable("CORVANA_DIALOG_GALLERY");
    if (folder.isEmpty())
        QSKIP("set CORVANA_DIALOG_GALLERY to a folder to render the dialogs");
    QCOMPARE(ScreenshotGallery::renderCommonDialogs(folder).size(), 7);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    skin::Theme::apply(app);
    CommonDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CommonDialogsTest.moc"
