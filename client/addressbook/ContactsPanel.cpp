#include "addressbook/ContactsPanel.h"

#include "app/SessionState.h"
#include "skin/Artwork.h"
#include "skin/CListBoxEx.h"

#include <QResizeEvent>

ContactsPanel::ContactsPanel(QWidget* panelArea)
    : CDialogEx(panelArea, Placement::Child)
    , m_list(new CListBoxEx(this))
{
    setObjectName(QStringLiteral("contactsPanel"));
    m_list->setImageList({ skin::Artwork::icon(QString::fromLatin1(skin::names::ContactGroup)),
                             skin::Artwork::icon(QString::fromLatin1(skin::names::ContactConference)),
                             skin::Artwork::icon(QString::fromLatin1(skin::names::ContactPerson)) },
        QSize(24, 24));
}

void ContactsPanel::SetModeAndRebuild(int mode)
{
    m_mode = mode == 1 ? PanelMode::ConferenceGroups : PanelMode::ContactGroups;
    rebuild();
}

void ContactsPanel::Search(const QString& text)
{
    m_searchText = text;
    rebuild();
}

void ContactsPanel::rebuild()
{
    m_list->clear();
    if (m_searchText.isEmpty())
        showGroups();
    else
        showSearchResults();
}

void ContactsPanel::showGroups()
{
    const AddressBook& book = SessionState::instance().addressBook();
    const int image = m_mode == PanelMode::ContactGroups ? 0 : 1;
    for (int i = 0; i < book.groupCount(m_mode); ++i) {
        const GroupEntry& group = book.groupSlot(m_mode, i);
        m_list->addRow({ QStringLiteral("%1 [%2]").arg(QString::fromStdString(group.name)).arg(group.memberCount), i,
            image, true, false, true });
    }
    if (m_mode == PanelMode::ContactGroups) {
        const GroupEntry& ungrouped = book.ungrouped();
        m_list->addRow({ QStringLiteral("未分组 [%1]").arg(ungrouped.memberCount), book.groupCount(m_mode), image, true,
            false, true });
    }
}

void ContactsPanel::showSearchResults()
{
    AddressBook& book = SessionState::instance().addressBook();
    auto& results = book.searchResults();
    results.clear();
    const auto& contacts = book.contacts();
    for (int i = 0; i < book.contactCount() && i < int(contacts.size()); ++i) {
        const ContactRecord& contact = contacts[i];
        if (QString::fromStdString(contact.addressname).contains(m_searchText, Qt::CaseInsensitive)
            || QString::fromStdString(contact.phone).contains(m_searchText))
            results.push_back(&contact);
    }
    m_list->addRow({ QStringLiteral("查找结果 [%1]").arg(results.size()), -1, 0, true, false, true });
    for (std::size_t i = 0; i < results.size(); ++i) {
        const QString text = QStringLiteral("%1  %2").arg(
            QString::fromStdString(results[i]->addressname), QString::fromStdString(results[i]->phone));
        m_list->addRow({ text, int(i), 2, false, false, true });
    }
}

void ContactsPanel::resizeEvent(QResizeEvent* event)
{
    CDialogEx::resizeEvent(event);
    m_list->setGeometry(rect());
}
