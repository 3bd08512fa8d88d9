#include "conference/JoinedListModel.h"

#include "core/conference/LiveRoster.h"
#include "core/conference/RosterText.h"
#include "skin/Artwork.h"

#include <QDateTime>
#include <QPixmap>

JoinedListModel::JoinedListModel(LiveRoster& roster, QObject* parent)
    : RosterListModel(roster, RosterList::Joined, { tr("姓名"), tr("电话"), tr("状态"), tr("操作") }, parent)
    , m_holdTimer(this)
{
    m_holdTimer.setObjectName(QStringLiteral("speakingHoldTimer"));
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_holdTimer, &QTimer::timeout, this, [this] {
        this->roster().expireHolds();
        // Armed again in any case: a timer that fired a moment early finds nothing
        // due, and then the roster has no news to tell.
        holdExpiryChanged();
    });
    holdExpiryChanged();
}

QVariant JoinedListModel::data(const QModelIndex& index, int role) const
{
    if (!isRow(index))
        return {};
    const RosterRow& row = roster().row(RosterList::Joined, index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return QString::fromStdString(row.name);
        case PhoneColumn:
            return QString::fromStdString(row.phone);
        case StatusColumn:
            return RosterText::status(row.status);
        case OperationColumn:
            return RosterText::joinedOperation(row.status);
        default:
            return {};
        }
    case SpeakingRole:
        return index.column() == NameColumn ? QVariant(roster().isSpeaking(index.row())) : QVariant();
    case Qt::DecorationRole:
        // The speaking mark beside the name; a blank of the same size keeps names aligned.
        if (index.column() != NameColumn)
            return {};
        return roster().isSpeaking(index.row()) ? speakingIcon() : silentIcon();
    case Qt::ToolTipRole: {
        const auto joined = roster().joinedAt(index.row());
        if (!joined)
            return {};
        const auto msecs = std::chrono::duration_cast<std::chrono::milliseconds>(joined->time_since_epoch());
        const QDateTime time = QDateTime::fromMSecsSinceEpoch(msecs.count());
        return tr("加入时间：%1").arg(time.toString(QStringLiteral("HH:mm:ss")));
    }
    default:
        return {};
    }
}

QIcon JoinedListModel::speakingIcon()
{
    static const QIcon icon = skin::Artwork::icon(QString::fromLatin1(skin::names::StatusSpeaking));
    return icon;
}

QIcon JoinedListModel::silentIcon()
{
    static const QIcon icon = [] {
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        return QIcon(blank);
    }();
    return icon;
}

void JoinedListModel::holdExpiryChanged()
{
    const auto wait = roster().untilNextHoldExpiry();
    if (!wait) {
        m_holdTimer.stop();
        return;
    }
    m_holdTimer.start(*wait);
}
