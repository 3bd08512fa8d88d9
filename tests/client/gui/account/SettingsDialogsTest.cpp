// The five account settings dialogs driven against a real cvservice with the demo
// accounts: what each shows, its checks, its success and refusal paths, what it
// writes to the session and what it tells the main window.

#include "account/MeetingSettingsDialog.h"
#include "account/PasswordDialog.h"
#include "account/ProfileDialog.h"
#include "account/SmsSignatureDialog.h"
#include "account/TransferDialog.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CComboBoxEt.h"
#include "skin/CEditBoxEx.h"
#include "widgets/MessageBoxDialog.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"
#include "WhenModal.h"

#include <QMessageBox>
#include <QTest>

#include <memory>

using serviceBook::kDemo;

namespace {

const Credentials kOther { "13900139000", "654321" };

// Stands in for the main window: keeps the numbers of the messages posted to it.
class MessageSink : public QObject {
public:
    QList<int> messages;

protected:
    bool event(QEvent* event) override
    {
        if (const int message = AppEvent::messageOf(event)) {
            messages.append(message);
            return true;
        }
        return QObject::event(event);
    }
};

MemberProfile storedProfile(const Credentials& who = kDemo)
{
    std::string text;
    CCvService().GetMemberInfo(who.account.c_str(), who.password.c_str(), text);
    MemberProfile profile;
    MemberProfileUpdate::decode(text).applyTo(profile);
    return profile;
}

std::string balance(const Credentials& who)
{
    std::string balance;
    std::string expiry;
    CCvService().GetClientBalance(who.account.c_str(), who.password.c_str(), balance, expiry);
    return balance;
}

} // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theProfileShowsTheSessionsValues();
    void aSavedProfileIsAnnouncedAndKeepsTheSessionAlone();
    void aRefusedProfileKeepsTheDialogOpen();
    void thePasswordChecksComeFirstAndInOrder();
    void thePasswordChangesWithTheSessionsPassword();
    void meetingSettingsAreKeptInTheSessionEvenWhenRefused();
    void anSmsSignatureRefusalIsShownTwice();
    void aTransferSendsTheAmountInHundredths();
    void anAmountBeyondTheRequestIsRefusedWithoutACall();
    void aDialogWaitingForItsAnswerCannotBeClosed();

private:
    template <typename Dialog> std::unique_ptr<Dialog> open()
    {
        auto dialog = std::make_unique<Dialog>(m_session, &m_sink);
        dialog->show();
        return dialog;
    }
    static CEditBoxEx* edit(QWidget* dialog, const char* name)
    {
        return dialog->findChild<CEditBoxEx*>(QString::fromLatin1(name));
    }
    static void type(QWidget* dialog, const char* name, const QString& text)
    {
        CEditBoxEx* field = edit(dialog, name);
        field->selectAll();
        field->insert(text);
    }
    static void clickOk(QWidget* dialog)
    {
        QTest::mouseClick(dialog->findChild<CButtonPNG*>(QStringLiteral("okButton")), Qt::LeftButton);
    }
    static CButtonCR* radio(QWidget* dialog, const char* name)
    {
        return dialog->findChild<CButtonCR*>(QString::fromLatin1(name));
    }
    // Answers the next boxes with OK; the dialog then runs until it closes or the
    // expected boxes are read.
    static void answerBoxes(int count)
    {
        for (int i = 0; i < count; ++i)
            MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    }

    ServiceProcess m_service;
    SessionState m_session;
    MessageSink m_sink;
};

void SettingsDialogsTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void SettingsDialogsTest::init()
{
    m_session.setCredentials(kDemo.account, kDemo.password);
    m_session.setSignInResult(SessionState::kSignedIn);
    m_session.memberProfile() = storedProfile();
    m_sink.messages.clear();
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void SettingsDialogsTest::cleanup()
{
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    QCoreApplication::processEvents();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

void SettingsDialogsTest::theProfileShowsTheSessionsValues()
{
    MemberProfile& profile = m_session.memberProfile();
    for (const auto& [sex, male, female, other] :
        { std::tuple { 1, true, false, false }, std::tuple { 2, false, true, false },
            std::tuple { 0, false, false, true }, std::tuple { 5, false, false, true } }) {
        profile.sex = sex;
        auto dialog = open<ProfileDialog>();
        QCOMPARE(radio(dialog.get(), "maleRadio")->isChecked(), male);
        QCOMPARE(radio(dialog.get(), "femaleRadio")->isChecked(), female);
        QCOMPARE(radio(dialog.get(), "otherRadio")->isChecked(), other);
    }
    auto dialog = open<ProfileDialog>();
    QCOMPARE(dialog->title(), QStringLiteral("账号设置"));
    QCOMPARE(dialog->accountEdit()->text(), QStringLiteral("13800138000"));
    QVERIFY(dialog->accountEdit()->isReadOnly());
    auto* combo = dialog->findChild<CComboBoxEt*>(QStringLiteral("idTypeCombo"));
    QCOMPARE(combo->count(), 6);
    QCOMPARE(combo->itemText(0), QStringLiteral("其它"));
    QCOMPARE(combo->itemText(5), QStringLiteral("营业执照"));
    QCOMPARE(combo->currentIndex(), profile.idType);
    QCOMPARE(edit(dialog.get(), "idNumberEdit")->text(), QStringLiteral("110101199001011234"));
    QCOMPARE(edit(dialog.get(), "streetEdit")->text(), QStringLiteral("中关村大街1号"));
    QCOMPARE(edit(dialog.get(), "remarkEdit")->text(), QStringLiteral("演示帐号"));

    // One sex at a time, whichever is clicked.
    QTest::mouseClick(radio(dialog.get(), "femaleRadio"), Qt::LeftButton, {}, QPoint(6, 10));
    QVERIFY(radio(dialog.get(), "femaleRadio")->isChecked());
    QVERIFY(!radio(dialog.get(), "maleRadio")->isChecked());
    QVERIFY(!radio(dialog.get(), "otherRadio")->isChecked());
    // Postcodes take digits only.
    CEditBoxEx* postcode = edit(dialog.get(), "postcodeEdit");
    postcode->clear();
    QTest::keyClicks(postcode, QStringLiteral("10a0-8"));
    QCOMPARE(postcode->text(), QStringLiteral("1008"));
}

void SettingsDialogsTest::aSavedProfileIsAnnouncedAndKeepsTheSessionAlone()
{
    const MemberProfile before = m_session.memberProfile();
    auto dialog = open<ProfileDialog>();
    dialog->findChild<CComboBoxEt*>(QStringLiteral("idTypeCombo"))->setCurrentIndex(2);
    QTest::mouseClick(radio(dialog.get(), "otherRadio"), Qt::LeftButton, {}, QPoint(6, 10));
    type(dialog.get(), "streetEdit", QStringLiteral("长安街2号  "));
    type(dialog.get(), "emailEdit", QStringLiteral("zm@example.com"));
    answerBoxes(1);
    clickOk(dialog.get());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("帐号资料保存成功！") });
    QTRY_COMPARE(m_sink.messages, QList<int> { Msg::ProfileSaved });
    QCOMPARE(m_session.memberProfile(), before);

    const MemberProfile stored = storedProfile();
    QCOMPARE(stored.sex, 0);
    QCOMPARE(stored.idType, 2);
    QCOMPARE(stored.street, std::string("长安街2号"));
    QCOMPARE(stored.email, std::string("zm@example.com"));
    QCOMPARE(stored.hostNumber, before.hostNumber);
    QCOMPARE(stored.smsSignature, before.smsSignature);
}

void SettingsDialogsTest::aRefusedProfileKeepsTheDialogOpen()
{
    const std::string emailBefore = storedProfile().email;
    auto dialog = open<ProfileDialog>();
    type(dialog.get(), "emailEdit", QStringLiteral("not an address"));
    answerBoxes(1);
    clickOk(dialog.get());
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("帐号资料有误，请检查后重新保存！") });
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isWaiting());
    QCOMPARE(storedProfile().email, emailBefore);
    // A ProfileSaved that reaches the dialog itself goes no further.
    postAppEvent(dialog.get(), Msg::ProfileSaved);
    QCoreApplication::processEvents();
    QVERIFY(dialog->isVisible());
    QVERIFY(m_sink.messages.isEmpty());
}

void SettingsDialogsTest::thePasswordChecksComeFirstAndInOrder()
{
    auto dialog = open<PasswordDialog>();
    QCOMPARE(dialog->accountEdit()->text(), QStringLiteral("13800138000"));
    const struct {
        const char* old;
        const char* typed;
        const char* confirmed;
        QString message;
    } cases[] = {
        { "", "", "", QStringLiteral("请输入原密码！") },
        { "", "new", "new", QStringLiteral("请输入原密码！") },
        { "x", "", "", QStringLiteral("请输入新密码！") },
        { "x", "Abc", "abc", QStringLiteral("两次输入的密码不一致！") },
    };
    for (const auto& c : cases) {
        type(dialog.get(), "oldPasswordEdit", QString::fromLatin1(c.old));
        type(dialog.get(), "newPasswordEdit", QString::fromLatin1(c.typed));
        type(dialog.get(), "confirmPasswordEdit", QString::fromLatin1(c.confirmed));
        MessageBoxDialog::clearAnsweredTexts();
        answerBoxes(1);
        clickOk(dialog.get());
        QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { c.message });
        QVERIFY(!dialog->calls()->anyBusy());
        QVERIFY(dialog->isVisible());
    }
    QCOMPARE(edit(dialog.get(), "newPasswordEdit")->echoMode(), QLineEdit::Password);
}

void SettingsDialogsTest::thePasswordChangesWithTheSessionsPassword()
{
    // A session whose password the service no longer takes is refused.
    m_session.setCredentials(kDemo.account, "stale");
    m_session.setSignInResult(SessionState::kSignedIn);
    auto refused = open<PasswordDialog>();
    type(refused.get(), "oldPasswordEdit", QStringLiteral("123456"));
    type(refused.get(), "newPasswordEdit", QStringLiteral("n3w"));
    type(refused.get(), "confirmPasswordEdit", QStringLiteral("n3w"));
    answerBoxes(1);
    clickOk(refused.get());
    QTRY_COMPARE(MessageBoxDialog::answeredTexts().size(), 1);
    QVERIFY(refused->isVisible());
    QVERIFY(m_sink.messages.isEmpty());
    refused.reset();

    // Whatever is typed as the old password, the session's is what counts.
    init();
    auto dialog = open<PasswordDialog>();
    type(dialog.get(), "oldPasswordEdit", QStringLiteral("anything"));
    type(dialog.get(), "newPasswordEdit", QStringLiteral("n3w"));
    type(dialog.get(), "confirmPasswordEdit", QStringLiteral("n3w"));
    answerBoxes(1);
    clickOk(dialog.get());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("密码修改成功！请用新密码重新登录！") });
    QTRY_COMPARE(m_sink.messages, QList<int> { Msg::PasswordChanged });
    QCOMPARE(m_session.password(), std::string("123456"));

    CCvService service;
    QCOMPARE(service.UserClientLogin(kDemo.account.c_str(), "n3w", "192.168.1.1"), 0);
    QCOMPARE(service.ModifytPasswordByPhoneID(kDemo.account.c_str(), "n3w", kDemo.password.c_str()), 0);
}

void SettingsDialogsTest::meetingSettingsAreKeptInTheSessionEvenWhenRefused()
{
    auto dialog = open<MeetingSettingsDialog>();
    QCOMPARE(edit(dialog.get(), "hostNumberEdit")->text(), QStringLiteral("13800138000"));
    QCOMPARE(edit(dialog.get(), "smsSignatureEdit")->text(), QStringLiteral("张明"));
    type(dialog.get(), "hostNumberEdit", QStringLiteral("12ab"));
    type(dialog.get(), "smsSignatureEdit", QStringLiteral("会议组"));
    answerBoxes(1);
    clickOk(dialog.get());
    QCOMPARE(m_session.memberProfile().hostNumber, std::string("12ab"));
    QCOMPARE(m_session.memberProfile().smsSignature, std::string("会议组"));
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("主持人号码有误！") });
    QVERIFY(dialog->isVisible());
    // Refused or not, the session keeps what was typed.
    QCOMPARE(m_session.memberProfile().hostNumber, std::string("12ab"));

    type(dialog.get(), "hostNumberEdit", QStringLiteral("01088886666"));
    MessageBoxDialog::clearAnsweredTexts();
    answerBoxes(1);
    clickOk(dialog.get());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("会议设置成功！") });
    QCOMPARE(storedProfile().hostNumber, std::string("01088886666"));
    QCOMPARE(storedProfile().smsSignature, std::string("会议组"));
    QVERIFY(m_sink.messages.isEmpty());
}

void SettingsDialogsTest::anSmsSignatureRefusalIsShownTwice()
{
    auto dialog = open<SmsSignatureDialog>();
    QCOMPARE(dialog->title(), QStringLiteral("设置短信签名"));
    const QString tooLong = QStringLiteral("一二三四五六七八九十一二三四五六七");
    type(dialog.get(), "smsSignatureEdit", tooLong);
    QString plainText;
    QString plainTitle;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        plainText = box->text();
        plainTitle = box->windowTitle();
        box->accept();
    });
    answerBoxes(1);
    clickOk(dialog.get());
    QCOMPARE(m_session.memberProfile().smsSignature, tooLong.toStdString());
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("短信签名不能超过16个字！") });
    QCOMPARE(plainText, QStringLiteral("短信签名不能超过16个字！"));
    QVERIFY(plainTitle.isEmpty());
    QVERIFY(dialog->isVisible());

    type(dialog.get(), "smsSignatureEdit", QStringLiteral("张经理"));
    MessageBoxDialog::clearAnsweredTexts();
    answerBoxes(1);
    clickOk(dialog.get());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("短信签名设置成功！") });
    QCOMPARE(storedProfile().smsSignature, std::string("张经理"));
}

void SettingsDialogsTest::aTransferSendsTheAmountInHundredths()
{
    const std::string payerBefore = balance(kDemo);
    const std::string payeeBefore = balance(kOther);
    auto dialog = open<TransferDialog>();
    QCOMPARE(dialog->title(), QStringLiteral("账户转账"));
    type(dialog.get(), "toAccountEdit", QString::fromStdString(kOther.account));
    QTest::keyClicks(edit(dialog.get(), "amountEdit"), QStringLiteral("1x5"));
    QCOMPARE(edit(dialog.get(), "amountEdit")->text(), QStringLiteral("15"));
    type(dialog.get(), "passwordEdit", QStringLiteral("wrong"));
    answerBoxes(1);
    clickOk(dialog.get());
    QTRY_COMPARE(MessageBoxDialog::answeredTexts().size(), 1);
    QVERIFY(dialog->isVisible());
    QCOMPARE(balance(kDemo), payerBefore);

    type(dialog.get(), "passwordEdit", QString::fromStdString(kDemo.password));
    MessageBoxDialog::clearAnsweredTexts();
    answerBoxes(1);
    clickOk(dialog.get());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("转账成功!") });
    // 15 yuan is 1500 hundredths: the balances moved by 15.00.
    QCOMPARE(QString::fromStdString(balance(kDemo)).toDouble(), QString::fromStdString(payerBefore).toDouble() - 15);
    QCOMPARE(QString::fromStdString(balance(kOther)).toDouble(), QString::fromStdString(payeeBefore).toDouble() + 15);
}

void SettingsDialogsTest::anAmountBeyondTheRequestIsRefusedWithoutACall()
{
    const std::string payerBefore = balance(kDemo);
    auto dialog = open<TransferDialog>();
    type(dialog.get(), "toAccountEdit", QString::fromStdString(kOther.account));
    type(dialog.get(), "amountEdit", QStringLiteral("42949673"));
    type(dialog.get(), "passwordEdit", QString::fromStdString(kDemo.password));
    answerBoxes(1);
    clickOk(dialog.get());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("输入的金额有误!") });
    QVERIFY(!dialog->calls()->anyBusy());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(balance(kDemo), payerBefore);
}

void SettingsDialogsTest::aDialogWaitingForItsAnswerCannotBeClosed()
{
    auto dialog = open<SmsSignatureDialog>();
    answerBoxes(1);
    clickOk(dialog.get());
    QVERIFY(dialog->isWaiting());
    dialog->reject();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->findChild<CButtonPNG*>(QStringLiteral("okButton"))->isEnabled());
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));

    // Cancel sends nothing.
    auto cancelled = open<TransferDialog>();
    QTest::mouseClick(cancelled->findChild<CButtonPNG*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    QVERIFY(!cancelled->isVisible());
    QVERIFY(!cancelled->calls()->anyBusy());
}

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
