#include "messaging/SmsPage.h"

#include "core/addressbook/ContactSelection.h"
#include "core/messaging/RecipientList.h"
#include "core/messaging/SmsRecipientImportJob.h"
#include "core/messaging/SmsSendJob.h"
#include "core/messaging/SmsText.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"
#include "widgets/DialogControls.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int kLabelColumnWidth = 64;

QPlainTextEdit* multiLineEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(objectName);
    edit->setFont(skin::Fonts::ui(13));
    edit->setTabChangesFocus(true);
    edit->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: %1; color: %2; border: 1px solid %3; border-radius: 4px;"
                       " padding: 2px 3px; selection-background-color: %5; }"
                       "QPlainTextEdit:focus { border-color: %4; }")
            .arg(skin::palette::Surface.name(), skin::palette::Text.name(), skin::palette::Border.name(),
                skin::palette::BrandDark.name(), skin::palette::BrandLight.name()));
    return edit;
}

// Puts text into an edit without moving the view more than needed: the cursor goes
// back where it was, or to the end when the text is now shorter.
void restoreText(QPlainTextEdit* edit, const QString& text)
{
    const int position = edit->textCursor().position();
    edit->setPlainText(text);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(std::min<int>(position, int(text.size())));
    edit->setTextCursor(cursor);
}

void restoreText(CEditBoxEx* edit, const QString& text)
{
    const int position = edit->cursorPosition();
    edit->setText(text);
    edit->setCursorPosition(std::min<int>(position, int(text.size())));
}

} // namespace

SmsPage::SmsPage(SessionState& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_calls(new ServiceCall(session, this))
    , m_clock(smsSchedule::systemClock())
{
    setObjectName(QStringLiteral("smsPage"));
    buildControls();
    connectControls();
    setClock(m_clock);
    textsChanged();
}

SmsPage::~SmsPage() = default;

void SmsPage::buildControls()
{
    m_signatureEdit = dialogControls::edit(QStringLiteral("signatureEdit"), this);
    m_timedSendBox = dialogControls::checkBox(QString(), QStringLiteral("timedSendBox"), this);
    m_timedSendBox->setToolTip(tr("定时发送"));
    m_sendTimePicker = new CDateTimeCtrlEx(this);
    m_sendTimePicker->setObjectName(QStringLiteral("sendTimePicker"));
    m_sendTimePicker->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    m_sendTimePicker->setFont(skin::Fonts::ui(13));
    m_sendTimePicker->setFixedHeight(28);
    m_sendTimePicker->setEnabled(false);

    m_contentEdit = multiLineEdit(QStringLiteral("contentEdit"), this);
    m_contentEdit->setPlaceholderText(tr("短信签名加短信内容的总长度不能超过250字"));
    m_lengthCounter = dialogControls::edit(QStringLiteral("lengthCounter"), this);
    m_lengthCounter->setReadOnly(true);
    m_lengthCounter->setFocusPolicy(Qt::NoFocus);
    m_lengthCounter->setAlignment(Qt::AlignCenter);
    m_lengthCounter->setBackgroundColor(skin::palette::Face);
    m_lengthCounter->setFixedWidth(52);
    m_lengthCounter->setToolTip(tr("短信长度"));
    m_billingLine = dialogControls::label(QString(), QStringLiteral("billingLine"), this);
    m_billingLine->setTextColor(skin::palette::TextMuted);
    m_billingLine->setFont(skin::Fonts::ui(12));
    m_billingLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_recipientsEdit = multiLineEdit(QStringLiteral("recipientsEdit"), this);
    m_importButton = dialogControls::secondaryButton(tr("导入XLS"), QStringLiteral("importButton"), this);
    m_sendButton = dialogControls::primaryButton(tr("发  送"), QStringLiteral("sendButton"), this);
    m_sendButton->setFixedWidth(110);

    const auto label = [this](const QString& text, const char* name) {
        CTransparentStatic* made = dialogControls::label(text, QString::fromLatin1(name), this);
        made->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return made;
    };

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(8);
    top->setVerticalSpacing(8);
    top->setColumnMinimumWidth(0, kLabelColumnWidth);
    top->addWidget(label(tr("短信签名"), "signatureLabel"), 0, 0);
    top->addWidget(m_signatureEdit, 0, 1, 1, 3);
    top->addWidget(label(tr("定时发送"), "timedSendLabel"), 1, 0);
    top->addWidget(m_timedSendBox, 1, 1);
    top->addWidget(m_sendTimePicker, 1, 2);
    top->setColumnStretch(2, 1);
    top->setColumnStretch(3, 1);

    auto* contentTitle = new QHBoxLayout;
    contentTitle->addWidget(label(tr("短信内容"), "contentLabel"));
    contentTitle->addStretch();
    contentTitle->addWidget(m_lengthCounter);

    auto* recipientsTitle = new QHBoxLayout;
    recipientsTitle->addWidget(label(tr("接收者(接收者之间用逗号,分隔符)"), "recipientsLabel"));
    recipientsTitle->addStretch();
    recipientsTitle->addWidget(m_importButton);

    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(m_sendButton);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(6);
    page->addLayout(top);
    page->addLayout(contentTitle);
    page->addWidget(m_contentEdit, 3);
    page->addWidget(m_billingLine);
    page->addLayout(recipientsTitle);
    page->addWidget(m_recipientsEdit, 2);
    page->addLayout(actions);
}

void SmsPage::connectControls()
{
    connect(m_signatureEdit, &CEditBoxEx::textChanged, this, &SmsPage::textsChanged);
    connect(m_contentEdit, &QPlainTextEdit::textChanged, this, &SmsPage::textsChanged);
    connect(m_recipientsEdit, &QPlainTextEdit::textChanged, this, &SmsPage::updateBillingLine);
    connect(m_timedSendBox, &CButtonCR::toggled, m_sendTimePicker, &CDateTimeCtrlEx::setEnabled);
    connect(m_importButton, &CButtonPNG::clicked, this, &SmsPage::importRecipients);
    connect(m_sendButton, &CButtonPNG::clicked, this, &SmsPage::send);
}

void SmsPage::setClock(smsSchedule::Clock clock)
{
    m_clock = std::move(clock);
    // The picker starts at the current minute; the send rule then asks for a later one.
    QDateTime now = m_clock();
    now.setTime(QTime(now.time().hour(), now.time().minute()));
    m_sendTimePicker->setDateTime(now);
}

void SmsPage::ShowSignature()
{
    m_signatureEdit->setText(QString::fromStdString(m_session.memberProfile().smsSignature));
}

void SmsPage::textsChanged()
{
    if (m_restoring)
        return;
    const SmsLengthGuard::Verdict verdict = m_guard.check({ m_signatureEdit->text(), m_contentEdit->toPlainText() });
    if (!verdict.accepted) {
        m_restoring = true;
        if (m_signatureEdit->text() != verdict.texts.signature)
            restoreText(m_signatureEdit, verdict.texts.signature);
        if (m_contentEdit->toPlainText() != verdict.texts.content)
            restoreText(m_contentEdit, verdict.texts.content);
        m_restoring = false;
    }
    m_length = verdict.length;
    m_lengthCounter->setText(QString::number(m_length));
    updateBillingLine();
}

void SmsPage::updateBillingLine()
{
    m_billingLine->setText(tr("共%1字，按%2条短信计费，接收者%3个")
                               .arg(m_length)
                               .arg(smsText::billedMessages(m_length))
                               .arg(recipientList::count(m_recipientsEdit->toPlainText())));
}

void SmsPage::appendRecipients(const QString& more)
{
    m_recipientsEdit->setPlainText(recipientList::join(m_recipientsEdit->toPlainText(), more));
    m_recipientsEdit->moveCursor(QTextCursor::End);
}

void SmsPage::AddRecipients(int mode, int parent, int index)
{
    const QString numbers = recipientList::fromContacts(
        selectedContacts(m_session.addressBook(), static_cast<PanelMode>(mode), parent, index));
    if (!numbers.isEmpty())
        appendRecipients(numbers);
}

void SmsPage::importRecipients()
{
    const QString path = FileDialog::openFileName(this, tr("导入XLS"), { tr("电子表格(*.xls *.xlsx *.csv)") });
    if (path.isEmpty() || !SmsRecipientImportJob::readsFile(path.toStdString()))
        return;
    ProgressDialog progress(this);
    m_calls->startWithProgress(Msg::SmsImportFinished, progress.reporter(), SmsRecipientImportJob(path.toStdString()));
    progress.exec();
}

void SmsPage::recipientsImported(const SmsRecipientImportReply& reply)
{
    if (!reply.gathered.empty())
        appendRecipients(QString::fromStdString(reply.gathered));
}

void SmsPage::send()
{
    const QString signature = m_signatureEdit->text();
    const QString content = m_contentEdit->toPlainText();
    const QString recipients = m_recipientsEdit->toPlainText();
    if (content.isEmpty()) {
        MessageBoxDialog::run(this, tr("短信内容不能为空"), tr("提示"));
        return;
    }
    if (recipients.isEmpty()) {
        MessageBoxDialog::run(this, tr("联系人不能为空"), tr("提示"));
        return;
    }
    const std::optional<std::string> sendTime
        = smsSchedule::sendTime(m_timedSendBox->isChecked(), m_sendTimePicker->dateTime(), m_clock());
    if (!sendTime) {
        MessageBoxDialog::run(this, tr("定时发送短信的时间必须大于当前时间之后 5 分钟，请修改！"), tr("提示"));
        return;
    }
    const QString message = smsText::message(content, signature);
    if (smsText::length(message) > smsText::kMaxLength) {
        MessageBoxDialog::run(this, tr("您发送的短信加上签名的长度超过 250 个字符，请修改后重新发送！"), tr("提示"));
        return;
    }
    if (!m_session.isSignedIn())
        return;
    ProgressDialog progress(this);
    m_calls->startWithProgress(Msg::SmsSendFinished, progress.reporter(),
        [job = SmsSendJob(recipients.toStdString(), message.toStdString(), *sendTime)](
            CCvService& service, const Credentials& who, ProgressReporter& reporter) {
            SmsSendReply reply = job(service, who);
            reporter.finish(-1, -1);
            return reply;
        });
    progress.exec();
}

void SmsPage::sendAnswered(const SmsSendReply& reply)
{
    if (reply.hasAnswer())
        MessageBoxDialog::run(this, reply.message, tr("提示"));
}

bool SmsPage::event(QEvent* event)
{
    auto* appEvent = dynamic_cast<AppEvent*>(event);
    if (!appEvent)
        return QWidget::event(event);
    switch (appEvent->message()) {
    case Msg::SmsImportFinished:
        if (const auto* reply = appEvent->payload<SmsRecipientImportReply>())
            recipientsImported(*reply);
        return true;
    case Msg::SmsSendFinished:
        if (const auto* reply = appEvent->payload<SmsSendReply>())
            sendAnswered(*reply);
        return true;
    default:
        return QWidget::event(event);
    }
}
