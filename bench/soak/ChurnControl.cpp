#include "ChurnControl.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

namespace {

constexpr int kTimeoutMs = 30000;
constexpr const char* kPath = "/_control/churn";

} // namespace

ChurnControl::ChurnControl(const std::string& host, int port, QByteArray token)
    : m_base(QStringLiteral("http://%1:%2").arg(QString::fromStdString(host)).arg(port))
    , m_token(std::move(token))
{
}

std::optional<std::string> ChurnControl::start(
    const std::string& account, int members, int changesPerSecond, int seconds, QString& error)
{
    QJsonObject wanted;
    wanted[QStringLiteral("token")] = QString::fromLatin1(m_token);
    wanted[QStringLiteral("account")] = QString::fromStdString(account);
    wanted[QStringLiteral("members")] = members;
    wanted[QStringLiteral("changesPerSecond")] = changesPerSecond;
    wanted[QStringLiteral("seconds")] = seconds;
    QNetworkRequest request(QUrl(m_base + QString::fromLatin1(kPath)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    const QByteArray body = QJsonDocument(wanted).toJson(QJsonDocument::Compact);
    const auto answer = exchange(request, &body, error);
    if (!answer)
        return std::nullopt;
    const QString id = answer->value(QStringLiteral("conferenceid")).toString();
    if (id.isEmpty()) {
        error = QStringLiteral("the service named no conference");
        return std::nullopt;
    }
    return id.toStdString();
}

std::optional<ChurnControl::Record> ChurnControl::record(const std::string& conferenceId, QString& error)
{
    QUrl url(m_base + QString::fromLatin1(kPath));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("conferenceid"), QString::fromStdString(conferenceId));
    url.setQuery(query);
    const auto answer = exchange(QNetworkRequest(url), nullptr, error);
    if (!answer)
        return std::nullopt;
    Record record;
    record.begun = answer->value(QStringLiteral("begun")).toBool();
    record.ended = answer->value(QStringLiteral("ended")).toBool();
    record.planned = answer->value(QStringLiteral("planned")).toInt();
    record.made = answer->value(QStringLiteral("made")).toInt();
    const QJsonObject members = answer->value(QStringLiteral("members")).toObject();
    for (auto member = members.begin(); member != members.end(); ++member) {
        std::vector<MemberLook>& states = record.states[member.key().toStdString()];
        for (const QJsonValue& state : member.value().toArray())
            states.push_back(MemberLook::fromText(state.toString().toStdString()));
    }
    return record;
}

std::optional<QJsonObject> ChurnControl::exchange(const QNetworkRequest& asked, const QByteArray* body, QString& error)
{
    // A connection of one call each: the service times out an idle connection long
    // before the soak comes back for the record.
    QNetworkRequest request(asked);
    request.setRawHeader("Connection", "close");
    QNetworkReply* reply = body ? m_network.post(request, *body) : m_network.get(request);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(kTimeoutMs);
    loop.exec();
    if (!reply->isFinished()) {
        reply->abort();
        reply->deleteLater();
        error = QStringLiteral("no answer from %1").arg(request.url().toString());
        return std::nullopt;
    }
    const QByteArray bytes = reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply->deleteLater();
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (status != 200 || !document.isObject()) {
        error = QStringLiteral("%1 answered %2: %3")
                    .arg(request.url().toString())
                    .arg(status)
                    .arg(QString::fromUtf8(bytes.trimmed()));
        return std::nullopt;
    }
    return document.object();
}
