#include "addressbook/AddressBookWindow.h"

#include "addressbook/ContactFileTransfer.h"
#include "addressbook/ContactPage.h"
#include "addressbook/ContactsPanel.h"
#include "addressbook/GroupPage.h"
#include "addressbook/NewGroupPage.h"
#include "widgets/DialogControls.h"

#include "core/addressbook/AddressBook.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int kTopButtonWidth = 96;

} // namespace

AddressBookWindow::AddressBookWindow(SessionState& session, QWidget* mainWindow)
    : SideWindow(mainWindow, tr("通信录管理"), 446, 438)
    , m_session(session)
    , m_pageArea(new QWidget(this))
    , m_importButton(dialogControls::secondaryButton(tr("导入"), QStringLiteral("importButton"), this))
    , m_exportButton(dialogControls::secondaryButton(tr("导出"), QStringLiteral("exportButton"), this))
    , m_transfer(new ContactFileTransfer(
          session, [this] { Synchronise(); }, this))
{
    setObjectName(QStringLiteral("addressBookWindow"));
    minimiseButton();

    auto* synchronise = dialogControls::secondaryButton(tr("同步"), QStringLiteral("synchroniseButton"), this);
    auto* newContact = dialogControls::primaryButton(tr("新增联系人"), QStringLiteral("newContactButton"), this);
    auto* newGroup = dialogControls::secondaryButton(tr("新增分组"), QStringLiteral("newGroupButton"), this);
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    for (CButtonPNG* button : { synchronise, newContact, newGroup, m_importButton, m_exportButton }) {
        button->setFixedWidth(kTopButtonWidth);
        top->addWidget(button);
    }
    top->addStretch();

    m_pageArea->setObjectName(QStringLiteral("pageArea"));
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(18, titleBandHeight() + 12, 18, 18);
    window->setSpacing(14);
    window->addLayout(top);
    window->addWidget(m_pageArea, 1);

    // The pages share the page area; one shows at a time. The group page is created
    // last, so it is the one showing.
    auto* pages = new QGridLayout(m_pageArea);
    pages->setContentsMargins(0, 0, 0, 0);
    m_contactPage = new ContactPage(session, this, m_pageArea);
    pages->addWidget(m_contactPage, 0, 0);
    m_groupPage = new GroupPage(session, this, m_pageArea);
    pages->addWidget(m_groupPage, 0, 0);
    showOnly(m_groupPage);

    connect(synchronise, &CButtonPNG::clicked, this, &AddressBookWindow::Synchronise);
    connect(newContact, &CButtonPNG::clicked, this, &AddressBookWindow::showNewContact);
    connect(newGroup, &CButtonPNG::clicked, this, &AddressBookWindow::showNewGroup);
    connect(m_importButton, &CButtonPNG::clicked, m_transfer, &ContactFileTransfer::importContacts);
    connect(m_exportButton, &CButtonPNG::clicked, m_transfer, &ContactFileTransfer::exportContacts);
}

AddressBookWindow::~AddressBookWindow() = default;

void AddressBookWindow::Synchronise()
{
    if (m_synchronise)
        m_synchronise();
}

PanelMode AddressBookWindow::rowMode() const
{
    if (!m_partner)
        return PanelMode::ContactGroups;
    return m_partner->searchText().isEmpty() ? m_partner->mode() : PanelMode::ContactGroups;
}

void AddressBookWindow::showOnly(QWidget* page)
{
    for (QWidget* each : { static_cast<QWidget*>(m_contactPage), static_cast<QWidget*>(m_groupPage),
             static_cast<QWidget*>(m_newGroupPage) }) {
        if (each && each != page)
            each->hide();
    }
    if (page)
        page->show();
}

void AddressBookWindow::ShowRow(int parent, int index)
{
    m_lastParent = parent;
    m_lastIndex = index;
    const AddressBook& book = m_session.addressBook();
    if (parent < 0) {
        m_lastGroupPosition = index;
        showOnly(m_groupPage);
        m_groupPage->showGroup(book.groupAt(rowMode(), { -1, index < 0 ? 0 : index }));
        return;
    }
    showOnly(m_contactPage);
    const ContactRecord* contact = book.contactAt(rowMode(), { parent, index });
    m_contactPage->showContact(contact ? std::optional<ContactRecord>(*contact) : std::nullopt);
}

void AddressBookWindow::showNewContact()
{
    showOnly(m_contactPage);
    m_contactPage->showContact(std::nullopt);
}

void AddressBookWindow::showNewGroup()
{
    if (!m_newGroupPage) {
        m_newGroupPage = new NewGroupPage(m_session, this, m_pageArea);
        static_cast<QGridLayout*>(m_pageArea->layout())->addWidget(m_newGroupPage, 0, 0);
    }
    const PanelMode mode = m_partner ? m_partner->mode() : PanelMode::ContactGroups;
    showOnly(m_newGroupPage);
    m_newGroupPage->openFor(mode == PanelMode::ContactGroups ? GroupKind::ContactGroup : GroupKind::ConferenceGroup);
}

bool AddressBookWindow::isGroupPageVisible() const
{
    return isVisible() && m_groupPage->isVisibleTo(this);
}

void AddressBookWindow::RebuildGroupPage()
{
    ++m_groupPageRebuilds;
    m_groupPage->fill();
}

bool AddressBookWindow::event(QEvent* event)
{
    switch (AppEvent::messageOf(event)) {
    case Msg::ContactRowClicked: {
        const auto* row = static_cast<AppEvent*>(event);
        ShowRow(int(row->lParam()), int(row->wParam()));
        return true;
    }
    case Msg::AddressBookShowLastGroup:
        ShowRow(-1, m_lastGroupPosition);
        return true;
    case Msg::AddressBookChanged:
        Synchronise();
        return true;
    default:
        return SideWindow::event(event);
    }
}

void AddressBookWindow::minimiseButtonClicked()
{
    // Both caption buttons only hide the window.
    closeButtonClicked();
}
