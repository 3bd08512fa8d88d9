#pragma once

// A page that takes contacts chosen in the contacts panel: the instant, SMS and
// scheduled pages. mode is the panel's PanelMode; (parent, index) its RowRef, with
// parent < 0 for a whole group (index < 0: every contact).
class ContactSelectionTarget {
public:
    virtual ~ContactSelectionTarget() = default;
    virtual void AddFromAddressBook(int mode, int parent, int index) = 0;
};
