#include "CallSimulation.h"

#include "MemberId.h"
#include "service/StatusCodes.h"

#include <algorithm>

namespace cvservice {

namespace {

constexpr std::size_t kEndedKept = 256;
constexpr const char* kHostName = "主持人";

int roundedUpSeconds(std::chrono::milliseconds duration)
{
    return static_cast<int>((duration.count() + 999) / 1000);
}

enum Command : int {
    kMuteAll = 0,
    kUnmuteAll = 1,
    kSpeakToggle = 2,
    kUnmute = 3,
    kCall = 5,
    kHangUp = 6,
    kEnd = 9,
    kRemove = 10,
    kRecallAll = 12,
    kRecordStart = 16,
    kRecordPause = 17,
};

} // namespace

CallSimulation::CallSimulation(SimulationSettings settings)
    : m_settings(settings)
    , m_timings(SimulationTimings::forMode(settings.fast))
    , m_random(settings.seed)
{
}

void CallSimulation::start(LiveConference conference, Time now)
{
    Conference* running = admit(std::move(conference), now);
    if (!running)
        return;
    running->nextTalk = now + between(m_timings.talkMin, m_timings.talkMax);
    for (Member& member : running->members)
        ring(member, now);
}

void CallSimulation::startChurning(LiveConference conference, ChurnPace pace, Time now)
{
    Conference* running = admit(std::move(conference), now);
    if (!running)
        return;
    running->nextTalk = Time::max();
    std::vector<std::string> phones;
    for (const Member& member : running->members) {
        if (!member.host)
            phones.push_back(member.live.phone);
    }
    running->churn.emplace(std::move(phones), pace, static_cast<std::uint32_t>(m_random()));
    std::size_t churned = 0;
    for (Member& member : running->members) {
        const ChurnState state = member.host ? ChurnState { 1, 1, 0 } : running->churn->initial(churned++);
        member.live.callstate = state.callstate;
        member.live.speakstate = state.speakstate;
        member.live.activetalker = state.activetalker;
        member.joinedSince = now;
    }
}

void CallSimulation::watched(const std::string& conferenceId, Time now)
{
    auto found = m_conferences.find(conferenceId);
    if (found != m_conferences.end() && found->second.churn && found->second.info.conferencestate == 1)
        found->second.churn->begin(now);
}

CallSimulation::Conference* CallSimulation::admit(LiveConference conference, Time now)
{
    if (conference.conferenceId.empty() || m_conferences.count(conference.conferenceId))
        return nullptr;
    Conference running;
    running.startedAt = now;
    running.nextHeartbeat = now + m_timings.heartbeat;
    running.recordingSince = now;

    // The host's own line takes part like everyone else; listed first, as the live
    // view expects to find it.
    std::vector<LiveMember> wanted;
    if (!conference.hostNumber.empty())
        wanted.push_back(LiveMember { kHostName, conference.hostNumber });
    wanted.insert(wanted.end(), conference.members.begin(), conference.members.end());
    for (const LiveMember& candidate : wanted) {
        auto id = MemberId::parse(candidate.phone);
        if (!id || findMember(running, id->phone))
            continue;
        Member member;
        member.live.name = candidate.name;
        member.live.phone = id->phone;
        member.live.speakstate = 1;
        member.host = id->phone == conference.hostNumber;
        running.members.push_back(member);
    }

    conference.members.clear();
    conference.conferencestate = 1;
    conference.joinedSeconds.clear();
    conference.recordedSeconds = 0;
    running.info = std::move(conference);
    const std::string id = running.info.conferenceId;
    return &m_conferences.emplace(id, std::move(running)).first->second;
}

int CallSimulation::control(
    const std::string& owner, const std::string& conferenceId, int command, const std::string& phoneId, Time now)
{
    auto found = m_conferences.find(conferenceId);
    if (found == m_conferences.end())
        return kNoSuchConference;
    Conference& conference = found->second;
    if (conference.info.owner != owner)
        return kNotYourConference;
    if (conference.info.conferencestate != 1)
        return kConferenceEnded;
    runDue(conference, now);
    if (conference.info.conferencestate != 1)
        return kConferenceEnded;

    switch (command) {
    case kMuteAll:
        conference.info.muteAll = true;
        for (Member& member : conference.members) {
            if (member.host || member.live.callstate != 1)
                continue;
            member.live.speakstate = 2;
            member.live.activetalker = 0;
        }
        break;
    case kUnmuteAll:
        conference.info.muteAll = false;
        for (Member& member : conference.members) {
            if (member.live.speakstate == 2)
                member.live.speakstate = 1;
        }
        break;
    case kRecallAll:
        for (Member& member : conference.members) {
            if (member.live.callstate != 0 && member.live.callstate != 1)
                ring(member, now);
        }
        break;
    case kRecordStart:
        if (!conference.info.recording) {
            conference.info.recording = true;
            conference.recordingSince = now;
        }
        break;
    case kRecordPause:
        if (conference.info.recording) {
            conference.info.recording = false;
            conference.recorded
                += std::chrono::duration_cast<std::chrono::milliseconds>(now - conference.recordingSince);
        }
        break;
    case kEnd:
        end(conference, now);
        return kOk;
    case kSpeakToggle:
    case kUnmute:
    case kCall:
    case kHangUp:
    case kRemove:
        if (const int status = memberCommand(conference, command, phoneId, now); status != kOk)
            return status;
        break;
    default:
        return kUnknownCommand;
    }
    conference.changed = true;
    return kOk;
}

int CallSimulation::memberCommand(Conference& conference, int command, const std::string& phoneId, Time now)
{
    auto id = MemberId::parse(phoneId);
    if (!id)
        return kNoSuchMember;
    Member* member = findMember(conference, id->phone);
    if (!member && command == kCall) {
        // Calling a number that is not in the conference yet is how a member is
        // added while it runs.
        Member added;
        added.live.name = id->name;
        added.live.phone = id->phone;
        added.live.speakstate = 1;
        conference.members.push_back(added);
        member = &conference.members.back();
    }
    if (!member)
        return kNoSuchMember;
    LiveMember& live = member->live;
    if (command == kSpeakToggle) {
        live.speakstate = live.speakstate == 1 ? 0 : 1;
        if (live.speakstate != 1)
            live.activetalker = 0;
    } else if (command == kUnmute) {
        if (live.speakstate == 2)
            live.speakstate = 1;
    } else if (command == kCall) {
        if (live.callstate != 0 && live.callstate != 1)
            ring(*member, now);
    } else if (command == kHangUp) {
        if (live.callstate == 0 || live.callstate == 1)
            leave(conference, *member, now, 2);
    } else {
        leave(conference, *member, now, live.callstate == 1 ? 2 : live.callstate);
        conference.members.erase(conference.members.begin() + (member - conference.members.data()));
    }
    return kOk;
}

CallSimulation::Step CallSimulation::advance(Time now)
{
    Step step;
    for (auto& [id, conference] : m_conferences) {
        if (conference.info.conferencestate == 1) {
            runDue(conference, now);
            if (conference.info.conferencestate == 1) {
                if (conference.changed || conference.nextHeartbeat <= now) {
                    conference.changed = false;
                    conference.nextHeartbeat = now + m_timings.heartbeat;
                    step.changed.push_back(view(conference));
                }
                continue;
            }
        }
        if (!conference.endReported) {
            conference.endReported = true;
            step.changed.push_back(view(conference));
            step.ended.push_back(step.changed.back());
        }
    }
    pruneEnded();
    return step;
}

CallSimulation::Time CallSimulation::nextDue() const
{
    Time due = Time::max();
    for (const auto& [id, conference] : m_conferences) {
        if (conference.info.conferencestate != 1) {
            if (!conference.endReported)
                return Time::min();
            continue;
        }
        if (conference.changed)
            return Time::min();
        due = std::min({ due, nextEvent(conference), conference.nextHeartbeat });
    }
    return due;
}

std::optional<ChurnRecord> CallSimulation::churnRecord(const std::string& conferenceId) const
{
    auto found = m_conferences.find(conferenceId);
    if (found == m_conferences.end() || !found->second.churn)
        return std::nullopt;
    ChurnRecord record = found->second.churn->record();
    record.ended = found->second.info.conferencestate != 1;
    return record;
}

std::optional<LiveConference> CallSimulation::snapshot(const std::string& conferenceId) const
{
    auto found = m_conferences.find(conferenceId);
    if (found == m_conferences.end())
        return std::nullopt;
    return view(found->second);
}

std::vector<LiveConference> CallSimulation::running(const std::string& owner) const
{
    std::vector<LiveConference> result;
    for (const auto& [id, conference] : m_conferences) {
        if (conference.info.conferencestate == 1 && conference.info.owner == owner)
            result.push_back(view(conference));
    }
    return result;
}

LiveConference CallSimulation::view(const Conference& conference) const
{
    LiveConference result = conference.info;
    for (const Member& member : conference.members)
        result.members.push_back(member.live);
    for (const auto& [phone, time] : conference.joinedTime)
        result.joinedSeconds.emplace_back(phone, roundedUpSeconds(time));
    result.recordedSeconds = roundedUpSeconds(conference.recorded);
    return result;
}

CallSimulation::Member* CallSimulation::findMember(Conference& conference, const std::string& phone)
{
    auto found = std::find_if(conference.members.begin(), conference.members.end(),
        [&](const Member& member) { return member.live.phone == phone; });
    return found == conference.members.end() ? nullptr : &*found;
}

void CallSimulation::ring(Member& member, Time now)
{
    member.live.callstate = 0;
    member.live.activetalker = 0;
    // The subscriber's own line always answers: a conference nobody hosts is no demo.
    if (member.host || chance(m_settings.answerProbability)) {
        member.pending = Pending::Answer;
        member.due = now + between(m_timings.answerMin, m_timings.answerMax);
    } else {
        member.pending = Pending::RingOut;
        member.due = now + between(m_timings.ringOutMin, m_timings.ringOutMax);
    }
}

void CallSimulation::join(Conference& conference, Member& member, Time now)
{
    member.live.callstate = 1;
    member.live.speakstate = conference.info.muteAll && !member.host ? 2 : 1;
    member.pending = Pending::None;
    member.due = Time::max();
    member.joinedSince = now;
}

void CallSimulation::leave(Conference& conference, Member& member, Time now, int callstate)
{
    if (member.live.callstate == 1) {
        const auto time = std::chrono::duration_cast<std::chrono::milliseconds>(now - member.joinedSince);
        auto entry = std::find_if(conference.joinedTime.begin(), conference.joinedTime.end(),
            [&](const auto& item) { return item.first == member.live.phone; });
        if (entry == conference.joinedTime.end())
            conference.joinedTime.emplace_back(member.live.phone, time);
        else
            entry->second += time;
    }
    member.live.callstate = callstate;
    member.live.activetalker = 0;
    member.pending = Pending::None;
    member.due = Time::max();
}

void CallSimulation::talk(Conference& conference, Time now)
{
    conference.nextTalk = now + between(m_timings.talkMin, m_timings.talkMax);

    std::vector<Member*> speakers;
    for (Member& member : conference.members) {
        if (member.live.callstate == 1 && member.live.speakstate == 1)
            speakers.push_back(&member);
    }
    Member* talker = nullptr;
    if (!speakers.empty())
        talker = speakers[std::uniform_int_distribution<std::size_t>(0, speakers.size() - 1)(m_random)];
    for (Member& member : conference.members) {
        const int active = &member == talker ? 1 : 0;
        if (member.live.activetalker != active) {
            member.live.activetalker = active;
            conference.changed = true;
        }
    }

    for (Member& member : conference.members) {
        if (member.host || member.live.callstate != 1 || !chance(m_settings.dropProbability))
            continue;
        leave(conference, member, now, 2);
        if (conference.info.autoRecall) {
            member.pending = Pending::Redial;
            member.due = now + m_timings.redial;
        }
        conference.changed = true;
    }
}

void CallSimulation::end(Conference& conference, Time now)
{
    for (Member& member : conference.members)
        leave(conference, member, now, 2);
    if (conference.info.recording) {
        conference.recorded += std::chrono::duration_cast<std::chrono::milliseconds>(now - conference.recordingSince);
        conference.info.recording = false;
    }
    conference.info.conferencestate = 2;
    conference.info.endedAt = conference.info.startedAt
        + std::chrono::duration_cast<std::chrono::system_clock::duration>(now - conference.startedAt);
    conference.changed = true;
    m_endedOrder.push_back(conference.info.conferenceId);
}

void CallSimulation::churnOnce(Conference& conference, Time now)
{
    MemberChurn& churn = *conference.churn;
    Member* member = findMember(conference, churn.phones()[churn.nextMember()]);
    if (!member) {
        churn.skip(); // removed by a command
        return;
    }
    LiveMember& live = member->live;
    const ChurnState next = churn.change({ live.callstate, live.speakstate, live.activetalker });
    if (live.callstate == 1 && next.callstate != 1)
        leave(conference, *member, now, next.callstate);
    else if (live.callstate != 1 && next.callstate == 1)
        member->joinedSince = now;
    live.callstate = next.callstate;
    live.speakstate = next.speakstate;
    live.activetalker = next.activetalker;
    conference.changed = true;
}

void CallSimulation::runDue(Conference& conference, Time until)
{
    for (;;) {
        const Time at = nextEvent(conference);
        if (at > until)
            return;
        if (conference.churn && conference.churn->nextDue() == at) {
            if (!conference.churn->finished()) {
                churnOnce(conference, at);
                continue;
            }
            // The last changes go out as a running conference before the end hangs
            // everyone up: the caller reports them, and the end comes on the next step.
            if (!conference.changed)
                end(conference, at);
            return;
        }
        if (conference.nextTalk == at) {
            talk(conference, at);
            continue;
        }
        for (Member& member : conference.members) {
            if (member.due != at)
                continue;
            const Pending pending = member.pending;
            member.pending = Pending::None;
            member.due = Time::max();
            if (pending == Pending::Answer)
                join(conference, member, at);
            else if (pending == Pending::RingOut)
                member.live.callstate = 3;
            else if (pending == Pending::Redial)
                ring(member, at);
            conference.changed = true;
            break;
        }
    }
}

CallSimulation::Time CallSimulation::nextEvent(const Conference& conference) const
{
    Time at = conference.nextTalk;
    if (conference.churn)
        at = std::min(at, conference.churn->nextDue());
    for (const Member& member : conference.members)
        at = std::min(at, member.due);
    return at;
}

std::chrono::milliseconds CallSimulation::between(std::chrono::milliseconds low, std::chrono::milliseconds high)
{
    return std::chrono::milliseconds(std::uniform_int_distribution<long long>(low.count(), high.count())(m_random));
}

bool CallSimulation::chance(double probability)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < probability;
}

void CallSimulation::pruneEnded()
{
    while (m_endedOrder.size() > kEndedKept) {
        auto found = m_conferences.find(m_endedOrder.front());
        if (found != m_conferences.end()) {
            if (!found->second.endReported)
                return;
            m_conferences.erase(found);
        }
        m_endedOrder.erase(m_endedOrder.begin());
    }
}

} // namespace cvservice
