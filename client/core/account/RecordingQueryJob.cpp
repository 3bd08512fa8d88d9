#include "core/account/RecordingQueryJob.h"

#include "core/account/AccountReplyText.h"
#include "core/service/ServiceJob.h"

AccountListReply RecordingQueryJob::operator()(CCvService& service, const Credentials& who) const
{
    AccountListReply reply;
    const int status = service.GetMeetingRecordFile(
        who.account.c_str(), who.password.c_str(), m_where.c_str(), reply.resultText, reply.rows);
    completeAccountReply(service, status, reply);
    return reply;
}
