#pragma once

#include "core/conference/ConferenceRecord.h"

#include <string>

class CCvService;
struct Credentials;

struct BookingCancelReply {
    int status = -1;
    std::string result;
};

// Cancels a booked conference: ModifyBookConference with the record as it stands and
// its last command set to 2. A ServiceCall job; the record is its own copy.
class BookingCancelJob {
public:
    static constexpr int kCancelCommand = 2;

    explicit BookingCancelJob(ConferenceRecord record)
        : m_record(std::move(record))
    {
    }

    BookingCancelReply operator()(CCvService& service, const Credentials& who) const;

private:
    ConferenceRecord m_record;
};
