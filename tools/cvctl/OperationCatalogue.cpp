#include "OperationCatalogue.h"

#include "MethodBinding.h"

namespace cvctl {

namespace {

// Labels of the out-parameters: kResultText prints alone on the second line.
constexpr const char* const kText[] = { kResultText };
constexpr const char* const kTextRows[] = { kResultText, "rows" };
constexpr const char* const kAccount[] = { "regphoneid", "password" };

std::vector<OperationEntry> buildCatalogue()
{
    using S = CCvService;
    return {
        // Session, account and room.
        operation("UserClientLogin", &S::UserClientLogin, { "regphoneid", "password", "ipaddress" }),
        operation(
            "ModifytPasswordByPhoneID", &S::ModifytPasswordByPhoneID, { "regphoneid", "oldpassword", "newpassword" }),
        operation("GetMemberInfo", &S::GetMemberInfo, kAccount, kText),
        operation("ClientPrivateInfo", &S::ClientPrivateInfo,
            { "regphoneid", "password", "idcard", "idtype", "sex", "contactid", "email", "street", "city", "state",
                "country", "postcode", "meetcall", "messagesender", "comment", "oprflag", "contactname" },
            kText),
        operation("GetClientBalance", &S::GetClientBalance, kAccount, { "balance", "expiry" }),
        operation("SetMeetCall", &S::SetMeetCall, { "regphoneid", "password", "meetcall" }),
        operation("SetMessagesender", &S::SetMessagesender, { "regphoneid", "password", "messagesender" }),
        operation("TransferAccount", &S::TransferAccount,
            { "regphoneid", "password", "toregphoneid", "recharge", "rechargeadd", "processstate", "remark" }),
        operation("GetSysMsgInfo", &S::GetSysMsgInfo, { "msgno" }, kText),
        operation("CheckOrUpdatePCClientVersion", &S::CheckOrUpdatePCClientVersion, { "softversion", "userid" }, kText),
        operation("GetClientRoomInfo", &S::GetClientRoomInfo, kAccount, kText),
        operation("ModifyClientRoomInfo", &S::ModifyClientRoomInfo, kAccount, { "result" }),
        operation("GetClientNoteNo", &S::GetClientNoteNo, kAccount, kText),

        // Conferences.
        operation("createConference", &S::createConference,
            { "regphoneid", "password", "topic", "meetcall", "phones", "names", "meettime", "ipaddress", "smsflag",
                "recflag", "autocall", "shutup", "meettype" },
            kText),
        operation("ModifyBookConference", &S::ModifyBookConference,
            { "regphoneid", "password", "conferenceid", "topic", "meetcall", "phones", "names", "meettime", "ipaddress",
                "smsflag", "recflag", "autocall", "shutup", "oprflag" },
            kText),
        operation("ConferenceControl", &S::ConferenceControl,
            { "regphoneid", "password", "conferenceid", "command", "phoneid" }, kText),
        operation("GetMeetingStatus", &S::GetMeetingStatus, { "regphoneid", "password", "conferenceid" }, kText),
        operation(
            "GetMeetingMemberStatus", &S::GetMeetingMemberStatus, { "regphoneid", "password", "conferenceid" }, kText),
        operation("Getcurrentconferencelist", &S::Getcurrentconferencelist, kAccount, kTextRows),
        operation("GetSubscribeCurrentConference", &S::GetSubscribeCurrentConference, kAccount, kTextRows),
        operation("GetPastConference", &S::GetPastConference, kAccount, kTextRows),
        operation("getUserconference", &S::getUserconference, { "regphoneid", "password", "where" }, kTextRows),
        operation("GetMeetingRecordFile", &S::GetMeetingRecordFile, { "regphoneid", "password", "searchcondition" },
            kTextRows),

        // Address book, messaging and charges.
        operation("ClientAddressNew", &S::ClientAddressNew,
            { "regphoneid", "password", "addressno", "sex", "name", "phone", "email", "oprflag" }, kText),
        operation("QueryClientAddress", &S::QueryClientAddress, kAccount, kTextRows),
        operation("ClientAddressGroup", &S::ClientAddressGroup,
            { "regphoneid", "password", "groupid", "groupname", "oprflag" }, kText),
        operation("GetClientAddressGroup", &S::GetClientAddressGroup, kAccount, kTextRows),
        operation("QueryClientAddressGroupMember", &S::QueryClientAddressGroupMember,
            { "regphoneid", "password", "groupid" }, kTextRows),
        operation("ClientAddressGroupMemberNew", &S::ClientAddressGroupMemberNew,
            { "regphoneid", "password", "groupid", "addressno", "oprflag" }, kText),
        operation("QueryNotAddressGroupMember", &S::QueryNotAddressGroupMember, kAccount, kTextRows),
        operation("ClientConfGroup", &S::ClientConfGroup,
            { "regphoneid", "password", "groupid", "groupname", "oprflag" }, kText),
        operation("GetConfGroup", &S::GetConfGroup, kAccount, kTextRows),
        operation("QueryClientConfGroupMember", &S::QueryClientConfGroupMember, { "regphoneid", "password", "groupid" },
            kTextRows),
        operation("QueryNotConfGroupMember", &S::QueryNotConfGroupMember, kAccount, kTextRows),
        operation("ClientConfGroupMemberNew", &S::ClientConfGroupMemberNew,
            { "regphoneid", "password", "groupid", "addressno", "oprflag" }, kText),
        operation("clientsendmessage", &S::clientsendmessage,
            { "regphoneid", "password", "phonelist", "message", "sendtime" }, kText),
        operation("GetUserPhoneCharge", &S::GetUserPhoneCharge, { "regphoneid", "password", "where" }, kTextRows),
    };
}

} // namespace

const std::vector<OperationEntry>& OperationCatalogue::all()
{
    static const std::vector<OperationEntry> catalogue = buildCatalogue();
    return catalogue;
}

const OperationEntry* OperationCatalogue::find(std::string_view name)
{
    for (const OperationEntry& entry : all())
        if (entry.name == name)
            return &entry;
    return nullptr;
}

} // namespace cvctl
