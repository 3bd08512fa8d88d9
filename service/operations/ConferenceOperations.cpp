#include "operations/ConferenceOperations.h"

#include "ConferenceRunner.h"
#include "OperationTable.h"
#include "PhoneNumber.h"
#include "RandomDigits.h"
#include "ServiceContext.h"
#include "SoapReply.h"
#include "StatusCodes.h"
#include "TimeText.h"
#include "live/ConferenceHub.h"
#include "store/AccountRepository.h"
#include "store/ConferenceRepository.h"

#include <algorithm>

namespace cvservice {

namespace {

constexpr long kBookingSlackSeconds = 120;
constexpr long kMaxBookingDays = 30;
constexpr int kCommands[] = { 0, 1, 2, 3, 5, 6, 9, 10, 12, 16, 17 };

std::string number(int value)
{
    return std::to_string(value);
}

} // namespace

ConferenceOperations::ConferenceOperations(ServiceContext& context)
    : m_context(context)
{
}

void ConferenceOperations::install(OperationTable& table)
{
    const SigningSpec s = lowerCaseSigning();
    table.add({ "createConference",
        { T("inmeetname"), T("inmeettitle"), T("inmeetcall"), T("inmeetphone"), T("inphoneaddress"), I("inmeettype"),
            T("inmeettime"), I("inmeetsmsflag"), I("inmeetrecflag"), I("inautocall"), I("inshutup"), T("inuserid"),
            T("inregphoneid"), T("ipaddress"), T("timeticks"), T("strMD5Client") },
        s, [this](const SoapRequest& r) { return create(r); } });
    table.add({ "ModifyBookConference",
        { T("inconferenceid"), T("inmeetname"), T("inmeettitle"), T("inmeetcall"), T("inmeetphone"),
            T("inphoneaddress"), T("inmeettime"), I("inmeetsmsflag"), I("inmeetrecflag"), I("inautocallflag"),
            I("inshutupflag"), T("inipaddress"), I("inoprflag"), T("inuserid"), T("inregphoneid"), T("timeticks"),
            T("strMD5Client") },
        s, [this](const SoapRequest& r) { return modifyBooking(r); } });
    table.add({ "ConferenceControl",
        { T("inconferenceid"), I("incommandno"), T("inphoneid"), T("inuserid"), T("inregphoneid"), T("timeticks"),
            T("strMD5Client") },
        s, [this](const SoapRequest& r) { return control(r); } });
    const std::vector<ParamSpec> byId { T("conferenceid"), T("inregphoneid"), T("timeticks"), T("strMD5Client") };
    table.add({ "GetMeetingStatus", byId, s, [this](const SoapRequest& r) { return meetingStatus(r); } });
    table.add({ "GetMeetingMemberStatus", byId, s, [this](const SoapRequest& r) { return memberStatus(r); } });
    const std::vector<ParamSpec> plain { T("inregphoneid"), T("inuserid"), T("timeticks"), T("strMD5Client") };
    table.add({ "Getcurrentconferencelist", plain, s, [this](const SoapRequest& r) { return current(r); } });
    table.add({ "GetSubscribeCurrentConference", plain, s, [this](const SoapRequest& r) { return booked(r); } });
    table.add({ "GetPastConference", { T("inregphoneid"), T("timeticks"), T("strMD5Client") }, s,
        [this](const SoapRequest& r) { return past(r); } });
}

int ConferenceOperations::checkBookingTime(std::time_t meeting, std::time_t now)
{
    if (meeting < now - kBookingSlackSeconds)
        return kBookingInPast;
    if (meeting > now && (meeting - now) / 86400 > kMaxBookingDays)
        return kBookingTooFar;
    return kOk;
}

int ConferenceOperations::readComposition(const SoapRequest& request, Conference& conference) const
{
    conference.title = request.text("inmeettitle");
    if (conference.title.size() > kMaxTopicBytes)
        return kBadTopic;
    conference.meetcall = request.text("inmeetcall");
    if (!phone::isHostNumber(conference.meetcall))
        return kBadHostNumber;
    const auto people = ConferenceRunner::participants(request.text("inmeetphone"), request.text("inphoneaddress"));
    if (people.empty())
        return kNoParticipants;
    if (people.size() > kMaxParticipants)
        return kTooManyParticipants;
    conference.meetphone.clear();
    conference.meetphoneaddress.clear();
    for (const auto& [name, phone] : people) {
        if (!phone::isDialable(phone))
            return kBadParticipant;
        if (!conference.meetphone.empty()) {
            conference.meetphone += ",";
            conference.meetphoneaddress += ",";
        }
        conference.meetphone += phone;
        conference.meetphoneaddress += name;
    }
    conference.members = static_cast<int>(people.size());
    return kOk;
}

std::string ConferenceOperations::create(const SoapRequest& request)
{
    auto refuse = [&](int status) { return SoapReply::result(request.operation, number(status)); };
    const int type = request.number("inmeettype");
    if (type != 0 && type != 1)
        return refuse(kBadMeetingType);
    Conference conference;
    if (const int status = readComposition(request, conference); status != kOk)
        return refuse(status);
    const std::time_t now = std::time(nullptr);
    if (type == 1) {
        const auto when = timetext::parse(request.text("inmeettime"));
        if (!when)
            return refuse(kBadMeetingTime);
        if (const int status = checkBookingTime(*when, now); status != kOk)
            return refuse(status);
        conference.meettime = timetext::format(*when);
    } else {
        const auto account = m_context.accounts.find(request.regphoneid);
        if (!account || account->balance <= 0)
            return refuse(kInsufficientBalance);
        conference.meettime = timetext::format(now);
    }
    conference.id = m_context.conferences.nextId(timetext::stamp(std::time(nullptr)));
    conference.owner = request.regphoneid;
    conference.meettype = type;
    conference.autodial = request.number("inautocall") ? 1 : 0;
    conference.smsflag = request.number("inmeetsmsflag") ? 1 : 0;
    conference.shutup = request.number("inshutup") ? 1 : 0;
    conference.recflag = request.number("inmeetrecflag") ? 1 : 0;
    conference.meetpwd = RandomDigits::make(6);
    // Stored as booked first: the runner marks an instant one running as it hands it to the hub.
    conference.state = ConferenceState::Booked;
    m_context.conferences.insert(conference);
    if (type == 0)
        m_context.runner.start(conference);
    return SoapReply::result(request.operation, conference.id);
}

int ConferenceOperations::ownership(
    const std::string& owner, const std::string& conferenceId, std::optional<Conference>& found) const
{
    found = m_context.conferences.find(conferenceId);
    if (!found)
        return kNoSuchConference;
    if (found->owner != owner)
        return kNotYourConference;
    return kOk;
}

std::string ConferenceOperations::modifyBooking(const SoapRequest& request)
{
    auto refuse = [&](int status) { return SoapReply::result(request.operation, number(status)); };
    std::optional<Conference> conference;
    if (const int status = ownership(request.regphoneid, request.text("inconferenceid"), conference); status != kOk)
        return refuse(status);
    const int flag = request.number("inoprflag");
    if (flag != 1 && flag != 2)
        return refuse(kUnknownOperationFlag);
    if (conference->state != ConferenceState::Booked)
        return refuse(kNotBooked);
    if (flag == 2) {
        m_context.conferences.setState(conference->id, ConferenceState::Cancelled, timetext::now());
        return refuse(kOk);
    }
    if (const int status = readComposition(request, *conference); status != kOk)
        return refuse(status);
    const auto when = timetext::parse(request.text("inmeettime"));
    if (!when)
        return refuse(kBadMeetingTime);
    if (const int status = checkBookingTime(*when, std::time(nullptr)); status != kOk)
        return refuse(status);
    conference->meettime = timetext::format(*when);
    conference->autodial = request.number("inautocallflag") ? 1 : 0;
    conference->smsflag = request.number("inmeetsmsflag") ? 1 : 0;
    conference->shutup = request.number("inshutupflag") ? 1 : 0;
    conference->recflag = request.number("inmeetrecflag") ? 1 : 0;
    m_context.conferences.updateBooking(*conference);
    return refuse(kOk);
}

std::string ConferenceOperations::control(const SoapRequest& request)
{
    auto reply = [&](int status) { return SoapReply::result(request.operation, number(status)); };
    const int command = request.number("incommandno");
    if (std::find(std::begin(kCommands), std::end(kCommands), command) == std::end(kCommands))
        return reply(kUnknownCommand);
    std::optional<Conference> conference;
    if (const int status = ownership(request.regphoneid, request.text("inconferenceid"), conference); status != kOk)
        return reply(status);
    if (conference->state != ConferenceState::Running)
        return reply(conference->state == ConferenceState::Booked ? kNoSuchConference : kConferenceEnded);
    return reply(m_context.hub.control(request.regphoneid, conference->id, command, request.text("inphoneid")));
}

std::string ConferenceOperations::meetingStatus(const SoapRequest& request)
{
    std::optional<Conference> conference;
    if (const int status = ownership(request.regphoneid, request.text("conferenceid"), conference); status != kOk)
        return SoapReply::result(request.operation, number(status));
    return SoapReply::result(request.operation, number(static_cast<int>(conference->state)));
}

std::string ConferenceOperations::memberStatus(const SoapRequest& request)
{
    std::optional<Conference> conference;
    if (const int status = ownership(request.regphoneid, request.text("conferenceid"), conference); status != kOk)
        return SoapReply::result(request.operation, number(status));
    DataSetWriter rows(request.operation, "ds",
        { "phone", "phoneaddress", "phonetype", "callstate", "speakstate", "speakrequest", "activetalker" });
    if (const auto live = m_context.hub.snapshot(conference->id)) {
        for (const LiveMember& m : live->members)
            rows.add({ m.phone, m.name, m.phone == live->hostNumber ? "1" : "0", number(m.callstate),
                number(m.speakstate), "0", number(m.activetalker) });
    }
    return rows.finish();
}

std::string ConferenceOperations::current(const SoapRequest& request)
{
    DataSetWriter rows(request.operation, "ds",
        { "conferenceid", "meettitle", "regphoneid", "meettime", "meetcall", "meetphone", "meetphoneaddress",
            "meettype", "meetautodialflag", "meetsmsflag", "meetshutupflag", "meetrecflag", "meetpwd" });
    for (Conference& c : m_context.conferences.list(request.regphoneid, ConferenceState::Running)) {
        // Mute-all and recording change while the conference runs; the hub knows.
        if (const auto live = m_context.hub.snapshot(c.id)) {
            c.shutup = live->muteAll ? 1 : 0;
            c.recflag = live->recording ? 1 : 0;
        }
        rows.add({ c.id, c.title, c.owner, c.meettime, c.meetcall, c.meetphone, c.meetphoneaddress, number(c.meettype),
            number(c.autodial), number(c.smsflag), number(c.shutup), number(c.recflag), c.meetpwd });
    }
    return rows.finish();
}

std::string ConferenceOperations::booked(const SoapRequest& request)
{
    DataSetWriter rows(request.operation, "ds",
        { "conferenceid", "meettitle", "meettime", "meetcall", "meetphone", "meetphoneaddress", "meetautodialflag",
            "meetsmsflag", "meetshutupflag", "meetrecflag" });
    for (const Conference& c : m_context.conferences.list(request.regphoneid, ConferenceState::Booked))
        rows.add({ c.id, c.title, c.meettime, c.meetcall, c.meetphone, c.meetphoneaddress, number(c.autodial),
            number(c.smsflag), number(c.shutup), number(c.recflag) });
    return rows.finish();
}

std::string ConferenceOperations::past(const SoapRequest& request)
{
    DataSetWriter rows(request.operation, "ds",
        { "meettime", "meettitle", "meetcall", "meetphone", "meetphoneaddress", "meetsmsflag", "meetrecflag",
            "meetshutupflag", "meetautodialflag", "members" });
    for (const Conference& c : m_context.conferences.list(request.regphoneid, ConferenceState::Ended))
        rows.add({ c.meettime, c.title, c.meetcall, c.meetphone, c.meetphoneaddress, number(c.smsflag),
            number(c.recflag), number(c.shutup), number(c.autodial), number(c.members) });
    return rows.finish();
}

} // namespace cvservice
