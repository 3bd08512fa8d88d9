#include "core/messaging/RecipientList.h"

#include <QStringList>

namespace recipientList {

QString join(const QString& recipients, const QString& more)
{
    if (recipients.isEmpty() || recipients.endsWith(QLatin1Char(',')))
        return recipients + more;
    return recipients + QLatin1Char(',') + more;
}

QString fromContacts(const std::vector<ContactRecord>& contacts)
{
    QString list;
    for (const ContactRecord& contact : contacts)
        list += QString::fromStdString(contact.phone) + QLatin1Char(',');
    return list;
}

int count(const QString& recipients)
{
    int numbers = 0;
    for (const QString& item : recipients.split(QLatin1Char(','))) {
        if (!item.trimmed().isEmpty())
            ++numbers;
    }
    return numbers;
}

} // namespace recipientList
