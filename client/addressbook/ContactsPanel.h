#pragma once

#include "addressbook/PanelMode.h"
#include "skin/CDialogEx.h"

class CListBoxEx;

// The address book in the main window's panel area: the contact groups (mode 0) or
// the conference groups (mode 1), one header row per group; with a search text, the
// contacts whose name or number contains it, under a "查找结果 [n]" header.
class ContactsPanel : public CDialogEx {
    Q_OBJECT
public:
    explicit ContactsPanel(QWidget* panelArea);

    void SetModeAndRebuild(int mode);
    PanelMode mode() const { return m_mode; }
    // Filters by text (the main window's search box); an empty text shows the groups.
    void Search(const QString& text);
    QString searchText() const { return m_searchText; }

    CListBoxEx* list() const { return m_list; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void showGroups();
    void showSearchResults();

    PanelMode m_mode = PanelMode::ContactGroups;
    QString m_searchText;
    CListBoxEx* m_list;
};
