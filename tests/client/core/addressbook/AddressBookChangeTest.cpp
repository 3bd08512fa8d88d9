#include "core/addressbook/AddressBookChange.h"
#include "core/service/ResultText.h"
#include "core/service/ServiceCall.h"

#include "ServiceProcess.h"

#include <QTcpServer>
#include <QTest>

#include <optional>

namespace {

const Credentials kDemo { "13800138000", "123456" };

// The service's rows of a list operation, as fields.
std::vector<std::vector<std::string>> rowsOf(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string& row : ResultText::rows(text))
        rows.push_back(ResultText::fields(row));
    return rows;
}

std::optional<int> contactNumber(const std::string& phone)
{
    std::string text;
    int count = 0;
    CCvService().QueryClientAddress(kDemo.account.c_str(), kDemo.password.c_str(), text, count);
    for (const auto& fields : rowsOf(text)) {
        if (fields.size() > 3 && fields[3] == phone)
            return ResultText::toInt(fields[1]);
    }
    return std::nullopt;
}

std::optional<int> groupId(GroupKind kind, const std::string& name)
{
    std::string text;
    int count = 0;
    if (kind == GroupKind::ContactGroup)
        CCvService().GetClientAddressGroup(kDemo.account.c_str(), kDemo.password.c_str(), text, count);
    else
        CCvService().GetConfGroup(kDemo.account.c_str(), kDemo.password.c_str(), text, count);
    for (const auto& fields : rowsOf(text)) {
        if (fields.size() > 1 && fields[1] == name)
            return ResultText::toInt(fields[0]);
    }
    return std::nullopt;
}

std::vector<int> membersOf(GroupKind kind, int id)
{
    std::string text;
    int count = 0;
    const std::string idText = std::to_string(id);
    if (kind == GroupKind::ContactGroup)
        CCvService().QueryClientAddressGroupMember(
            kDemo.account.c_str(), kDemo.password.c_str(), idText.c_str(), text, count);
    else
        CCvService().QueryClientConfGroupMember(
            kDemo.account.c_str(), kDemo.password.c_str(), idText.c_str(), text, count);
    std::vector<int> members;
    for (const auto& fields : rowsOf(text))
        members.push_back(ResultText::toInt(fields.at(0)));
    return members;
}

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
        const std::optional<int> number = contactNumber("13611112222");
        QVERIFY(number);

        contact.addressno = *number;
        contact.phone = "13611113333";
        QVERIFY(run(AddressBookChange::modifyContact(contact)).succeeded());
        QCOMPARE(contactNumber("13611113333"), number);
        QVERIFY(!contactNumber("13611112222"));

        QVERIFY(run(AddressBookChange::deleteContact(*number)).succeeded());
        QVERIFY(!contactNumber("13611113333"));
    }

    void groupsOfBothKindsAndTheirMembers()
    {
        ContactRecord contact;
        contact.addressname = "组员";
        contact.phone = "13622223333";
        QVERIFY(run(AddressBookChange::addContact(contact)).succeeded());
        const int member = contactNumber("13622223333").value_or(-1);
        QVERIFY(member > 0);

        for (GroupKind kind : { GroupKind::ContactGroup, GroupKind::ConferenceGroup }) {
            QVERIFY(run(AddressBookChange::addGroup(kind, "甲组")).succeeded());
            QVERIFY(run(AddressBookChange::addGroup(kind, "乙组")).succeeded());
            const int first = groupId(kind, "甲组").value_or(-1);
            const int second = groupId(kind, "乙组").value_or(-1);
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
            QCOMPARE(groupId(kind, "丙组"), std::optional<int>(first));
            QVERIFY(run(AddressBookChange::deleteGroup(kind, first, "丙组")).succeeded());
            QVERIFY(run(AddressBookChange::deleteGroup(kind, second, "乙组")).succeeded());
            QVERIFY(!groupId(kind, "丙组") && !groupId(kind, "乙组"));
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
    }

private:
    ServiceProcess m_service;
};

QTEST_GUILESS_MAIN(AddressBookChangeTest)
#include "AddressBookChangeTest.moc"
