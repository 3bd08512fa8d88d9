#include "ChurnEndpoint.h"

#include "ConferenceRunner.h"
#include "ControlRequest.h"
#include "live/ConferenceHub.h"
#include "store/AccountRepository.h"

#include <httplib.h>
#include <json/json.h>

#include <optional>

namespace cvservice {

namespace {

// The named whole number within low..high, the default when it is left out; nothing
// for anything else.
std::optional<int> number(const Json::Value& request, const char* name, int fallback, int low, int high)
{
    if (!request.isMember(name))
        return fallback;
    const Json::Value& value = request[name];
    if (!value.isInt() || value.asInt() < low || value.asInt() > high)
        return std::nullopt;
    return value.asInt();
}

std::string stateText(const ChurnState& state)
{
    return std::to_string(state.callstate) + '|' + std::to_string(state.speakstate) + '|'
        + std::to_string(state.activetalker);
}

} // namespace

ChurnEndpoint::ChurnEndpoint(
    AccountRepository& accounts, ConferenceRunner& runner, ConferenceHub& hub, std::string token)
    : m_accounts(accounts)
    , m_runner(runner)
    , m_hub(hub)
    , m_token(std::move(token))
{
}

void ChurnEndpoint::install(httplib::Server& server)
{
    server.Post(kPath, [this](const httplib::Request& request, httplib::Response& response) {
        const auto wanted = controlrequest::changeRequest(request, response, m_token);
        if (!wanted)
            return;
        const Json::Value& account = (*wanted)["account"];
        if (!account.isString() || !m_accounts.find(account.asString())) {
            controlrequest::refuse(response, 404, "no such account");
            return;
        }
        const ChurnPace defaults;
        const auto members = number(*wanted, "members", 1000, 1, kMaxMembers);
        const auto rate = number(*wanted, "changesPerSecond", defaults.changesPerSecond, 1, kMaxChangesPerSecond);
        const auto seconds = number(*wanted, "seconds", static_cast<int>(defaults.duration.count()), 1, kMaxSeconds);
        if (!members || !rate || !seconds) {
            controlrequest::refuse(response, 400,
                "members (1-" + std::to_string(kMaxMembers) + "), changesPerSecond (1-"
                    + std::to_string(kMaxChangesPerSecond) + ") and seconds (1-" + std::to_string(kMaxSeconds)
                    + ") are whole numbers");
            return;
        }
        Json::Value started(Json::objectValue);
        started["conferenceid"]
            = m_runner.startChurning(account.asString(), *members, ChurnPace { *rate, std::chrono::seconds(*seconds) });
        controlrequest::reply(response, started);
    });
    server.Get(kPath, [this](const httplib::Request& request, httplib::Response& response) {
        if (!controlrequest::fromThisMachine(request, response))
            return;
        const std::string id = request.get_param_value("conferenceid");
        const auto record = m_hub.churnRecord(id);
        if (!record) {
            controlrequest::refuse(response, 404, "no churning conference with that id");
            return;
        }
        Json::Value answer(Json::objectValue);
        answer["conferenceid"] = id;
        answer["begun"] = record->begun;
        answer["ended"] = record->ended;
        answer["planned"] = record->planned;
        answer["made"] = record->made;
        Json::Value members(Json::objectValue);
        for (std::size_t i = 0; i < record->phones.size(); ++i) {
            Json::Value states(Json::arrayValue);
            for (const ChurnState& state : record->history[i])
                states.append(stateText(state));
            members[record->phones[i]] = std::move(states);
        }
        answer["members"] = std::move(members);
        controlrequest::reply(response, answer);
    });
}

} // namespace cvservice
