#include "EventRecorder.h"

#include "widgets/OperationListCtrl.h"

#include "core/service/MessageIds.h"

#include <QAbstractTableModel>
#include <QStandardItemModel>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

// The operation list as a view over the pages' list models.
class OperationListCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void clickFollowsTheModelRows();
    void operationColumnByTitleOrChoice();
    void operationWordsDrawnCentred();
    void topicTooltipOverModel();
};

namespace {

// Shaped like the instant page's member lists: typed rows, one-row updates, no
// resets. Every cell asks to be left-aligned, as a careless model might.
class MemberModel : public QAbstractTableModel {
public:
    struct Member {
        QString name;
        QString phone;
        QString operation;
    };

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_members.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        const Member& member = m_members.at(index.row());
        return index.column() == 0 ? member.name : index.column() == 1 ? member.phone : member.operation;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return QStringList { QStringLiteral("姓名"), QStringLiteral("电话"), QStringLiteral("操作") }.value(section);
    }

    void insert(int row, const Member& member)
    {
        beginInsertRows({}, row, row);
        m_members.insert(row, member);
        endInsertRows();
    }

    void remove(int row)
    {
        beginRemoveRows({}, row, row);
        m_members.removeAt(row);
        endRemoveRows();
    }

    void setOperation(int row, const QString& text)
    {
        m_members[row].operation = text;
        emit dataChanged(index(row, 2), index(row, 2), { Qt::DisplayRole });
    }

private:
    QList<Member> m_members;
};

struct Fixture {
    QWidget page;
    EventRecorder recorder;
    OperationListCtrl* list;

    explicit Fixture(QAbstractItemModel* model, const QList<int>& widths)
        : list(new OperationListCtrl(&page))
    {
        page.resize(520, 220);
        list->setGeometry(0, 0, 520, 220);
        list->setMessageTarget(&recorder);
        list->setColumnWidths(widths);
        list->setModel(model);
        page.show();
    }

    // The centre of word k (of n) of the cell, in viewport coordinates.
    QPoint wordCentre(int row, int column, int k, int n) const
    {
        const int textWidth = list->fontMetrics().horizontalAdvance(list->itemText(row, column));
        const int start = list->columnLeft(column) + (list->columnWidth(column) - textWidth) / 2;
        const int y = list->visualRect(list->model()->index(row, 0)).center().y();
        return { start + textWidth * (2 * k + 1) / (2 * n), y };
    }

    // The list number and word the click posted, or {-1, -1} when it posted nothing.
    std::pair<qintptr, qintptr> click(const QPoint& at)
    {
        recorder.records.clear();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        if (recorder.records.size() != 1 || recorder.records.first().message != Msg::OperationWordClicked)
            return { -1, -1 };
        return { recorder.records.first().wParam, recorder.records.first().lParam };
    }
};

using Posted = std::pair<qintptr, qintptr>;

} // namespace

void OperationListCtrlTest::init()
{
    QToolTip::hideText();
}

void OperationListCtrlTest::clickFollowsTheModelRows()
{
    MemberModel members;
    members.insert(0, { QStringLiteral("张三"), QStringLiteral("13800000001"), QStringLiteral("删除  呼叫") });
    members.insert(1, { QStringLiteral("李四"), QStringLiteral("13800000002"), QStringLiteral("删除") });
    members.insert(2, { QStringLiteral("王五"), QStringLiteral("13800000003"), QStringLiteral("删除  挂断") });
    members.insert(3, { QStringLiteral("赵六"), QStringLiteral("13800000004"), QStringLiteral("禁言  挂断") });
    Fixture fixture(&members, { 90, 120, 160 });
    fixture.list->setListNumber(1);
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.page));

    // A member above leaves: row 2 is now 赵六's, and its second word is posted.
    members.remove(0);
    QCOMPARE(fixture.list->itemText(2, 0), QStringLiteral("赵六"));
    QCOMPARE(fixture.click(fixture.wordCentre(2, 2, 1, 2)), Posted(2, 10001));
    QCOMPARE(fixture.click(fixture.wordCentre(2, 2, 0, 2)), Posted(2, 10000));

    // One row's new text: the hit-test splits what the model now says.
    members.setOperation(2, QStringLiteral("发言  挂断  移除"));
    QCOMPARE(fixture.click(fixture.wordCentre(2, 2, 2, 3)), Posted(2, 10002));

    // A member arriving on top moves 赵六 down; row 2 is 王五's.
    members.insert(0, { QStringLiteral("孙七"), QStringLiteral("13800000005"), QStringLiteral("删除  呼叫") });
    QCOMPARE(fixture.click(fixture.wordCentre(3, 2, 1, 3)), Posted(3, 10001));
    QCOMPARE(fixture.click(fixture.wordCentre(2, 2, 1, 2)), Posted(2, 10001));
    // A single word answers anywhere in its column; other columns never do.
    const int y = fixture.wordCentre(1, 2, 0, 1).y();
    QCOMPARE(fixture.click(QPoint(fixture.list->columnLeft(2) + 4, y)), Posted(1, 10000));
    QCOMPARE(fixture.click(QPoint(fixture.list->columnLeft(1) + 4, y)), Posted(-1, -1));

    // The hand shows over the words as the first row measures them.
    QTest::mouseMove(fixture.list->viewport(), fixture.wordCentre(3, 2, 1, 3));
    QTRY_COMPARE(fixture.list->viewport()->cursor().shape(), Qt::PointingHandCursor);
}

void OperationListCtrlTest::operationColumnByTitleOrChoice()
{
    QStandardItemModel meetings(0, 3);
    meetings.setHorizontalHeaderLabels(
        { QStringLiteral("会议主题"), QStringLiteral("操作"), QStringLiteral("主持号码") });
    meetings.appendRow({ new QStandardItem(QStringLiteral("周会")), new QStandardItem(QStringLiteral("删除  呼叫")),
        new QStandardItem(QStringLiteral("13800000001")) });
    Fixture fixture(&meetings, { 140, 160, 140 });
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.page));

    // "操作" is not the last column: its words answer, the last column does not.
    QCOMPARE(fixture.list->operationColumn(), 1);
    QCOMPARE(fixture.click(fixture.wordCentre(0, 1, 1, 2)), Posted(0, 1));
    QCOMPARE(fixture.click(fixture.wordCentre(0, 2, 0, 1)), Posted(-1, -1));

    // Without a "操作" title the last column holds the words ("重新发起" lists).
    meetings.setHeaderData(1, Qt::Horizontal, QStringLiteral("Operation"));
    QCOMPARE(fixture.click(fixture.wordCentre(0, 1, 1, 2)), Posted(-1, -1));
    QCOMPARE(fixture.click(fixture.wordCentre(0, 2, 0, 1)), Posted(0, 0));

    // A page that names the column wins over titles; column 0 never holds words.
    fixture.list->setOperationColumn(1);
    QCOMPARE(fixture.click(fixture.wordCentre(0, 1, 1, 2)), Posted(0, 1));
    fixture.list->setOperationColumn(0);
    QCOMPARE(fixture.click(fixture.wordCentre(0, 0, 0, 1)), Posted(-1, -1));
    fixture.list->setOperationColumn(7);
    QCOMPARE(fixture.list->operationColumn(), -1);
    QCOMPARE(fixture.click(fixture.wordCentre(0, 2, 0, 1)), Posted(-1, -1));
}

void OperationListCtrlTest::operationWordsDrawnCentred()
{
    MemberModel members;
    members.insert(0, { QStringLiteral("张三"), QStringLiteral("13800000001"), QStringLiteral("删除  呼叫") });
    Fixture fixture(&members, { 90, 120, 200 });
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.page));

    // The model asks for the left; the words still sit where the hit-test looks.
    OperationListCtrl* list = fixture.list;
    const QImage shot = list->viewport()->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    const QRect cell = list->visualRect(members.index(0, 2));
    int inkLeft = INT_MAX;
    int inkRight = -1;
    for (int y = cell.top() + 2; y < cell.bottom() - 2; ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (qGray(shot.pixel(qRound(x * dpr), qRound(y * dpr))) < 190) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
        }
    }
    QVERIFY(inkRight > inkLeft);
    const int textWidth = list->fontMetrics().horizontalAdvance(list->itemText(0, 2));
    QVERIFY2(std::abs((inkLeft + inkRight) / 2 - cell.center().x()) <= 3,
        qPrintable(
            QStringLiteral("ink %1..%2 in %3..%4").arg(inkLeft).arg(inkRight).arg(cell.left()).arg(cell.right())));
    QVERIFY(inkRight - inkLeft <= textWidth);
}

void OperationListCtrlTest::topicTooltipOverModel()
{
    QStandardItemModel meetings(0, 2);
    meetings.setHorizontalHeaderLabels({ QStringLiteral("会议主题"), QStringLiteral("操作") });
    const QString longTopic = QStringLiteral("产品评审会议新版发布"); // 20 bytes
    meetings.appendRow({ new QStandardItem(QStringLiteral("周会周会周会周会")), // 16 bytes
        new QStandardItem(QStringLiteral("删除")) });
    meetings.appendRow({ new QStandardItem(longTopic), new QStandardItem(QStringLiteral("删除")) });
    Fixture fixture(&meetings, { 200, 120 });
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.page));

    QTest::mouseMove(fixture.list->viewport(), fixture.list->visualRect(meetings.index(1, 0)).center());
    QTRY_COMPARE(QToolTip::text(), longTopic);
    QTest::mouseMove(fixture.list->viewport(), fixture.list->visualRect(meetings.index(0, 0)).center());
    QTRY_VERIFY(!QToolTip::isVisible());
}

QTEST_MAIN(OperationListCtrlTest)
#include "OperationListCtrlTest.moc"
