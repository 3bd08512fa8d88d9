#pragma once

#include "core/account/ChargeKind.h"
#include "core/account/DateRange.h"
#include "widgets/SideWindow.h"

#include <array>

class CButtonPNG;
class CDateTimeCtrlEx;
class CEditBoxBmp;
class CListCtrlEx;
class ChargeTableModel;
class DailyAmountChart;
class QLabel;
class ServiceCall;
class SessionState;
struct AccountListReply;
struct ChargeExportReply;

// "详单查询": the account's conference and SMS charges for a date range, fetched
// under the wait dialog, filtered by the search box, with the totals of the rows
// shown, a per-day chart of the range and an export of the rows shown.
class BillQueryWindow : public SideWindow {
    Q_OBJECT
public:
    enum Mode { ConferenceCharges = 0, SmsCharges = 1 };

    BillQueryWindow(SessionState& session, QWidget* mainWindow);
    ~BillQueryWindow() override;

    int mode() const { return m_mode; }
    void SwitchMode(int mode);
    // "查询": the charges of the current mode for the pickers' range.
    void Query();
    // "导出": the rows shown, to a .csv or .xlsx file the user names.
    void exportShown();

    CListCtrlEx* list() const { return m_list; }
    ChargeTableModel* model() const { return m_model; }
    CDateTimeCtrlEx* startPicker() const { return m_startPicker; }
    CDateTimeCtrlEx* endPicker() const { return m_endPicker; }
    CEditBoxBmp* searchBox() const { return m_searchBox; }
    QLabel* totalsLabel() const { return m_totals; }
    DailyAmountChart* chart() const { return m_chart; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ChargeKind kind() const { return ChargeKind(m_mode); }
    void chargesReady(const AccountListReply& reply);
    void exported(const ChargeExportReply& reply);
    void searchChanged(const QString& text);
    void updateSummary();

    SessionState& m_session;
    ServiceCall* m_calls;
    ChargeTableModel* m_model;
    int m_mode = ConferenceCharges;
    DateRange m_queryRange {};
    std::array<CButtonPNG*, 2> m_tabs {};
    CDateTimeCtrlEx* m_startPicker;
    CDateTimeCtrlEx* m_endPicker;
    CButtonPNG* m_queryButton;
    CEditBoxBmp* m_searchBox;
    CListCtrlEx* m_list;
    QLabel* m_totals;
    CButtonPNG* m_exportButton;
    DailyAmountChart* m_chart;
};
