#include "core/addressbook/AddressBookChange.h"
#include "core/service/ResultText.h"
#include "core/service/ServiceCall.h"

#include "ServiceBook.h"
#include "ServiceFaults.h"
#include "ServiceProcess.h"

#include <QTcpServer>
#include <QTest>

namespace {

using namespace serviceBook;

ChangeReply run(const AddressBookChange& change)
{
    CCvService service;
    return change(service, kDemo);
}

} // namespace

// Every change of the address book against a real cvservice.
class AddressBookChangeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_service.start(QStringLiteral(CVSERVICE_PATH))); }

    void resultTextsReadTheirFirstField()
    {
        QCOMPARE(ChangeResult("0\r"), 0);
        QCOMPARE(ChangeResult("405\r已存在\r"), 405);
        QCOMPARE(ChangeResult("12abc"), 12);
        QCOMPARE(ChangeResult(""), 0);
    }

    void contactsAreAddedChangedAndDeleted()
    {
        ContactRecord contact;
        contact.addressname = "测试&<联系人>";
        contact.phone = "13611112222";
        contact.sex = 1;
        contact.email = "t@example.com";
        QVERIFY(run(AddressBookChange::addContact(contact)).succeeded());
        const int number = contactNumber("13611112222");
        QVERIFY(number > 0);

        contact.addressno = number;
        contact.phone = "13611113333";
        QVERIFY(run(AddressBookChange::modifyContact(contact)).succeeded());
        QCOMPARE(contactNumber("13611113333"), number);
        QCOMPARE(contactNumber("13611112222"), -1);

        QVERIFY(run(AddressBookChange::deleteContact(number)).succeeded());
        QCOMPARE(contactNumber("13611113333"), -1);
    }

    void groupsOfBothKindsAndTheirMembers()
    {
        ContactRecord contact;
        contact.addressname = "组员";
        contact.phone = "13622223333";
        QVERIFY(run(AddressBookChange::addContact(contact)).succeeded());
        const int member = contactNumber("13622223333");
        QVERIFY(member > 0);

        for (GroupKind kind : { GroupKind::ContactGroup, GroupKind::ConferenceGroup }) {
            QVERIFY(run(AddressBookChange::addGroup(kind, "甲组")).succeeded());
            QVERIFY(run(AddressBookChange::addGroup(kind, "乙组")).succeeded());
            const int first = groupId(kind, "甲组");
            const int second = groupId(kind, "乙组");
            QVERIFY(first > 0 && second > 0);

            // The same name again is the service's refusal, with its text.
            const ChangeReply taken = run(AddressBookChange::addGroup(kind, "甲组"));
            QVERIFY(!taken.succeeded());
            QVERIFY(taken.code > 0);
            QVERIFY(!taken.message.isEmpty());

            QVERIFY(run(AddressBookChange::addMember(kind, first, member)).succeeded());
            QCOMPARE(membersOf(kind, first), std::vector<int> { member });
            QVERIFY(run(AddressBookChange::moveMember(kind, first, second, member)).succeeded());
            QVERIFY(membersOf(kind, first).empty());
            QCOMPARE(membersOf(kind, second), std::vector<int> { member });
            QVERIFY(run(AddressBookChange::removeMember(kind, second, member)).succeeded());
            QVERIFY(membersOf(kind, second).empty());

            QVERIFY(run(AddressBookChange::renameGroup(kind, first, "丙组")).succeeded());
            QCOMPARE(groupId(kind, "丙组"), first);
            QVERIFY(run(AddressBookChange::deleteGroup(kind, first, "丙组")).succeeded());
            QVERIFY(run(AddressBookChange::deleteGroup(kind, second, "乙组")).succeeded());
            QVERIFY(groupId(kind, "丙组") == -1 && groupId(kind, "乙组") == -1);
        }
        QVERIFY(run(AddressBookChange::deleteContact(member)).succeeded());
    }

    void aChangeWithoutAnAnswerIsAFailure()
    {
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            closedPort = probe.serverPort();
        }
        cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
        config.webPort = closedPort;
        CCvService service(config);
        const ChangeReply reply = AddressBookChange::addGroup(GroupKind::ContactGroup, "无人应答")(service, kDemo);
        QVERIFY(!reply.succeeded());
        QCOMPARE(reply.message, QStringLiteral("网络连接已断开,请稍后重试。"));

        // An error page or broken XML carries no result code either.
        for (const char* fault : { "malformed", "http500" }) {
            QVERIFY(setServiceFaults(m_service, QByteArray("\"reply\":\"") + fault + "\""));
            const ChangeReply garbled = run(AddressBookChange::addGroup(GroupKind::ContactGroup, "无人应答"));
            QVERIFY(!garbled.succeeded());
            QCOMPARE(garbled.message, QStringLiteral("网络连接已断开,请稍后重试。"));
        }
        QVERIFY(clearServiceFaults(m_service));
        QCOMPARE(groupId(GroupKind::ContactGroup, "无人应答"), -1);
    }

private:
    ServiceProcess m_service;
};

QTEST_GUILESS_MAIN(AddressBookChangeTest)
#include "AddressBookChangeTest.moc"
