#pragma once

#include "core/conference/ConferenceRecord.h"

#include <vector>

class CCvService;
struct Credentials;

// What a load of the past conferences brought. A failed exchange (status not 0)
// brings nothing to replace the table with.
struct PastMeetingsReply {
    int status = -1;
    std::vector<ConferenceRecord> records; // past records: no id, state 2

    bool succeeded() const { return status == 0; }
};

// GetPastConference as a ServiceCall job: its rows as records when it names some.
class PastMeetingsJob {
public:
    PastMeetingsReply operator()(CCvService& service, const Credentials& who) const;
};
