// The contacts panel over the demo account's address book in a real cvservice: the
// tabs, the messages its rows post, expansion, the context menus, the commands that
// change the book and the dialogs its commands open.

#include "addressbook/ContactsPanel.h"
#include "addressbook/ContactDialog.h"
#include "addressbook/ContactPicker.h"
#include "addressbook/ContactTableModel.h"
#include "addressbook/ContactsModel.h"
#include "addressbook/GroupNameDialog.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookChange.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/addressbook/PanelCommand.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "cvsrv/CCvService.h"
#include "skin/CButtonPNG.h"
#include "skin/CListBoxEx.h"
#include "widgets/MessageBoxDialog.h"

#include "EventRecorder.h"
#include "ServiceProcess.h"
#include "WhenModal.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const Credentials kDemo { "13800138000", "123456" };

QStringList texts(const QMenu* menu)
{
    QStringList shown;
    for (const QAction* action : menu->actions())
        shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return shown;
}

QStringList enabledTexts(const QMenu* menu)
{
    QStringList enabled;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled())
            enabled << action->text();
    }
    return enabled;
}

// Closes the next modal dialog of type Dialog unchanged and runs check on it; the
// flag tells whether it came.
template <typename Dialog> std::shared_ptr<bool> expect(std::function<void(Dialog*)> check)
{
    auto opened = std::make_shared<bool>(false);
    whenModal<Dialog>([opened, check](Dialog* dialog) {
        *opened = true;
        // Closed first, so a failing check cannot leave the test waiting on it.
        dialog->reject();
        check(dialog);
    });
    return opened;
}

QAction* actionOf(const QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class ContactsPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabsSwitchModeAndEndTheSearch();
    void rowsPostTheirRowRefs();
    void headersOpenWithAClick();
    void contextMenusForGroupsAndContacts();
    void groupsAreHandedToTheConferencePages();
    void groupsAreAddedAndDeleted_data();
    void groupsAreAddedAndDeleted();
    void refusedChangesShowTheServicesText();
    void contactsAreMovedAndDeleted();
    void theCommandsOpenTheirDialogsForTheRowChosen();

private:
    bool loadBook();
    AddressBook& book() { return m_session->addressBook(); }
    ContactsModel* model() const { return m_panel->model(); }
    QModelIndex header(const QString& name) const;
    QModelIndex member(const QModelIndex& header, const QString& name) const;
    QPoint centreOf(const QModelIndex& index) const;
    void click(const QModelIndex& index) const;
    void doubleClick(const QModelIndex& index, Qt::MouseButton button = Qt::LeftButton) const;
    QMenu* rightClick(const QModelIndex& index) const;
    std::optional<int> contactNumber(const std::string& name);
    bool isMember(PanelMode mode, const std::string& group, int addressno);

    std::unique_ptr<ServiceProcess> m_service;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<EventRecorder> m_mainWindow;
    std::unique_ptr<AddressBookLoader> m_loader;
    std::unique_ptr<QWidget> m_area;
    ContactsPanel* m_panel = nullptr;
    int m_synchronised = 0;
};

void ContactsPanelTest::init()
{
    // Every test changes the book as it likes: a fresh service each time.
    m_service = std::make_unique<ServiceProcess>();
    QVERIFY2(m_service->start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_mainWindow = std::make_unique<EventRecorder>();
    m_loader = std::make_unique<AddressBookLoader>(*m_session, m_mainWindow.get());
    m_area = std::make_unique<QWidget>();
    m_area->resize(290, 520);
    m_synchronised = 0;
    m_panel = new ContactsPanel(*m_session, m_area.get(), m_mainWindow.get(), [this] {
        ++m_synchronised;
        m_loader->Synchronise();
    });
    m_panel->setGeometry(m_area->rect());
    m_panel->show();
    m_area->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    QVERIFY(loadBook());
    m_panel->SetModeAndRebuild(0);
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void ContactsPanelTest::cleanup()
{
    m_area.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_loader.reset();
    m_mainWindow.reset();
    m_session.reset();
    m_service.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

bool ContactsPanelTest::loadBook()
{
    m_loader->Synchronise();
    return QTest::qWaitFor([this] { return !m_loader->calls().anyBusy(); }, 20000);
}

QModelIndex ContactsPanelTest::header(const QString& name) const
{
    for (int row = 0; row < model()->rowCount(); ++row) {
        const QModelIndex index = model()->index(row, 0);
        if (index.data().toString().startsWith(name + QStringLiteral(" [")))
            return index;
    }
    return {};
}

QModelIndex ContactsPanelTest::member(const QModelIndex& header, const QString& name) const
{
    for (int row = 0; row < model()->rowCount(header); ++row) {
        const QModelIndex index = model()->index(row, 0, header);
        if (index.data().toString().startsWith(name + QLatin1Char(' ')))
            return index;
    }
    return {};
}

QPoint ContactsPanelTest::centreOf(const QModelIndex& index) const
{
    m_panel->list()->scrollTo(index);
    return m_panel->list()->visualRect(index).center();
}

void ContactsPanelTest::click(const QModelIndex& index) const
{
    QTest::mouseClick(m_panel->list()->viewport(), Qt::LeftButton, {}, centreOf(index));
}

// As a hand does it: a click, then the second press that makes it double.
void ContactsPanelTest::doubleClick(const QModelIndex& index, Qt::MouseButton button) const
{
    const QPoint centre = centreOf(index);
    QTest::mouseClick(m_panel->list()->viewport(), button, {}, centre);
    QTest::mouseDClick(m_panel->list()->viewport(), button, {}, centre);
}

QMenu* ContactsPanelTest::rightClick(const QModelIndex& index) const
{
    QTest::mouseClick(m_panel->list()->viewport(), Qt::RightButton, {}, centreOf(index));
    QMenu* menu = m_panel->contextMenu();
    return menu && menu->isVisible() ? menu : nullptr;
}

std::optional<int> ContactsPanelTest::contactNumber(const std::string& name)
{
    const auto& contacts = book().contacts();
    for (int i = 0; i < book().contactCount(); ++i) {
        if (contacts[std::size_t(i)].addressname == name)
            return contacts[std::size_t(i)].addressno;
    }
    return std::nullopt;
}

bool ContactsPanelTest::isMember(PanelMode mode, const std::string& group, int addressno)
{
    for (int g = 0; g < book().groupCount(mode); ++g) {
        const GroupEntry& entry = book().groupSlot(mode, g);
        if (entry.name != group)
            continue;
        for (int m = 0; m < entry.memberCount; ++m) {
            if (entry.members[std::size_t(m)].addressno == addressno)
                return true;
        }
    }
    return false;
}

void ContactsPanelTest::tabsSwitchModeAndEndTheSearch()
{
    QSignalSpy cleared(m_panel, &ContactsPanel::searchBoxClearRequested);
    CButtonPNG* contactTab = m_panel->tab(PanelMode::ContactGroups);
    CButtonPNG* conferenceTab = m_panel->tab(PanelMode::ConferenceGroups);
    QCOMPARE(contactTab->text(), QStringLiteral("联系人组"));
    QCOMPARE(conferenceTab->text(), QStringLiteral("会议组"));
    QCOMPARE(contactTab->normalPicIndex(), 1);
    QCOMPARE(conferenceTab->normalPicIndex(), 0);

    m_panel->Search(QStringLiteral("13922220"));
    QTest::mouseClick(conferenceTab, Qt::LeftButton);
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(m_panel->searchText(), QString());
    QCOMPARE(m_panel->mode(), PanelMode::ConferenceGroups);
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(model()->index(0, 0).data().toString(), QStringLiteral("周例会 [5]"));
    QCOMPARE(contactTab->normalPicIndex(), 0);
    QCOMPARE(conferenceTab->normalPicIndex(), 1);

    // A search on the conference-groups tab lists the contacts of the contact groups.
    m_panel->Search(QStringLiteral("13922220"));
    QCOMPARE(model()->index(0, 0).data().toString(), QStringLiteral("查找结果 [10]"));

    QTest::mouseClick(contactTab, Qt::LeftButton);
    QCOMPARE(cleared.count(), 2);
    QCOMPARE(m_panel->searchText(), QString());
    QCOMPARE(model()->rowCount(), 4);
    QCOMPARE(model()->index(3, 0).data().toString(), QStringLiteral("未分组 [10]"));
    QCOMPARE(contactTab->normalPicIndex(), 1);

    // A load of the book shows the panel in its mode and leaves the tabs alone.
    m_panel->hide();
    m_panel->SetModeAndRebuild(1);
    QVERIFY(m_panel->isVisible());
    QCOMPARE(m_panel->mode(), PanelMode::ConferenceGroups);
    QCOMPARE(contactTab->normalPicIndex(), 1);
    QCOMPARE(cleared.count(), 2);
}

void ContactsPanelTest::rowsPostTheirRowRefs()
{
    using Record = EventRecorder::Record;
    auto last = [this] { return m_mainWindow->records.isEmpty() ? Record {} : m_mainWindow->records.last(); };
    auto same = [](const Record& a, const Record& b) {
        return a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam;
    };

    const QModelIndex colleagues = header(QStringLiteral("同事"));
    QCOMPARE(model()->rowRef(colleagues), (RowRef { -1, 1 }));
    click(colleagues);
    QTRY_VERIFY(same(last(), { Msg::ContactRowClicked, 1, -1 }));
    const QModelIndex third = model()->index(2, 0, colleagues);
    click(third);
    QTRY_VERIFY(same(last(), { Msg::ContactRowClicked, 2, 1 }));
    doubleClick(third);
    QTRY_VERIFY(same(last(), { Msg::ContactRowDoubleClicked, 2, 1 }));
    QCOMPARE(m_mainWindow->count(Msg::ContactRowDoubleClicked), 1);

    // Only the left button chooses contacts.
    doubleClick(third, Qt::RightButton);
    if (QMenu* menu = m_panel->contextMenu())
        menu->close();
    QTest::qWait(20);
    QCOMPARE(m_mainWindow->count(Msg::ContactRowDoubleClicked), 1);

    // Search rows: the results' header (-1, 0) and results (0, position).
    m_panel->Search(QStringLiteral("13922220"));
    const QModelIndex results = model()->index(0, 0);
    click(model()->index(3, 0, results));
    QTRY_VERIFY(same(last(), { Msg::ContactRowClicked, 3, 0 }));
    doubleClick(results);
    QTRY_VERIFY(same(last(), { Msg::ContactRowDoubleClicked, 0, -1 }));
}

void ContactsPanelTest::headersOpenWithAClick()
{
    CListBoxEx* list = m_panel->list();
    QModelIndex family = header(QStringLiteral("家人"));
    QVERIFY(!list->isExpanded(family));
    QVERIFY(!list->visualRect(model()->index(0, 0, family)).isValid());

    click(family);
    QVERIFY(list->isExpanded(family));
    QCOMPARE(model()->rowCount(family), 10);
    const QModelIndex first = model()->index(0, 0, family);
    QVERIFY(list->visualRect(first).isValid());
    QCOMPARE(first.data().toString(), QStringLiteral("王芳 13911110001"));
    QCOMPARE(model()->rowRef(model()->index(9, 0, family)), (RowRef { 0, 9 }));
    // A member's click leaves its header open; the header's own click closes it.
    click(first);
    QVERIFY(list->isExpanded(family));
    click(family);
    QVERIFY(!list->isExpanded(family));

    // Every rebuild starts closed.
    click(family);
    m_panel->Rebuild();
    family = header(QStringLiteral("家人"));
    QVERIFY(!list->isExpanded(family));

    // Results show at once; closed and opened again, they show again.
    m_panel->Search(QStringLiteral("王"));
    const QModelIndex results = model()->index(0, 0);
    QCOMPARE(results.data().toString(), QStringLiteral("查找结果 [1]"));
    QVERIFY(list->isExpanded(results));
    click(results);
    QVERIFY(!list->isExpanded(results));
    click(results);
    QVERIFY(list->isExpanded(results));
    QCOMPARE(model()->index(0, 0, results).data().toString(), QStringLiteral("王芳 13911110001"));
    QVERIFY(list->visualRect(model()->index(0, 0, results)).isValid());
}

void ContactsPanelTest::contextMenusForGroupsAndContacts()
{
    const QModelIndex colleagues = header(QStringLiteral("同事"));
    QMenu* menu = rightClick(colleagues);
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("联系人组管理"));
    QCOMPARE(texts(menu),
        QStringList({ QStringLiteral("新增分组"), QStringLiteral("新增联系人"), QStringLiteral("删除分组"),
            QStringLiteral("重命名"), QStringLiteral("-"), QStringLiteral("向组员发起会议"),
            QStringLiteral("向组员发短信息"), QStringLiteral("-"), QStringLiteral("同步"), QStringLiteral("导入"),
            QStringLiteral("导出") }));
    QCOMPARE(enabledTexts(menu),
        QStringList({ QStringLiteral("新增分组"), QStringLiteral("新增联系人"), QStringLiteral("删除分组"),
            QStringLiteral("重命名"), QStringLiteral("向组员发起会议"), QStringLiteral("向组员发短信息"),
            QStringLiteral("同步"), QStringLiteral("导入"), QStringLiteral("导出") }));
    menu->close();

    // Nothing below the last row, even with a row selected.
    QTest::mouseClick(
        m_panel->list()->viewport(), Qt::RightButton, {}, QPoint(20, m_panel->list()->viewport()->height() - 4));
    QVERIFY(!m_panel->contextMenu() || !m_panel->contextMenu()->isVisible());

    click(colleagues);
    menu = rightClick(model()->index(0, 0, colleagues));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("联系人管理"));
    QCOMPARE(texts(menu),
        QStringList({ QStringLiteral("编辑联系人"), QStringLiteral("删除联系人"), QStringLiteral("移动至分组") }));
    QCOMPARE(enabledTexts(menu),
        QStringList({ QStringLiteral("编辑联系人"), QStringLiteral("删除联系人"), QStringLiteral("移动至分组") }));
    auto* move = menu->findChild<QMenu*>(QStringLiteral("moveToGroupMenu"));
    QVERIFY(move);
    QCOMPARE(texts(move), QStringList({ QStringLiteral("家人"), QStringLiteral("同事"), QStringLiteral("客户") }));
    QCOMPARE(move->actions().last()->data().toInt(), kMoveToGroupCommand + 2);
    menu->close();

    // The popup offers the groups of the mode...
    m_panel->SetMode(1);
    const QModelIndex weekly = header(QStringLiteral("周例会"));
    click(weekly);
    menu = rightClick(model()->index(0, 0, weekly));
    QVERIFY(menu);
    QCOMPARE(texts(menu->findChild<QMenu*>(QStringLiteral("moveToGroupMenu"))),
        QStringList({ QStringLiteral("周例会"), QStringLiteral("项目组") }));
    menu->close();
    // ... and, for a search result, the contact groups where the search found it.
    m_panel->Search(QStringLiteral("徐强"));
    menu = rightClick(model()->index(0, 0, model()->index(0, 0)));
    QVERIFY(menu);
    QCOMPARE(texts(menu->findChild<QMenu*>(QStringLiteral("moveToGroupMenu"))),
        QStringList({ QStringLiteral("家人"), QStringLiteral("同事"), QStringLiteral("客户") }));
    menu->close();

    // Without groups of the mode there is no popup.
    book().setGroupCount(PanelMode::ContactGroups, 0);
    m_panel->SetMode(0);
    const QModelIndex ungrouped = header(QStringLiteral("未分组"));
    QCOMPARE(ungrouped.row(), 0);
    click(ungrouped);
    menu = rightClick(model()->index(0, 0, ungrouped));
    QVERIFY(menu);
    QCOMPARE(texts(menu), QStringList({ QStringLiteral("编辑联系人"), QStringLiteral("删除联系人") }));
    menu->close();

    // An empty list never opens a menu.
    book().ungrouped().setMembers({}, 0);
    m_panel->Rebuild();
    QCOMPARE(model()->rowCount(), 0);
    QTest::mouseClick(m_panel->list()->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QVERIFY(!m_panel->contextMenu() || !m_panel->contextMenu()->isVisible());
}

void ContactsPanelTest::groupsAreHandedToTheConferencePages()
{
    QSignalSpy meeting(m_panel, &ContactsPanel::meetingRequested);
    QSignalSpy sms(m_panel, &ContactsPanel::smsRequested);
    QMenu* menu = rightClick(header(QStringLiteral("客户")));
    QVERIFY(menu);
    actionOf(menu, QStringLiteral("向组员发起会议"))->trigger();
    QVERIFY(!menu->isVisible());
    QCOMPARE(meeting.count(), 1);
    QCOMPARE(meeting.first().at(0).value<PanelMode>(), PanelMode::ContactGroups);
    QCOMPARE(meeting.first().at(1).toInt(), -1);
    QCOMPARE(meeting.first().at(2).toInt(), 2);

    m_panel->SetMode(1);
    click(header(QStringLiteral("项目组")));
    m_panel->runCommand(int(PanelCommand::MessageMembers));
    QCOMPARE(sms.count(), 1);
    QCOMPARE(sms.first().at(0).value<PanelMode>(), PanelMode::ConferenceGroups);
    QCOMPARE(sms.first().at(2).toInt(), 1);

    // A member is no group to hand over.
    click(model()->index(0, 0, header(QStringLiteral("项目组"))));
    m_panel->runCommand(int(PanelCommand::MeetMembers));
    QCOMPARE(meeting.count(), 1);
}

void ContactsPanelTest::groupsAreAddedAndDeleted_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("contact groups") << 0;
    QTest::newRow("conference groups") << 1;
}

void ContactsPanelTest::groupsAreAddedAndDeleted()
{
    QFETCH(int, mode);
    const PanelMode panelMode = PanelMode(mode);
    m_panel->SetMode(mode);
    const int groups = book().groupCount(panelMode);

    // The new group shows next to the chosen header before the book comes back.
    const QModelIndex second = model()->index(1, 0);
    const QString secondText = second.data().toString();
    QMenu* menu = rightClick(second);
    QVERIFY(menu);
    actionOf(menu, QStringLiteral("新增分组"))->trigger();
    QTRY_COMPARE(m_synchronised, 1);
    QCOMPARE(model()->index(1, 0).data().toString(), QStringLiteral("未命名分组"));
    QCOMPARE(model()->index(2, 0).data().toString(), secondText);
    QVERIFY(QTest::qWaitFor([this] { return !m_loader->calls().anyBusy(); }, 20000));
    QCOMPARE(book().groupCount(panelMode), groups + 1);
    QCOMPARE(book().groupSlot(panelMode, groups).name, std::string("未命名分组"));
    QCOMPARE(book().groupSlot(panelMode, groups).kind,
        panelMode == PanelMode::ContactGroups ? GroupKind::ContactGroup : GroupKind::ConferenceGroup);

    m_panel->Rebuild();
    const QModelIndex added = header(QStringLiteral("未命名分组"));
    QVERIFY(added.isValid());
    click(added);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Cancel);
    m_panel->runCommand(int(PanelCommand::DeleteGroup));
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("确定要删除该联系人组吗？") });
    QCOMPARE(ServiceCall::running(), 0);

    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    m_panel->runCommand(int(PanelCommand::DeleteGroup));
    QTRY_COMPARE(m_synchronised, 2);
    QVERIFY(QTest::qWaitFor([this] { return !m_loader->calls().anyBusy(); }, 20000));
    QCOMPARE(book().groupCount(panelMode), groups);
    for (int g = 0; g < groups; ++g)
        QVERIFY(book().groupSlot(panelMode, g).name != "未命名分组");
}

void ContactsPanelTest::refusedChangesShowTheServicesText()
{
    click(model()->index(0, 0));
    m_panel->runCommand(int(PanelCommand::AddGroup));
    QTRY_COMPARE(m_synchronised, 1);
    QVERIFY(QTest::qWaitFor([this] { return !m_loader->calls().anyBusy(); }, 20000));
    m_panel->Rebuild();
    const int rows = model()->rowCount();

    // Group names are unique: a second "未命名分组" is refused with the service's text,
    // and nothing changes.
    CCvService service;
    const ChangeReply direct = AddressBookChange::addGroup(GroupKind::ContactGroup, "未命名分组")(service, kDemo);
    QVERIFY(!direct.succeeded());
    QVERIFY(!direct.message.isEmpty());
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    click(model()->index(0, 0));
    m_panel->runCommand(int(PanelCommand::AddGroup));
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { direct.message });
    QCOMPARE(model()->rowCount(), rows);
    QCOMPARE(m_synchronised, 1);

    // The ungrouped contacts are no group at the service.
    MessageBoxDialog::clearAnsweredTexts();
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    click(header(QStringLiteral("未分组")));
    m_panel->runCommand(int(PanelCommand::DeleteGroup));
    QTRY_COMPARE(MessageBoxDialog::answeredTexts().size(), 2);
    QCOMPARE(MessageBoxDialog::answeredTexts().first(), QStringLiteral("确定要删除该联系人组吗？"));
    QVERIFY(!MessageBoxDialog::answeredTexts().last().isEmpty());
    QCOMPARE(m_synchronised, 1);
}

void ContactsPanelTest::contactsAreMovedAndDeleted()
{
    auto landed = [this](int synchronised) {
        return QTest::qWaitFor([&] { return m_synchronised == synchronised && !m_loader->calls().anyBusy(); }, 20000);
    };
    const int wang = contactNumber("王芳").value_or(-1);
    const int sun = contactNumber("孙丽").value_or(-1);
    const int hu = contactNumber("胡军").value_or(-1);
    QVERIFY(wang > 0 && sun > 0 && hu > 0);

    // Contact groups: out of her own group, into the one chosen.
    const QModelIndex family = header(QStringLiteral("家人"));
    click(family);
    QMenu* menu = rightClick(member(family, QStringLiteral("王芳")));
    QVERIFY(menu);
    actionOf(menu->findChild<QMenu*>(QStringLiteral("moveToGroupMenu")), QStringLiteral("客户"))->trigger();
    QVERIFY(landed(1));
    QVERIFY(isMember(PanelMode::ContactGroups, "客户", wang));
    QVERIFY(!isMember(PanelMode::ContactGroups, "家人", wang));

    // Conference groups: out of the group of the row, into the one chosen.
    m_panel->SetMode(1);
    const QModelIndex weekly = header(QStringLiteral("周例会"));
    click(weekly);
    menu = rightClick(member(weekly, QStringLiteral("孙丽")));
    QVERIFY(menu);
    actionOf(menu->findChild<QMenu*>(QStringLiteral("moveToGroupMenu")), QStringLiteral("项目组"))->trigger();
    QVERIFY(landed(2));
    QVERIFY(isMember(PanelMode::ConferenceGroups, "项目组", sun));
    QVERIFY(!isMember(PanelMode::ConferenceGroups, "周例会", sun));

    // Deleting from a conference group only takes the contact out of it.
    m_panel->Rebuild();
    const QModelIndex project = header(QStringLiteral("项目组"));
    click(project);
    click(member(project, QStringLiteral("孙丽")));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    m_panel->runCommand(int(PanelCommand::DeleteContact));
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("确定要删除选中的联系人信息吗？") });
    QVERIFY(landed(3));
    QVERIFY(!isMember(PanelMode::ConferenceGroups, "项目组", sun));
    QVERIFY(contactNumber("孙丽"));

    // A search result is its contact, wherever the tab stands: deleting it deletes
    // the contact.
    m_panel->Search(QStringLiteral("胡军"));
    click(model()->index(0, 0, model()->index(0, 0)));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    m_panel->runCommand(int(PanelCommand::DeleteContact));
    QVERIFY(landed(4));
    QVERIFY(!contactNumber("胡军"));
    QVERIFY(!isMember(PanelMode::ContactGroups, "同事", hu));
}

// The dialogs do the changes (their own tests run them against the service); here:
// which dialog a command opens, and for what.
void ContactsPanelTest::theCommandsOpenTheirDialogsForTheRowChosen()
{
    // "新增联系人" on a contact group's header: a new contact.
    QMenu* menu = rightClick(header(QStringLiteral("同事")));
    QVERIFY(menu);
    auto opened = expect<ContactDialog>([](ContactDialog* dialog) { QVERIFY(!dialog->isEditing()); });
    actionOf(menu, QStringLiteral("新增联系人"))->trigger();
    QVERIFY(*opened);

    // "编辑联系人" on a member, or on a search result: that contact.
    const QModelIndex family = header(QStringLiteral("家人"));
    click(family);
    click(member(family, QStringLiteral("李娜")));
    opened = expect<ContactDialog>([](ContactDialog* dialog) {
        QVERIFY(dialog->isEditing());
        QCOMPARE(dialog->form().phone, std::string("13911110002"));
    });
    m_panel->runCommand(int(PanelCommand::EditContact));
    QVERIFY(*opened);
    m_panel->Search(QStringLiteral("13911110003"));
    click(model()->index(0, 0, model()->index(0, 0)));
    opened = expect<ContactDialog>([](ContactDialog* dialog) { QCOMPARE(dialog->form().name, std::string("张伟")); });
    m_panel->runCommand(int(PanelCommand::EditContact));
    QVERIFY(*opened);
    m_panel->Search(QString());

    // "重命名": the group of the header, of either kind.
    click(header(QStringLiteral("客户")));
    opened = expect<GroupNameDialog>([](GroupNameDialog* dialog) {
        QCOMPARE(dialog->group().name, std::string("客户"));
        QCOMPARE(dialog->group().kind, GroupKind::ContactGroup);
    });
    m_panel->runCommand(int(PanelCommand::RenameGroup));
    QVERIFY(*opened);

    // "新增联系人" on a conference group's header: the picker for that group.
    m_panel->SetMode(1);
    click(header(QStringLiteral("项目组")));
    opened = expect<ContactPicker>([this](ContactPicker* picker) {
        QCOMPARE(picker->target().name, std::string("项目组"));
        QCOMPARE(picker->target().kind, GroupKind::ConferenceGroup);
        QCOMPARE(picker->model()->rowCount(), book().contactCount());
    });
    m_panel->runCommand(int(PanelCommand::AddContact));
    QVERIFY(*opened);
    opened = expect<GroupNameDialog>(
        [](GroupNameDialog* dialog) { QCOMPARE(dialog->group().name, std::string("项目组")); });
    m_panel->runCommand(int(PanelCommand::RenameGroup));
    QVERIFY(*opened);
    QCOMPARE(m_synchronised, 0);

    // "未分组" is no group at the service: "重命名" opens nothing.
    m_panel->SetMode(0);
    QWidget* openedForUngrouped = nullptr;
    QTimer::singleShot(50, this, [&openedForUngrouped] {
        if ((openedForUngrouped = QApplication::activeModalWidget()))
            openedForUngrouped->close();
    });
    click(header(QStringLiteral("未分组")));
    m_panel->runCommand(int(PanelCommand::RenameGroup));
    QTest::qWait(100);
    QVERIFY(!openedForUngrouped);
}

QTEST_MAIN(ContactsPanelTest)
#include "ContactsPanelTest.moc"
