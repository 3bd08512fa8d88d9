// The contact dialog against a real cvservice with the demo address book: a new
// contact, an edited one, the check before anything is sent, and a refusal.

#include "addressbook/ContactDialog.h"

#include "core/addressbook/AddressBookChange.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "widgets/MessageBoxDialog.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"

#include <QTest>

#include <memory>

using serviceBook::contactByPhone;
using serviceBook::kDemo;

class ContactDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aNewContactIsAddedAndTheBookSynchronised();
    void anEditedContactKeepsItsNumberAndItsSex();
    void aNameAndANumberAreNeededBeforeAnythingIsSent();
    void aRefusalShowsTheServicesTextAndCloses();
    void theDialogWaitsForItsAnswer();

private:
    std::unique_ptr<ContactDialog> open(std::optional<ContactRecord> record);
    static CEditBoxEx* edit(ContactDialog* dialog, const char* name);
    static void type(ContactDialog* dialog, const char* name, const QString& text);
    static void clickOk(ContactDialog* dialog);

    ServiceProcess m_service;
    SessionState m_session;
    int m_synchronised = 0;
};

void ContactDialogTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
    m_session.setCredentials(kDemo.account, kDemo.password);
    m_session.setSignInResult(SessionState::kSignedIn);
}

void ContactDialogTest::init()
{
    m_synchronised = 0;
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void ContactDialogTest::cleanup()
{
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

std::unique_ptr<ContactDialog> ContactDialogTest::open(std::optional<ContactRecord> record)
{
    auto dialog = std::make_unique<ContactDialog>(
        m_session, [this] { ++m_synchronised; }, std::move(record));
    dialog->show();
    return dialog;
}

CEditBoxEx* ContactDialogTest::edit(ContactDialog* dialog, const char* name)
{
    return dialog->findChild<CEditBoxEx*>(QString::fromLatin1(name));
}

void ContactDialogTest::type(ContactDialog* dialog, const char* name, const QString& text)
{
    // As typed: through the edit's input path, which keeps its length limit. (Key
    // clicks cannot carry Chinese characters.)
    CEditBoxEx* field = edit(dialog, name);
    field->clear();
    field->insert(text);
}

void ContactDialogTest::clickOk(ContactDialog* dialog)
{
    QTest::mouseClick(dialog->findChild<CButtonPNG*>(QStringLiteral("okButton")), Qt::LeftButton);
}

void ContactDialogTest::aNewContactIsAddedAndTheBookSynchronised()
{
    auto dialog = open(std::nullopt);
    QCOMPARE(dialog->caption(), QStringLiteral("新增联系人"));
    QVERIFY(edit(dialog.get(), "nameEdit")->text().isEmpty());
    // The sex is chosen for the user, never shown.
    auto* male = dialog->findChild<CButtonCR*>(QStringLiteral("maleRadio"));
    QVERIFY(male->isChecked());
    QVERIFY(!male->isVisible());

    type(dialog.get(), "nameEdit", QStringLiteral("新同事&<A>"));
    type(dialog.get(), "phoneEdit", QStringLiteral("13655550001"));
    type(dialog.get(), "emailEdit", QStringLiteral("new@example.com"));
    clickOk(dialog.get());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_synchronised, 1);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());

    const std::optional<ContactRecord> stored = contactByPhone("13655550001");
    QVERIFY(stored);
    QVERIFY(stored->addressno > 0);
    QCOMPARE(stored->addressname, std::string("新同事&<A>"));
    QCOMPARE(stored->email, std::string("new@example.com"));
    QCOMPARE(stored->sex, 1);
}

void ContactDialogTest::anEditedContactKeepsItsNumberAndItsSex()
{
    // 曹颖 is stored as "女"; a contact without a sex is saved as "女" as well.
    for (const char* phone : { "13744440032", "13744440036" }) {
        std::optional<ContactRecord> before = contactByPhone(phone);
        QVERIFY(before);
        if (std::string(phone) == "13744440036") {
            before->sex = 0;
            CCvService service;
            QVERIFY(AddressBookChange::modifyContact(*before)(service, kDemo).succeeded());
        }
        auto dialog = open(before);
        QCOMPARE(dialog->caption(), QStringLiteral("编辑联系人"));
        QCOMPARE(edit(dialog.get(), "nameEdit")->text(), QString::fromStdString(before->addressname));
        QCOMPARE(edit(dialog.get(), "phoneEdit")->text(), QString::fromStdString(phone));
        QVERIFY(dialog->findChild<CButtonCR*>(QStringLiteral("femaleRadio"))->isChecked());
        QVERIFY(!dialog->findChild<CButtonCR*>(QStringLiteral("maleRadio"))->isChecked());

        type(dialog.get(), "nameEdit", QString::fromStdString(before->addressname) + QStringLiteral("改"));
        type(dialog.get(), "emailEdit", QStringLiteral("edited@example.com"));
        clickOk(dialog.get());
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        const std::optional<ContactRecord> after = contactByPhone(phone);
        QVERIFY(after);
        QCOMPARE(after->addressno, before->addressno);
        QCOMPARE(after->addressname, before->addressname + "改");
        QCOMPARE(after->email, std::string("edited@example.com"));
        QCOMPARE(after->sex, 2);
        QCOMPARE(after->addressgroupid, before->addressgroupid);
    }
    QCOMPARE(m_synchronised, 2);
}

void ContactDialogTest::aNameAndANumberAreNeededBeforeAnythingIsSent()
{
    auto dialog = open(std::nullopt);
    type(dialog.get(), "phoneEdit", QStringLiteral("13655550002"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    clickOk(dialog.get());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("姓名和电话不能为空") });
    QCOMPARE(ServiceCall::running(), 0);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isSaving());
    QCOMPARE(m_synchronised, 0);
    // The edit takes no more of a name than a request carries whole.
    QCOMPARE(edit(dialog.get(), "nameEdit")->maxLength(), kNameEditLimit);
}

void ContactDialogTest::aRefusalShowsTheServicesTextAndCloses()
{
    ContactRecord bad;
    bad.addressname = "号码有误";
    bad.phone = "not a number";
    CCvService service;
    const ChangeReply direct = AddressBookChange::addContact(bad)(service, kDemo);
    QVERIFY(!direct.succeeded());
    QVERIFY(!direct.message.isEmpty());

    auto dialog = open(std::nullopt);
    type(dialog.get(), "nameEdit", QStringLiteral("号码有误"));
    type(dialog.get(), "phoneEdit", QStringLiteral("not a number"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    clickOk(dialog.get());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { direct.message });
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_synchronised, 0);

    // Editing a contact that is gone meanwhile is the service's refusal too.
    MessageBoxDialog::clearAnsweredTexts();
    ContactRecord gone;
    gone.addressno = 999999;
    gone.addressname = "已删除";
    gone.phone = "13655550003";
    auto edited = open(gone);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    clickOk(edited.get());
    QTRY_VERIFY(!edited->isVisible());
    QCOMPARE(MessageBoxDialog::answeredTexts().size(), 1);
    QVERIFY(!MessageBoxDialog::answeredTexts().first().isEmpty());
    QVERIFY(!contactByPhone("13655550003"));
    QCOMPARE(m_synchronised, 0);
}

void ContactDialogTest::theDialogWaitsForItsAnswer()
{
    auto dialog = open(std::nullopt);
    type(dialog.get(), "nameEdit", QStringLiteral("等待"));
    type(dialog.get(), "phoneEdit", QStringLiteral("13655550004"));
    dialog->save();
    QVERIFY(dialog->isSaving());
    QVERIFY(!dialog->findChild<CButtonPNG*>(QStringLiteral("okButton"))->isEnabled());
    // Neither Cancel nor Escape nor a second "确定" leaves or repeats the change.
    dialog->reject();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    dialog->save();
    QVERIFY(dialog->isVisible());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_synchronised, 1);
    QVERIFY(contactByPhone("13655550004"));

    // Without a change on its way, Cancel closes and sends nothing.
    auto cancelled = open(std::nullopt);
    type(cancelled.get(), "nameEdit", QStringLiteral("取消的"));
    type(cancelled.get(), "phoneEdit", QStringLiteral("13655550005"));
    QTest::mouseClick(cancelled->findChild<CButtonPNG*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    QVERIFY(!cancelled->isVisible());
    QCOMPARE(ServiceCall::running(), 0);
    QVERIFY(!contactByPhone("13655550005"));
}

QTEST_MAIN(ContactDialogTest)
#include "ContactDialogTest.moc"
