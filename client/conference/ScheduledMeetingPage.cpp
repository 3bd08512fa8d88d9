#include "conference/ScheduledMeetingPage.h"

#include "conference/BookingListModel.h"

#include "core/addressbook/ContactSelection.h"
#include "core/conference/BookingJob.h"
#include "core/conference/BookingResult.h"
#include "core/conference/BookingSend.h"
#include "core/conference/ParticipantImportJob.h"
#include "core/conference/ParticipantText.h"
#include "core/conference/RosterRules.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/service/UnderProgress.h"
#include "core/session/SessionState.h"
#include "skin/Artwork.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "widgets/DialogControls.h"
#include "widgets/ImportFileDialog.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/OperationListCtrl.h"
#include "widgets/ProgressDialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

ScheduledMeetingPage::ScheduledMeetingPage(SessionState& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_calls(new ServiceCall(session, this))
    , m_model(new BookingListModel(this))
{
    setObjectName(QStringLiteral("bookingPage"));
    buildControls();
    connectControls();
    m_timePicker->setDateTime(bookingTime::suggested(m_clock()));
    m_smsNoticeBox->setChecked(true);
    LoadBooking(nullptr);
}

ScheduledMeetingPage::~ScheduledMeetingPage()
{
    // The list watches the model, which is a child too: the view goes first.
    delete m_list;
}

void ScheduledMeetingPage::buildControls()
{
    m_topicEdit = dialogControls::edit(QStringLiteral("topicEdit"), this);
    m_topicEdit->setToolTip(tr("会议主题"));
    m_hostEdit = dialogControls::edit(QStringLiteral("hostEdit"), this);
    m_timePicker = new CDateTimeCtrlEx(this);
    m_timePicker->setObjectName(QStringLiteral("timePicker"));
    m_timePicker->setFont(skin::Fonts::ui(13));
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

    m_list = new OperationListCtrl(this);
    m_list->setObjectName(QStringLiteral("participantList"));
    m_list->setListNumber(0);
    m_list->setModel(m_model);
    m_list->setColumnWidths({ 140, 140, 140 });
    m_list->setItemHeight(22);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setMessageTarget(this);

    m_count = dialogControls::label(QStringLiteral("0"), QStringLiteral("participantCount"), this);
    m_count->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_count->setMinimumWidth(36);
    m_smsNoticeBox = dialogControls::checkBox(tr("短信通知"), QStringLiteral("smsNoticeBox"), this);
    m_autoRecallBox = dialogControls::checkBox(tr("自动追呼"), QStringLiteral("autoRecallBox"), this);
    m_recordingBox = dialogControls::checkBox(tr("会议录音"), QStringLiteral("recordingBox"), this);
    m_muteAllBox = dialogControls::checkBox(tr("全部禁言"), QStringLiteral("muteAllBox"), this);
    m_bookButton = dialogControls::primaryButton(tr("预约会议"), QStringLiteral("bookButton"), this);
    m_bookButton->setFixedWidth(120);
    m_editButton = dialogControls::secondaryButton(tr("编辑会议"), QStringLiteral("editButton"), this);
    m_editButton->setFixedWidth(120);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(8);
    rows->setVerticalSpacing(8);
    rows->addWidget(dialogControls::label(tr("会议主题"), QStringLiteral("topicLabel"), this), 0, 0);
    rows->addWidget(m_topicEdit, 0, 1, 1, 2);
    rows->addWidget(dialogControls::label(tr("主持号码"), QStringLiteral("hostLabel"), this), 0, 3);
    rows->addWidget(m_hostEdit, 0, 4, 1, 2);
    rows->addWidget(dialogControls::label(tr("预约时间"), QStringLiteral("timeLabel"), this), 1, 0);
    rows->addWidget(m_timePicker, 1, 1, 1, 2);
    rows->addWidget(dialogControls::label(tr("参会人员"), QStringLiteral("participantLabel"), this), 2, 0);
    rows->addWidget(m_nameEdit, 2, 1);
    rows->addWidget(m_phoneEdit, 2, 2, 1, 2);
    rows->addWidget(m_addButton, 2, 4, Qt::AlignLeft);
    rows->addWidget(m_importButton, 2, 5, Qt::AlignRight);
    rows->setColumnStretch(1, 2);
    rows->setColumnStretch(2, 2);
    rows->setColumnStretch(4, 1);

    auto* counter = new QHBoxLayout;
    counter->setSpacing(4);
    counter->addWidget(dialogControls::label(tr("总人数："), QStringLiteral("countLabel"), this));
    counter->addWidget(m_count);
    counter->addStretch();

    auto* options = new QHBoxLayout;
    options->setSpacing(12);
    for (CButtonCR* box : { m_smsNoticeBox, m_autoRecallBox, m_recordingBox, m_muteAllBox })
        options->addWidget(box);
    options->addStretch();

    auto* actions = new QHBoxLayout;
    actions->setSpacing(10);
    actions->addStretch();
    actions->addWidget(m_editButton);
    actions->addWidget(m_bookButton);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(8);
    page->addLayout(rows);
    page->addWidget(m_searchBox);
    page->addWidget(m_list, 1);
    page->addLayout(counter);
    page->addLayout(options);
    page->addLayout(actions);
}

void ScheduledMeetingPage::connectControls()
{
    connect(m_addButton, &CButtonPNG::clicked, this, &ScheduledMeetingPage::addTypedParticipant);
    connect(m_importButton, &CButtonPNG::clicked, this, &ScheduledMeetingPage::importParticipants);
    connect(m_searchBox, &CEditBoxBmp::textChanged, m_model, &BookingListModel::setFilter);
    connect(m_bookButton, &CButtonPNG::clicked, this, &ScheduledMeetingPage::bookOrCancel);
    connect(m_editButton, &CButtonPNG::clicked, this, &ScheduledMeetingPage::editOrSave);
    connect(m_model, &BookingListModel::countChanged, this, &ScheduledMeetingPage::updateCount);
}

void ScheduledMeetingPage::LoadBooking(const ConferenceRecord* record)
{
    m_searchBox->clear();
    m_model->clear();
    m_nameEdit->clear();
    m_phoneEdit->clear();
    if (!record) {
        m_record.conferenceId.clear();
        m_editingFlag = 0;
        m_topicEdit->clear();
        m_hostEdit->setText(
            m_session.isSignedIn() ? QString::fromStdString(m_session.memberProfile().hostNumber) : QString());
        setPickerForNewBooking(m_timePicker->dateTime());
        applyLook(BookingLook::of(BookingLook::View::NewBooking));
        updateCount();
        return;
    }
    m_record = *record;
    // A past conference keeps its id in the past list; booking it again is a new
    // booking, as is a record whose id names no booking. The length is the one a
    // booking's result must have, so that a booking just made always shows as booked.
    const bool existing
        = m_record.conferenceId.size() >= conferenceReply::kMinimumIdLength && m_record.state != ConferenceRecord::Past;
    if (!existing)
        m_record.conferenceId.clear();
    m_editingFlag = existing ? 1 : 0;
    m_topicEdit->setText(QString::fromStdString(m_record.topic));
    m_hostEdit->setText(QString::fromStdString(m_record.hostNumber));
    if (m_record.hostNumber.empty() && !existing && m_session.isSignedIn())
        m_hostEdit->setText(QString::fromStdString(m_session.memberProfile().hostNumber));
    const QDateTime booked = bookingTime::parse(m_record.meetingTime);
    if (existing && booked.isValid())
        m_timePicker->setDateTime(booked);
    else if (!existing)
        setPickerForNewBooking(booked.isValid() ? booked : m_timePicker->dateTime());
    // A change sends the options as the boxes show them: they show the booking's own.
    m_smsNoticeBox->setChecked(m_record.smsNotice == 1);
    m_autoRecallBox->setChecked(m_record.autoRecall == 1);
    m_recordingBox->setChecked(m_record.recording == 1);
    m_muteAllBox->setChecked(m_record.muteAll == 1);
    for (const ContactRecord& entry : ParticipantText::split(m_record.phones, m_record.names))
        m_model->add(entry);
    applyLook(BookingLook::of(existing ? BookingLook::View::Viewing : BookingLook::View::NewBooking));
    updateCount();
}

void ScheduledMeetingPage::setPickerForNewBooking(const QDateTime& wanted)
{
    // A time that has passed (a past conference, a page left open) would only be
    // refused: offer the next sensible one instead.
    const QDateTime now = m_clock();
    m_timePicker->setDateTime(
        bookingTime::check(wanted, now) == bookingTime::Verdict::BeforeNow ? bookingTime::suggested(now) : wanted);
}

void ScheduledMeetingPage::ResetBookingAction()
{
    m_record.conferenceId.clear();
    m_editingFlag = 0;
    applyLook(BookingLook::of(BookingLook::View::NewBooking));
}

void ScheduledMeetingPage::AddFromAddressBook(int mode, int parent, int index)
{
    for (const ContactRecord& contact :
        selectedContacts(m_session.addressBook(), static_cast<PanelMode>(mode), parent, index))
        addParticipant(contact.addressname, contact.phone);
}

void ScheduledMeetingPage::addParticipant(const std::string& name, const std::string& phone)
{
    ContactRecord entry;
    entry.addressname = name;
    entry.phone = phone;
    m_model->add(entry);
}

void ScheduledMeetingPage::addTypedParticipant()
{
    // Only the length counts here: a number typed with letters is the service's to refuse.
    const QString phone = m_phoneEdit->text();
    if (phone.size() < RosterRules::kMinPhoneLength) {
        MessageBoxDialog::run(this, tr("电话号码格式有误"), tr("提示"));
        return;
    }
    addParticipant(m_nameEdit->text().toStdString(), phone.toStdString());
    m_nameEdit->clear();
    m_phoneEdit->clear();
}

void ScheduledMeetingPage::importParticipants()
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

void ScheduledMeetingPage::participantsImported(const ParticipantImportReply& reply)
{
    for (const ImportedParticipant& participant : reply.participants)
        addParticipant(participant.name, participant.phone);
    if (reply.fileFailed)
        MessageBoxDialog::run(this, tr("文件导入失败，请检查文件是否存在或已被其它程序打开。"), tr("提示"));
}

bool ScheduledMeetingPage::refuseWithoutSignIn()
{
    if (m_session.isSignedIn())
        return false;
    MessageBoxDialog::run(this, tr("对不起，您还没有登录！"), tr("提示"));
    return true;
}

void ScheduledMeetingPage::bookOrCancel()
{
    if (refuseWithoutSignIn())
        return;
    if (m_editingFlag == 1) {
        // The booking on show goes with the request: the panel's selection may name
        // another one by now (a booking made here since, a reloaded list).
        if (m_mainWindow)
            QCoreApplication::postEvent(
                m_mainWindow.data(), new AppEvent(Msg::ModifySelectedBooking, 0, 0, std::any(m_record)));
        return;
    }
    validateAndSend();
}

void ScheduledMeetingPage::editOrSave()
{
    if (refuseWithoutSignIn())
        return;
    if (m_editingFlag != 1)
        return;
    if (!m_look.groupEnabled) {
        applyLook(BookingLook::of(BookingLook::View::Editing));
        return;
    }
    validateAndSend();
}

bool ScheduledMeetingPage::validateAndSend()
{
    const BookingParticipants::Fields participants = m_model->participants().fields();
    BookingDraft draft;
    draft.picked = m_timePicker->dateTime();
    draft.hostNumber = m_hostEdit->text().toStdString();
    draft.topic = m_topicEdit->text().toStdString();
    draft.phones = participants.phones;
    draft.names = participants.names;
    draft.participantCount = participants.count;
    draft.ipAddress = m_session.ipAddress();
    draft.smsNotice = m_smsNoticeBox->isChecked();
    draft.recording = m_recordingBox->isChecked();
    draft.autoRecall = m_autoRecallBox->isChecked();
    draft.muteAll = m_muteAllBox->isChecked();
    const BookingSendCheck checked = bookingSend::check(draft, m_clock());
    if (!checked.record) {
        MessageBoxDialog::run(this, checked.refusal, tr("提示"));
        return false;
    }
    m_sending = *checked.record;
    m_sending.conferenceId = m_record.conferenceId;
    m_lookBeforeSending = m_look;
    applyLook(BookingLook::sending(m_look));
    ProgressDialog progress(this);
    m_calls->startWithProgress(Msg::BookingResult, progress.reporter(), underProgress(BookingJob(m_sending)));
    // Cancelled: nothing was booked or changed, so the form takes input again.
    if (progress.exec() == QDialog::Rejected && m_look == BookingLook::sending(m_lookBeforeSending))
        applyLook(m_lookBeforeSending);
    return true;
}

void ScheduledMeetingPage::answered(const ConferenceReply& reply)
{
    const bool change = m_editingFlag == 1;
    if (!reply.succeeded()) {
        MessageBoxDialog::run(this, reply.message, tr("提示"));
        // Refused: the form is as it was, to be put right and sent again.
        applyLook(m_lookBeforeSending);
        return;
    }
    // The form shows what the service now holds: what was sent, under its id.
    const std::string id = change ? m_record.conferenceId : reply.conferenceId;
    m_record = m_sending;
    m_record.conferenceId = id;
    m_record.result = reply.resultText;
    MessageBoxDialog::run(this, bookingResult::successText(change), tr("提示"));
    const ConferenceRecord shown = m_record;
    LoadBooking(&shown);
    emit bookedConferencesChanged();
}

void ScheduledMeetingPage::listWordClicked(int row, int word)
{
    if (word == 0 && m_look.groupEnabled)
        m_model->removeShownRow(row);
}

void ScheduledMeetingPage::applyLook(const BookingLook& look)
{
    m_look = look;
    m_bookButton->setText(look.bookCaption);
    m_editButton->setText(look.editCaption);
    m_editButton->setEnabled(look.editEnabled);
    for (QWidget* member : std::initializer_list<QWidget*> {
             m_topicEdit, m_nameEdit, m_hostEdit, m_phoneEdit, m_timePicker, m_addButton, m_list })
        member->setEnabled(look.groupEnabled);
}

void ScheduledMeetingPage::updateCount()
{
    m_count->setText(QString::number(m_model->participants().count()));
}

bool ScheduledMeetingPage::event(QEvent* event)
{
    const int message = AppEvent::messageOf(event);
    if (message == 0)
        return QWidget::event(event);
    auto* appEvent = static_cast<AppEvent*>(event);
    switch (message) {
    case Msg::BookingResult:
        if (const auto* reply = appEvent->payload<ConferenceReply>())
            answered(*reply);
        return true;
    case Msg::ParticipantsImported:
        if (const auto* reply = appEvent->payload<ParticipantImportReply>())
            participantsImported(*reply);
        return true;
    case Msg::OperationWordClicked:
        listWordClicked(int(appEvent->wParam()), int(appEvent->lParam() % OperationListCtrl::kListNumberFactor));
        return true;
    default:
        return QWidget::event(event);
    }
}
