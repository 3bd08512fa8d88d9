#pragma once

#include "core/conference/ConferenceJobs.h"
#include "core/conference/ConferenceRecord.h"

class CCvService;
struct Credentials;

// Sends a booking: a record without a conference id is booked anew (createConference,
// meeting type 1, at the record's meeting time); one with an id is changed
// (ModifyBookConference with inoprflag 1). A ServiceCall job; the record is its own copy.
class BookingJob {
public:
    static constexpr int kChangeFlag = 1;
    static constexpr int kCancelFlag = 2;

    explicit BookingJob(ConferenceRecord record)
        : m_record(std::move(record))
    {
    }

    bool changesBooking() const { return !m_record.conferenceId.empty(); }
    ConferenceReply operator()(CCvService& service, const Credentials& who) const;

private:
    ConferenceRecord m_record;
};
