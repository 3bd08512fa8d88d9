// The address-book management window and its pages over the demo account's address
// book in a real cvservice, with the contacts panel as its navigator and a stand-in
// for the main window that re-fills the group page once the loads are in.

#include "addressbook/AddressBookWindow.h"
#include "addressbook/ContactListView.h"
#include "addressbook/ContactPage.h"
#include "addressbook/ContactPicker.h"
#include "addressbook/ContactTableModel.h"
#include "addressbook/ContactsModel.h"
#include "addressbook/ContactsPanel.h"
#include "addressbook/GroupPage.h"
#include "addressbook/NewGroupPage.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookChange.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CTransparentStatic.h"
#include "widgets/MessageBoxDialog.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"
#include "WhenModal.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

using serviceBook::contactByPhone;
using serviceBook::groupId;
using serviceBook::isMember;
using serviceBook::kDemo;

namespace {

// What the main window does with the loaders' reports, as far as the window relies
// on it: the panel shows the mode of the group load that reported, and the group page
// is filled again once the last load is in.
class MainWindowStandIn : public QObject {
public:
    AddressBookLoader* loader = nullptr;
    ContactsPanel* panel = nullptr;
    AddressBookWindow* window = nullptr;

protected:
    bool event(QEvent* event) override
    {
        const int message = AppEvent::messageOf(event);
        if (message != Msg::ContactsReady && message != Msg::ConferenceGroupsReady
            && message != Msg::ContactGroupsReady)
            return QObject::event(event);
        loader->messageHandled();
        if (message != Msg::ContactsReady)
            panel->SetModeAndRebuild(panel->mode() == PanelMode::ConferenceGroups ? 1 : 0);
        if (window->isGroupPageVisible() && !loader->anyBusy())
            window->RebuildGroupPage();
        return true;
    }
};

QLineEdit* editOf(QWidget* page, const char* name)
{
    return page->findChild<QLineEdit*>(QString::fromLatin1(name));
}

CButtonPNG* buttonOf(QWidget* page, const char* name)
{
    return page->findChild<CButtonPNG*>(QString::fromLatin1(name));
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->clear();
    edit->insert(text); // key clicks cannot carry Chinese characters
}

QStringList column(const ContactTableModel* model, ContactTableModel::Field field)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, model->columnOf(field)).data().toString();
    return texts;
}

} // namespace

class AddressBookWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsOfThePanelShowTheirPages();
    void theGroupPageListsAndSearchesTheMembers();
    void clicksBesideTheBoxesAndSelectAllTickRows();
    void aGroupIsRenamedFromItsPage();
    void aGroupIsDeletedAfterAskingWithItsKind();
    void checkedContactsLeaveTheGroupOrTheBook();
    void theContactPageModifiesThenAddsACopy();
    void newGroupsOfThePanelsKind();
    void theTopButtons();

private:
    AddressBook& book() { return m_session->addressBook(); }
    GroupPage* groupPage() const { return m_window->groupPage(); }
    ContactTableModel* members() const { return m_window->groupPage()->model(); }
    bool landed(int synchronised);
    QPoint rowPoint(int row, int x) const;

    std::unique_ptr<ServiceProcess> m_service;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<MainWindowStandIn> m_mainWindow;
    std::unique_ptr<AddressBookLoader> m_loader;
    std::unique_ptr<QWidget> m_area;
    ContactsPanel* m_panel = nullptr;
    std::unique_ptr<AddressBookWindow> m_window;
    int m_synchronised = 0;
};

void AddressBookWindowTest::init()
{
    m_service = std::make_unique<ServiceProcess>();
    QVERIFY2(m_service->start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_mainWindow = std::make_unique<MainWindowStandIn>();
    m_loader = std::make_unique<AddressBookLoader>(*m_session, m_mainWindow.get());
    m_area = std::make_unique<QWidget>();
    m_area->resize(290, 520);
    auto synchronise = [this] {
        ++m_synchronised;
        m_loader->Synchronise();
    };
    m_panel = new ContactsPanel(*m_session, m_area.get(), m_mainWindow.get(), synchronise);
    m_panel->setGeometry(m_area->rect());
    m_window = std::make_unique<AddressBookWindow>(*m_session, nullptr);
    m_window->setPartner(m_panel);
    m_window->setSynchronise(synchronise);
    m_mainWindow->loader = m_loader.get();
    m_mainWindow->panel = m_panel;
    m_mainWindow->window = m_window.get();
    m_area->show();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_loader->Synchronise();
    QVERIFY(QTest::qWaitFor([this] { return !m_loader->anyBusy(); }, 20000));
    m_panel->SetModeAndRebuild(0);
    m_synchronised = 0;
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void AddressBookWindowTest::cleanup()
{
    m_window.reset();
    m_area.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_loader.reset();
    m_mainWindow.reset();
    m_session.reset();
    m_service.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

// The synchronisation asked for has run, its loads are in, and no page still waits.
bool AddressBookWindowTest::landed(int synchronised)
{
    return QTest::qWaitFor(
        [&] { return m_synchronised == synchronised && !m_loader->anyBusy() && !groupPage()->isWaiting(); }, 20000);
}

QPoint AddressBookWindowTest::rowPoint(int row, int x) const
{
    ContactListView* list = groupPage()->list();
    const QModelIndex cell = members()->index(row, 0);
    list->scrollTo(cell);
    return { x, list->visualRect(cell).center().y() };
}

void AddressBookWindowTest::rowsOfThePanelShowTheirPages()
{
    // A group's row: the group page; a member's row: the contact page with its record.
    postAppEvent(m_window.get(), Msg::ContactRowClicked, 1, -1);
    QTRY_COMPARE(m_window->lastGroupPosition(), 1);
    QVERIFY(m_window->isGroupPageVisible());
    QCOMPARE(editOf(groupPage(), "groupNameEdit")->text(), QStringLiteral("同事"));

    postAppEvent(m_window.get(), Msg::ContactRowClicked, 2, 1);
    QTRY_VERIFY(m_window->contactPage()->isVisible());
    QVERIFY(!groupPage()->isVisible());
    QCOMPARE(m_window->contactPage()->record()->addressname, std::string("胡军"));
    QCOMPARE(editOf(m_window->contactPage(), "phoneEdit")->text(), QStringLiteral("13922220013"));

    // The contact page's "取消" goes back to the last group.
    QTest::mouseClick(buttonOf(m_window->contactPage(), "cancelButton"), Qt::LeftButton);
    QTRY_VERIFY(groupPage()->isVisible());
    QCOMPARE(editOf(groupPage(), "groupNameEdit")->text(), QStringLiteral("同事"));
    QVERIFY(editOf(m_window->contactPage(), "nameEdit")->text().isEmpty());

    // No group row yet: the first group. Rows follow the panel's tab...
    m_window->ShowRow(-1, -1);
    QCOMPARE(editOf(groupPage(), "groupNameEdit")->text(), QStringLiteral("家人"));
    m_panel->SetMode(1);
    m_window->ShowRow(-1, 1);
    QCOMPARE(groupPage()->findChild<CTransparentStatic*>(QStringLiteral("groupKindLabel"))->text(),
        QStringLiteral("会议组"));
    QCOMPARE(editOf(groupPage(), "groupNameEdit")->text(), QStringLiteral("项目组"));
    // ... except while it searches: then they name places in the contact groups.
    m_panel->Search(QStringLiteral("张伟"));
    m_window->ShowRow(0, 2);
    QCOMPARE(m_window->contactPage()->record()->addressname, std::string("张伟"));
}

void AddressBookWindowTest::theGroupPageListsAndSearchesTheMembers()
{
    m_window->ShowRow(-1, 1);
    QCOMPARE(groupPage()->findChild<CTransparentStatic*>(QStringLiteral("groupKindLabel"))->text(),
        QStringLiteral("联系人组"));
    QCOMPARE(members()->rowCount(), 10);
    const QStringList headers { QStringLiteral("姓名"), QStringLiteral("编号"), QStringLiteral("性别"),
        QStringLiteral("电话"), QStringLiteral("联系人组"), QStringLiteral("Email") };
    for (int c = 0; c < headers.size(); ++c)
        QCOMPARE(members()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers.at(c));
    ContactListView* list = groupPage()->list();
    QVERIFY(list->isColumnHidden(1) && list->isColumnHidden(2));
    QCOMPARE(list->columnWidth(5), 200);
    QCOMPARE(column(members(), ContactTableModel::Field::Group).first(), QStringLiteral("同事"));
    QCOMPARE(column(members(), ContactTableModel::Field::Sex).mid(0, 2),
        QStringList({ QStringLiteral("男"), QStringLiteral("女") }));
    for (const char* button : { "renameButton", "deleteGroupButton", "addMembersButton", "removeMembersButton" })
        QVERIFY2(buttonOf(groupPage(), button)->isEnabled(), button);

    QLineEdit* search = editOf(groupPage(), "searchEdit");
    typeInto(search, QStringLiteral(" 孙丽 "));
    QCOMPARE(column(members(), ContactTableModel::Field::Name), QStringList { QStringLiteral("孙丽") });
    typeInto(search, QStringLiteral("   "));
    QCOMPARE(members()->rowCount(), 10);
    search->clear();

    // The ungrouped contacts: only their "删除" works.
    m_window->ShowRow(-1, 3);
    QCOMPARE(editOf(groupPage(), "groupNameEdit")->text(), QStringLiteral("未分组"));
    QCOMPARE(members()->rowCount(), 10);
    for (const char* button : { "renameButton", "deleteGroupButton", "addMembersButton", "removeMembersButton" })
        QVERIFY2(!buttonOf(groupPage(), button)->isEnabled(), button);
    QVERIFY(buttonOf(groupPage(), "deleteContactsButton")->isEnabled());
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    groupPage()->deleteGroup();
    QCOMPARE(
        MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("没有选中联系人组，请先选中联系人组再删除!") });
    QCOMPARE(ServiceCall::running(), 0);
}

void AddressBookWindowTest::clicksBesideTheBoxesAndSelectAllTickRows()
{
    m_window->ShowRow(-1, 0);
    QWidget* viewport = groupPage()->list()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowPoint(1, 60));
    QVERIFY(members()->isChecked(1));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowPoint(1, 300));
    QVERIFY(!members()->isChecked(1));
    // The box itself ticks once, not twice.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowPoint(2, 11));
    QVERIFY(members()->isChecked(2));

    auto* selectAll = groupPage()->findChild<CButtonCR*>(QStringLiteral("selectAllCheck"));
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QCOMPARE(members()->checkedAddressNos().size(), std::size_t(10));
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QVERIFY(members()->checkedAddressNos().empty());
    // Every fill starts unticked.
    QTest::mouseClick(selectAll, Qt::LeftButton);
    groupPage()->fill();
    QVERIFY(!selectAll->isChecked());
    QVERIFY(members()->checkedAddressNos().empty());
}

void AddressBookWindowTest::aGroupIsRenamedFromItsPage()
{
    m_window->ShowRow(-1, 1);
    // The same name sends nothing.
    QTest::mouseClick(buttonOf(groupPage(), "renameButton"), Qt::LeftButton);
    QCOMPARE(ServiceCall::running(), 0);

    typeInto(editOf(groupPage(), "groupNameEdit"), QStringLiteral("老同事"));
    QTest::mouseClick(buttonOf(groupPage(), "renameButton"), Qt::LeftButton);
    QVERIFY(landed(1));
    QCOMPARE(groupId(GroupKind::ContactGroup, "老同事"), book().groupSlot(PanelMode::ContactGroups, 1).id);
    QCOMPARE(book().groupSlot(PanelMode::ContactGroups, 1).name, std::string("老同事"));
    QCOMPARE(m_panel->model()->index(1, 0).data().toString(), QStringLiteral("老同事 [10]"));
    QCOMPARE(editOf(groupPage(), "groupNameEdit")->text(), QStringLiteral("老同事"));
    QCOMPARE(column(members(), ContactTableModel::Field::Group).first(), QStringLiteral("老同事"));

    // A taken name is the service's refusal, shown with its text; nothing changes.
    CCvService service;
    const ChangeReply taken = AddressBookChange::renameGroup(
        GroupKind::ContactGroup, groupId(GroupKind::ContactGroup, "老同事"), "家人")(service, kDemo);
    QVERIFY(!taken.succeeded());
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    typeInto(editOf(groupPage(), "groupNameEdit"), QStringLiteral("家人"));
    QTest::mouseClick(buttonOf(groupPage(), "renameButton"), Qt::LeftButton);
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { taken.message });
    QTRY_VERIFY(!groupPage()->isBusy());
    QCOMPARE(m_synchronised, 1);
}

void AddressBookWindowTest::aGroupIsDeletedAfterAskingWithItsKind()
{
    m_panel->SetMode(1);
    m_window->ShowRow(-1, 1);
    QCOMPARE(editOf(groupPage(), "groupNameEdit")->text(), QStringLiteral("项目组"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Cancel);
    QTest::mouseClick(buttonOf(groupPage(), "deleteGroupButton"), Qt::LeftButton);
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("确定要删除该会议组吗？") });
    QCOMPARE(ServiceCall::running(), 0);

    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(buttonOf(groupPage(), "deleteGroupButton"), Qt::LeftButton);
    QVERIFY(landed(1));
    QCOMPARE(groupId(GroupKind::ConferenceGroup, "项目组"), -1);
    // The group is gone: the page shows nobody in its place.
    QVERIFY(editOf(groupPage(), "groupNameEdit")->text().isEmpty());
    QCOMPARE(members()->rowCount(), 0);

    m_panel->SetMode(0);
    m_window->ShowRow(-1, 2);
    MessageBoxDialog::clearAnsweredTexts();
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Cancel);
    groupPage()->deleteGroup();
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("确定要删除该联系人组吗？") });
}

void AddressBookWindowTest::checkedContactsLeaveTheGroupOrTheBook()
{
    m_panel->SetMode(1);
    m_window->ShowRow(-1, 0);
    const int weekly = groupId(GroupKind::ConferenceGroup, "周例会");
    const int xu = contactByPhone("13922220011")->addressno;
    const int sun = contactByPhone("13922220012")->addressno;
    const int hu = contactByPhone("13922220013")->addressno;
    // 孙丽 left the group meanwhile: her removal is refused, the others' go on.
    CCvService service;
    QVERIFY(AddressBookChange::removeMember(GroupKind::ConferenceGroup, weekly, sun)(service, kDemo).succeeded());
    const ChangeReply notThere
        = AddressBookChange::removeMember(GroupKind::ConferenceGroup, weekly, sun)(service, kDemo);
    QVERIFY(!notThere.succeeded());
    for (int addressno : { xu, sun, hu })
        members()->setChecked(members()->rowOf(addressno), true);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(buttonOf(groupPage(), "removeMembersButton"), Qt::LeftButton);
    QVERIFY(landed(1));
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { notThere.message });
    QVERIFY(!isMember(GroupKind::ConferenceGroup, weekly, xu));
    QVERIFY(!isMember(GroupKind::ConferenceGroup, weekly, hu));
    QVERIFY(contactByPhone("13922220011"));
    QCOMPARE(members()->rowCount(), 2);

    // "删除" on a conference group's page deletes the contact from the whole book.
    MessageBoxDialog::clearAnsweredTexts();
    const int zhu = contactByPhone("13922220014")->addressno;
    members()->setChecked(members()->rowOf(zhu), true);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(buttonOf(groupPage(), "deleteContactsButton"), Qt::LeftButton);
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("确定要删除选中的联系人信息吗？") });
    QVERIFY(landed(2));
    QVERIFY(!contactByPhone("13922220014"));
    QCOMPARE(members()->rowCount(), 1);

    // Nothing checked: nothing asked, nothing sent.
    MessageBoxDialog::clearAnsweredTexts();
    QTest::mouseClick(buttonOf(groupPage(), "deleteContactsButton"), Qt::LeftButton);
    QTest::mouseClick(buttonOf(groupPage(), "removeMembersButton"), Qt::LeftButton);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QCOMPARE(ServiceCall::running(), 0);

    // "新增" opens the picker for this group.
    bool picked = false;
    whenModal<ContactPicker>([&picked](ContactPicker* picker) {
        picked = picker->target().name == "周例会";
        picker->reject();
    });
    QTest::mouseClick(buttonOf(groupPage(), "addMembersButton"), Qt::LeftButton);
    QVERIFY(picked);
}

void AddressBookWindowTest::theContactPageModifiesThenAddsACopy()
{
    ContactPage* page = m_window->contactPage();
    m_window->ShowRow(0, 0);
    QCOMPARE(page->record()->addressname, std::string("王芳"));
    QVERIFY(page->findChild<CButtonCR*>(QStringLiteral("femaleRadio"))->isChecked());
    QVERIFY(!page->findChild<CButtonCR*>(QStringLiteral("femaleRadio"))->isVisible());
    typeInto(editOf(page, "emailEdit"), QStringLiteral("wang@example.com"));
    QTest::mouseClick(buttonOf(page, "saveButton"), Qt::LeftButton);
    QTRY_COMPARE(m_synchronised, 1);
    QCOMPARE(contactByPhone("13911110001")->email, std::string("wang@example.com"));
    // Modified: the fields stay.
    QCOMPARE(editOf(page, "nameEdit")->text(), QStringLiteral("王芳"));

    // The record is forgotten: the same fields again are a new contact.
    QVERIFY(!page->record());
    QTest::mouseClick(buttonOf(page, "saveButton"), Qt::LeftButton);
    QTRY_COMPARE(m_synchronised, 2);
    QVERIFY(QTest::qWaitFor([this] { return !m_loader->anyBusy(); }, 20000));
    int copies = 0;
    for (int i = 0; i < book().contactCount(); ++i)
        copies += book().contacts()[std::size_t(i)].phone == "13911110001" ? 1 : 0;
    QCOMPARE(copies, 2);
    // Added: the fields clear for the next.
    QVERIFY(editOf(page, "nameEdit")->text().isEmpty());
    QVERIFY(page->findChild<CButtonCR*>(QStringLiteral("maleRadio"))->isChecked());

    // A name and a number are needed, under "提示!".
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(buttonOf(page, "saveButton"), Qt::LeftButton);
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("姓名和电话不能为空") });
    QCOMPARE(ServiceCall::running(), 0);

    // "新增联系人" at the top: the page, empty; a refusal shows the service's text.
    MessageBoxDialog::clearAnsweredTexts();
    m_window->ShowRow(-1, 0);
    QTest::mouseClick(buttonOf(m_window.get(), "newContactButton"), Qt::LeftButton);
    QVERIFY(page->isVisible());
    QVERIFY(!page->record());
    typeInto(editOf(page, "nameEdit"), QStringLiteral("号码有误"));
    typeInto(editOf(page, "phoneEdit"), QStringLiteral("none"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(buttonOf(page, "saveButton"), Qt::LeftButton);
    QTRY_COMPARE(MessageBoxDialog::answeredTexts().size(), 1);
    QVERIFY(!MessageBoxDialog::answeredTexts().first().isEmpty());
    QTRY_VERIFY(!page->isSaving());
    QCOMPARE(m_synchronised, 2);
}

void AddressBookWindowTest::newGroupsOfThePanelsKind()
{
    for (int mode : { 0, 1 }) {
        m_panel->SetMode(mode);
        m_window->ShowRow(-1, 0);
        QTest::mouseClick(buttonOf(m_window.get(), "newGroupButton"), Qt::LeftButton);
        NewGroupPage* page = m_window->newGroupPage();
        QVERIFY(page && page->isVisible());
        QVERIFY(!groupPage()->isVisible());
        const GroupKind kind = mode == 0 ? GroupKind::ContactGroup : GroupKind::ConferenceGroup;
        QCOMPARE(page->title(), mode == 0 ? QStringLiteral("新建联系人组") : QStringLiteral("新建会议组"));
        QCOMPARE(page->findChild<CTransparentStatic*>(QStringLiteral("groupNameLabel"))->text(),
            mode == 0 ? QStringLiteral("联系人组名称") : QStringLiteral("会议组名称"));

        // Without a name nothing happens.
        QTest::mouseClick(buttonOf(page, "saveButton"), Qt::LeftButton);
        QVERIFY(page->isVisible());
        QCOMPARE(ServiceCall::running(), 0);

        typeInto(editOf(page, "groupNameEdit"), QStringLiteral("新组"));
        QTest::mouseClick(buttonOf(page, "saveButton"), Qt::LeftButton);
        QTRY_VERIFY(!page->isVisible());
        QVERIFY(groupId(kind, "新组") > 0);
        // The page asks its window by a posted message.
        QTRY_COMPARE(m_synchronised, mode + 1);

        // The same name again: the service's text, and the page closes all the same.
        QTest::mouseClick(buttonOf(m_window.get(), "newGroupButton"), Qt::LeftButton);
        typeInto(editOf(page, "groupNameEdit"), QStringLiteral("新组"));
        MessageBoxDialog::clearAnsweredTexts();
        MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
        QTest::mouseClick(buttonOf(page, "saveButton"), Qt::LeftButton);
        QTRY_VERIFY(!page->isVisible());
        QCOMPARE(MessageBoxDialog::answeredTexts().size(), 1);
        QCOMPARE(m_synchronised, mode + 1);
        QVERIFY(QTest::qWaitFor([this] { return !m_loader->anyBusy(); }, 20000));
    }

    // "取消" goes back to the last group.
    m_window->ShowRow(-1, 1);
    m_window->showNewGroup();
    QTest::mouseClick(buttonOf(m_window->newGroupPage(), "cancelButton"), Qt::LeftButton);
    QTRY_VERIFY(groupPage()->isVisible());
    QVERIFY(!m_window->newGroupPage()->isVisible());
    QCOMPARE(editOf(groupPage(), "groupNameEdit")->text(), QStringLiteral("项目组"));
}

void AddressBookWindowTest::theTopButtons()
{
    QTest::mouseClick(buttonOf(m_window.get(), "synchroniseButton"), Qt::LeftButton);
    QCOMPARE(m_synchronised, 1);
    for (const char* hide : { "minimiseButton", "closeButton" }) {
        m_window->show();
        QTest::mouseClick(buttonOf(m_window.get(), hide), Qt::LeftButton);
        QVERIFY2(!m_window->isVisible(), hide);
    }
}

QTEST_MAIN(AddressBookWindowTest)
#include "AddressBookWindowTest.moc"
