// The contact picker over the demo account's address book in a real cvservice: what
// it offers, the check boxes, the adding with its refusals, and a cancel.

#include "addressbook/ContactPicker.h"
#include "addressbook/ContactListView.h"
#include "addressbook/ContactTableModel.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookChange.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include "EventRecorder.h"
#include "ServiceBook.h"
#include "ServiceProcess.h"
#include "WhenModal.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using serviceBook::contactNumber;
using serviceBook::groupId;
using serviceBook::isMember;
using serviceBook::kDemo;
using serviceBook::membersOf;
using Field = ContactTableModel::Field;

class ContactPickerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void offersWhatTheGroupCanTake();
    void checkedContactsAreAddedAndEachRefusalShown();
    void nothingCheckedClosesWithoutACall();
    void selectAllAddsEveryContactOffered();
    void aCancelKeepsWhatWasAddedAndSynchronises();

private:
    bool loadBook();
    const GroupEntry& group(PanelMode mode, const std::string& name) const;
    std::unique_ptr<ContactPicker> open(PanelMode mode, const std::string& name);
    static void clickCheckBox(ContactPicker* picker, int row);
    static void clickChoose(ContactPicker* picker);

    ServiceProcess m_service;
    std::unique_ptr<SessionState> m_session;
    EventRecorder m_mainWindow;
    std::unique_ptr<AddressBookLoader> m_loader;
    int m_synchronised = 0;
};

void ContactPickerTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void ContactPickerTest::init()
{
    m_service.pointClientHere();
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_loader = std::make_unique<AddressBookLoader>(*m_session, &m_mainWindow);
    QVERIFY(loadBook());
    m_synchronised = 0;
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void ContactPickerTest::cleanup()
{
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_loader.reset();
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

bool ContactPickerTest::loadBook()
{
    m_loader->Synchronise();
    return QTest::qWaitFor([this] { return !m_loader->calls().anyBusy(); }, 20000);
}

const GroupEntry& ContactPickerTest::group(PanelMode mode, const std::string& name) const
{
    const AddressBook& book = m_session->addressBook();
    for (int g = 0; g < book.groupCount(mode); ++g) {
        if (book.groupSlot(mode, g).name == name)
            return book.groupSlot(mode, g);
    }
    return book.emptyConferencePseudoGroup();
}

std::unique_ptr<ContactPicker> ContactPickerTest::open(PanelMode mode, const std::string& name)
{
    auto picker = std::make_unique<ContactPicker>(
        *m_session, [this] { ++m_synchronised; }, group(mode, name));
    picker->show();
    return picker;
}

void ContactPickerTest::clickCheckBox(ContactPicker* picker, int row)
{
    ContactListView* list = picker->list();
    const QModelIndex cell = list->model()->index(row, 0);
    list->scrollTo(cell);
    const QRect rect = list->visualRect(cell);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 11, rect.center().y()));
}

void ContactPickerTest::clickChoose(ContactPicker* picker)
{
    QTest::mouseClick(picker->findChild<CButtonPNG*>(QStringLiteral("chooseButton")), Qt::LeftButton);
}

void ContactPickerTest::offersWhatTheGroupCanTake()
{
    auto weekly = open(PanelMode::ConferenceGroups, "周例会");
    QCOMPARE(weekly->caption(), QStringLiteral("选择联系人"));
    ContactTableModel* model = weekly->model();
    // Every contact, also the group's own members.
    QCOMPARE(model->rowCount(), 40);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("王芳"));
    QCOMPARE(model->index(0, model->columnOf(Field::Phone)).data().toString(), QStringLiteral("13911110001"));
    QCOMPARE(model->index(0, model->columnOf(Field::Sex)).data().toString(), QStringLiteral("女"));
    QCOMPARE(model->index(2, model->columnOf(Field::Sex)).data().toString(), QStringLiteral("男"));
    QCOMPARE(model->index(0, model->columnOf(Field::Number)).data().toString(),
        QString::number(contactNumber("13911110001")));
    QVERIFY(model->rowOf(contactNumber("13922220011")) >= 0);
    QCOMPARE(model->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

    const QStringList headers { QStringLiteral("姓名"), QStringLiteral("编号"), QStringLiteral("性别"),
        QStringLiteral("电话") };
    for (int column = 0; column < headers.size(); ++column)
        QCOMPARE(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), headers.at(column));
    ContactListView* list = weekly->list();
    QVERIFY(!list->isColumnHidden(0));
    QVERIFY(list->isColumnHidden(model->columnOf(Field::Number)));
    QVERIFY(list->isColumnHidden(model->columnOf(Field::Sex)));
    QCOMPARE(list->columnWidth(model->columnOf(Field::Phone)), 190);

    // A contact group: only the contacts in no contact group, in their order.
    auto family = open(PanelMode::ContactGroups, "家人");
    QCOMPARE(family->model()->rowCount(), 10);
    QCOMPARE(family->model()->index(0, 0).data().toString(), QStringLiteral("程亮"));
    QCOMPARE(family->model()->index(9, 0).data().toString(), QStringLiteral("吕薇"));
}

void ContactPickerTest::checkedContactsAreAddedAndEachRefusalShown()
{
    const int weekly = groupId(GroupKind::ConferenceGroup, "周例会");
    const int wang = contactNumber("13911110001");
    const int xu = contactNumber("13922220011");
    const int cheng = contactNumber("13744440031");
    QVERIFY(isMember(GroupKind::ConferenceGroup, weekly, xu));
    CCvService service;
    const ChangeReply already = AddressBookChange::addMember(GroupKind::ConferenceGroup, weekly, xu)(service, kDemo);
    QVERIFY(!already.succeeded());

    auto picker = open(PanelMode::ConferenceGroups, "周例会");
    ContactTableModel* model = picker->model();
    QSignalSpy changed(model, &ContactTableModel::dataChanged);
    clickCheckBox(picker.get(), model->rowOf(wang));
    QVERIFY(model->isChecked(model->rowOf(wang)));
    QCOMPARE(changed.count(), 1);
    clickCheckBox(picker.get(), model->rowOf(xu));
    clickCheckBox(picker.get(), model->rowOf(cheng));
    clickCheckBox(picker.get(), 5);
    clickCheckBox(picker.get(), 5); // and off again
    QVERIFY(!model->isChecked(5));
    QCOMPARE(model->checkedAddressNos(), (std::vector<int> { wang, xu, cheng }));

    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    clickChoose(picker.get());
    QTRY_VERIFY(!picker->isVisible());
    QCOMPARE(picker->result(), int(QDialog::Accepted));
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { already.message });
    QCOMPARE(m_synchronised, 1);
    QVERIFY(isMember(GroupKind::ConferenceGroup, weekly, wang));
    QVERIFY(isMember(GroupKind::ConferenceGroup, weekly, cheng));
}

void ContactPickerTest::nothingCheckedClosesWithoutACall()
{
    const std::vector<int> before
        = membersOf(GroupKind::ConferenceGroup, groupId(GroupKind::ConferenceGroup, "项目组"));
    auto picker = open(PanelMode::ConferenceGroups, "项目组");
    clickChoose(picker.get());
    QVERIFY(!picker->isVisible());
    QCOMPARE(ServiceCall::running(), 0);
    QCOMPARE(m_synchronised, 0);
    QCOMPARE(membersOf(GroupKind::ConferenceGroup, groupId(GroupKind::ConferenceGroup, "项目组")), before);

    // Cancel and the close button change nothing either.
    auto cancelled = open(PanelMode::ConferenceGroups, "项目组");
    cancelled->model()->setAllChecked(true);
    QTest::mouseClick(cancelled->findChild<CButtonPNG*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    QVERIFY(!cancelled->isVisible());
    QCOMPARE(ServiceCall::running(), 0);
    QCOMPARE(m_synchronised, 0);
}

void ContactPickerTest::selectAllAddsEveryContactOffered()
{
    auto picker = open(PanelMode::ContactGroups, "家人");
    auto* selectAll = picker->findChild<CButtonCR*>(QStringLiteral("selectAllCheck"));
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QCOMPARE(picker->model()->checkedAddressNos().size(), std::size_t(10));
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QVERIFY(picker->model()->checkedAddressNos().empty());
    QTest::mouseClick(selectAll, Qt::LeftButton);

    clickChoose(picker.get());
    QTRY_VERIFY(!picker->isVisible());
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QCOMPARE(m_synchronised, 1);
    QCOMPARE(membersOf(GroupKind::ContactGroup, groupId(GroupKind::ContactGroup, "家人")).size(), std::size_t(20));
}

void ContactPickerTest::aCancelKeepsWhatWasAddedAndSynchronises()
{
    // A slow service, so the adding is still under way when the user gives up.
    ServiceProcess slow;
    QVERIFY2(slow.start(QStringLiteral(CVSERVICE_PATH), { QStringLiteral("--delay-ms"), QStringLiteral("300") }),
        "the slow cvservice did not start");
    const int project = groupId(GroupKind::ConferenceGroup, "项目组");
    auto picker = open(PanelMode::ConferenceGroups, "项目组");
    picker->model()->setAllChecked(true);
    bool cancelled = false;
    whenModal<ProgressDialog>([&cancelled](ProgressDialog* progress) {
        QTest::mouseClick(progress->findChild<CButtonPNG*>(QStringLiteral("cancelButton")), Qt::LeftButton);
        cancelled = true;
    });
    clickChoose(picker.get());
    QVERIFY(cancelled);
    QVERIFY(!picker->isVisible());
    QCOMPARE(m_synchronised, 1);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    // Forty contacts were checked; the adding stopped after the first at most.
    QVERIFY(membersOf(GroupKind::ConferenceGroup, project).size() <= 7);
}

QTEST_MAIN(ContactPickerTest)
#include "ContactPickerTest.moc"
