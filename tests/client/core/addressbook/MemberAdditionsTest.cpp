#include "core/addressbook/MemberAdditions.h"

#include "core/addressbook/AddressBookChange.h"
#include "core/service/ProgressReporter.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"

#include <QTest>

namespace {

using serviceBook::contactNumber;
using serviceBook::groupId;
using serviceBook::isMember;
using serviceBook::kDemo;

MemberAdditionReply run(const MemberAdditions& additions, ProgressReporter& progress)
{
    CCvService service;
    return additions(service, kDemo, progress);
}

} // namespace

// The contact picker's job against a real cvservice with the demo address book.
class MemberAdditionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_service.start(QStringLiteral(CVSERVICE_PATH))); }

    void aRefusalIsReportedAndTheNextContactStillAdded()
    {
        const int weekly = groupId(GroupKind::ConferenceGroup, "周例会");
        const int wang = contactNumber("13911110001");
        const int xu = contactNumber("13922220011"); // already in the group
        const int cheng = contactNumber("13744440031");
        QVERIFY(weekly > 0 && wang > 0 && xu > 0 && cheng > 0);
        QVERIFY(isMember(GroupKind::ConferenceGroup, weekly, xu));
        CCvService service;
        const ChangeReply again = AddressBookChange::addMember(GroupKind::ConferenceGroup, weekly, xu)(service, kDemo);
        QVERIFY(!again.succeeded());

        ProgressReporter progress;
        const MemberAdditionReply reply
            = run(MemberAdditions(GroupKind::ConferenceGroup, weekly, { wang, xu, cheng }), progress);
        QCOMPARE(reply.added, 2);
        QCOMPARE(reply.refusals, QStringList { again.message });
        QVERIFY(isMember(GroupKind::ConferenceGroup, weekly, wang));
        QVERIFY(isMember(GroupKind::ConferenceGroup, weekly, cheng));
    }

    void contactGroupsTakeTheirMembersToo()
    {
        const int family = groupId(GroupKind::ContactGroup, "家人");
        const int yuan = contactNumber("13744440033");
        QVERIFY(family > 0 && yuan > 0);
        ProgressReporter progress;
        const MemberAdditionReply reply = run(MemberAdditions(GroupKind::ContactGroup, family, { yuan }), progress);
        QCOMPARE(reply.added, 1);
        QVERIFY(reply.refusals.isEmpty());
        QVERIFY(isMember(GroupKind::ContactGroup, family, yuan));
    }

    void aCancelStopsBeforeTheNextContact()
    {
        const int project = groupId(GroupKind::ConferenceGroup, "项目组");
        const int deng = contactNumber("13744440034");
        QVERIFY(project > 0 && deng > 0);
        ProgressReporter progress;
        progress.cancel();
        const MemberAdditionReply reply = run(MemberAdditions(GroupKind::ConferenceGroup, project, { deng }), progress);
        QCOMPARE(reply.added, 0);
        QVERIFY(reply.refusals.isEmpty());
        QVERIFY(!isMember(GroupKind::ConferenceGroup, project, deng));
    }

private:
    ServiceProcess m_service;
};

QTEST_GUILESS_MAIN(MemberAdditionsTest)
#include "MemberAdditionsTest.moc"
