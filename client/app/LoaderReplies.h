#pragma once

#include "app/MemberProfile.h"
#include "conference/ConferenceRecord.h"

#include <string>
#include <vector>

// What the session loaders' workers hand to the GUI thread. account is the one the
// call was made for: a reply that arrives after the user changed accounts is dropped.
struct BalanceReply {
    std::string account;
    int status = -1;
    std::string balance;
    std::string expiry;
};

struct ConferenceListReply {
    std::string account;
    int status = -1;
    int rows = 0; // the count the operation reported
    bool hasRows = false; // text and count were non-empty: records replace the list
    std::vector<ConferenceRecord> records;
};

struct MemberProfileReply {
    std::string account;
    int status = -1;
    MemberProfileUpdate update;
};
