#include "core/account/AccountReplyText.h"

#include "core/service/ServiceJob.h"

#include "cvsrv/CUtility.h"

void completeAccountReply(CCvService& service, int status, AccountListReply& reply)
{
    reply.status = status;
    const CUtility utility;
    std::string utf8;
    utility.ConvertUTF8(reply.resultText.c_str(), utf8);
    reply.resultText = std::move(utf8);
    if (status > 0) {
        std::string text;
        service.GetSysMsgInfo(status, text);
        std::string words;
        reply.message = utility.ConvertUTF8(text.c_str(), words);
    }
}
