#pragma once

#include "core/conference/ConferenceJobs.h"
#include "core/conference/ConferenceRecord.h"

class CCvService;
struct Credentials;

// Cancels a booked conference: ModifyBookConference with the record as it stands and
// inoprflag 2. A ServiceCall job; the record is its own copy. The reply names the
// conference it was for, so the one who asked knows which booking went.
class BookingCancelJob {
public:
    static constexpr int kCancelCommand = 2;

    explicit BookingCancelJob(ConferenceRecord record)
        : m_record(std::move(record))
    {
    }

    ConferenceReply operator()(CCvService& service, const Credentials& who) const;

private:
    ConferenceRecord m_record;
};
