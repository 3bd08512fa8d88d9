// The group-name dialog against a real cvservice with the demo address book: groups
// of either kind renamed, the texts that send nothing, and a refusal.

#include "addressbook/GroupNameDialog.h"

#include "core/addressbook/AddressBookChange.h"
#include "core/addressbook/GroupEntry.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "widgets/MessageBoxDialog.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"

#include <QTest>

#include <memory>

using serviceBook::groupId;
using serviceBook::kDemo;

Q_DECLARE_METATYPE(GroupKind)

class GroupNameDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void groupsOfEitherKindAreRenamed_data();
    void groupsOfEitherKindAreRenamed();
    void anEmptyNameOrTheSameNameSendsNothing();
    void aRefusalShowsTheServicesText();

private:
    std::unique_ptr<GroupNameDialog> open(GroupKind kind, const std::string& name);
    static void rename(GroupNameDialog* dialog, const QString& name);

    ServiceProcess m_service;
    SessionState m_session;
    int m_synchronised = 0;
};

void GroupNameDialogTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
    m_session.setCredentials(kDemo.account, kDemo.password);
    m_session.setSignInResult(SessionState::kSignedIn);
}

void GroupNameDialogTest::init()
{
    m_synchronised = 0;
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void GroupNameDialogTest::cleanup()
{
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

std::unique_ptr<GroupNameDialog> GroupNameDialogTest::open(GroupKind kind, const std::string& name)
{
    GroupEntry group;
    group.id = groupId(kind, name);
    group.name = name;
    group.kind = kind;
    auto dialog = std::make_unique<GroupNameDialog>(
        m_session, [this] { ++m_synchronised; }, group);
    dialog->show();
    return dialog;
}

void GroupNameDialogTest::rename(GroupNameDialog* dialog, const QString& name)
{
    auto* edit = dialog->findChild<CEditBoxEx*>(QStringLiteral("groupNameEdit"));
    edit->clear();
    edit->insert(name); // key clicks cannot carry Chinese characters
    QTest::mouseClick(dialog->findChild<CButtonPNG*>(QStringLiteral("okButton")), Qt::LeftButton);
}

void GroupNameDialogTest::groupsOfEitherKindAreRenamed_data()
{
    QTest::addColumn<GroupKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("renamed");
    QTest::newRow("contact group") << GroupKind::ContactGroup << QStringLiteral("同事") << QStringLiteral("老同事");
    QTest::newRow("conference group") << GroupKind::ConferenceGroup << QStringLiteral("项目组")
                                      << QStringLiteral("A&B <项目>");
}

void GroupNameDialogTest::groupsOfEitherKindAreRenamed()
{
    QFETCH(GroupKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, renamed);
    const int id = groupId(kind, name.toStdString());
    QVERIFY(id > 0);

    auto dialog = open(kind, name.toStdString());
    QCOMPARE(dialog->typedName(), name);
    rename(dialog.get(), renamed);
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_synchronised, 1);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QCOMPARE(groupId(kind, renamed.toStdString()), id);
    QCOMPARE(groupId(kind, name.toStdString()), -1);
}

void GroupNameDialogTest::anEmptyNameOrTheSameNameSendsNothing()
{
    auto dialog = open(GroupKind::ContactGroup, "家人");
    rename(dialog.get(), QString());
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isSaving());
    QCOMPARE(ServiceCall::running(), 0);

    rename(dialog.get(), QStringLiteral("家人"));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(ServiceCall::running(), 0);
    QCOMPARE(m_synchronised, 0);
}

void GroupNameDialogTest::aRefusalShowsTheServicesText()
{
    // Group names are unique per kind: "客户" cannot take the name "家人".
    CCvService service;
    const int customers = groupId(GroupKind::ContactGroup, "客户");
    const ChangeReply direct
        = AddressBookChange::renameGroup(GroupKind::ContactGroup, customers, "家人")(service, kDemo);
    QVERIFY(!direct.succeeded());
    QVERIFY(!direct.message.isEmpty());

    auto dialog = open(GroupKind::ContactGroup, "客户");
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    rename(dialog.get(), QStringLiteral("家人"));
    QVERIFY(dialog->isSaving());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { direct.message });
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_synchronised, 0);
    QCOMPARE(groupId(GroupKind::ContactGroup, "客户"), customers);
}

QTEST_MAIN(GroupNameDialogTest)
#include "GroupNameDialogTest.moc"
