#pragma once

#include "cvsrv/CUtility.h"
#include "cvsrv/Export.h"
#include "cvsrv/ServiceConfig.h"

#include <atomic>
#include <string>

// One method per web-service operation. Construct one per call on the calling
// thread; it keeps no state between calls.
//
// Every method returns a status: 0 for success, a positive service code (its text
// comes from GetSysMsgInfo), or the transport-failure status (-1, or 9 where noted).
// Text arguments are in the library's ANSI code page; out-texts are emptied first.
// A cancel flag, when given, aborts a transfer in progress as soon as it is set; the
// call then returns its transport-failure status.
class CVSRV_EXPORT CCvService {
public:
    explicit CCvService(cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment(),
        const std::atomic<bool>* cancel = nullptr);
    virtual ~CCvService();

    // Session, account and room. Transport failure: 9 unless noted.
    int UserClientLogin(const char* regphoneid, const char* password, const char* ipaddress);
    int ModifytPasswordByPhoneID(const char* regphoneid, const char* oldPassword, const char* newPassword);
    int GetMemberInfo(const char* regphoneid, const char* password, std::string& info);
    int ClientPrivateInfo(const char* regphoneid, const char* password, const char* idcard, int idtype, int sex,
        const char* contactid, const char* email, const char* street, const char* city, const char* state,
        const char* country, const char* postcode, const char* meetcall, const char* messagesender, const char* comment,
        int oprflag, const char* contactname, std::string& result);
    int GetClientBalance(const char* regphoneid, const char* password, std::string& balance,
        std::string& expiry); // transport failure: -1
    int SetMeetCall(const char* regphoneid, const char* password, const char* meetcall);
    int SetMessagesender(const char* regphoneid, const char* password, const char* messagesender);
    int TransferAccount(const char* fromRegphoneid, const char* fromPassword, const char* toRegphoneid, int recharge,
        int rechargeadd, int processstate, const char* remark);
    int GetSysMsgInfo(int msgno, std::string& text); // -1
    int CheckOrUpdatePCClientVersion(const char* softversion, const char* userid, std::string& result); // -1
    int GetClientRoomInfo(const char* regphoneid, const char* password, std::string& result); // -1
    int ModifyClientRoomInfo(const char* regphoneid, const char* password, int& result); // -1
    int GetClientNoteNo(const char* regphoneid, const char* password, std::string& result); // -1

    // Conferences. Transport failure: -1; the service's status is the first field.
    int createConference(const char* regphoneid, const char* password, const char* topic, const char* meetcall,
        const char* phones, const char* names, const char* meettime, const char* ipaddress, int smsflag, int recflag,
        int autocall, int shutup, int meettype, std::string& result);
    int ModifyBookConference(const char* regphoneid, const char* password, const char* conferenceid, const char* topic,
        const char* meetcall, const char* phones, const char* names, const char* meettime, const char* ipaddress,
        int smsflag, int recflag, int autocall, int shutup, int oprflag, std::string& result);
    int ConferenceControl(const char* regphoneid, const char* password, const char* conferenceid, int command,
        const char* phoneid, std::string& result);
    int GetMeetingStatus(const char* regphoneid, const char* password, const char* conferenceid, std::string& result);
    int GetMeetingMemberStatus(
        const char* regphoneid, const char* password, const char* conferenceid, std::string& result);
    int Getcurrentconferencelist(const char* regphoneid, const char* password, std::string& result, int& rows);
    int GetSubscribeCurrentConference(const char* regphoneid, const char* password, std::string& result, int& rows);
    int GetPastConference(const char* regphoneid, const char* password, std::string& result, int& rows);
    int getUserconference(
        const char* regphoneid, const char* password, const char* where, std::string& result, int& rows);
    int GetMeetingRecordFile(
        const char* regphoneid, const char* password, const char* searchCondition, std::string& result, int& rows);

    // Address book, messaging and charges. Transport failure: -1.
    int ClientAddressNew(const char* regphoneid, const char* password, int addressNo, int sex, const char* name,
        const char* phone, const char* email, int oprFlag, std::string& result);
    int QueryClientAddress(const char* regphoneid, const char* password, std::string& result, int& rows);
    int ClientAddressGroup(const char* regphoneid, const char* password, int groupId, const char* groupName,
        int oprflag, std::string& result);
    int GetClientAddressGroup(const char* regphoneid, const char* password, std::string& result, int& rows);
    int QueryClientAddressGroupMember(
        const char* regphoneid, const char* password, const char* groupId, std::string& result, int& rows);
    int ClientAddressGroupMemberNew(
        const char* regphoneid, const char* password, int groupId, int addressNo, int oprFlag, std::string& result);
    int QueryNotAddressGroupMember(const char* regphoneid, const char* password, std::string& result, int& rows);
    int ClientConfGroup(const char* regphoneid, const char* password, int groupId, const char* groupName, int oprflag,
        std::string& result);
    int GetConfGroup(const char* regphoneid, const char* password, std::string& result, int& rows);
    int QueryClientConfGroupMember(
        const char* regphoneid, const char* password, const char* groupId, std::string& result, int& rows);
    int QueryNotConfGroupMember(const char* regphoneid, const char* password, std::string& result, int& rows);
    int ClientConfGroupMemberNew(
        const char* regphoneid, const char* password, int groupId, int addressNo, int oprFlag, std::string& result);
    int clientsendmessage(const char* regphoneid, const char* password, const char* phoneList, const char* message,
        const char* sendTime, std::string& result);
    int GetUserPhoneCharge(
        const char* regphoneid, const char* password, const char* where, std::string& result, int& rows);

private:
    CUtility m_utility;
    cvsrv::ServiceConfig m_config;
    const std::atomic<bool>* m_cancel;
};
