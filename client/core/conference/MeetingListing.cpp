#include "core/conference/MeetingListing.h"

#include "core/conference/ConferenceRecord.h"

#include <QCoreApplication>

namespace meetingListing {

namespace {

constexpr int kTimeTextLength = 19;

} // namespace

QString title(const ConferenceRecord& record)
{
    if (record.topic.empty())
        return QCoreApplication::translate("MeetingListing", "(无主题)");
    return QString::fromStdString(record.topic);
}

QString timeText(const std::string& meetingTime)
{
    QString text = QString::fromStdString(meetingTime);
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    return text.left(kTimeTextLength);
}

bool isShown(const QString& filter, const QString& title, const QString& timeText)
{
    return filter.isEmpty() || title.contains(filter, Qt::CaseInsensitive)
        || timeText.contains(filter, Qt::CaseInsensitive);
}

} // namespace meetingListing
