#include "core/conference/BookingCancelJob.h"

#include "core/service/ServiceCall.h"

BookingCancelReply BookingCancelJob::operator()(CCvService& service, const Credentials& who) const
{
    const ConferenceRecord& r = m_record;
    BookingCancelReply reply;
    reply.status = service.ModifyBookConference(who.account.c_str(), who.password.c_str(), r.conferenceId.c_str(),
        r.topic.c_str(), r.hostNumber.c_str(), r.phones.c_str(), r.names.c_str(), r.meetingTime.c_str(),
        r.ipAddress.c_str(), r.smsNotice, r.recording, r.autoRecall, r.muteAll, kCancelCommand, reply.result);
    return reply;
}
