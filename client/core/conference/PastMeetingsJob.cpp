#include "core/conference/PastMeetingsJob.h"

#include "core/conference/ConferenceListDecoder.h"
#include "core/service/ServiceJob.h"

#include <string>

PastMeetingsReply PastMeetingsJob::operator()(CCvService& service, const Credentials& who) const
{
    PastMeetingsReply reply;
    std::string text;
    int rows = 0;
    reply.status = service.GetPastConference(who.account.c_str(), who.password.c_str(), text, rows);
    if (reply.succeeded() && !text.empty() && rows > 0)
        reply.records = ConferenceListDecoder::past(text);
    return reply;
}
