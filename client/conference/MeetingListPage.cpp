#include "conference/MeetingListPage.h"

#include "conference/PastMeetingsModel.h"

#include "core/conference/PastMeetingsJob.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/service/UnderProgress.h"
#include "core/session/SessionState.h"
#include "skin/Artwork.h"
#include "skin/CEditBoxBmp.h"
#include "skin/Fonts.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/OperationListCtrl.h"
#include "widgets/ProgressDialog.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace {

constexpr int kRowHeight = 22;
constexpr int kInstantWord = 0;
constexpr int kBookingWord = 1;

} // namespace

MeetingListPage::MeetingListPage(SessionState& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_calls(new ServiceCall(session, this))
    , m_model(new PastMeetingsModel(m_table, this))
{
    setObjectName(QStringLiteral("meetingListPage"));

    m_searchBox = new CEditBoxBmp(this);
    m_searchBox->setObjectName(QStringLiteral("searchBox"));
    m_searchBox->setBackgroundPicture(QString::fromLatin1(skin::names::EditSearch));
    m_searchBox->setFont(skin::Fonts::ui(13));
    m_searchBox->setFixedHeight(30);
    m_searchBox->setToolTip(tr("会议主题、时间、主持号码或参会号码"));

    m_list = new OperationListCtrl(this);
    m_list->setObjectName(QStringLiteral("pastList"));
    m_list->setModel(m_model);
    m_list->setOperationColumn(PastMeetingsModel::OperationColumn);
    m_list->setColumnWidths({ 0, 150, 160, 170, 180 });
    m_list->setItemHeight(kRowHeight);
    // The words must stay in sight, where the hit-test looks: the last column takes
    // what the others leave.
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setMessageTarget(this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(8);
    page->addWidget(m_searchBox);
    page->addWidget(m_list, 1);

    connect(m_searchBox, &CEditBoxBmp::textChanged, m_model, &PastMeetingsModel::setFilter);
}

void MeetingListPage::LoadPastMeetings()
{
    if (!m_session.isSignedIn())
        return;
    ProgressDialog progress(this);
    m_calls->startWithProgress(Msg::MeetingListLoaded, progress.reporter(), underProgress(PastMeetingsJob()));
    progress.exec();
}

void MeetingListPage::clearFilter()
{
    m_searchBox->clear();
}

void MeetingListPage::tableLoaded(const PastMeetingsReply& reply)
{
    if (!reply.succeeded()) {
        // The conferences shown stay: an unreachable service is not an empty history.
        MessageBoxDialog::run(this, tr("网络连接已断开,请稍后重试。"), tr("提示"));
        return;
    }
    m_table.replace(reply.records);
    m_model->rebuild();
}

void MeetingListPage::wordClicked(int row, int word)
{
    const int index = m_model->recordIndex(row);
    if (!m_table.at(index))
        return;
    if (word == kInstantWord)
        postAppEvent(m_target, Msg::RestartAsInstant, 0, index);
    else if (word == kBookingWord)
        postAppEvent(m_target, Msg::BookAgain, 0, index);
}

bool MeetingListPage::event(QEvent* event)
{
    switch (AppEvent::messageOf(event)) {
    case Msg::MeetingListLoaded:
        if (const auto* reply = static_cast<AppEvent*>(event)->payload<PastMeetingsReply>())
            tableLoaded(*reply);
        return true;
    case Msg::OperationWordClicked: {
        const auto* clicked = static_cast<AppEvent*>(event);
        wordClicked(int(clicked->wParam()), int(clicked->lParam() % OperationListCtrl::kListNumberFactor));
        return true;
    }
    default:
        return QWidget::event(event);
    }
}
