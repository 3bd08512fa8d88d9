#include "MonitorRequest.h"

#include "common/JsonReading.h"
#include "cvsrv/CUtility.h"

#include <json/json.h>

#include <algorithm>
#include <cstdlib>
#include <strings.h>

namespace cvservice {

namespace {

constexpr std::size_t kMaxPhone = 32;

std::optional<Json::Value> parseObject(const std::string& text)
{
    std::optional<Json::Value> value = corvana::readJson(text);
    if (!value || !value->isObject())
        return std::nullopt;
    return value;
}

std::string stringMember(const Json::Value& object, const char* name)
{
    const Json::Value& member = object[name];
    return member.isString() ? member.asString() : std::string();
}

bool allDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::time_t> stampTime(const std::string& stamp)
{
    if (stamp.size() != 14 || !allDigits(stamp))
        return std::nullopt;
    const auto field = [&](std::size_t at, std::size_t length) { return std::stoi(stamp.substr(at, length)); };
    std::tm local {};
    local.tm_year = field(0, 4) - 1900;
    local.tm_mon = field(4, 2) - 1;
    local.tm_mday = field(6, 2);
    local.tm_hour = field(8, 2);
    local.tm_min = field(10, 2);
    local.tm_sec = field(12, 2);
    local.tm_isdst = -1;
    if (local.tm_mon < 0 || local.tm_mon > 11 || local.tm_mday < 1 || local.tm_mday > 31 || local.tm_hour > 23
        || local.tm_min > 59 || local.tm_sec > 60)
        return std::nullopt;
    const std::time_t when = std::mktime(&local);
    if (when == static_cast<std::time_t>(-1))
        return std::nullopt;
    return when;
}

} // namespace

std::optional<MonitorRequest> MonitorRequest::parse(const std::string& text)
{
    const auto message = parseObject(text);
    if (!message || !(*message)["key"].isString())
        return std::nullopt;
    MonitorRequest request;
    const std::string key = (*message)["key"].asString();
    if (key == "verify")
        request.kind = Kind::Verify;
    else if (key == "monitor")
        request.kind = Kind::Monitor;
    else
        return request;

    // Clients send the value as a JSON text inside a string; an object is taken too.
    const Json::Value& value = (*message)["value"];
    std::optional<Json::Value> fields;
    if (value.isString())
        fields = parseObject(value.asString());
    else if (value.isObject())
        fields = value;
    if (fields) {
        request.regphoneid = stringMember(*fields, "regphoneid");
        request.timestamp = stringMember(*fields, "timestamp");
        request.hashcode = stringMember(*fields, "hashcode");
        request.conferenceid = stringMember(*fields, "conferenceid");
    }
    return request;
}

bool MonitorRequest::signedWith(const std::string& password) const
{
    if (regphoneid.empty() || regphoneid.size() > kMaxPhone || !stampTime(timestamp) || hashcode.size() != 32)
        return false;
    // Hashed whole rather than through the printf-style helper, whose buffer would cut
    // a very long password short.
    const std::string signedText = regphoneid + password + timestamp + CUtility::kHashSalt;
    char digest[33] = {};
    CUtility().GetHashCode(signedText.c_str(), digest);
    return strcasecmp(digest, hashcode.c_str()) == 0;
}

bool MonitorRequest::stampedWithin(long windowSeconds, std::time_t now) const
{
    const auto when = stampTime(timestamp);
    if (!when)
        return false;
    return windowSeconds <= 0 || std::labs(static_cast<long>(now - *when)) <= windowSeconds;
}

} // namespace cvservice
