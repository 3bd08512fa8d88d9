#include "addressbook/ContactsPanel.h"

#include "addressbook/ContactDialog.h"
#include "addressbook/ContactFileTransfer.h"
#include "addressbook/ContactPicker.h"
#include "addressbook/ContactsModel.h"
#include "addressbook/GroupNameDialog.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/PanelChange.h"
#include "core/addressbook/PanelCommand.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/CListBoxEx.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"
#include "widgets/MessageBoxDialog.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>

namespace {

constexpr int kTabHeight = 32;

PanelMode modeOf(int mode)
{
    return mode == 1 ? PanelMode::ConferenceGroups : PanelMode::ContactGroups;
}

} // namespace

// What a change job hands back: the service's answer and, for a new group, where its
// header goes until the book is loaded again.
struct ContactsPanel::ChangeAnswer {
    ChangeReply reply;
    PanelMode mode = PanelMode::ContactGroups;
    int newGroupRow = -1;
    QString newGroupName;
};

ContactsPanel::ContactsPanel(
    const SessionState& session, QWidget* panelArea, QObject* mainWindow, std::function<void()> synchronise)
    : CDialogEx(panelArea, Placement::Child)
    , m_session(session)
    , m_book(session.addressBook())
    , m_mainWindow(mainWindow)
    , m_synchronise(std::move(synchronise))
    , m_calls(new ServiceCall(session, this))
    , m_transfer(new ContactFileTransfer(session, m_synchronise, this))
    , m_model(new ContactsModel(m_book, this))
    , m_list(new CListBoxEx(this))
{
    setObjectName(QStringLiteral("contactsPanel"));
    buildTabs();
    m_list->setObjectName(QStringLiteral("contactsList"));
    m_list->setModel(m_model);
    m_list->setImageList({ skin::Artwork::icon(QString::fromLatin1(skin::names::ContactGroup)),
                             skin::Artwork::icon(QString::fromLatin1(skin::names::ContactConference)),
                             skin::Artwork::icon(QString::fromLatin1(skin::names::ContactPerson)) },
        QSize(24, 24));
    // A header opens and closes with a click; a double click hands the row on and
    // leaves the header as the click left it.
    m_list->setExpandsOnDoubleClick(false);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &CListBoxEx::clicked, this, &ContactsPanel::rowClicked);
    connect(m_list, &CListBoxEx::doubleClicked, this,
        [this](const QModelIndex& index) { postRow(Msg::ContactRowDoubleClicked, index); });
}

void ContactsPanel::buildTabs()
{
    const QString texts[2] = { tr("联系人组"), tr("会议组") };
    const QString names[2] = { QStringLiteral("contactGroupsTab"), QStringLiteral("conferenceGroupsTab") };
    for (int i = 0; i < 2; ++i) {
        m_tabs[i] = new CButtonPNG(texts[i], this);
        m_tabs[i]->setObjectName(names[i]);
        m_tabs[i]->setImage(QString::fromLatin1(skin::names::Tab));
        m_tabs[i]->setFont(skin::Fonts::withCellHeight(QStringLiteral("微软雅黑"), 20));
        m_tabs[i]->setTextColors(skin::palette::TextSoft, skin::palette::BrandDeep);
        connect(m_tabs[i], &CButtonPNG::clicked, this, [this, i] { SetMode(i); });
    }
    showActiveTab();
}

void ContactsPanel::showActiveTab()
{
    for (int i = 0; i < 2; ++i)
        m_tabs[i]->setNormalPicIndex(i == int(mode()) ? 1 : 0);
}

void ContactsPanel::SetMode(int mode)
{
    emit searchBoxClearRequested();
    m_model->setSearchText(QString());
    m_model->setMode(modeOf(mode));
    Rebuild();
    showActiveTab();
}

void ContactsPanel::SetModeAndRebuild(int mode)
{
    if (isHidden())
        show();
    m_model->setMode(modeOf(mode));
    Rebuild();
}

PanelMode ContactsPanel::mode() const
{
    return m_model->mode();
}

void ContactsPanel::Search(const QString& text)
{
    m_model->setSearchText(text);
    Rebuild();
}

QString ContactsPanel::searchText() const
{
    return m_model->searchText();
}

void ContactsPanel::Rebuild()
{
    m_model->rebuild();
    // The results show at once; groups start closed.
    if (m_model->isSearching())
        m_list->expandAll();
}

void ContactsPanel::rowClicked(const QModelIndex& index)
{
    if (!index.parent().isValid())
        m_list->setExpanded(index, !m_list->isExpanded(index));
    postRow(Msg::ContactRowClicked, index);
}

void ContactsPanel::postRow(int message, const QModelIndex& index)
{
    const RowRef row = m_model->rowRef(index);
    postAppEvent(m_mainWindow, message, row.index, row.parent);
}

bool ContactsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list->viewport())
        return CDialogEx::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            return false;
        // Only the left button chooses contacts: another button's second press is an
        // ordinary press.
        QMouseEvent press(QEvent::MouseButtonPress, mouse->position(), mouse->scenePosition(), mouse->globalPosition(),
            mouse->button(), mouse->buttons(), mouse->modifiers());
        QCoreApplication::sendEvent(watched, &press);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton)
            openContextMenu(mouse->position().toPoint(), mouse->globalPosition().toPoint());
    }
    return false;
}

void ContactsPanel::openContextMenu(const QPoint& position, const QPoint& globalPosition)
{
    const std::optional<RowRef> selected = selectedRow();
    if (!selected || !m_list->viewport()->rect().contains(position) || !m_list->indexAt(position).isValid())
        return;
    if (m_menu)
        m_menu->close();
    m_menu = selected->isHeader() ? buildGroupMenu() : buildContactMenu();
    m_menu->setAttribute(Qt::WA_DeleteOnClose);
    m_menu->popup(globalPosition);
}

QMenu* ContactsPanel::buildGroupMenu()
{
    auto* menu = new QMenu(tr("联系人组管理"), this);
    menu->setObjectName(QStringLiteral("contactGroupMenu"));
    addCommand(menu, int(PanelCommand::AddGroup), tr("新增分组"));
    addCommand(menu, int(PanelCommand::AddContact), tr("新增联系人"));
    addCommand(menu, int(PanelCommand::DeleteGroup), tr("删除分组"));
    addCommand(menu, int(PanelCommand::RenameGroup), tr("重命名"));
    menu->addSeparator();
    addCommand(menu, int(PanelCommand::MeetMembers), tr("向组员发起会议"));
    addCommand(menu, int(PanelCommand::MessageMembers), tr("向组员发短信息"));
    menu->addSeparator();
    addCommand(menu, int(PanelCommand::Synchronise), tr("同步"));
    addCommand(menu, int(PanelCommand::Import), tr("导入"));
    addCommand(menu, int(PanelCommand::Export), tr("导出"));
    return menu;
}

QMenu* ContactsPanel::buildContactMenu()
{
    auto* menu = new QMenu(tr("联系人管理"), this);
    menu->setObjectName(QStringLiteral("contactMenu"));
    addCommand(menu, int(PanelCommand::EditContact), tr("编辑联系人"));
    addCommand(menu, int(PanelCommand::DeleteContact), tr("删除联系人"));
    // A search result moves among the contact groups, where the search found it.
    const std::optional<PanelTarget> target = selectedTarget();
    const PanelMode groups = target ? target->mode : mode();
    const int count = m_book.groupCount(groups);
    if (count == 0)
        return menu;
    QMenu* move = menu->addMenu(tr("移动至分组"));
    move->setObjectName(QStringLiteral("moveToGroupMenu"));
    for (int g = 0; g < count; ++g)
        addCommand(move, kMoveToGroupCommand + g, QString::fromStdString(m_book.groupSlot(groups, g).name));
    return menu;
}

QAction* ContactsPanel::addCommand(QMenu* menu, int command, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] {
        // Out of the menu before a confirmation or a message shows.
        if (m_menu)
            m_menu->close();
        runCommand(command);
    });
    return action;
}

std::optional<RowRef> ContactsPanel::selectedRow() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return m_model->rowRef(selected.first());
}

std::optional<PanelTarget> ContactsPanel::selectedTarget() const
{
    const std::optional<RowRef> row = selectedRow();
    if (!row)
        return std::nullopt;
    return resolvePanelRow(m_book, mode(), *row, m_model->isSearching() ? &m_model->searchHits() : nullptr);
}

void ContactsPanel::runCommand(int command)
{
    const std::optional<PanelTarget> target = selectedTarget();
    if (!target)
        return;
    if (command >= kMoveToGroupCommand && command < kMoveToGroupCommand + AddressBook::kMaxGroups) {
        if (const std::optional<PanelChange> change = moveContactChange(m_book, *target, command - kMoveToGroupCommand))
            startChange(*change);
        return;
    }
    const auto panelCommand = static_cast<PanelCommand>(command);
    if (!commandApplies(panelCommand, m_book, *target))
        return;
    switch (panelCommand) {
    case PanelCommand::AddGroup:
        addGroup(*target);
        break;
    case PanelCommand::AddContact:
        addContacts(*target);
        break;
    case PanelCommand::RenameGroup:
        renameGroup(*target);
        break;
    case PanelCommand::EditContact:
        editContact(*target);
        break;
    case PanelCommand::DeleteGroup:
        confirmAndStart(tr("确定要删除该联系人组吗？"), deleteGroupChange(m_book, *target));
        break;
    case PanelCommand::DeleteContact:
        confirmAndStart(tr("确定要删除选中的联系人信息吗？"), deleteContactChange(m_book, *target));
        break;
    case PanelCommand::MeetMembers:
        emit meetingRequested(target->mode, target->row.parent, target->row.index);
        break;
    case PanelCommand::MessageMembers:
        emit smsRequested(target->mode, target->row.parent, target->row.index);
        break;
    case PanelCommand::Synchronise:
        m_synchronise();
        break;
    case PanelCommand::Import:
        m_transfer->importContacts();
        break;
    case PanelCommand::Export:
        m_transfer->exportContacts();
        break;
    }
}

void ContactsPanel::addGroup(const PanelTarget& target)
{
    const QString name = tr("未命名分组");
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    startChange(addGroupChange(target.mode, name.toStdString()), selected.isEmpty() ? -1 : selected.first().row());
}

void ContactsPanel::addContacts(const PanelTarget& target)
{
    if (target.mode == PanelMode::ContactGroups) {
        ContactDialog(m_session, m_synchronise, std::nullopt, this).exec();
        return;
    }
    // The group is copied into the picker: a reload while it is up cannot move it.
    if (const GroupEntry* group = m_book.groupAt(target.mode, target.row))
        ContactPicker(m_session, m_synchronise, *group, this).exec();
}

void ContactsPanel::renameGroup(const PanelTarget& target)
{
    if (const GroupEntry* group = m_book.groupAt(target.mode, target.row))
        GroupNameDialog(m_session, m_synchronise, *group, this).exec();
}

void ContactsPanel::editContact(const PanelTarget& target)
{
    if (const ContactRecord* contact = m_book.contactAt(target.mode, target.row))
        ContactDialog(m_session, m_synchronise, *contact, this).exec();
}

void ContactsPanel::confirmAndStart(const QString& question, const std::optional<PanelChange>& change)
{
    if (!change)
        return;
    // The change was read before asking: a reload while the box is up cannot
    // redirect it.
    if (MessageBoxDialog::run(this, question, tr("提示"), true) == MessageBoxDialog::Ok)
        startChange(*change);
}

void ContactsPanel::startChange(const PanelChange& change, int newGroupRow)
{
    ChangeAnswer answer;
    answer.mode = change.kind == GroupKind::ContactGroup ? PanelMode::ContactGroups : PanelMode::ConferenceGroups;
    answer.newGroupRow = newGroupRow;
    answer.newGroupName = QString::fromStdString(change.name);
    m_calls->start(
        Msg::AddressBookChangeReplied, [job = change.job(), answer](CCvService& service, const Credentials& who) {
            ChangeAnswer replied = answer;
            replied.reply = job(service, who);
            return replied;
        });
}

bool ContactsPanel::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::AddressBookChangeReplied)
        return CDialogEx::event(event);
    if (const auto* answer = static_cast<AppEvent*>(event)->payload<ChangeAnswer>())
        changeAnswered(*answer);
    return true;
}

void ContactsPanel::changeAnswered(const ChangeAnswer& answer)
{
    if (!answer.reply.succeeded()) {
        MessageBoxDialog::run(this, answer.reply.message, tr("提示"));
        return;
    }
    // The new group shows at once, where the user asked for it, until the book
    // arrives again. Its row names the place the service will give it: one past the
    // groups there are.
    if (answer.newGroupRow >= 0 && !m_model->isSearching() && answer.mode == mode())
        m_model->insertHeader(answer.newGroupRow, answer.newGroupName, { -1, m_book.groupCount(mode()) });
    m_synchronise();
}

void ContactsPanel::resizeEvent(QResizeEvent* event)
{
    CDialogEx::resizeEvent(event);
    const int half = width() / 2;
    m_tabs[0]->setGeometry(0, 0, half, kTabHeight);
    m_tabs[1]->setGeometry(half, 0, width() - half, kTabHeight);
    m_list->setGeometry(0, kTabHeight + 2, width(), height() - kTabHeight - 2);
}
