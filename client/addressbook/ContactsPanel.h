#pragma once

#include "core/addressbook/PanelMode.h"
#include "skin/CDialogEx.h"

class AddressBook;
class CListBoxEx;
class ContactsModel;

// The address book in the main window's panel area: the contact groups (mode 0) or
// the conference groups (mode 1), one header row per group; with a search text, the
// contacts whose name or number contains it, under a "查找结果 [n]" header. The list
// is a view over a ContactsModel of the session's address book.
class ContactsPanel : public CDialogEx {
    Q_OBJECT
public:
    ContactsPanel(const AddressBook& book, QWidget* panelArea);

    void SetModeAndRebuild(int mode);
    PanelMode mode() const;
    // Filters by text (the main window's search box); an empty text shows the groups.
    void Search(const QString& text);
    QString searchText() const;

    CListBoxEx* list() const { return m_list; }
    ContactsModel* model() const { return m_model; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();

    ContactsModel* m_model;
    CListBoxEx* m_list;
};
