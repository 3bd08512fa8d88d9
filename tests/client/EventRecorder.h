#pragma once

#include "core/service/AppEvent.h"

#include <QList>
#include <QObject>

// Collects the program's posted messages that reach it, for tests to read.
class EventRecorder : public QObject {
public:
    struct Record {
        int message;
        qintptr wParam;
        qintptr lParam;
    };

    QList<Record> records;

    QList<int> messages() const
    {
        QList<int> numbers;
        for (const Record& record : records)
            numbers.append(record.message);
        return numbers;
    }

    int count(int message) const
    {
        int n = 0;
        for (const Record& record : records)
            n += record.message == message ? 1 : 0;
        return n;
    }

protected:
    bool event(QEvent* event) override
    {
        if (const int message = AppEvent::messageOf(event)) {
            const auto* app = static_cast<AppEvent*>(event);
            records.append({ message, app->wParam(), app->lParam() });
            return true;
        }
        return QObject::event(event);
    }
};
