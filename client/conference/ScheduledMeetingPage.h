#pragma once

#include "core/addressbook/ContactSelectionTarget.h"
#include "core/conference/BookingLook.h"
#include "core/conference/BookingTime.h"
#include "core/conference/ConferenceRecord.h"

#include <QPointer>
#include <QWidget>

class BookingListModel;
class CButtonCR;
class CButtonPNG;
class CDateTimeCtrlEx;
class CEditBoxBmp;
class CEditBoxEx;
class CTransparentStatic;
class OperationListCtrl;
class ServiceCall;
class SessionState;
struct ConferenceReply;
struct ParticipantImportReply;

// "预约会议": where the subscriber books a conference for a later time, looks at a
// booked one, changes it or cancels it. The service calls the participants at the
// booked time; the page keeps no timer for it.
//
// A booking is sent on a ServiceCall job under the progress dialog (a new one with
// createConference type 1, a change with ModifyBookConference inoprflag 1). A cancel
// goes to the main window (WM_USER+56) with the booking on show, which cancels it on
// the service; the booked list reloads after either.
class ScheduledMeetingPage : public QWidget, public ContactSelectionTarget {
    Q_OBJECT
public:
    explicit ScheduledMeetingPage(SessionState& session, QWidget* parent = nullptr);
    ~ScheduledMeetingPage() override;

    // Where the page reads the current time.
    void setClock(BookingClock clock) { m_clock = std::move(clock); }
    // Where the cancel request goes (the main window).
    void setMainWindow(QObject* mainWindow) { m_mainWindow = mainWindow; }

    // A booked conference to look at (read only until "编辑会议"), or none for a new
    // booking. A record that names no booking (no id, or a past conference booked
    // again) fills a new booking with its topic, host, options and participants.
    void LoadBooking(const ConferenceRecord* record);
    void AddFromAddressBook(int mode, int parent, int index) override;
    // The booking on show is gone: the form stays, as a new booking.
    void ResetBookingAction();

    const ConferenceRecord& record() const { return m_record; }
    // 1 while the page shows an existing booking.
    int editingFlag() const { return m_editingFlag; }
    const BookingLook& look() const { return m_look; }
    BookingListModel* model() const { return m_model; }
    OperationListCtrl* list() const { return m_list; }

signals:
    // A booking was made or changed: the booked list reloads.
    void bookedConferencesChanged();

protected:
    bool event(QEvent* event) override;

private:
    void buildControls();
    void connectControls();

    void addTypedParticipant();
    void importParticipants();
    void participantsImported(const ParticipantImportReply& reply);
    void bookOrCancel();
    void editOrSave();
    bool validateAndSend();
    void answered(const ConferenceReply& reply);
    void listWordClicked(int row, int word);

    bool refuseWithoutSignIn();
    void addParticipant(const std::string& name, const std::string& phone);
    void setPickerForNewBooking(const QDateTime& wanted);
    void applyLook(const BookingLook& look);
    void updateCount();

    SessionState& m_session;
    ServiceCall* m_calls;
    BookingClock m_clock = bookingTime::systemClock();
    QPointer<QObject> m_mainWindow;
    ConferenceRecord m_record; // the booking on show; no id for a new one
    ConferenceRecord m_sending; // what the job on its way sends
    int m_editingFlag = 0;
    BookingLook m_look;
    BookingLook m_lookBeforeSending;
    BookingListModel* m_model;

    CEditBoxEx* m_topicEdit = nullptr;
    CEditBoxEx* m_hostEdit = nullptr;
    CDateTimeCtrlEx* m_timePicker = nullptr;
    CEditBoxEx* m_nameEdit = nullptr;
    CEditBoxEx* m_phoneEdit = nullptr;
    CButtonPNG* m_addButton = nullptr;
    CButtonPNG* m_importButton = nullptr;
    CEditBoxBmp* m_searchBox = nullptr;
    OperationListCtrl* m_list = nullptr;
    CTransparentStatic* m_count = nullptr;
    CButtonCR* m_smsNoticeBox = nullptr;
    CButtonCR* m_autoRecallBox = nullptr;
    CButtonCR* m_recordingBox = nullptr;
    CButtonCR* m_muteAllBox = nullptr;
    CButtonPNG* m_bookButton = nullptr;
    CButtonPNG* m_editButton = nullptr;
};
