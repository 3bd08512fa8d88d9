#include "core/conference/BookingJob.h"

#include "core/conference/BookingResult.h"
#include "core/service/ServiceJob.h"

ConferenceReply BookingJob::operator()(CCvService& service, const Credentials& who) const
{
    const ConferenceRecord& r = m_record;
    std::string result;
    int status = 0;
    if (!changesBooking()) {
        status = service.createConference(who.account.c_str(), who.password.c_str(), r.topic.c_str(),
            r.hostNumber.c_str(), r.phones.c_str(), r.names.c_str(), r.meetingTime.c_str(), r.ipAddress.c_str(),
            r.smsNotice, r.recording, r.autoRecall, r.muteAll, ConferenceRecord::Booked, result);
    } else {
        status = service.ModifyBookConference(who.account.c_str(), who.password.c_str(), r.conferenceId.c_str(),
            r.topic.c_str(), r.hostNumber.c_str(), r.phones.c_str(), r.names.c_str(), r.meetingTime.c_str(),
            r.ipAddress.c_str(), r.smsNotice, r.recording, r.autoRecall, r.muteAll, kChangeFlag, result);
    }
    ConferenceReply reply = bookingResult::read(result, changesBooking());
    conferenceReply::explain(service, status, reply);
    return reply;
}
