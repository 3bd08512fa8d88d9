#pragma once

#include "core/conference/ConferenceRecord.h"
#include "core/session/MemberProfile.h"

#include <string>
#include <vector>

// What the session loaders' jobs hand to the GUI thread.
struct BalanceReply {
    int status = -1;
    std::string balance;
    std::string expiry;
};

struct ConferenceListReply {
    int status = -1;
    // The count as the operation left it: it starts as the list's count, so an
    // operation that fails before writing it keeps the count the list had.
    int rows = 0;
    bool hasRows = false; // text and count were non-empty: records replace the list
    std::vector<ConferenceRecord> records;
};

struct MemberProfileReply {
    int status = -1;
    MemberProfileUpdate update;
};
