#pragma once

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
    void recordEnded(const LiveConference& live);

    // Participants of a conference as (name, phone) pairs from its joined fields.
    static std::vector<std::pair<std::string, std::string>> participants(
        const std::string& phones, const std::string& names);

private:
    // With the SMS-notice option every participant gets a text as the calls start.
    void sendNotices(const Conference& conference, const LiveConference& live);

    ConferenceRepository& m_conferences;
    AccountRepository& m_accounts;
    ChargeRepository& m_charges;
    ConferenceHub& m_hub;
};

} // namespace cvservice
