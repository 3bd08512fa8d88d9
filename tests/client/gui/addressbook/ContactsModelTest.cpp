#include "addressbook/ContactsModel.h"

#include "core/addressbook/AddressBook.h"
#include "skin/CListBoxEx.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

ContactRecord member(int addressno, std::string name, std::string phone)
{
    ContactRecord record;
    record.addressno = addressno;
    record.addressname = std::move(name);
    record.phone = std::move(phone);
    return record;
}

void fill(AddressBook& book)
{
    book.setGroupCount(PanelMode::ContactGroups, 2);
    book.groupSlot(PanelMode::ContactGroups, 0).name = "同事";
    book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ member(1, "张三", "1371"), member(2, "李四", "1372") }, 2);
    book.groupSlot(PanelMode::ContactGroups, 1).name = "家人";
    book.groupSlot(PanelMode::ContactGroups, 1).setMembers({}, 0);
    book.ungrouped().setMembers({ member(3, "王五", "1373") }, 1);
    book.setGroupCount(PanelMode::ConferenceGroups, 1);
    book.groupSlot(PanelMode::ConferenceGroups, 0).name = "周会";
    book.groupSlot(PanelMode::ConferenceGroups, 0).setMembers({ member(1, "张三", "1371") }, 1);
}

} // namespace

// The contacts panel's two-level rows and the RowRefs they carry.
class ContactsModelTest : public QObject {
    Q_OBJECT
private slots:
    void groupsAndTheirMembersCarryTheirRowRefs()
    {
        AddressBook book;
        fill(book);
        ContactsModel model(book);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuild();

        QCOMPARE(model.rowCount(), 3); // two groups and "未分组"
        const QModelIndex colleagues = model.index(0, 0);
        QCOMPARE(colleagues.data().toString(), QStringLiteral("同事 [2]"));
        QVERIFY(colleagues.data(CListBoxEx::HeaderRole).toBool());
        QCOMPARE(model.rowRef(colleagues), (RowRef { -1, 0 }));
        QCOMPARE(model.rowCount(colleagues), 2);
        const QModelIndex li = model.index(1, 0, colleagues);
        QCOMPARE(li.data().toString(), QStringLiteral("李四 1372"));
        QCOMPARE(model.rowRef(li), (RowRef { 0, 1 }));
        QCOMPARE(model.indexOf({ 0, 1 }), li);
        QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("未分组 [1]"));
        QCOMPARE(model.rowRef(model.index(2, 0)), (RowRef { -1, 2 }));

        model.setMode(PanelMode::ConferenceGroups);
        model.rebuild();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 0).data(CListBoxEx::ImageRole).toInt(), int(ContactsModel::ConferenceGroupImage));

        // No ungrouped contacts: no "未分组" header.
        book.ungrouped().setMembers({}, 0);
        model.setMode(PanelMode::ContactGroups);
        model.rebuild();
        QCOMPARE(model.rowCount(), 2);
    }

    void groupMembersSurviveAReloadOfTheBook()
    {
        AddressBook book;
        fill(book);
        ContactsModel model(book);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuild();
        const QModelIndex colleagues = model.index(0, 0);
        // Members are leaves; a header is not, even one whose group has no members yet.
        QVERIFY(model.flags(model.index(0, 0, colleagues)) & Qt::ItemNeverHasChildren);
        QVERIFY(!(model.flags(colleagues) & Qt::ItemNeverHasChildren));
        QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemNeverHasChildren));

        // The book reloads with other members: the rows read as the rebuild took
        // them until the next rebuild.
        book.clear();
        book.setGroupCount(PanelMode::ContactGroups, 1);
        book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ member(9, "赵六", "1379") }, 1);
        QCOMPARE(model.index(1, 0, colleagues).data().toString(), QStringLiteral("李四 1372"));
        QCOMPARE(model.index(0, 0, model.index(2, 0)).data().toString(), QStringLiteral("王五 1373"));

        model.rebuild();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 0, model.index(0, 0)).data().toString(), QStringLiteral("赵六 1379"));
    }

    void searchResultsSurviveAReloadOfTheBook()
    {
        AddressBook book;
        fill(book);
        ContactsModel model(book);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setSearchText(QStringLiteral("137"));
        model.rebuild();

        const QModelIndex header = model.index(0, 0);
        QCOMPARE(header.data().toString(), QStringLiteral("查找结果 [3]"));
        QCOMPARE(model.rowRef(header), (RowRef { -1, 0 }));
        QCOMPARE(model.rowRef(model.index(2, 0, header)), (RowRef { 0, 2 }));
        QCOMPARE(model.searchResult(1), std::optional<int>(2));
        QCOMPARE(model.searchResult(3), std::nullopt);
        QCOMPARE(model.searchResult(-1), std::nullopt);

        // The book reloads: every array the search ran over is replaced. The results
        // still name their contacts and still read as they did.
        book.clear();
        book.setGroupCount(PanelMode::ContactGroups, 1);
        book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ member(9, "赵六", "1379") }, 1);
        QCOMPARE(model.searchResult(1), std::optional<int>(2));
        QCOMPARE(model.index(1, 0, header).data().toString(), QStringLiteral("李四 1372"));
        RowRef position;
        QVERIFY(!book.findMemberPosition(*model.searchResult(1), &position)); // gone from the book: no place

        model.rebuild();
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("查找结果 [1]"));
        QCOMPARE(model.searchResult(0), std::optional<int>(9));
    }
};

QTEST_GUILESS_MAIN(ContactsModelTest)
#include "ContactsModelTest.moc"
