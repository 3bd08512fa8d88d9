#pragma once

#include "UpdateCount.h"

#include <QByteArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QString>

#include <optional>
#include <string>

class QNetworkRequest;

// The service's churn control (/_control/churn) as the soak uses it: start a
// churning conference, and read back what its churn did. Each call waits for its
// answer: the soak calls only before and after what it measures.
class ChurnControl {
public:
    struct Record {
        bool begun = false;
        bool ended = false;
        int planned = 0;
        int made = 0;
        UpdateCount::ServiceStates states; // by phone
    };

    ChurnControl(const std::string& host, int port, QByteArray token);

    // The new conference's id; nothing, with error set, when it was not started.
    std::optional<std::string> start(
        const std::string& account, int members, int changesPerSecond, int seconds, QString& error);
    std::optional<Record> record(const std::string& conferenceId, QString& error);

private:
    std::optional<QJsonObject> exchange(const QNetworkRequest& request, const QByteArray* body, QString& error);

    QNetworkAccessManager m_network;
    QString m_base;
    QByteArray m_token;
};
