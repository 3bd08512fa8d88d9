#pragma once

#include "login/LoginDialog.h"
#include "shell/SideWindows.h"

#include "skin/CDialogEx.h"

#include <QPointer>

#include <memory>

class AddressBookLoader;
class AddressBookWindow;
class AppEvent;
class BalanceTicker;
class BillQueryWindow;
class CButtonPNG;
class CButtonST;
class CEditBoxBmp;
class ConferenceWorkspace;
class ContactsPanel;
class CTransparentStatic;
class MeetingsPanel;
class RecordingWindow;
class SessionLoader;
class ServiceCall;
class SessionState;
class TrayIcon;
struct ConferenceRecord;
struct ConferenceReply;
struct VersionAnswer;

// The program's frame: the signed-in account and balance, three tabs, the search
// box and the panel area with the two meetings panels and the contacts panel; it
// owns the four side windows glued to its right edge, the main menu, the
// notification-area icon, the version check and the way out. It is also where most
// workers report (the messages of Msg), handled in event().
//
// Its life: start() runs the login dialog while the window stays hidden; after a
// sign-in it appears where the login dialog stood. When it ends (exit, or a failed
// or abandoned sign-in) it emits finished() and the program ends with it.
class MainWindow : public CDialogEx {
    Q_OBJECT
public:
    // The commands of the main menu.
    enum Command {
        InstantMeeting = 32771,
        BookMeeting = 32772,
        SendSms = 32809,
        ManageAddressBook = 32778,
        ChangePassword = 32779,
        MeetingSettings = 32781,
        Recharge = 32782,
        BillQuery = 32784,
        Recordings = 32785,
        CheckVersion = 32786,
        Help = 32787,
        About = 32800,
        ChangeUser = 32801,
        Exit = 32802,
        // Beyond the menu's own entries: the account settings dialogs that would
        // otherwise have no way in.
        AccountSettings = 32820,
        SmsSignature = 32821,
        Transfer = 32822,
    };
    // The tabs, in their order on the window.
    enum Tab { RunningTab, BookedTab, ContactsTab };

    explicit MainWindow(SessionState& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the login dialog; then ends (no sign-in) or shows the signed-in window.
    void start();
    // Ends the main window, and with it the program, without asking.
    void endNow();
    // Another start of the program asked us to come forward.
    void bringToFront();
    void runCommand(int command);
    void clickTab(Tab tab);
    void reject() override;

    SessionState& session() const { return m_session; }
    LoginDialog* loginDialog() const { return m_login; }
    ConferenceWorkspace* workspace() const { return m_workspace; }
    AddressBookWindow* addressBookWindow() const { return m_addressBookWindow; }
    RecordingWindow* recordingWindow() const { return m_recordingWindow; }
    BillQueryWindow* billQueryWindow() const { return m_billQueryWindow; }
    MeetingsPanel* runningPanel() const { return m_runningPanel; }
    MeetingsPanel* bookedPanel() const { return m_bookedPanel; }
    ContactsPanel* contactsPanel() const { return m_contactsPanel; }
    SideWindows& sideWindows() { return m_side; }
    TrayIcon* trayIcon() const { return m_tray; }
    SessionLoader* sessionLoader() const { return m_sessionLoader; }
    AddressBookLoader* addressBookLoader() const { return m_addressBookLoader; }
    // True while the window is tucked away (notification area or task bar).
    bool isMinimisedAway() const { return m_minimisedAway; }

signals:
    // The login dialog is about to run (a fresh one for every "更改用户").
    void loginStarted(LoginDialog* login);

protected:
    bool event(QEvent* event) override;
    void closeButtonClicked() override;
    void minimiseButtonClicked() override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void createChildWindows();
    void layoutControls();
    void runLogin();
    bool handleMessage(AppEvent& event);
    void trayIconMessage(int mouseMessage);
    void forwardContactRow(AppEvent& event, QWidget* target);
    void signInCompleted();
    void afterAddressBookLoad();
    void listsReady(MeetingsPanel* panel, int kind, int count);
    void openRunningConference(int index);
    void openBookedConference(int index);
    // Cancels the booking the scheduled page shows, or else the one selected in the
    // booked panel.
    void modifySelectedBooking(const ConferenceRecord* shown);
    void bookingCancelled(const ConferenceReply& reply);
    void showContactsPanel();
    void hidePanels();
    void updateTabs();
    void showBalance();
    void setSignedInCaptions();
    void openInstantEmpty();
    void openBookingEmpty();
    void openSmsPage();
    void openAddressBook();
    void openSideWindow(SideWindows::Which which);
    void searchChanged(const QString& text);
    void minimiseAway();
    void comeBack();
    void showMainWindowOnly();
    void closePressed();
    void changeUser();
    void checkVersion();
    void actOnVersionAnswer(const VersionAnswer& answer);
    void startUpdater(const std::string& downloadList);
    void openWebPage(const QString& path);
    void runSettingsDialog(int command);
    void glueSideWindows();

    SessionState& m_session;
    SessionLoader* m_sessionLoader;
    AddressBookLoader* m_addressBookLoader;
    std::unique_ptr<BalanceTicker> m_ticker;
    TrayIcon* m_tray;
    ServiceCall* m_calls;
    SideWindows m_side;

    CButtonPNG* m_logo = nullptr;
    CButtonPNG* m_avatar = nullptr;
    CButtonPNG* m_balanceButton = nullptr;
    CButtonPNG* m_accountButton = nullptr;
    CButtonPNG* m_addressBookButton = nullptr;
    CButtonPNG* m_liveIndicator = nullptr;
    CButtonPNG* m_tabs[3] = {};
    CEditBoxBmp* m_searchBox = nullptr;
    CTransparentStatic* m_panelArea = nullptr;
    CButtonST* m_menuButton = nullptr;
    CButtonST* m_banner = nullptr;

    MeetingsPanel* m_runningPanel = nullptr;
    MeetingsPanel* m_bookedPanel = nullptr;
    ContactsPanel* m_contactsPanel = nullptr;
    ConferenceWorkspace* m_workspace = nullptr;
    AddressBookWindow* m_addressBookWindow = nullptr;
    RecordingWindow* m_recordingWindow = nullptr;
    BillQueryWindow* m_billQueryWindow = nullptr;

    QPointer<LoginDialog> m_login;
    bool m_openedForUserChange = false;
    bool m_lastSignInCancelled = false;
    bool m_minimisedAway = false;
};
