#pragma once

#include "conference/RosterListModel.h"

#include <QIcon>
#include <QTimer>

// The instant page's joined list (list number 1): "姓名", "电话", "状态", "操作".
// The name cell answers SpeakingRole (whether the member is speaking, held a moment
// after the talker flag drops); every cell's tooltip tells when the member joined.
// The model runs the one timer that ends the speaking holds when they are due.
class JoinedListModel : public RosterListModel {
    Q_OBJECT
public:
    enum Column { NameColumn, PhoneColumn, StatusColumn, OperationColumn };
    static constexpr int SpeakingRole = Qt::UserRole + 1;

    explicit JoinedListModel(LiveRoster& roster, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role) const override;

protected:
    void holdExpiryChanged() override;

private:
    static QIcon speakingIcon();
    static QIcon silentIcon();

    QTimer m_holdTimer;
};
