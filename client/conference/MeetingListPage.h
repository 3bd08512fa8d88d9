#pragma once

#include "core/conference/PastMeetingTable.h"

#include <QPointer>
#include <QWidget>

class CEditBoxBmp;
class OperationListCtrl;
class PastMeetingsModel;
class ServiceCall;
class SessionState;
struct PastMeetingsReply;

// "会议列表": the subscriber's past conferences, narrowed by the search box over id,
// topic, time, host number and phones. The words of a row's "重新发起" cell start the
// conference again: "即时" posts WM_USER+61 and "预约" WM_USER+62 to the message
// target (the workspace), with the table index of the conference the row shows.
// The table stays between visits; each load replaces it.
class MeetingListPage : public QWidget {
    Q_OBJECT
public:
    explicit MeetingListPage(SessionState& session, QWidget* parent = nullptr);

    // Where the start-again messages go.
    void setMessageTarget(QObject* target) { m_target = target; }

    // Loads the past conferences under the progress dialog (signed in only).
    void LoadPastMeetings();
    void clearFilter();

    const PastMeetingTable& table() const { return m_table; }
    PastMeetingsModel* model() const { return m_model; }
    OperationListCtrl* list() const { return m_list; }

protected:
    bool event(QEvent* event) override;

private:
    void tableLoaded(const PastMeetingsReply& reply);
    void wordClicked(int row, int word);

    SessionState& m_session;
    ServiceCall* m_calls;
    PastMeetingTable m_table;
    PastMeetingsModel* m_model;
    QPointer<QObject> m_target;
    CEditBoxBmp* m_searchBox = nullptr;
    OperationListCtrl* m_list = nullptr;
};
