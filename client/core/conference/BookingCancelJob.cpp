#include "core/conference/BookingCancelJob.h"

#include "core/conference/BookingResult.h"
#include "core/service/ServiceJob.h"

ConferenceReply BookingCancelJob::operator()(CCvService& service, const Credentials& who) const
{
    const ConferenceRecord& r = m_record;
    std::string result;
    const int status = service.ModifyBookConference(who.account.c_str(), who.password.c_str(), r.conferenceId.c_str(),
        r.topic.c_str(), r.hostNumber.c_str(), r.phones.c_str(), r.names.c_str(), r.meetingTime.c_str(),
        r.ipAddress.c_str(), r.smsNotice, r.recording, r.autoRecall, r.muteAll, kCancelCommand, result);
    ConferenceReply reply = bookingResult::read(result, true);
    reply.conferenceId = r.conferenceId;
    conferenceReply::explain(service, status, reply);
    return reply;
}
