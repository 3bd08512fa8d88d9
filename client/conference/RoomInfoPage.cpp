#include "conference/RoomInfoPage.h"

#include "core/conference/RoomInfoJob.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/service/UnderProgress.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"
#include "widgets/DialogControls.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QFrame* rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background: %1; border: none;").arg(skin::palette::Border.name()));
    return line;
}

} // namespace

RoomInfoPage::RoomInfoPage(SessionState& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_calls(new ServiceCall(session, this))
{
    setObjectName(QStringLiteral("roomInfoPage"));

    auto* title = dialogControls::label(tr("我的会议室"), QStringLiteral("roomTitle"), this);
    title->setFont(skin::Fonts::ui(15, QFont::Bold));
    title->setTextColor(skin::palette::BrandDeep);
    m_hostPassword = dialogControls::label(QString(), QStringLiteral("hostPasswordLabel"), this);
    m_participantPassword = dialogControls::label(QString(), QStringLiteral("participantPasswordLabel"), this);
    for (CTransparentStatic* password : { m_hostPassword, m_participantPassword })
        password->setFont(skin::Fonts::ui(14));
    m_resetButton = dialogControls::primaryButton(tr("重置密码"), QStringLiteral("resetButton"), this);
    m_resetButton->setFixedWidth(96);

    auto* passwords = new QGridLayout;
    passwords->setHorizontalSpacing(16);
    passwords->setVerticalSpacing(10);
    passwords->addWidget(m_hostPassword, 0, 0);
    passwords->addWidget(m_participantPassword, 1, 0);
    passwords->addWidget(m_resetButton, 0, 1, 2, 1, Qt::AlignVCenter);
    passwords->setColumnStretch(2, 1);

    auto* dialInTitle = dialogControls::label(tr("拨入号码"), QStringLiteral("dialInTitle"), this);
    dialInTitle->setFont(skin::Fonts::ui(15, QFont::Bold));
    dialInTitle->setTextColor(skin::palette::BrandDeep);
    const QString captions[DialInNumbers::kCount]
        = { tr("全国统一接入："), tr("免费电话接入："), tr("本地接入一："), tr("本地接入二：") };
    auto* dialIn = new QGridLayout;
    dialIn->setHorizontalSpacing(12);
    dialIn->setVerticalSpacing(10);
    for (int i = 0; i < DialInNumbers::kCount; ++i) {
        auto* caption = dialogControls::label(captions[i], QString(), this);
        caption->setTextColor(skin::palette::TextMuted);
        auto* number = dialogControls::label(QString(), QStringLiteral("dialInNumber%1").arg(i), this);
        number->setFont(skin::Fonts::ui(14));
        m_dialIn[std::size_t(i)] = number;
        dialIn->addWidget(caption, i, 0);
        dialIn->addWidget(number, i, 1);
    }
    dialIn->setColumnStretch(2, 1);
    auto* hint = dialogControls::label(
        tr("参会人拨打以上任一号码，按提示输入参会人密码即可加入会议。"), QStringLiteral("dialInHint"), this);
    hint->setTextColor(skin::palette::TextMuted);
    hint->setWordWrap(true);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 20, 24, 20);
    page->setSpacing(14);
    page->addWidget(title);
    page->addLayout(passwords);
    page->addWidget(rule(this));
    page->addWidget(dialInTitle);
    page->addLayout(dialIn);
    page->addWidget(hint);
    page->addStretch(1);
    for (auto* label : findChildren<CTransparentStatic*>())
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(m_resetButton, &CButtonPNG::clicked, this, &RoomInfoPage::resetPasswords);
    showRoom();
}

void RoomInfoPage::LoadRoomInfo()
{
    load(false);
}

void RoomInfoPage::resetPasswords()
{
    load(true);
}

void RoomInfoPage::load(bool withReset)
{
    if (!m_session.isSignedIn())
        return;
    ProgressDialog progress(this);
    m_calls->startWithProgress(Msg::RoomInfoReady, progress.reporter(), underProgress(RoomInfoJob(withReset)));
    progress.exec();
}

void RoomInfoPage::roomLoaded(const RoomInfoReply& reply)
{
    m_room.readPasswords(reply.roomText);
    m_room.readNoteNumber(reply.noteText);
    showRoom();
    if (m_room.hostPassword.empty())
        MessageBoxDialog::run(this, tr("对不起，还没有设置会议密码，请单机右边的“重设密码”"), tr("提示"));
}

void RoomInfoPage::showRoom()
{
    m_hostPassword->setText(tr("主持人密码：") + QString::fromStdString(m_room.hostPassword));
    m_participantPassword->setText(tr("参会人密码：") + QString::fromStdString(m_room.participantPassword));
    const DialInNumbers& numbers = DialInNumbers::forNoteNumber(m_room.noteNumber);
    for (int i = 0; i < DialInNumbers::kCount; ++i) {
        const std::string_view number = numbers.numbers[std::size_t(i)];
        m_dialIn[std::size_t(i)]->setText(QString::fromUtf8(number.data(), qsizetype(number.size())));
    }
}

bool RoomInfoPage::event(QEvent* event)
{
    if (AppEvent::messageOf(event) == Msg::RoomInfoReady) {
        if (const auto* reply = static_cast<AppEvent*>(event)->payload<RoomInfoReply>())
            roomLoaded(*reply);
        return true;
    }
    return QWidget::event(event);
}
