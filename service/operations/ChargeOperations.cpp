#include "operations/ChargeOperations.h"

#include "Money.h"
#include "OperationTable.h"
#include "ServiceContext.h"
#include "SoapReply.h"
#include "StatusCodes.h"
#include "store/ChargeRepository.h"
#include "web/RecordingAudio.h"

namespace cvservice {

ChargeOperations::ChargeOperations(ServiceContext& context)
    : m_context(context)
    , m_conferenceFilter({ "meettime", "processtime" }, { "regphoneid" })
    , m_smsFilter({ "msgsendtime" }, { "regphoneid" })
{
}

void ChargeOperations::install(OperationTable& table)
{
    const SigningSpec s = lowerCaseSigning();
    table.add(
        { "getUserconference", { T("inregphoneid"), T("where"), T("inuserid"), T("timeticks"), T("strMD5Client") }, s,
            [this](const SoapRequest& r) { return conferenceCharges(r); } });
    table.add({ "GetMeetingRecordFile",
        { T("inregphoneid"), T("searchCondition"), T("inuserid"), T("timeticks"), T("strMD5Client") }, s,
        [this](const SoapRequest& r) { return recordings(r); } });
    table.add(
        { "GetUserPhoneCharge", { T("inregphoneid"), T("where"), T("inuserid"), T("timeticks"), T("strMD5Client") }, s,
            [this](const SoapRequest& r) { return smsCharges(r); } });
}

int ChargeOperations::readFilter(const FilterParser& parser, const std::string& text, const std::string& owner,
    std::vector<FilterCondition>& conditions) const
{
    const auto parsed = parser.parse(text);
    if (!parsed)
        return kBadFilter;
    conditions.clear();
    for (const FilterCondition& condition : *parsed) {
        if (condition.column == "regphoneid") {
            if (condition.value != owner)
                return kForeignAccount;
            continue; // every query is limited to the caller's records anyway
        }
        conditions.push_back(condition);
    }
    return kOk;
}

std::string ChargeOperations::conferenceCharges(const SoapRequest& request)
{
    std::vector<FilterCondition> filter;
    if (const int status = readFilter(m_conferenceFilter, request.text("where"), request.regphoneid, filter))
        return SoapReply::result(request.operation, status);
    DataSetWriter rows(request.operation, "ds",
        { "conferenceid", "meetcall", "meettime", "processtime", "times", "charge", "chargeyuan" });
    for (const ConferenceCharge& c : m_context.charges.conferenceCharges(request.regphoneid, filter))
        rows.add({ c.conferenceid, c.meetcall, c.meettime, c.processtime, std::to_string(c.times),
            std::to_string(c.charge), yuanText(c.charge) });
    return rows.finish();
}

std::string ChargeOperations::recordings(const SoapRequest& request)
{
    std::vector<FilterCondition> filter;
    if (const int status = readFilter(m_conferenceFilter, request.text("searchCondition"), request.regphoneid, filter))
        return SoapReply::result(request.operation, status);
    for (const FilterCondition& condition : filter) {
        if (condition.column != "meettime")
            return SoapReply::result(request.operation, kBadFilter);
    }
    DataSetWriter rows(request.operation, "ds", { "conferenceid", "meetcall", "meettime", "meetrecfile", "meettitle" });
    for (const Recording& r : m_context.charges.recordings(request.regphoneid, filter))
        rows.add({ r.conferenceid, r.meetcall, r.meettime, request.baseUrl + RecordingAudio::path(r.token), r.title });
    return rows.finish();
}

std::string ChargeOperations::smsCharges(const SoapRequest& request)
{
    std::vector<FilterCondition> filter;
    if (const int status = readFilter(m_smsFilter, request.text("where"), request.regphoneid, filter))
        return SoapReply::result(request.operation, status);
    DataSetWriter rows(request.operation, "ds", { "calledid", "msgsendtime", "origincharge" });
    for (const SmsCharge& s : m_context.charges.smsCharges(request.regphoneid, filter))
        rows.add({ s.calledid, s.msgsendtime, std::to_string(s.origincharge) });
    return rows.finish();
}

} // namespace cvservice
