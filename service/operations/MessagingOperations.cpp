#include "operations/MessagingOperations.h"

#include "ConferenceRunner.h"
#include "OperationTable.h"
#include "PhoneNumber.h"
#include "ServiceContext.h"
#include "ServiceOptions.h"
#include "SoapReply.h"
#include "StatusCodes.h"
#include "TimeText.h"
#include "Utf8Text.h"
#include "store/AccountRepository.h"
#include "store/ChargeRepository.h"
#include "store/Database.h"

#include "common/SmsParts.h"
#include "cvsrv/CUtility.h"

namespace cvservice {

namespace {

// A send time this far in the past is a mistake, not a clock difference.
constexpr long kPastSlackSeconds = 3600;

} // namespace

MessagingOperations::MessagingOperations(ServiceContext& context)
    : m_context(context)
{
}

void MessagingOperations::install(OperationTable& table)
{
    table.add({ "clientsendmessage",
        { T("inphonelist"), T("inshortmessage"), T("datetime"), T("inuserid"), T("inregphoneid"), T("timeticks"),
            T("strMD5Client") },
        lowerCaseSigning(), [this](const SoapRequest& r) { return send(r); } });
}

std::string MessagingOperations::send(const SoapRequest& request)
{
    auto reply = [&](int status, const std::string& count = "0", const std::string& blocked = "") {
        return SoapReply::result(request.operation, std::to_string(status),
            { { "outmsgsendcount", count }, { "outblackkeywords", blocked } });
    };
    const std::string& message = request.text("inshortmessage");
    if (utf8text::trim(message).empty())
        return reply(kEmptyMessage);
    const std::size_t length = utf8text::length(message);
    if (length > kMaxLength)
        return reply(kMessageTooLong);
    std::string blocked;
    for (const std::string& keyword : m_context.options.blockedKeywords) {
        if (keyword.empty() || message.find(keyword) == std::string::npos)
            continue;
        if (!blocked.empty())
            blocked += ',';
        blocked += keyword;
    }
    if (!blocked.empty())
        return reply(kBlockedKeyword, "0", blocked);

    std::vector<std::string> items;
    CUtility().Split(request.text("inphonelist"), ",", &items);
    std::vector<std::string> recipients;
    for (const std::string& item : items) {
        const std::string number = utf8text::trim(item);
        if (number.empty())
            continue;
        if (!phone::isDialable(number))
            return reply(kNoRecipients);
        recipients.push_back(number);
    }
    if (recipients.empty() || recipients.size() > kMaxRecipients)
        return reply(kNoRecipients);

    const auto when = timetext::parse(request.text("datetime"));
    const std::time_t now = std::time(nullptr);
    if (!when || *when < now - kPastSlackSeconds)
        return reply(kBadSendTime);
    const std::string sendTime = timetext::format(*when > now ? *when : now);

    const int parts = static_cast<int>(smsParts::count(length));
    const int count = parts * static_cast<int>(recipients.size());
    Transaction transaction(m_context.db);
    if (!m_context.accounts.debit(request.regphoneid, static_cast<std::int64_t>(count) * kPricePerSms))
        return reply(kInsufficientBalance);
    for (const std::string& number : recipients)
        m_context.charges.addSms({ request.regphoneid, number, message, sendTime, parts * kPricePerSms });
    transaction.commit();
    return reply(kOk, std::to_string(count));
}

} // namespace cvservice
