#pragma once

#include "FilterParser.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cvservice {

class Database;

struct ConferenceCharge {
    std::string conferenceid;
    std::string regphoneid;
    std::string meetcall;
    std::string meettime;
    std::string processtime;
    int times = 0; // charged minutes
    std::int64_t charge = 0; // hundredths of a yuan
};

struct Recording {
    std::string conferenceid;
    std::string regphoneid;
    std::string meetcall;
    std::string meettime;
    std::string title;
    int seconds = 0;
    // Names the audio's address; random, so that one recording's address tells
    // nothing about another's. Made when the recording is added.
    std::string token {};
};

struct SmsCharge {
    std::string regphoneid;
    std::string calledid;
    std::string message;
    std::string msgsendtime;
    std::int64_t origincharge = 0; // hundredths of a yuan
};

// Conference charges, recordings and SMS charges: what the bill and recording
// queries list. Filters come from FilterParser, whose columns are known names.
class ChargeRepository {
public:
    explicit ChargeRepository(Database& db);

    void addConferenceCharge(const ConferenceCharge& charge);
    std::vector<ConferenceCharge> conferenceCharges(
        const std::string& owner, const std::vector<FilterCondition>& filter) const;

    void addRecording(const Recording& recording);
    std::vector<Recording> recordings(const std::string& owner, const std::vector<FilterCondition>& filter) const;
    std::optional<Recording> recording(const std::string& conferenceid) const;
    std::optional<Recording> recordingByToken(const std::string& token) const;

    void addSms(const SmsCharge& sms);
    std::vector<SmsCharge> smsCharges(const std::string& owner, const std::vector<FilterCondition>& filter) const;

private:
    Database& m_db;
};

} // namespace cvservice
