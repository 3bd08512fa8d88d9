#include "core/account/ChargeQueryJob.h"

#include "core/account/AccountReplyText.h"
#include "core/service/ServiceJob.h"

AccountListReply ChargeQueryJob::operator()(CCvService& service, const Credentials& who) const
{
    AccountListReply reply;
    reply.kind = m_kind;
    const int status = m_kind == ChargeKind::Sms ? service.GetUserPhoneCharge(
                           who.account.c_str(), who.password.c_str(), m_where.c_str(), reply.resultText, reply.rows)
                                                 : service.getUserconference(who.account.c_str(), who.password.c_str(),
                                                     m_where.c_str(), reply.resultText, reply.rows);
    completeAccountReply(service, status, reply);
    return reply;
}
