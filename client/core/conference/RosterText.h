#pragma once

#include "core/conference/RosterRules.h"

#include <QString>

// The texts of the participant lists' status and operation cells. The words of an
// operation cell are translated one by one and always joined by two blanks, which is
// where the list control cuts a cell into its clickable words.
class RosterText {
public:
    static QString status(MemberStatus status);
    static QString waitingOperation(WaitingOperation operation);
    static QString joinedOperation(MemberStatus status);

    // The words of an operation cell joined as the list control expects them.
    static QString words(const QString& first, const QString& second);
};
