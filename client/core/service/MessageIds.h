#pragma once

// The program's posted messages. Each AppEvent's QEvent type equals its number
// (WmUser + n), so a number here is the event type a receiver tests for.
// All carry wParam 0 and lParam 0 unless noted.
namespace Msg {

inline constexpr int WmUser = 1024;

// To the main window.
inline constexpr int TrayIcon = WmUser + 5; // lParam = the mouse message
inline constexpr int ContactRowClicked = WmUser + 11; // wParam, lParam = row coordinates
inline constexpr int ContactRowDoubleClicked = WmUser + 12; // contacts chosen; forwarded to the workspace
inline constexpr int BalanceReady = WmUser + 20;
inline constexpr int ContactsReady = WmUser + 21;
inline constexpr int ConferenceGroupsReady = WmUser + 22;
inline constexpr int ContactGroupsReady = WmUser + 23; // completes a sign-in
inline constexpr int ProfileSaved = WmUser + 27; // reload the member profile
inline constexpr int PasswordChanged = WmUser + 28;
inline constexpr int RunningConferencesReady = WmUser + 50;
inline constexpr int OpenRunningConference = WmUser + 51; // wParam = kind 0, lParam = index
inline constexpr int BookedConferencesReady = WmUser + 53;
inline constexpr int OpenBookedConference = WmUser + 55; // wParam = kind 1, lParam = index
inline constexpr int ModifySelectedBooking = WmUser + 56;
inline constexpr int ShowContactsPanel = WmUser + 63;
inline constexpr int RefreshBalance = WmUser + 90; // from the balance ticker
inline constexpr int RefreshBookedConferences = WmUser + 92;

// Between other windows.
inline constexpr int InsertGroupMembers = WmUser + 13; // contacts list -> contacts panel
inline constexpr int WM_ADDRESSLIST_INSERTCHILD = InsertGroupMembers;
inline constexpr int AddressBookShowLastGroup = WmUser + 14;
inline constexpr int AddressBookChanged = WmUser + 26; // the management window synchronises
inline constexpr int MeetingListLoaded = WmUser + 54;
inline constexpr int ConferenceChargesReady = WmUser + 58;
inline constexpr int SmsChargesReady = WmUser + 59;
inline constexpr int RecordingsReady = WmUser + 60;
inline constexpr int RestartAsInstant = WmUser + 61; // lParam = index in the past-conference table
inline constexpr int BookAgain = WmUser + 62; // lParam = index in the past-conference table
inline constexpr int RoomInfoReady = WmUser + 64;
inline constexpr int BookingResult = WmUser + 70;
inline constexpr int CreateConferenceResult = WmUser + 71;
inline constexpr int EndConferenceResult = WmUser + 72;
inline constexpr int ConferenceEnded = WmUser + 73;
inline constexpr int InstantPageReserved = WmUser + 74; // forwarded with +71..+73; nothing sends it
inline constexpr int ApplyMemberList = WmUser + 75;
inline constexpr int MonitorDataReady = WmUser + 76;
inline constexpr int MonitorClosed = WmUser + 77;
inline constexpr int SmsImportFinished = WmUser + 80;
inline constexpr int SmsSendFinished = WmUser + 81;
inline constexpr int SkinScrollLayout = WmUser + 100; // wParam = vertical-bar bit, lParam = left-bar flag
// The progress dialog's status update to itself; the live page's two lists also use
// this number for an operation word click.
inline constexpr int ProgressStatus = WmUser + 1000;
// wParam = row, lParam = 10000 * list number + word index.
inline constexpr int OperationWordClicked = WmUser + 1001;

// Our own numbers, beyond the program's messages: replies that have no message of
// their own and go only to the object that asked.
inline constexpr int SignInFinished = WmUser + 3000; // to the login dialog
inline constexpr int ProfileLoaded = WmUser + 3001; // to the session loader
inline constexpr int VersionChecked = WmUser + 3002; // to the main window
inline constexpr int BookingCancelled = WmUser + 3003; // to the main window
inline constexpr int ProgressFinished = WmUser + 3004; // a progress dialog's work ended: it closes
inline constexpr int AddressBookChangeReplied = WmUser + 3005; // to the address-book window or dialog that asked
inline constexpr int MembersAdded = WmUser + 3006; // to the contact picker that asked
inline constexpr int ContactsExported = WmUser + 3007; // to the window that started the export
inline constexpr int ContactsImported = WmUser + 3008; // to the window that started the import
inline constexpr int ConferenceControlReplied = WmUser + 3009; // to the instant page
inline constexpr int ParticipantsImported = WmUser + 3010; // to the page that imported them
inline constexpr int AccountSettingReplied = WmUser + 3011; // to the settings dialog that asked
inline constexpr int ChargesExported = WmUser + 3012; // to the bill window that started the export

} // namespace Msg
