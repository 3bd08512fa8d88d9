#include "account/RecordingWindow.h"

#include "account/AccountDates.h"
#include "account/RecordingTableModel.h"

#include "core/account/AccountListReply.h"
#include "core/account/AccountQueries.h"
#include "core/account/RecordingQueryJob.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/service/UnderProgress.h"
#include "core/session/SessionState.h"
#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CListCtrlEx.h"
#include "skin/CTransparentStatic.h"
#include "widgets/DialogControls.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include <QDate>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kRowHeight = 20;
constexpr int kPickerWidth = 124;
constexpr int kSearchWidth = 150;

// The address comes from the service and goes to whatever the desktop opens it
// with, so only addresses a media player streams from are handed on: never a
// local file or program.
bool isStreamAddress(const QUrl& url)
{
    static const QStringList schemes
        = { QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("rtsp"), QStringLiteral("mms") };
    return url.isValid() && !url.host().isEmpty() && schemes.contains(url.scheme().toLower());
}

} // namespace

RecordingWindow::RecordingWindow(SessionState& session, QWidget* mainWindow)
    : SideWindow(mainWindow, tr("录音试听"), 446, 438)
    , m_session(session)
    , m_calls(new ServiceCall(session, this))
    , m_model(new RecordingTableModel(this))
    , m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); })
    , m_startPicker(dialogControls::datePicker(QStringLiteral("startPicker"), this))
    , m_endPicker(dialogControls::datePicker(QStringLiteral("endPicker"), this))
    , m_queryButton(dialogControls::primaryButton(tr("查询"), QStringLiteral("queryButton"), this))
    , m_searchBox(new CEditBoxBmp(this))
    , m_list(new CListCtrlEx(this))
{
    setObjectName(QStringLiteral("recordingWindow"));
    m_startPicker->setFixedWidth(kPickerWidth);
    m_endPicker->setFixedWidth(kPickerWidth);

    const DateRange range = accountQueries::recordingDefaultRange(accountDates::toDay(QDate::currentDate()));
    m_endPicker->setDate(accountDates::toDate(range.last));
    m_startPicker->setDateTime(QDateTime(accountDates::toDate(range.first), QTime(0, 0)));

    m_searchBox->setObjectName(QStringLiteral("searchBox"));
    m_searchBox->setBackgroundPicture(QString::fromLatin1(skin::names::EditSearch));
    m_searchBox->setFixedWidth(kSearchWidth);
    m_queryButton->setFixedWidth(72);

    auto* pickers = new QHBoxLayout;
    pickers->setSpacing(6);
    pickers->addWidget(dialogControls::label(tr("开始时间"), QStringLiteral("startLabel"), this));
    pickers->addWidget(m_startPicker);
    pickers->addSpacing(6);
    pickers->addWidget(dialogControls::label(tr("结束时间"), QStringLiteral("endLabel"), this));
    pickers->addWidget(m_endPicker);
    pickers->addSpacing(6);
    pickers->addWidget(m_queryButton);
    pickers->addStretch();
    pickers->addWidget(m_searchBox);

    m_list->setObjectName(QStringLiteral("recordingList"));
    m_list->setModel(m_model);
    m_list->setItemHeight(kRowHeight);
    m_list->setColumnWidths(RecordingTableModel::widths());

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(12, titleBandHeight() + 12, 12, 12);
    window->setSpacing(8);
    window->addLayout(pickers);
    window->addWidget(m_list, 1);

    connect(m_queryButton, &CButtonPNG::clicked, this, &RecordingWindow::Query);
    connect(m_searchBox, &CEditBoxBmp::textChanged, m_model, &RecordingTableModel::filter);
    connect(m_list, &CListCtrlEx::doubleClicked, this, &RecordingWindow::rowDoubleClicked);
}

RecordingWindow::~RecordingWindow() = default;

void RecordingWindow::setOpener(Opener opener)
{
    m_opener = std::move(opener);
}

void RecordingWindow::Query()
{
    const DateRange range { accountDates::toDay(m_startPicker->date()), accountDates::toDay(m_endPicker->date()) };
    const std::string where = accountQueries::recordingWhere(range, m_session.regphoneid());
    if (!m_session.isSignedIn()) {
        MessageBoxDialog::run(this, tr("对不起，您还没有登录！"), tr("提示"));
        return;
    }
    ProgressDialog progress(this);
    m_calls->startWithProgress(Msg::RecordingsReady, progress.reporter(), underProgress(RecordingQueryJob(where)));
    progress.exec();
}

void RecordingWindow::recordingsReady(const AccountListReply& reply)
{
    if (reply.exchangeFailed()) {
        MessageBoxDialog::run(this, tr("网络连接已断开,请稍后重试。"), tr("提示"));
        return;
    }
    if (reply.status > 0) {
        MessageBoxDialog::run(this, QString::fromStdString(reply.message).trimmed(), tr("提示"));
        return;
    }
    if (reply.hasRows())
        m_model->load(reply.resultText);
}

void RecordingWindow::rowDoubleClicked(const QModelIndex& index)
{
    if (index.isValid())
        Play(index.row());
}

void RecordingWindow::Play(int row)
{
    const QString address = m_model->address(row);
    if (address.isEmpty() || !m_opener)
        return;
    const QUrl url(address, QUrl::StrictMode);
    if (!isStreamAddress(url))
        return;
    m_opener(url);
}

void RecordingWindow::showEvent(QShowEvent* event)
{
    // Showing empties the list; the fetched rows stay for the search box.
    m_model->clearShown();
    SideWindow::showEvent(event);
}

bool RecordingWindow::event(QEvent* event)
{
    if (AppEvent::messageOf(event) == Msg::RecordingsReady) {
        if (const auto* reply = static_cast<AppEvent*>(event)->payload<AccountListReply>())
            recordingsReady(*reply);
        return true;
    }
    return SideWindow::event(event);
}
