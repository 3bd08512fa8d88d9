#pragma once

#include "core/addressbook/ContactSelectionTarget.h"
#include "core/conference/ConferenceCommand.h"
#include "core/conference/ConferenceRecord.h"
#include "core/conference/LiveRoster.h"
#include "core/conference/MonitorSocket.h"

#include <QTimer>
#include <QWidget>

class CButtonCR;
class CButtonPNG;
class CEditBoxBmp;
class CEditBoxEx;
class CTransparentStatic;
class JoinedListModel;
class OperationListCtrl;
class ServiceCall;
class SessionState;
class WaitingListModel;
struct ConferenceReply;
struct ParticipantImportReply;

// "即时会议": where the subscriber composes a conference (topic, host number,
// participants typed, picked from the address book or imported, options) and starts
// it at once; the same page then runs it. While it runs, the monitor connection
// brings the member lists, which move members between the waiting list (list 0) and
// the joined list (list 1) one row at a time; the words of the lists' operation cells
// call, hang up, remove, mute and unmute members, and the three toggles recall
// everyone, record and mute everyone. The start button ends the conference, and the
// page returns to composing once the monitor reports the end.
//
// The page is a view over its LiveRoster; every service call is a ServiceCall job.
// When the page itself is hidden (another workspace page, the workspace closed) it
// stops watching: the conference is watched again when it is loaded again.
class InstantMeetingPage : public QWidget, public ContactSelectionTarget, private RosterObserver {
    Q_OBJECT
public:
    explicit InstantMeetingPage(SessionState& session, QWidget* parent = nullptr);
    ~InstantMeetingPage() override;

    // An empty composition: no topic, no participants, the account as host.
    void ResetComposition();
    // A conference to show: a running one is watched, another one (a past or booked
    // conference launched again) gives its participants to a new composition. None
    // prepares an empty composition with the account's default host number.
    void LoadConference(const ConferenceRecord* record);
    void AddFromAddressBook(int mode, int parent, int index) override;
    // The start sequence: checks, then createConference under the progress dialog.
    void StartConference();

    bool isRunning() const { return m_record.state == ConferenceRecord::Running; }
    const ConferenceRecord& record() const { return m_record; }
    LiveRoster& roster() { return m_roster; }
    MonitorSocket& monitor() const { return *m_monitor; }
    OperationListCtrl* waitingList() const { return m_waitingList; }
    OperationListCtrl* joinedList() const { return m_joinedList; }

signals:
    // A conference started or ended: the main window reloads its running conferences.
    void runningConferencesChanged();

protected:
    bool event(QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    QLayout* composeRows();
    QLayout* listColumns();
    QLayout* bottomRows();

    void addTypedParticipant();
    void importParticipants();
    void participantsImported(const ParticipantImportReply& reply);
    void startOrEnd();
    void created(const ConferenceReply& reply);
    void endConference();
    void endAnswered(const ConferenceReply& reply);
    void listWordClicked(int row, int list, int word);
    void recallAll();
    void toggleRecording();
    void toggleMuteAll();
    void controlAnswered(ConferenceCommand command, const ConferenceReply& reply);
    void sendControl(ConferenceCommand command, const std::string& phoneId = {});
    void membersArrived(const QString& phoneList, bool resync);
    void conferenceEnded();
    void watchConnectivity();
    void stopWatching();

    bool hasConnection() const;
    bool refuseWithoutConnection();
    void showRunning(bool running);
    void setRunningToggles();
    void setOptionBoxes(bool withSmsNotice);
    void setStartButton(const QString& caption, bool enabled);
    void updateCounters();

    // RosterObserver
    void countersChanged() override;
    void repaintWanted() override;

    SessionState& m_session;
    ServiceCall* m_calls;
    ConferenceRecord m_record;
    LiveRoster m_roster;
    WaitingListModel* m_waitingModel;
    JoinedListModel* m_joinedModel;
    MonitorSocket* m_monitor;
    QTimer m_watch; // the connectivity watch while a conference runs

    CEditBoxEx* m_topicEdit = nullptr;
    CEditBoxEx* m_hostEdit = nullptr;
    CEditBoxEx* m_nameEdit = nullptr;
    CEditBoxEx* m_phoneEdit = nullptr;
    CButtonPNG* m_addButton = nullptr;
    CButtonPNG* m_importButton = nullptr;
    CEditBoxBmp* m_searchBox = nullptr;
    OperationListCtrl* m_waitingList = nullptr;
    OperationListCtrl* m_joinedList = nullptr;
    CTransparentStatic* m_totalCount = nullptr;
    CTransparentStatic* m_waitingCount = nullptr;
    CTransparentStatic* m_joinedCount = nullptr;
    CTransparentStatic* m_liveState = nullptr;
    CButtonCR* m_smsNoticeBox = nullptr;
    CButtonCR* m_autoRecallBox = nullptr;
    CButtonCR* m_recordingBox = nullptr;
    CButtonCR* m_muteAllBox = nullptr;
    CButtonPNG* m_recallAllButton = nullptr;
    CButtonPNG* m_recordingButton = nullptr;
    CButtonPNG* m_muteAllButton = nullptr;
    CButtonPNG* m_startButton = nullptr;
};
