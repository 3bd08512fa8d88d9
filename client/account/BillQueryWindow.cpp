#include "account/BillQueryWindow.h"

#include "account/AccountDates.h"
#include "account/ChargeTableModel.h"
#include "account/DailyAmountChart.h"

#include "core/account/AccountListReply.h"
#include "core/account/AccountQueries.h"
#include "core/account/ChargeExportJob.h"
#include "core/account/ChargeQueryJob.h"
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
#include "skin/Fonts.h"
#include "skin/Palette.h"
#include "widgets/DialogControls.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kTabHeight = 34;
constexpr int kRowHeight = 20;
constexpr int kPickerWidth = 124;
constexpr int kSearchWidth = 150;
constexpr const char* kTabNames[] = { "conferenceTab", "smsTab" };

QString yuan(std::int64_t hundredths)
{
    return QString::fromStdString(ChargeListing::yuanText(hundredths));
}

} // namespace

BillQueryWindow::BillQueryWindow(SessionState& session, QWidget* mainWindow)
    : SideWindow(mainWindow, tr("详单查询"), 446, 438)
    , m_session(session)
    , m_calls(new ServiceCall(session, this))
    , m_model(new ChargeTableModel(this))
    , m_startPicker(dialogControls::datePicker(QStringLiteral("startPicker"), this))
    , m_endPicker(dialogControls::datePicker(QStringLiteral("endPicker"), this))
    , m_queryButton(dialogControls::primaryButton(tr("查询"), QStringLiteral("queryButton"), this))
    , m_searchBox(new CEditBoxBmp(this))
    , m_list(new CListCtrlEx(this))
    , m_totals(new QLabel(this))
    , m_exportButton(dialogControls::secondaryButton(tr("导出"), QStringLiteral("exportButton"), this))
    , m_chart(new DailyAmountChart(this))
{
    setObjectName(QStringLiteral("billQueryWindow"));
    m_startPicker->setFixedWidth(kPickerWidth);
    m_endPicker->setFixedWidth(kPickerWidth);

    const QString tabTexts[] = { tr("会议详单"), tr("短信详单") };
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(2);
    for (int i = 0; i < 2; ++i) {
        auto* tab = new CButtonPNG(tabTexts[i], this);
        tab->setObjectName(QString::fromLatin1(kTabNames[i]));
        tab->setImage(QString::fromLatin1(skin::names::Tab));
        tab->setFont(skin::Fonts::withCellHeight(QStringLiteral("微软雅黑"), 20));
        tab->setTextColors(skin::palette::TextSoft, skin::palette::BrandDeep);
        tab->setFixedHeight(kTabHeight);
        connect(tab, &CButtonPNG::clicked, this, [this, i] { SwitchMode(i); });
        tabs->addWidget(tab);
        m_tabs[std::size_t(i)] = tab;
    }
    tabs->addStretch();

    const QDate today = QDate::currentDate();
    const DateRange range = accountQueries::billDefaultRange(accountDates::toDay(today));
    m_startPicker->setDateTime(QDateTime(accountDates::toDate(range.first), QTime(0, 0)));
    m_endPicker->setDate(accountDates::toDate(range.last));

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

    m_list->setObjectName(QStringLiteral("billList"));
    m_list->setModel(m_model);
    m_list->setItemHeight(kRowHeight);

    m_totals->setObjectName(QStringLiteral("totalsLabel"));
    m_totals->setFont(skin::Fonts::ui(12));
    m_totals->setStyleSheet(QStringLiteral("color: %1;").arg(skin::palette::TextSoft.name()));
    m_exportButton->setFixedWidth(72);
    auto* summary = new QHBoxLayout;
    summary->addWidget(m_totals, 1);
    summary->addWidget(m_exportButton);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(12, titleBandHeight() + 8, 12, 12);
    window->setSpacing(8);
    window->addLayout(tabs);
    window->addLayout(pickers);
    window->addWidget(m_list, 1);
    window->addLayout(summary);
    window->addWidget(m_chart);

    connect(m_queryButton, &CButtonPNG::clicked, this, &BillQueryWindow::Query);
    connect(m_searchBox, &CEditBoxBmp::textChanged, this, &BillQueryWindow::searchChanged);
    connect(m_exportButton, &CButtonPNG::clicked, this, &BillQueryWindow::exportShown);
    SwitchMode(ConferenceCharges);
}

BillQueryWindow::~BillQueryWindow() = default;

void BillQueryWindow::SwitchMode(int mode)
{
    m_mode = mode == SmsCharges ? SmsCharges : ConferenceCharges;
    m_model->setKind(kind());
    m_list->setColumnWidths(ChargeTableModel::widths(kind()));
    for (int i = 0; i < 2; ++i)
        m_tabs[std::size_t(i)]->setNormalPicIndex(i == m_mode ? 1 : 0);
    updateSummary();
}

void BillQueryWindow::Query()
{
    m_model->clearRows();
    updateSummary();
    m_queryRange = { accountDates::toDay(m_startPicker->date()), accountDates::toDay(m_endPicker->date()) };
    const std::string where = accountQueries::chargeWhere(kind(), m_queryRange, m_session.regphoneid());
    if (!m_session.isSignedIn()) {
        MessageBoxDialog::run(this, tr("对不起，您还没有登录！"), tr("提示"));
        return;
    }
    const int message = kind() == ChargeKind::Sms ? Msg::SmsChargesReady : Msg::ConferenceChargesReady;
    ProgressDialog progress(this);
    m_calls->startWithProgress(message, progress.reporter(), underProgress(ChargeQueryJob(kind(), where)));
    progress.exec();
}

void BillQueryWindow::chargesReady(const AccountListReply& reply)
{
    // A reply for the charges of the other tab would fill these columns with the
    // wrong fields.
    if (reply.kind != kind())
        return;
    if (reply.exchangeFailed()) {
        MessageBoxDialog::run(this, tr("网络连接已断开,请稍后重试。"), tr("提示"));
        return;
    }
    if (reply.status > 0) {
        MessageBoxDialog::run(this, QString::fromStdString(reply.message).trimmed(), tr("提示"));
        return;
    }
    if (!reply.hasRows())
        return;
    m_model->load(reply.resultText, m_queryRange);
    // The chart is of the whole range fetched; only its visibility follows the filter.
    QList<DailyAmountChart::Day> days;
    for (const ChargeListing::DayAmount& day : m_model->listing().dailyAmounts())
        days.append({ accountDates::toDate(day.day), day.amount });
    m_chart->setDays(std::move(days));
    updateSummary();
}

void BillQueryWindow::searchChanged(const QString& text)
{
    m_model->filter(text);
    updateSummary();
}

void BillQueryWindow::exportShown()
{
    if (m_model->shownCount() == 0)
        return;
    const QString path
        = FileDialog::saveFileName(this, tr("导出"), { tr("CSV 文件(*.csv)"), tr("Excel 工作簿(*.xlsx)") });
    if (!ChargeExportJob::writes(path.toStdString()))
        return;
    ProgressDialog progress(this);
    m_calls->startWithProgress(
        Msg::ChargesExported, progress.reporter(), ChargeExportJob(path.toStdString(), m_model->shownSheet()));
    progress.exec();
}

void BillQueryWindow::exported(const ChargeExportReply& reply)
{
    if (!reply.error.empty())
        MessageBoxDialog::run(this, tr("文件导出失败：%1").arg(QString::fromStdString(reply.error)), tr("提示"));
}

void BillQueryWindow::updateSummary()
{
    const ChargeListing::Totals totals = m_model->totals();
    if (kind() == ChargeKind::Sms)
        m_totals->setText(tr("共 %1 条记录，费用合计 %2 元").arg(totals.count).arg(yuan(totals.amount)));
    else
        m_totals->setText(tr("共 %1 条记录，会议时长 %2 分钟，费用合计 %3 元")
                              .arg(totals.count)
                              .arg(totals.minutes)
                              .arg(yuan(totals.amount)));
    const bool empty = m_model->shownCount() == 0;
    m_exportButton->setEnabled(!empty);
    m_chart->setVisible(!empty);
}

void BillQueryWindow::showEvent(QShowEvent* event)
{
    // Showing empties the list; the fetched rows stay for the search box.
    m_model->clearShown();
    updateSummary();
    SideWindow::showEvent(event);
}

bool BillQueryWindow::event(QEvent* event)
{
    switch (AppEvent::messageOf(event)) {
    case Msg::ConferenceChargesReady:
    case Msg::SmsChargesReady:
        if (const auto* reply = static_cast<AppEvent*>(event)->payload<AccountListReply>())
            chargesReady(*reply);
        return true;
    case Msg::ChargesExported:
        if (const auto* reply = static_cast<AppEvent*>(event)->payload<ChargeExportReply>())
            exported(*reply);
        return true;
    default:
        return SideWindow::event(event);
    }
}
