#include "ConferenceRunner.h"

#include "TimeText.h"
#include "Utf8Text.h"
#include "live/ConferenceHub.h"
#include "store/AccountRepository.h"
#include "store/ChargeRepository.h"
#include "store/ConferenceRepository.h"

#include "cvsrv/CUtility.h"

#include <cstdio>
#include <ctime>

namespace cvservice {

namespace {

constexpr long long kFirstChurnPhone = 13900000000LL;

} // namespace

ConferenceRunner::ConferenceRunner(
    ConferenceRepository& conferences, AccountRepository& accounts, ChargeRepository& charges, ConferenceHub& hub)
    : m_conferences(conferences)
    , m_accounts(accounts)
    , m_charges(charges)
    , m_hub(hub)
{
}

std::vector<std::pair<std::string, std::string>> ConferenceRunner::participants(
    const std::string& phones, const std::string& names)
{
    CUtility utility;
    std::vector<std::string> phoneItems;
    std::vector<std::string> nameItems;
    utility.Split(phones, ",", &phoneItems);
    utility.Split(names, ",", &nameItems);
    std::vector<std::pair<std::string, std::string>> out;
    for (std::size_t i = 0; i < phoneItems.size(); ++i) {
        const std::string phone = utf8text::trim(phoneItems[i]);
        if (phone.empty())
            continue;
        out.emplace_back(i < nameItems.size() ? utf8text::trim(nameItems[i]) : std::string(), phone);
    }
    return out;
}

void ConferenceRunner::start(const Conference& conference)
{
    LiveConference live = liveOf(conference);
    m_conferences.setState(conference.id, ConferenceState::Running);
    if (conference.smsflag != 0)
        sendNotices(conference, live);
    m_hub.start(std::move(live));
}

std::string ConferenceRunner::startChurning(const std::string& owner, int members, ChurnPace pace)
{
    Conference conference;
    const std::time_t now = std::time(nullptr);
    conference.id = m_conferences.nextId(timetext::stamp(now));
    conference.owner = owner;
    conference.title = "负载演练";
    conference.meettime = timetext::format(now);
    conference.meetcall = owner;
    for (int i = 0; i < members; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d", i + 1);
        const std::string separator = i == 0 ? "" : ",";
        conference.meetphone += separator + std::to_string(kFirstChurnPhone + i);
        conference.meetphoneaddress += separator + "成员" + name;
    }
    conference.members = members;
    m_conferences.insert(conference);
    m_conferences.setState(conference.id, ConferenceState::Running);
    m_hub.startChurning(liveOf(conference), pace);
    return conference.id;
}

LiveConference ConferenceRunner::liveOf(const Conference& conference)
{
    LiveConference live;
    live.conferenceId = conference.id;
    live.owner = conference.owner;
    live.hostNumber = conference.meetcall;
    live.title = conference.title;
    live.autoRecall = conference.autodial != 0;
    live.muteAll = conference.shutup != 0;
    live.recording = conference.recflag != 0;
    live.startedAt = std::chrono::system_clock::now();
    for (const auto& [name, phone] : participants(conference.meetphone, conference.meetphoneaddress)) {
        LiveMember member;
        member.name = name;
        member.phone = phone;
        live.members.push_back(std::move(member));
    }
    return live;
}

void ConferenceRunner::sendNotices(const Conference& conference, const LiveConference& live)
{
    const std::string now = timetext::now();
    const std::string text = "【Corvana电话会议】会议“" + conference.title + "”现在开始，请注意接听来电。";
    for (const LiveMember& member : live.members)
        m_charges.addSms({ conference.owner, member.phone, text, now, kNoticePrice });
    // The calls go out whatever the balance; so do their notices.
    m_accounts.charge(conference.owner, kNoticePrice * static_cast<std::int64_t>(live.members.size()));
}

void ConferenceRunner::recordEnded(const LiveConference& live)
{
    const auto conference = m_conferences.find(live.conferenceId);
    if (!conference || conference->state != ConferenceState::Running)
        return;
    const std::string endtime = timetext::format(std::chrono::system_clock::to_time_t(live.endedAt));
    int minutes = 0;
    for (const auto& [phone, seconds] : live.joinedSeconds)
        minutes += (seconds + 59) / 60;

    ConferenceCharge charge;
    charge.conferenceid = conference->id;
    charge.regphoneid = conference->owner;
    charge.meetcall = conference->meetcall;
    charge.meettime = conference->meettime;
    charge.processtime = endtime;
    charge.times = minutes;
    charge.charge = static_cast<std::int64_t>(minutes) * kRatePerMinute;
    m_charges.addConferenceCharge(charge);
    m_accounts.charge(conference->owner, charge.charge);

    if (live.recordedSeconds > 0) {
        m_charges.addRecording({ conference->id, conference->owner, conference->meetcall, conference->meettime,
            conference->title, live.recordedSeconds });
    }
    m_conferences.setState(conference->id, ConferenceState::Ended, endtime);
}

} // namespace cvservice
