#pragma once

#include "core/addressbook/ContactRecord.h"

#include <QString>

#include <vector>

// The recipients edit's text: phone numbers separated by ",". Numbers are neither
// checked nor made unique here; the service reads the list as it is sent.
namespace recipientList {

// more appended to recipients, with a "," between them unless recipients is empty
// or already ends with one.
QString join(const QString& recipients, const QString& more);
// Each contact's phone followed by ",".
QString fromContacts(const std::vector<ContactRecord>& contacts);
// The numbers the text names: its non-blank items.
int count(const QString& recipients);

} // namespace recipientList
