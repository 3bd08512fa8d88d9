#pragma once

#include <QString>

#include <string>

struct ConferenceRecord;

// How a meetings panel lists a conference: a title line (the topic, or "(无主题)"
// for none) and its start time, and whether a filter text keeps it.
namespace meetingListing {

QString title(const ConferenceRecord& record);
// "YYYY-MM-DDThh:mm:ss…" as "YYYY-MM-DD hh:mm:ss": every "T" a blank, at most 19
// characters.
QString timeText(const std::string& meetingTime);
// An empty filter keeps everything; otherwise the title or the time text must
// contain it (letters in either case).
bool isShown(const QString& filter, const QString& title, const QString& timeText);

} // namespace meetingListing
