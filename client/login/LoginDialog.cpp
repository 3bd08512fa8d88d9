#include "login/LoginDialog.h"

#include "widgets/MessageBoxDialog.h"
#include "widgets/WebLinks.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "core/session/SignInJob.h"
#include "skin/Artwork.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CComboBoxEt.h"
#include "skin/CEditBoxEx.h"
#include "skin/CStaticEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <QUrl>

namespace {

const char* const kIdleCaption = QT_TRANSLATE_NOOP("LoginDialog", "登    录");
const char* const kBusyCaption = QT_TRANSLATE_NOOP("LoginDialog", "正在登录");
constexpr int kTransportFailure = 9;

QString refusalText(const SignInOutcome& outcome)
{
    // A service that gave no text for its code still deserves an explanation.
    if (!outcome.message.isEmpty())
        return outcome.message;
    if (outcome.code == kTransportFailure)
        return LoginDialog::tr("网络连接已断开,请稍后重试。");
    return LoginDialog::tr("登录失败（错误代码：%1）。").arg(outcome.code);
}

} // namespace

LoginDialog::LoginDialog(SessionState& session, QWidget* owner, bool openedForUserChange, const OptionsFile& options)
    : CDialogEx(owner)
    , m_session(session)
    , m_openedForUserChange(openedForUserChange)
    , m_calls(new ServiceCall(session, this))
{
    setObjectName(QStringLiteral("loginDialog"));
    setWindowTitle(QStringLiteral("Corvana"));
    setFixedSize(fromDialogUnits(170, 346));
    setBackground(QString::fromLatin1(skin::names::FaceLogin));
    buildControls();
    loadOptions(options);
}

LoginDialog::~LoginDialog()
{
    m_timer.stop();
}

void LoginDialog::buildControls()
{
    closeButton();

    m_logo = new CButtonPNG(this);
    m_logo->setObjectName(QStringLiteral("logoPicture"));
    m_logo->setImage(QString::fromLatin1(skin::names::Logo));
    m_logo->setPictureOnly(true);
    m_logo->setGeometry(12, 6, 24, 24);
    m_logo->setEnabled(false);
    m_logo->hide();

    const QFont labelFont = skin::Fonts::ui(14);
    const QFont fieldFont = skin::Fonts::ui(14);

    m_accountLabel = new CTransparentStatic(tr("帐号"), this);
    m_accountLabel->setObjectName(QStringLiteral("accountLabel"));
    m_passwordLabel = new CTransparentStatic(tr("密码"), this);
    m_passwordLabel->setObjectName(QStringLiteral("passwordLabel"));
    for (CTransparentStatic* label : { m_accountLabel, m_passwordLabel }) {
        label->setFont(labelFont);
        label->setTextColor(skin::palette::TextSoft);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    m_accountCombo = new CComboBoxEt(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountCombo->setEditable(true);
    m_accountCombo->setInsertPolicy(QComboBox::NoInsert);
    m_accountCombo->setFont(fieldFont);
    // The signed-in copies of the account and password are this wide; longer input
    // could never be sent whole, so it is refused here.
    m_accountCombo->lineEdit()->setMaxLength(static_cast<int>(SessionState::kAccountBytes));

    m_passwordEdit = new CEditBoxEx(this);
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setFont(fieldFont);
    m_passwordEdit->setMaxLength(static_cast<int>(SessionState::kPasswordBytes));

    m_rememberPasswordCheck = new CButtonCR(tr("保存密码"), this);
    m_rememberPasswordCheck->setObjectName(QStringLiteral("rememberPasswordCheck"));
    m_autoLoginCheck = new CButtonCR(tr("自动登录"), this);
    m_autoLoginCheck->setObjectName(QStringLiteral("autoLoginCheck"));
    for (CButtonCR* check : { m_rememberPasswordCheck, m_autoLoginCheck }) {
        check->setPictures(QString::fromLatin1(skin::names::CheckOff), QString::fromLatin1(skin::names::CheckOn));
        check->setFont(skin::Fonts::ui(13));
        check->setTextColor(skin::palette::TextSoft);
    }

    m_signInButton = new CButtonPNG(tr(kIdleCaption), this);
    m_signInButton->setObjectName(QStringLiteral("signInButton"));
    m_signInButton->setImage(QString::fromLatin1(skin::names::ButtonPrimary));
    m_signInButton->setStringAlignment(1);
    m_signInButton->setTextColors(skin::palette::TextOnBrand, skin::palette::TextOnBrand);
    m_signInButton->setFont(skin::Fonts::ui(16, QFont::Medium));
    connect(m_signInButton, &CButtonPNG::clicked, this, &LoginDialog::attempt);

    m_busyLabel = new CTransparentStatic(tr("正在登录."), this);
    m_busyLabel->setObjectName(QStringLiteral("busyLabel"));
    m_busyLabel->setFont(skin::Fonts::ui(16));
    m_busyLabel->setTextColor(skin::palette::BrandDeep);
    m_busyLabel->setAlignment(Qt::AlignCenter);
    m_busyLabel->hide();

    m_registerLink = new CStaticEx(tr("免费注册"), this);
    m_registerLink->setObjectName(QStringLiteral("registerLink"));
    m_registerLink->setUrl(WebLinks::address(QStringLiteral("/nav/register.aspx")));
    m_homeLink = new CStaticEx(tr("Corvana官网"), this);
    m_homeLink->setObjectName(QStringLiteral("homeLink"));
    m_homeLink->setUrl(WebLinks::address(QStringLiteral("/")));
    m_homeLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_forgotPasswordLink = new CStaticEx(tr("忘记密码"), this);
    m_forgotPasswordLink->setObjectName(QStringLiteral("forgotPasswordLink"));
    m_forgotPasswordLink->setUrl(WebLinks::address(QStringLiteral("/nav/forgotpwd.aspx")));
    m_forgotPasswordLink->hide();
    for (CStaticEx* link : { m_registerLink, m_homeLink, m_forgotPasswordLink }) {
        link->setFont(skin::Fonts::ui(13));
        link->setTextStyle(skin::palette::Link, true, false, 400);
    }

    // Below the banner of the face: two fields, the options, the button, the links.
    const int left = 26;
    const int labelWidth = 40;
    const int fieldLeft = left + labelWidth;
    const int fieldWidth = width() - fieldLeft - left;
    const int top = 274;
    m_accountLabel->setGeometry(left, top, labelWidth, 34);
    m_accountCombo->setGeometry(fieldLeft, top, fieldWidth, 34);
    m_passwordLabel->setGeometry(left, top + 46, labelWidth, 34);
    m_passwordEdit->setGeometry(fieldLeft, top + 46, fieldWidth, 34);
    m_forgotPasswordLink->setGeometry(fieldLeft + fieldWidth - 60, top + 84, 60, 20);
    m_rememberPasswordCheck->setGeometry(fieldLeft, top + 94, 86, 24);
    m_autoLoginCheck->setGeometry(fieldLeft + 90, top + 94, 86, 24);
    m_signInButton->setGeometry(left, top + 140, width() - 2 * left, 40);
    m_busyLabel->setGeometry(left, top + 40, width() - 2 * left, 40);
    m_registerLink->setGeometry(left, height() - 44, 90, 24);
    m_homeLink->setGeometry(width() - left - 110, height() - 44, 110, 24);

    connect(m_accountCombo, &QComboBox::activated, this, &LoginDialog::accountSelected);
    connect(m_accountCombo->lineEdit(), &QLineEdit::textEdited, m_passwordEdit, &QLineEdit::clear);
}

void LoginDialog::loadOptions(const OptionsFile& options)
{
    const LoginPrefill prefill = options.load(m_session.savedAccounts(), m_openedForUserChange);
    for (const std::string& account : prefill.accounts)
        m_accountCombo->addItem(QString::fromStdString(account));
    m_accountCombo->setCurrentIndex(prefill.selectedAccount);
    if (prefill.selectedAccount < 0)
        m_accountCombo->setEditText(QString());
    m_rememberPasswordCheck->setChecked(prefill.rememberPassword);
    m_autoLoginCheck->setChecked(prefill.autoLogin);
    if (prefill.rememberPassword)
        m_passwordEdit->setText(QString::fromStdString(prefill.password));
    if (prefill.startSignInNow)
        attempt();
}

void LoginDialog::accountSelected(int index)
{
    m_rememberPasswordCheck->setChecked(false);
    m_autoLoginCheck->setChecked(false);
    m_passwordEdit->clear();
    SavedAccountTable& table = m_session.savedAccounts();
    table.setCurrentIndex(index);
    if (index < 0 || index >= table.count())
        return;
    const SavedAccount& record = table.record(index);
    if (record.rempd == 1) {
        m_rememberPasswordCheck->setChecked(true);
        m_passwordEdit->setText(QString::fromStdString(record.regphonepd));
    }
    if (record.autologin == 1)
        m_autoLoginCheck->setChecked(true);
}

void LoginDialog::attempt()
{
    if (m_flow.press() == LoginFlow::Press::Cancel) {
        m_timer.stop();
        showIdleLook();
        abandonAttempt();
        return;
    }

    const std::string account = m_accountCombo->currentText().toStdString();
    const std::string password = m_passwordEdit->text().toStdString();

    m_session.savedAccounts().recordAttempt(
        account, password, m_rememberPasswordCheck->isChecked(), m_autoLoginCheck->isChecked());
    showBusyLook();
    m_timer.start(LoginFlow::kTickMs, this);
    m_session.setCredentials(account, password);
    m_session.setIpAddress(SessionState::kSignInIpAddress);
    m_session.setSignInResult(SessionState::kNotSignedIn);

    m_calls->start(Msg::SignInFinished, SignInJob(m_session.ipAddress()));
}

void LoginDialog::abandonAttempt()
{
    // The job stops its transfer; whatever it still reports is dropped.
    m_calls->cancelAll();
}

void LoginDialog::showBusyLook()
{
    m_signInButton->setText(tr(kBusyCaption));
    m_signInButton->setStringAlignment(1);
    for (QWidget* field : std::initializer_list<QWidget*> { m_accountLabel, m_passwordLabel, m_passwordEdit,
             m_accountCombo, m_rememberPasswordCheck, m_autoLoginCheck })
        field->hide();
    m_busyLabel->show();
}

void LoginDialog::showIdleLook()
{
    m_signInButton->setText(tr(kIdleCaption));
    m_signInButton->setStringAlignment(1);
    m_busyLabel->hide();
    for (QWidget* field : std::initializer_list<QWidget*> { m_accountLabel, m_passwordLabel, m_passwordEdit,
             m_accountCombo, m_rememberPasswordCheck, m_autoLoginCheck })
        field->show();
}

bool LoginDialog::event(QEvent* event)
{
    if (AppEvent::messageOf(event) == Msg::SignInFinished) {
        if (const auto* outcome = static_cast<AppEvent*>(event)->payload<SignInOutcome>())
            signInFinished(*outcome);
        return true;
    }
    return CDialogEx::event(event);
}

void LoginDialog::signInFinished(const SignInOutcome& outcome)
{
    if (!m_flow.running())
        return;
    // The session's "still running" value is -1, so a negative code must not be
    // stored as such or the attempt would seem to run until its time-out.
    const int code = outcome.code < 0 ? kTransportFailure : outcome.code;
    m_session.setSignInResult(code);
    if (code == 0)
        return; // the next tick starts the session loads
    m_timer.stop();
    m_flow.finish();
    showIdleLook();
    MessageBoxDialog::run(this, refusalText(outcome), tr("提示"));
}

void LoginDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        CDialogEx::timerEvent(event);
        return;
    }
    switch (m_flow.tick(m_session.signInResult())) {
    case LoginFlow::Tick::TimedOut:
        abandonAttempt();
        m_timer.stop();
        MessageBoxDialog::run(this, tr(kTimeoutText), tr("提示"));
        showIdleLook();
        break;
    case LoginFlow::Tick::StartLoads:
        if (m_startSessionLoads)
            m_startSessionLoads();
        break;
    case LoginFlow::Tick::Refused:
        m_timer.stop();
        showIdleLook();
        break;
    case LoginFlow::Tick::Wait:
    case LoginFlow::Tick::SignedIn:
        break;
    }
}

void LoginDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        attempt();
        return;
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        CDialogEx::keyPressEvent(event);
    }
}

void LoginDialog::reject()
{
    // Escape does not end the dialog; only its close button or the main window do.
}

void LoginDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void LoginDialog::closeButtonClicked()
{
    done(QDialog::Rejected);
}

void LoginDialog::done(int result)
{
    // Once ended, the dialog neither times out nor starts loads any more; an
    // attempt still waiting for the service is abandoned.
    m_timer.stop();
    if (m_flow.running() && m_session.signInResult() != SessionState::kSignedIn)
        abandonAttempt();
    CDialogEx::done(result);
}

void LoginDialog::moveEvent(QMoveEvent* event)
{
    CDialogEx::moveEvent(event);
    rememberPosition();
}

void LoginDialog::showEvent(QShowEvent* event)
{
    CDialogEx::showEvent(event);
    rememberPosition();
    // The cursor waits where the user has something left to type.
    if (!event->spontaneous() && !m_flow.running()) {
        if (m_accountCombo->currentText().isEmpty())
            m_accountCombo->setFocus();
        else if (m_passwordEdit->text().isEmpty())
            m_passwordEdit->setFocus();
        else
            m_signInButton->setFocus();
    }
}

void LoginDialog::rememberPosition()
{
    m_lastPosition = QRect(mapToGlobal(QPoint(0, 0)), size());
}
