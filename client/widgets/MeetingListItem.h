#pragma once

#include <QMetaType>
#include <QString>

// One row of the meeting list box: line 1 is the topic, line 2 the start time
// (the third text); the second text is kept for the owner but not drawn.
struct MeetingListItem {
    int image = 0;
    int key = 0;
    int flags = 0;
    int height = 36;
    QString firstText;
    QString secondText;
    QString thirdText;
};

Q_DECLARE_METATYPE(MeetingListItem)
