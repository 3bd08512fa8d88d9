#include "core/session/SignInJob.h"

#include "core/service/ServiceCall.h"

#include "cvsrv/CUtility.h"

SignInOutcome SignInJob::operator()(CCvService& service, const Credentials& who) const
{
    SignInOutcome outcome;
    outcome.code = service.UserClientLogin(who.account.c_str(), who.password.c_str(), m_ipAddress.c_str());
    if (outcome.code != 0) {
        // Whatever GetSysMsgInfo answers is what the user reads, its own failure text
        // included: it says more than a code would.
        std::string text;
        service.GetSysMsgInfo(outcome.code, text);
        std::string utf8;
        outcome.message = QString::fromStdString(CUtility().ConvertUTF8(text.c_str(), utf8)).trimmed();
    }
    return outcome;
}
