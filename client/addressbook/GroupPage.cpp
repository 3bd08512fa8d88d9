#include "addressbook/GroupPage.h"

#include "addressbook/AddressBookWindow.h"
#include "addressbook/ContactListView.h"
#include "addressbook/ContactPicker.h"
#include "addressbook/ContactTableModel.h"
#include "addressbook/ContactsPanel.h"
#include "widgets/DialogControls.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/ChangeSeries.h"
#include "core/addressbook/GroupPageRules.h"
#include "core/addressbook/GroupRename.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/Artwork.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/ProgressDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using Field = ContactTableModel::Field;

const QList<ContactTableModel::Column> kColumns {
    { Field::Name, Qt::AlignHCenter },
    { Field::Number, Qt::AlignLeft },
    { Field::Sex, Qt::AlignLeft },
    { Field::Phone, Qt::AlignHCenter },
    { Field::Group, Qt::AlignHCenter },
    { Field::Email, Qt::AlignHCenter },
};
// In pixels; the number and the sex are kept, not shown.
const QList<int> kColumnWidths { 120, 0, 0, 120, 120, 200 };
constexpr int kRowHeight = 16;

} // namespace

// What a change job of the page hands back, with what the page needs to finish it.
struct GroupPage::Answer {
    Operation operation = Operation::Rename;
    GroupRef group;
    std::string newName;
    ChangeSeriesReply reply;
};

GroupPage::GroupPage(SessionState& session, AddressBookWindow* window, QWidget* parent)
    : CDialogEx(parent, Placement::Child)
    , m_session(session)
    , m_window(window)
    , m_calls(new ServiceCall(session, this))
    , m_kindLabel(dialogControls::label(QString(), QStringLiteral("groupKindLabel"), this))
    , m_nameEdit(dialogControls::edit(QStringLiteral("groupNameEdit"), this))
    , m_renameButton(dialogControls::secondaryButton(tr("修改"), QStringLiteral("renameButton"), this))
    , m_deleteGroupButton(dialogControls::secondaryButton(tr("删除"), QStringLiteral("deleteGroupButton"), this))
    , m_searchEdit(new CEditBoxBmp(this))
    , m_model(new ContactTableModel(kColumns, this))
    , m_list(new ContactListView(this))
    , m_selectAllCheck(dialogControls::checkBox(tr("全选"), QStringLiteral("selectAllCheck"), this))
    , m_addButton(dialogControls::primaryButton(tr("新增"), QStringLiteral("addMembersButton"), this))
    , m_removeButton(dialogControls::secondaryButton(tr("移出"), QStringLiteral("removeMembersButton"), this))
    , m_deleteContactsButton(dialogControls::secondaryButton(tr("删除"), QStringLiteral("deleteContactsButton"), this))
{
    setObjectName(QStringLiteral("groupPage"));
    buildControls();
}

GroupPage::~GroupPage() = default;

void GroupPage::buildControls()
{
    m_nameEdit->setMaxLength(kNameEditLimit);
    // Wide enough for either kind's name, whichever shows first.
    m_kindLabel->setMinimumWidth(std::max(m_kindLabel->fontMetrics().horizontalAdvance(tr("联系人组")),
                                     m_kindLabel->fontMetrics().horizontalAdvance(tr("会议组")))
        + 4);
    m_searchEdit->setObjectName(QStringLiteral("searchEdit"));
    m_searchEdit->setBackgroundPicture(QString::fromLatin1(skin::names::EditSearch));
    m_searchEdit->setFont(m_nameEdit->font());
    m_list->setObjectName(QStringLiteral("memberList"));
    m_list->setModel(m_model);
    m_list->setColumnWidths(kColumnWidths);
    m_list->setRowHeight(kRowHeight);
    m_list->setRowClickChecks(true);

    auto* name = new QHBoxLayout;
    name->setSpacing(8);
    name->addWidget(m_kindLabel);
    name->addWidget(m_nameEdit, 1);
    name->addWidget(m_renameButton);
    name->addWidget(m_deleteGroupButton);

    auto* actions = new QHBoxLayout;
    actions->setSpacing(8);
    actions->addWidget(m_selectAllCheck);
    actions->addStretch();
    actions->addWidget(m_addButton);
    actions->addWidget(m_removeButton);
    actions->addWidget(m_deleteContactsButton);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(10);
    page->addLayout(name);
    page->addWidget(m_searchEdit);
    page->addWidget(m_list, 1);
    page->addLayout(actions);

    connect(m_renameButton, &CButtonPNG::clicked, this, &GroupPage::renameGroup);
    connect(m_deleteGroupButton, &CButtonPNG::clicked, this, &GroupPage::deleteGroup);
    connect(m_searchEdit, &CEditBoxBmp::textChanged, this, &GroupPage::fill);
    connect(m_selectAllCheck, &CButtonCR::clicked, m_model, &ContactTableModel::setAllChecked);
    connect(m_addButton, &CButtonPNG::clicked, this, &GroupPage::addMembers);
    connect(m_removeButton, &CButtonPNG::clicked, this, &GroupPage::removeMembers);
    connect(m_deleteContactsButton, &CButtonPNG::clicked, this, &GroupPage::deleteContacts);
    // The jobs of the page always answer; one that is dropped (the session ended)
    // must not leave the page resting.
    connect(m_calls, &ServiceCall::finished, this, [this] { setBusy(false); });
}

void GroupPage::showGroup(const GroupEntry* group)
{
    m_group = group ? std::optional<GroupRef>(GroupRef::of(*group)) : std::nullopt;
    fill();
}

const GroupEntry* GroupPage::shownGroup() const
{
    return m_group ? groupById(m_session.addressBook(), m_group->kind, m_group->id) : nullptr;
}

void GroupPage::fill()
{
    // The loads this page waited for are in.
    if (m_wait)
        m_wait->Finish(-1, -1);
    m_selectAllCheck->setChecked(false);
    m_model->setContacts({});
    const GroupEntry* group = shownGroup();
    if (!group)
        return;
    const bool pseudo = group->kind == GroupKind::ContactGroup && group->id == 0;
    m_kindLabel->setText(group->kind == GroupKind::ContactGroup ? tr("联系人组") : tr("会议组"));
    m_nameEdit->setText(pseudo ? tr("未分组") : QString::fromStdString(group->name));
    const bool stored = isStoredGroup(*group);
    for (CButtonPNG* button : { m_renameButton, m_deleteGroupButton, m_addButton, m_removeButton })
        button->setEnabled(stored && !m_busy);
    m_model->setContacts(groupPageRows(m_session.addressBook(), *group, m_searchEdit->text().toStdString()));
}

std::vector<int> GroupPage::checkedLastFirst() const
{
    std::vector<int> numbers = m_model->checkedAddressNos();
    std::reverse(numbers.begin(), numbers.end());
    return numbers;
}

void GroupPage::renameGroup()
{
    const GroupEntry* group = shownGroup();
    if (!group || !isStoredGroup(*group) || m_busy)
        return;
    const std::string typed = m_nameEdit->text().toStdString();
    if (groupRenameStep(group->name, typed) != GroupRenameStep::Rename)
        return;
    start(Operation::Rename, { AddressBookChange::renameGroup(group->kind, group->id, typed) }, typed);
}

void GroupPage::deleteGroup()
{
    const GroupEntry* group = shownGroup();
    if (m_busy)
        return;
    if (!group || !isStoredGroup(*group)) {
        MessageBoxDialog::run(this, tr("没有选中联系人组，请先选中联系人组再删除!"), tr("提示"));
        return;
    }
    const QString kind = group->kind == GroupKind::ConferenceGroup ? tr("会议") : tr("联系人");
    // Read before asking: a reload while the box is up cannot change what is deleted.
    const AddressBookChange change = AddressBookChange::deleteGroup(group->kind, group->id, group->name);
    if (MessageBoxDialog::run(this, tr("确定要删除该%1组吗？").arg(kind), tr("提示"), true) == MessageBoxDialog::Ok)
        start(Operation::DeleteGroup, { change });
}

void GroupPage::addMembers()
{
    const GroupEntry* group = shownGroup();
    if (!group || !isStoredGroup(*group) || m_busy)
        return;
    ContactPicker(
        m_session, [this] { postAppEvent(m_window, Msg::AddressBookChanged); }, *group, this)
        .exec();
}

void GroupPage::removeMembers()
{
    const GroupEntry* group = shownGroup();
    if (!group || !isStoredGroup(*group) || m_busy)
        return;
    std::vector<AddressBookChange> changes;
    for (const int addressno : checkedLastFirst())
        changes.push_back(AddressBookChange::removeMember(group->kind, group->id, addressno));
    if (!changes.empty())
        start(Operation::RemoveMembers, std::move(changes));
}

void GroupPage::deleteContacts()
{
    if (m_busy)
        return;
    std::vector<AddressBookChange> changes;
    for (const int addressno : checkedLastFirst())
        changes.push_back(AddressBookChange::deleteContact(addressno));
    if (changes.empty())
        return;
    if (MessageBoxDialog::run(this, tr("确定要删除选中的联系人信息吗？"), tr("提示"), true) == MessageBoxDialog::Ok)
        start(Operation::DeleteContacts, std::move(changes));
}

void GroupPage::start(Operation operation, std::vector<AddressBookChange> changes, const std::string& newName)
{
    Answer answer;
    answer.operation = operation;
    answer.group = m_group.value_or(GroupRef {});
    answer.newName = newName;
    setBusy(true);
    m_calls->start(Msg::AddressBookChangeReplied,
        [answer, series = ChangeSeries(std::move(changes))](CCvService& service, const Credentials& who) {
            Answer replied = answer;
            replied.reply = series(service, who);
            return replied;
        });
}

void GroupPage::setBusy(bool busy)
{
    m_busy = busy;
    const GroupEntry* group = shownGroup();
    const bool stored = group && isStoredGroup(*group);
    for (CButtonPNG* button : { m_renameButton, m_deleteGroupButton, m_addButton, m_removeButton })
        button->setEnabled(stored && !busy);
    m_deleteContactsButton->setEnabled(!busy);
}

bool GroupPage::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::AddressBookChangeReplied)
        return CDialogEx::event(event);
    if (const auto* answer = static_cast<AppEvent*>(event)->payload<Answer>())
        answered(*answer);
    return true;
}

void GroupPage::answered(const Answer& answer)
{
    setBusy(false);
    for (const QString& refusal : answer.reply.refusals)
        MessageBoxDialog::run(this, refusal, tr("提示"));
    switch (answer.operation) {
    case Operation::Rename:
        if (answer.reply.succeeded == 0)
            return;
        // The new name shows at once, here and in the panel, until the book is loaded.
        applyGroupRename(m_session.addressBook(), answer.group.kind, answer.group.id, answer.newName);
        if (ContactsPanel* panel = m_window->partner())
            panel->Rebuild();
        fill();
        break;
    case Operation::DeleteGroup:
        if (answer.reply.succeeded == 0)
            return;
        m_nameEdit->clear();
        m_model->setContacts({});
        break;
    case Operation::RemoveMembers:
    case Operation::DeleteContacts:
        break;
    }
    synchroniseAndWait();
}

void GroupPage::synchroniseAndWait()
{
    postAppEvent(m_window, Msg::AddressBookChanged);
    ProgressDialog wait(this);
    m_wait = &wait;
    wait.exec();
}
