#include "core/conference/RosterText.h"

#include <QCoreApplication>

QString RosterText::words(const QString& first, const QString& second)
{
    return first + QStringLiteral("  ") + second;
}

QString RosterText::status(MemberStatus status)
{
    switch (status) {
    case MemberStatus::Listening:
        return QCoreApplication::translate("RosterText", "旁听");
    case MemberStatus::Speaking:
        return QCoreApplication::translate("RosterText", "发言");
    case MemberStatus::Muted:
        return QCoreApplication::translate("RosterText", "禁言");
    case MemberStatus::None:
        break;
    }
    return {};
}

QString RosterText::waitingOperation(WaitingOperation operation)
{
    const QString remove = QCoreApplication::translate("RosterText", "删除");
    switch (operation) {
    case WaitingOperation::DeleteCall:
        return words(remove, QCoreApplication::translate("RosterText", "呼叫"));
    case WaitingOperation::DeleteHangUp:
        return words(remove, QCoreApplication::translate("RosterText", "挂断"));
    case WaitingOperation::Delete:
        break;
    }
    return remove;
}

QString RosterText::joinedOperation(MemberStatus status)
{
    const QString first = RosterRules::offersMute(status) ? QCoreApplication::translate("RosterText", "禁言")
                                                          : QCoreApplication::translate("RosterText", "发言");
    return words(first, QCoreApplication::translate("RosterText", "挂断"));
}
