#pragma once

#include "core/addressbook/AddressBookChange.h"
#include "core/addressbook/ContactRecord.h"

#include <optional>
#include <string>

// What the contact dialog holds while the user types: the three texts and the two
// sex choices (a window may show neither chosen).
struct ContactForm {
    std::string name;
    std::string phone;
    std::string email;
    bool male = false;
    bool female = false;

    bool operator==(const ContactForm&) const = default;
};

enum class ContactFormCheck { Ok, NameOrPhoneMissing };

// A contact needs a name and a number; what makes a number dialable is the
// service's to say, so a number is taken as typed.
ContactFormCheck checkContactForm(const ContactForm& form);

// The contact dialog's fields for a new contact (no record: empty, "男") or for the
// record edited: its texts, and "男" for sex 1, "女" for anything else.
ContactForm contactDialogForm(const std::optional<ContactRecord>& record);

// The management window's contact page shows the same texts, but "男" only for sex 1
// and "女" only for sex 2: a contact without a sex shows neither, and keeps none.
ContactForm contactPageForm(const std::optional<ContactRecord>& record);

// 1 for "男", else 2 for "女", else 0.
int sexOf(const ContactForm& form);

// The contact a save sends: a new one (addressno 0) without a record, else the
// record with the form's texts and sex; what the form does not show (number, owner,
// group) stays the record's.
ContactRecord savedContact(const std::optional<ContactRecord>& record, const ContactForm& form);

// The save as a ServiceCall job: an addition without a record, else a modification.
AddressBookChange contactSaveChange(const std::optional<ContactRecord>& record, const ContactForm& form);
