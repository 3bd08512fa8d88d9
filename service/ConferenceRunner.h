#pragma once

#include "live/MemberChurn.h"

#include <string>
#include <vector>

namespace cvservice {

class AccountRepository;
class ChargeRepository;
class ConferenceHub;
class ConferenceRepository;
struct Conference;
struct LiveConference;

// Moves conferences between the store and the live hub: starts them (instant ones
// at once, booked ones when their time comes) and, when the hub reports the end,
// records what happened: the past conference, its charge and its recording.
class ConferenceRunner {
public:
    static constexpr int kRatePerMinute = 15; // hundredths of a yuan per member-minute
    static constexpr int kNoticePrice = 10; // hundredths of a yuan per SMS notice

    ConferenceRunner(
        ConferenceRepository& conferences, AccountRepository& accounts, ChargeRepository& charges, ConferenceHub& hub);

    void start(const Conference& conference);
    // A load for soak runs and demonstrations, beyond what a client may create: a
    // running instant conference of the owner, hosted on the owner's line, with
    // `members` participants ("成员0001", phones from 13900000000 on) that churn at
    // pace (ConferenceHub::startChurning). Returns its id; the end is recorded like
    // any other.
    std::string startChurning(const std::string& owner, int members, ChurnPace pace);
    void recordEnded(const LiveConference& live);

    // Participants of a conference as (name, phone) pairs from its joined fields.
    static std::vector<std::pair<std::string, std::string>> participants(
        const std::string& phones, const std::string& names);

private:
    static LiveConference liveOf(const Conference& conference);
    // With the SMS-notice option every participant gets a text as the calls start.
    void sendNotices(const Conference& conference, const LiveConference& live);

    ConferenceRepository& m_conferences;
    AccountRepository& m_accounts;
    ChargeRepository& m_charges;
    ConferenceHub& m_hub;
};

} // namespace cvservice
