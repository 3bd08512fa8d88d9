#include "conference/InstantMeetingPage.h"

#include "conference/JoinedListModel.h"
#include "conference/WaitingListModel.h"

#include "core/addressbook/ContactSelection.h"
#include "core/conference/ConferenceJobs.h"
#include "core/conference/ConferenceStart.h"
#include "core/conference/ParticipantImportJob.h"
#include "core/conference/RosterRules.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/service/UnderProgress.h"
#include "core/session/SessionState.h"
#include "cvsrv/CUtility.h"
#include "skin/Artwork.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"
#include "widgets/DialogControls.h"
#include "widgets/ImportFileDialog.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/OperationListCtrl.h"
#include "widgets/ProgressDialog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

constexpr const char* kLogFile = "mylog.txt";
constexpr int kWatchPeriodMs = 2000;

// A control answer the page reads: which command it was for.
struct ControlAnswer {
    ConferenceCommand command;
    ConferenceReply reply;
};

void log(const char* text)
{
    Log(kLogFile, text);
}

QString noConnectionText()
{
    return QCoreApplication::translate("InstantMeetingPage", "网络连接已断开,请稍后重试。");
}

} // namespace

InstantMeetingPage::InstantMeetingPage(SessionState& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_calls(new ServiceCall(session, this))
    , m_waitingModel(new WaitingListModel(m_roster, this))
    , m_joinedModel(new JoinedListModel(m_roster, this))
    , m_monitor(new MonitorSocket(session, this))
{
    setObjectName(QStringLiteral("instantPage"));
    m_roster.addObserver(this);
    buildControls();
    connectControls();
    m_watch.setInterval(kWatchPeriodMs);
    LoadConference(nullptr);
}

InstantMeetingPage::~InstantMeetingPage()
{
    stopWatching();
    log("CCorvanaDlgMeetingNow OnDestroy");
    m_roster.removeObserver(this);
    // The lists and their models watch the roster, which goes with this object's
    // members, before QObject would delete the children.
    delete m_waitingList;
    delete m_joinedList;
    delete m_waitingModel;
    delete m_joinedModel;
}

void InstantMeetingPage::buildControls()
{
    m_topicEdit = dialogControls::edit(QStringLiteral("topicEdit"), this);
    m_topicEdit->setToolTip(tr("会议主题"));
    m_hostEdit = dialogControls::edit(QStringLiteral("hostEdit"), this);
    m_nameEdit = dialogControls::edit(QStringLiteral("nameEdit"), this);
    m_nameEdit->setToolTip(tr("姓名"));
    m_nameEdit->setPlaceholderText(tr("姓名"));
    m_phoneEdit = dialogControls::edit(QStringLiteral("phoneEdit"), this);
    m_phoneEdit->setToolTip(tr("电话号码"));
    m_phoneEdit->setPlaceholderText(tr("电话号码"));
    m_addButton = new CButtonPNG(this);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setImage(QString::fromLatin1(skin::names::Add));
    m_addButton->setPictureOnly(true);
    m_addButton->setFixedSize(28, 28);
    m_addButton->setToolTip(tr("添加参会人"));
    m_importButton = dialogControls::secondaryButton(tr("导入参会人"), QStringLiteral("importButton"), this);
    m_importButton->setFixedWidth(100);

    m_searchBox = new CEditBoxBmp(this);
    m_searchBox->setObjectName(QStringLiteral("searchBox"));
    m_searchBox->setBackgroundPicture(QString::fromLatin1(skin::names::EditSearch));
    m_searchBox->setFont(skin::Fonts::ui(13));
    m_searchBox->setFixedHeight(30);

    m_waitingList = new OperationListCtrl(this);
    m_waitingList->setObjectName(QStringLiteral("waitingList"));
    m_waitingList->setListNumber(int(RosterList::Waiting));
    m_waitingList->setModel(m_waitingModel);
    m_waitingList->setColumnWidths({ 70, 104, 80 });
    m_joinedList = new OperationListCtrl(this);
    m_joinedList->setObjectName(QStringLiteral("joinedList"));
    m_joinedList->setListNumber(int(RosterList::Joined));
    m_joinedList->setModel(m_joinedModel);
    m_joinedList->setColumnWidths({ 84, 104, 44, 80 });
    for (OperationListCtrl* list : { m_waitingList, m_joinedList }) {
        list->setItemHeight(22);
        list->horizontalHeader()->setStretchLastSection(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setMessageTarget(this);
    }

    m_totalCount = dialogControls::label(QStringLiteral("0"), QStringLiteral("totalCount"), this);
    m_waitingCount = dialogControls::label(QStringLiteral("0"), QStringLiteral("waitingCount"), this);
    m_joinedCount = dialogControls::label(QStringLiteral("0"), QStringLiteral("joinedCount"), this);
    m_liveState = dialogControls::label(QString(), QStringLiteral("liveState"), this);
    m_liveState->setTextColor(skin::palette::Warning);
    m_liveState->hide();

    m_smsNoticeBox = dialogControls::checkBox(tr("短信通知"), QStringLiteral("smsNoticeBox"), this);
    m_autoRecallBox = dialogControls::checkBox(tr("自动追呼"), QStringLiteral("autoRecallBox"), this);
    m_recordingBox = dialogControls::checkBox(tr("会议录音"), QStringLiteral("recordingBox"), this);
    m_muteAllBox = dialogControls::checkBox(tr("全部禁言"), QStringLiteral("muteAllBox"), this);
    m_recallAllButton = dialogControls::secondaryButton(tr("全部追呼"), QStringLiteral("recallAllButton"), this);
    m_recordingButton = dialogControls::secondaryButton(tr("开始录音"), QStringLiteral("recordingButton"), this);
    m_muteAllButton = dialogControls::secondaryButton(tr("全部禁言"), QStringLiteral("muteAllButton"), this);
    for (CButtonPNG* toggle : { m_recallAllButton, m_recordingButton, m_muteAllButton })
        toggle->setCheckable(true);
    m_startButton = dialogControls::primaryButton(tr("开始会议"), QStringLiteral("startButton"), this);
    m_startButton->setFixedWidth(120);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(8);
    page->addLayout(composeRows());
    page->addWidget(m_searchBox);
    page->addLayout(listColumns(), 1);
    page->addLayout(bottomRows());
}

QLayout* InstantMeetingPage::composeRows()
{
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(8);
    rows->setVerticalSpacing(8);
    rows->addWidget(dialogControls::label(tr("会议主题"), QStringLiteral("topicLabel"), this), 0, 0);
    rows->addWidget(m_topicEdit, 0, 1, 1, 2);
    rows->addWidget(dialogControls::label(tr("主持号码"), QStringLiteral("hostLabel"), this), 0, 3);
    rows->addWidget(m_hostEdit, 0, 4, 1, 2);
    rows->addWidget(dialogControls::label(tr("参会人员"), QStringLiteral("participantLabel"), this), 1, 0);
    rows->addWidget(m_nameEdit, 1, 1);
    rows->addWidget(m_phoneEdit, 1, 2, 1, 2);
    rows->addWidget(m_addButton, 1, 4, Qt::AlignLeft);
    auto* import = new QHBoxLayout;
    import->setSpacing(6);
    import->addWidget(dialogControls::label(tr("文件导入"), QStringLiteral("importLabel"), this));
    import->addWidget(m_importButton);
    rows->addLayout(import, 1, 5, Qt::AlignRight);
    rows->setColumnStretch(1, 2);
    rows->setColumnStretch(2, 2);
    rows->setColumnStretch(4, 1);
    return rows;
}

QLayout* InstantMeetingPage::listColumns()
{
    auto* columns = new QHBoxLayout;
    columns->setSpacing(10);
    auto* waiting = new QVBoxLayout;
    waiting->setSpacing(4);
    waiting->addWidget(dialogControls::label(tr("未参会者"), QStringLiteral("waitingTitle"), this), 0, Qt::AlignLeft);
    waiting->addWidget(m_waitingList, 1);
    auto* joined = new QVBoxLayout;
    joined->setSpacing(4);
    auto* joinedTitle = new QHBoxLayout;
    joinedTitle->addWidget(dialogControls::label(tr("已参会者"), QStringLiteral("joinedTitle"), this));
    joinedTitle->addStretch();
    joinedTitle->addWidget(m_liveState);
    joined->addLayout(joinedTitle);
    joined->addWidget(m_joinedList, 1);
    columns->addLayout(waiting, 10);
    columns->addLayout(joined, 12);
    return columns;
}

QLayout* InstantMeetingPage::bottomRows()
{
    auto* counters = new QHBoxLayout;
    counters->setSpacing(4);
    const std::pair<QString, CTransparentStatic*> pairs[] = { { tr("总人数："), m_totalCount },
        { tr("未参会者："), m_waitingCount }, { tr("已参会者："), m_joinedCount } };
    for (const auto& [caption, value] : pairs) {
        counters->addWidget(dialogControls::label(caption, QString(), this));
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        value->setMinimumWidth(36);
        counters->addWidget(value);
    }
    counters->addStretch();

    auto* actions = new QHBoxLayout;
    actions->setSpacing(10);
    for (CButtonCR* box : { m_smsNoticeBox, m_autoRecallBox, m_recordingBox, m_muteAllBox })
        actions->addWidget(box);
    for (CButtonPNG* toggle : { m_recallAllButton, m_recordingButton, m_muteAllButton })
        actions->addWidget(toggle);
    actions->addStretch();
    actions->addWidget(m_startButton);

    auto* rows = new QVBoxLayout;
    rows->setSpacing(8);
    rows->addLayout(counters);
    rows->addLayout(actions);
    return rows;
}

void InstantMeetingPage::connectControls()
{
    connect(m_addButton, &CButtonPNG::clicked, this, &InstantMeetingPage::addTypedParticipant);
    connect(m_importButton, &CButtonPNG::clicked, this, &InstantMeetingPage::importParticipants);
    connect(m_searchBox, &CEditBoxBmp::textChanged, this,
        [this](const QString& text) { m_roster.setFilter(text.toStdString()); });
    connect(m_startButton, &CButtonPNG::clicked, this, &InstantMeetingPage::startOrEnd);
    connect(m_recallAllButton, &CButtonPNG::clicked, this, &InstantMeetingPage::recallAll);
    connect(m_recordingButton, &CButtonPNG::clicked, this, &InstantMeetingPage::toggleRecording);
    connect(m_muteAllButton, &CButtonPNG::clicked, this, &InstantMeetingPage::toggleMuteAll);
    connect(m_monitor, &MonitorSocket::memberListReceived, this, &InstantMeetingPage::membersArrived);
    connect(m_monitor, &MonitorSocket::conferenceEnded, this, [this](const QString& phoneList) {
        m_record.memberList = phoneList.toStdString();
        conferenceEnded();
    });
    connect(m_monitor, &MonitorSocket::serverError, this,
        [this](const QString& text) { MessageBoxDialog::run(this, text, tr("提示")); });
    connect(m_monitor, &MonitorSocket::stateChanged, this, [this](MonitorSocket::State state) {
        m_liveState->setText(tr("实时状态中断，正在重新连接…"));
        m_liveState->setVisible(state == MonitorSocket::State::Reconnecting);
    });
    connect(&m_watch, &QTimer::timeout, this, &InstantMeetingPage::watchConnectivity);
}

void InstantMeetingPage::ResetComposition()
{
    m_searchBox->clear();
    m_topicEdit->clear();
    m_roster.clear();
    setStartButton(tr("开始会议"), true);
    m_hostEdit->setText(QString::fromStdString(m_session.regphoneid()));
    updateCounters();
}

void InstantMeetingPage::LoadConference(const ConferenceRecord* record)
{
    if (!record) {
        stopWatching();
        m_record.conferenceId.clear();
        m_record.state = ConferenceRecord::NotStartedOrBooked;
        m_record.type = ConferenceRecord::Instant;
        m_record.lastCommand = 0;
        m_roster.loadComposing();
        m_hostEdit->setText(QString::fromStdString(m_session.memberProfile().hostNumber));
        showRunning(false);
        setOptionBoxes(true);
    } else if (record->state == ConferenceRecord::Running) {
        m_record = *record;
        m_roster.loadRunning();
        m_monitor->open(m_record.conferenceId);
        m_watch.start();
        m_topicEdit->setText(QString::fromStdString(m_record.topic));
        m_hostEdit->setText(QString::fromStdString(m_record.hostNumber));
        setStartButton(tr("会议中"), true);
        m_startButton->setToolTip(tr("点击结束当前会议"));
        showRunning(true);
        setRunningToggles();
    } else {
        // A past or booked conference launched again: its people, a new conference.
        stopWatching();
        m_record = *record;
        m_record.conferenceId.clear();
        m_record.state = ConferenceRecord::NotStartedOrBooked;
        m_roster.loadComposing();
        m_hostEdit->setText(QString::fromStdString(m_record.hostNumber));
        m_roster.addFromConference(m_record.phones, m_record.names);
        showRunning(false);
        setOptionBoxes(false);
    }
    updateCounters();
    update();
}

void InstantMeetingPage::AddFromAddressBook(int mode, int parent, int index)
{
    for (const ContactRecord& contact :
        selectedContacts(m_session.addressBook(), static_cast<PanelMode>(mode), parent, index))
        m_roster.add(contact);
    updateCounters();
}

void InstantMeetingPage::addTypedParticipant()
{
    const QString phone = m_phoneEdit->text();
    if (!RosterRules::isValidTypedPhone(phone.toStdString())) {
        MessageBoxDialog::run(this, tr("电话号码格式有误"), tr("提示"));
        return;
    }
    ContactRecord entry;
    entry.addressname = m_nameEdit->text().toStdString();
    entry.phone = phone.toStdString();
    m_roster.add(entry);
    m_nameEdit->clear();
    m_phoneEdit->clear();
}

void InstantMeetingPage::importParticipants()
{
    ImportFileDialog chooser(this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    const std::string path = chooser.path().toStdString();
    if (!ParticipantImportJob::readsFile(path))
        return;
    ProgressDialog progress(this);
    m_calls->startWithProgress(Msg::ParticipantsImported, progress.reporter(), ParticipantImportJob(path));
    progress.exec();
}

void InstantMeetingPage::participantsImported(const ParticipantImportReply& reply)
{
    for (const ImportedParticipant& participant : reply.participants) {
        ContactRecord entry;
        entry.phone = participant.phone;
        entry.addressname = participant.name;
        m_roster.add(entry);
    }
    if (reply.fileFailed)
        MessageBoxDialog::run(this, tr("文件导入失败，请检查文件是否存在或已被其它程序打开。"), tr("提示"));
}

void InstantMeetingPage::startOrEnd()
{
    if (isRunning())
        endConference();
    else
        StartConference();
    emit runningConferencesChanged();
}

void InstantMeetingPage::StartConference()
{
    if (!m_session.isSignedIn()) {
        MessageBoxDialog::run(this, tr("对不起，您还没有登录！"), tr("提示"));
        return;
    }
    if (refuseWithoutConnection())
        return;
    const LiveRoster::StartLists participants = m_roster.collectForStart();
    ConferenceDraft draft;
    draft.hostNumber = m_hostEdit->text().toStdString();
    draft.topic = m_topicEdit->text().toStdString();
    draft.autoRecall = m_autoRecallBox->isChecked();
    draft.recording = m_recordingBox->isChecked();
    draft.muteAll = m_muteAllBox->isChecked();
    draft.smsNotice = m_smsNoticeBox->isChecked();
    draft.phones = participants.phones;
    draft.names = participants.names;
    draft.participantCount = participants.count;
    draft.ipAddress = m_session.ipAddress();
    const ConferenceStartCheck checked = conferenceStart::check(draft, QDateTime::currentDateTime());
    if (!checked.record) {
        MessageBoxDialog::run(this, checked.refusal, tr("提示"));
        return;
    }
    m_record = *checked.record;
    m_record.lastCommand = 0;
    setStartButton(tr("正在发起"), false);
    m_smsNoticeBox->hide();
    ProgressDialog progress(this);
    m_calls->startWithProgress(
        Msg::CreateConferenceResult, progress.reporter(), underProgress(CreateConferenceJob(m_record)));
    progress.exec();
}

void InstantMeetingPage::created(const ConferenceReply& reply)
{
    m_record.result = reply.resultText;
    if (reply.succeeded()) {
        m_record.conferenceId = reply.conferenceId;
        m_record.state = ConferenceRecord::Running;
        const ConferenceRecord running = m_record;
        LoadConference(&running);
        emit runningConferencesChanged();
        return;
    }
    MessageBoxDialog::run(this, reply.message, tr("提示"));
    // Still composing: the button starts again, and the notice option is back.
    setStartButton(tr("开始会议"), true);
    m_smsNoticeBox->show();
}

void InstantMeetingPage::endConference()
{
    if (refuseWithoutConnection())
        return;
    if (m_record.conferenceId.size() < conferenceReply::kMinimumIdLength || !isRunning())
        return;
    setStartButton(tr("正在结束"), false);
    m_record.lastCommand = int(ConferenceCommand::End);
    ProgressDialog progress(this);
    m_calls->startWithProgress(Msg::EndConferenceResult, progress.reporter(),
        underProgress(ConferenceControlJob(m_record.conferenceId, ConferenceCommand::End)));
    if (progress.exec() == QDialog::Rejected && isRunning()) {
        m_record.lastCommand = 0;
        setStartButton(tr("会议中"), true);
    }
}

void InstantMeetingPage::endAnswered(const ConferenceReply& reply)
{
    m_record.result = reply.resultText;
    if (m_record.lastCommand != int(ConferenceCommand::End))
        return;
    // A reply that is no answer (an error page, broken XML) says nothing about the
    // end: waiting for the monitor would leave the button disabled for good. If the
    // end did happen, the monitor still reports it.
    const bool unanswered = reply.succeeded() && reply.resultText.empty();
    if (reply.succeeded() && !unanswered)
        return; // the conference ends when the monitor says so
    // Refused: the conference goes on, and can be ended again.
    m_record.lastCommand = 0;
    MessageBoxDialog::run(this, unanswered ? noConnectionText() : reply.message, tr("提示"));
    if (isRunning())
        setStartButton(tr("会议中"), true);
}

void InstantMeetingPage::listWordClicked(int row, int list, int word)
{
    if (refuseWithoutConnection())
        return;
    const std::optional<MemberCommand> command = m_roster.clickWord(static_cast<RosterList>(list), row, word);
    if (command && isRunning())
        sendControl(static_cast<ConferenceCommand>(command->number), command->inphoneid);
}

void InstantMeetingPage::recallAll()
{
    if (refuseWithoutConnection()) {
        m_recallAllButton->setChecked(!m_recallAllButton->isChecked());
        return;
    }
    m_recallAllButton->setText(tr("追呼所有"));
    if (isRunning()) {
        sendControl(ConferenceCommand::RecallAll);
        log("OnCheckAutorecall");
        m_recallAllButton->setChecked(false);
        m_recallAllButton->update();
    }
}

void InstantMeetingPage::toggleRecording()
{
    if (refuseWithoutConnection()) {
        m_recordingButton->setChecked(!m_recordingButton->isChecked());
        return;
    }
    const bool on = m_recordingButton->isChecked();
    m_recordingButton->setText(on ? tr("暂停录音") : tr("开始录音"));
    if (isRunning())
        sendControl(on ? ConferenceCommand::StartRecording : ConferenceCommand::PauseRecording);
}

void InstantMeetingPage::toggleMuteAll()
{
    if (refuseWithoutConnection()) {
        m_muteAllButton->setChecked(!m_muteAllButton->isChecked());
        return;
    }
    const bool on = m_muteAllButton->isChecked();
    m_muteAllButton->setText(on ? tr("全部发言") : tr("全部禁言"));
    if (isRunning()) {
        sendControl(on ? ConferenceCommand::MuteAll : ConferenceCommand::UnmuteAll);
        m_record.muteAll = on ? 1 : 0;
    }
}

void InstantMeetingPage::sendControl(ConferenceCommand command, const std::string& phoneId)
{
    m_calls->start(Msg::ConferenceControlReplied,
        [command, job = ConferenceControlJob(m_record.conferenceId, command, phoneId)](
            CCvService& service, const Credentials& who) {
            return ControlAnswer { command, job(service, who) };
        });
}

void InstantMeetingPage::controlAnswered(ConferenceCommand command, const ConferenceReply& reply)
{
    // A refusal that crossed the end of the conference is no news to the user.
    if (!isRunning() || m_record.lastCommand == int(ConferenceCommand::End))
        return;
    // The member commands' answers are not read: the next member list shows them.
    switch (command) {
    case ConferenceCommand::RecallAll:
    case ConferenceCommand::StartRecording:
    case ConferenceCommand::PauseRecording:
    case ConferenceCommand::MuteAll:
    case ConferenceCommand::UnmuteAll:
        if (!reply.succeeded())
            MessageBoxDialog::run(this, reply.message, tr("提示"));
        break;
    default:
        break;
    }
}

void InstantMeetingPage::membersArrived(const QString& phoneList, bool resync)
{
    m_record.memberList = phoneList.toStdString();
    if (m_roster.applyMemberList(m_record.memberList, resync))
        update();
}

void InstantMeetingPage::conferenceEnded()
{
    stopWatching();
    m_record.conferenceId.clear();
    m_record.lastCommand = 0;
    m_record.type = ConferenceRecord::Instant;
    m_record.state = ConferenceRecord::NotStartedOrBooked;
    m_roster.conferenceEnded(m_record.hostNumber);
    m_startButton->setToolTip(QString());
    setStartButton(tr("开始会议"), true);
    for (CButtonPNG* toggle : { m_recallAllButton, m_recordingButton, m_muteAllButton })
        toggle->setChecked(false);
    showRunning(false);
    setOptionBoxes(true);
    updateCounters();
    update();
    emit runningConferencesChanged();
}

void InstantMeetingPage::watchConnectivity()
{
    log("OnTimer");
    if (isRunning() && m_record.conferenceId.size() >= conferenceReply::kMinimumIdLength && !hasConnection()) {
        log("offline");
        m_monitor->open(m_record.conferenceId);
    }
}

void InstantMeetingPage::stopWatching()
{
    m_monitor->close();
    m_watch.stop();
}

bool InstantMeetingPage::hasConnection() const
{
    return CUtility().Fun_InternetGetConnectedState() != 0;
}

bool InstantMeetingPage::refuseWithoutConnection()
{
    if (hasConnection())
        return false;
    MessageBoxDialog::run(this, noConnectionText(), tr("提示"));
    return true;
}

void InstantMeetingPage::showRunning(bool running)
{
    for (CButtonPNG* toggle : { m_recallAllButton, m_recordingButton, m_muteAllButton })
        toggle->setVisible(running);
    for (CButtonCR* box : { m_smsNoticeBox, m_autoRecallBox, m_recordingBox, m_muteAllBox })
        box->setVisible(!running);
    if (!running) {
        m_startButton->setToolTip(QString());
        m_liveState->hide();
    }
}

void InstantMeetingPage::setRunningToggles()
{
    m_muteAllButton->setChecked(m_record.muteAll == 1);
    m_muteAllButton->setText(m_record.muteAll == 1 ? tr("全部发言") : tr("全部禁言"));
    m_recordingButton->setChecked(m_record.recording == 1);
    m_recordingButton->setText(m_record.recording == 1 ? tr("暂停录音") : tr("开始录音"));
    m_recallAllButton->setChecked(m_record.autoRecall == 1);
    m_recallAllButton->setText(m_record.autoRecall == 1 ? tr("正在追呼") : tr("追呼所有"));
}

void InstantMeetingPage::setOptionBoxes(bool withSmsNotice)
{
    if (withSmsNotice)
        m_smsNoticeBox->setChecked(m_record.smsNotice == 1);
    m_autoRecallBox->setChecked(m_record.autoRecall == 1);
    m_recordingBox->setChecked(m_record.recording == 1);
    m_muteAllBox->setChecked(m_record.muteAll == 1);
}

void InstantMeetingPage::setStartButton(const QString& caption, bool enabled)
{
    m_startButton->setText(caption);
    m_startButton->setEnabled(enabled);
}

void InstantMeetingPage::updateCounters()
{
    const LiveRoster::Counters counters = m_roster.counters();
    m_totalCount->setText(QString::number(counters.total));
    m_waitingCount->setText(QString::number(counters.waiting));
    m_joinedCount->setText(QString::number(counters.joined));
}

void InstantMeetingPage::countersChanged()
{
    updateCounters();
}

void InstantMeetingPage::repaintWanted()
{
    update();
}

bool InstantMeetingPage::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HideToParent:
        // The page itself was hidden (another page, the workspace closed): stop watching.
        stopWatching();
        log("CCorvanaDlgMeetingNow OnShowWindow  close");
        return QWidget::event(event);
    case QEvent::ShowToParent:
        log("CCorvanaDlgMeetingNow OnShowWindow  open");
        return QWidget::event(event);
    default:
        break;
    }
    auto* appEvent = dynamic_cast<AppEvent*>(event);
    if (!appEvent)
        return QWidget::event(event);
    switch (appEvent->message()) {
    case Msg::CreateConferenceResult:
        if (const auto* reply = appEvent->payload<ConferenceReply>())
            created(*reply);
        return true;
    case Msg::EndConferenceResult:
        if (const auto* reply = appEvent->payload<ConferenceReply>())
            endAnswered(*reply);
        return true;
    case Msg::ConferenceControlReplied:
        if (const auto* answer = appEvent->payload<ControlAnswer>())
            controlAnswered(answer->command, answer->reply);
        return true;
    case Msg::ParticipantsImported:
        if (const auto* reply = appEvent->payload<ParticipantImportReply>())
            participantsImported(*reply);
        return true;
    case Msg::OperationWordClicked: {
        const int list = int(appEvent->lParam() / OperationListCtrl::kListNumberFactor);
        const int word = int(appEvent->lParam() % OperationListCtrl::kListNumberFactor);
        listWordClicked(int(appEvent->wParam()), list, word);
        return true;
    }
    default:
        return QWidget::event(event);
    }
}
