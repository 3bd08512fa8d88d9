#include "addressbook/ContactsPanel.h"

#include "addressbook/ContactsModel.h"

#include "skin/Artwork.h"
#include "skin/CListBoxEx.h"

#include <QResizeEvent>

ContactsPanel::ContactsPanel(const AddressBook& book, QWidget* panelArea)
    : CDialogEx(panelArea, Placement::Child)
    , m_model(new ContactsModel(book, this))
    , m_list(new CListBoxEx(this))
{
    setObjectName(QStringLiteral("contactsPanel"));
    m_list->setModel(m_model);
    m_list->setImageList({ skin::Artwork::icon(QString::fromLatin1(skin::names::ContactGroup)),
                             skin::Artwork::icon(QString::fromLatin1(skin::names::ContactConference)),
                             skin::Artwork::icon(QString::fromLatin1(skin::names::ContactPerson)) },
        QSize(24, 24));
}

void ContactsPanel::SetModeAndRebuild(int mode)
{
    m_model->setMode(mode == 1 ? PanelMode::ConferenceGroups : PanelMode::ContactGroups);
    rebuild();
}

PanelMode ContactsPanel::mode() const
{
    return m_model->mode();
}

void ContactsPanel::Search(const QString& text)
{
    m_model->setSearchText(text);
    rebuild();
}

QString ContactsPanel::searchText() const
{
    return m_model->searchText();
}

void ContactsPanel::rebuild()
{
    m_model->rebuild();
    // The results show at once; groups start collapsed.
    if (m_model->isSearching())
        m_list->expandAll();
}

void ContactsPanel::resizeEvent(QResizeEvent* event)
{
    CDialogEx::resizeEvent(event);
    m_list->setGeometry(rect());
}
