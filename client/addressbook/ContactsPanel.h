#pragma once

#include "core/addressbook/PanelMode.h"
#include "core/addressbook/PanelTarget.h"
#include "core/addressbook/RowRef.h"

#include "skin/CDialogEx.h"

#include <QMenu>
#include <QPointer>

#include <functional>
#include <optional>

class AddressBook;
class CButtonPNG;
class CListBoxEx;
class ContactFileTransfer;
class ContactsModel;
class ServiceCall;
class SessionState;
struct PanelChange;

// The address book in the main window's panel area: two tabs, the contact groups
// (mode 0) and the conference groups (mode 1), over a list with one header row per
// group and its members under it; with a search text, the contacts whose name or
// number contains it, under a "查找结果 [n]" header. The list is a view over a
// ContactsModel of the session's address book. The model holds every header's
// members, so expanding a header (a click on it) only shows them; a rebuild starts
// with every header closed again.
//
// A click on a row asks the main window to pass it on (WM_USER+11), a double click
// too (WM_USER+12), both with wParam = index and lParam = parent of the row's
// RowRef. A right-button release over a row opens the commands for the selected row:
// a header's group commands or a member's contact commands. Changes of the address
// book run as ServiceCall jobs; a success synchronises the book again (through the
// function the builder hands over), a refusal shows the service's text. "新增联系人",
// "重命名" and "编辑联系人" open their modal dialogs, which do the same.
class ContactsPanel : public CDialogEx {
    Q_OBJECT
public:
    ContactsPanel(
        const SessionState& session, QWidget* panelArea, QObject* mainWindow, std::function<void()> synchronise);

    // The tabs: the search ends (here and in the main window's box) and the groups
    // of mode show; the chosen tab shows as active.
    void SetMode(int mode);
    // After a load of the book: shows the panel and the groups of mode. The tabs
    // stay as they were.
    void SetModeAndRebuild(int mode);
    void Rebuild();
    PanelMode mode() const;
    // Filters by text (the main window's search box); an empty text shows the groups.
    void Search(const QString& text);
    QString searchText() const;

    // Runs a context-menu command (a PanelCommand, or a "移动至分组" entry) on the
    // selected row; a command with nothing to act on does nothing.
    void runCommand(int command);
    // The context menu while it is open.
    QMenu* contextMenu() const { return m_menu; }

    CListBoxEx* list() const { return m_list; }
    ContactsModel* model() const { return m_model; }
    CButtonPNG* tab(PanelMode mode) const { return m_tabs[int(mode)]; }
    ContactFileTransfer* fileTransfer() const { return m_transfer; }

signals:
    // A tab was chosen: the main window empties its search box.
    void searchBoxClearRequested();
    // "向组员发起会议" / "向组员发短信息": the group's row, for the instant-meeting or
    // the SMS page.
    void meetingRequested(PanelMode mode, int parent, int index);
    void smsRequested(PanelMode mode, int parent, int index);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct ChangeAnswer;

    void buildTabs();
    void showActiveTab();
    void rowClicked(const QModelIndex& index);
    void postRow(int message, const QModelIndex& index);
    void openContextMenu(const QPoint& position, const QPoint& globalPosition);
    QMenu* buildGroupMenu();
    QMenu* buildContactMenu();
    QAction* addCommand(QMenu* menu, int command, const QString& text);
    std::optional<RowRef> selectedRow() const;
    std::optional<PanelTarget> selectedTarget() const;
    void addGroup(const PanelTarget& target);
    void addContacts(const PanelTarget& target);
    void renameGroup(const PanelTarget& target);
    void editContact(const PanelTarget& target);
    void confirmAndStart(const QString& question, const std::optional<PanelChange>& change);
    void startChange(const PanelChange& change, int newGroupRow = -1);
    void changeAnswered(const ChangeAnswer& answer);

    const SessionState& m_session;
    const AddressBook& m_book;
    QObject* m_mainWindow;
    std::function<void()> m_synchronise;
    ServiceCall* m_calls;
    ContactFileTransfer* m_transfer;
    ContactsModel* m_model;
    CListBoxEx* m_list;
    CButtonPNG* m_tabs[2] = {};
    QPointer<QMenu> m_menu;
};
