#pragma once

#include "core/conference/ConferenceRecord.h"

#include <string>
#include <vector>

// Result text of the conference list operations -> records, one per row. Columns a
// short row lacks keep the values of a new record.
class ConferenceListDecoder {
public:
    // Getcurrentconferencelist: state 1.
    static std::vector<ConferenceRecord> running(const std::string& resultText);
    // GetSubscribeCurrentConference: state 0.
    static std::vector<ConferenceRecord> booked(const std::string& resultText);
    // GetPastConference: state 2, no id.
    static std::vector<ConferenceRecord> past(const std::string& resultText);
};
