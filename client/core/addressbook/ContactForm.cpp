#include "core/addressbook/ContactForm.h"

ContactFormCheck checkContactForm(const ContactForm& form)
{
    return form.name.empty() || form.phone.empty() ? ContactFormCheck::NameOrPhoneMissing : ContactFormCheck::Ok;
}

ContactForm contactDialogForm(const std::optional<ContactRecord>& record)
{
    ContactForm form;
    form.male = true;
    if (!record)
        return form;
    form.name = record->addressname;
    form.phone = record->phone;
    form.email = record->email;
    form.male = record->sex == 1;
    form.female = !form.male;
    return form;
}

ContactForm contactPageForm(const std::optional<ContactRecord>& record)
{
    ContactForm form = contactDialogForm(record);
    if (record) {
        form.male = record->sex == 1;
        form.female = record->sex == 2;
    }
    return form;
}

int sexOf(const ContactForm& form)
{
    if (form.male)
        return 1;
    return form.female ? 2 : 0;
}

ContactRecord savedContact(const std::optional<ContactRecord>& record, const ContactForm& form)
{
    ContactRecord contact = record.value_or(ContactRecord {});
    contact.addressname = form.name;
    contact.phone = form.phone;
    contact.email = form.email;
    contact.sex = sexOf(form);
    return contact;
}

AddressBookChange contactSaveChange(const std::optional<ContactRecord>& record, const ContactForm& form)
{
    const ContactRecord contact = savedContact(record, form);
    return record ? AddressBookChange::modifyContact(contact) : AddressBookChange::addContact(contact);
}
