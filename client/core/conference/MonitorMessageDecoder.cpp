#include "core/conference/MonitorMessageDecoder.h"

#include "common/JsonReading.h"

#include <json/value.h>

namespace {

std::string text(const Json::Value& object, const char* name)
{
    const Json::Value& member = object[name];
    return member.isString() ? member.asString() : std::string();
}

MonitorMessage status(const Json::Value& object)
{
    const Json::Value& state = object["conferencestate"];
    // isInt() also takes an integral real such as 1.0; a string "1", a fraction or
    // a number beyond int is not a state.
    if (!state.isInt())
        return MonitorIgnored { MonitorIgnored::Reason::BadStatus };
    const Json::Value& list = object["phonelist"];
    if (!list.isNull() && !list.isString())
        return MonitorIgnored { MonitorIgnored::Reason::BadStatus };
    return MonitorStatus { state.asInt(), text(object, "phonelist") };
}

} // namespace

MonitorMessage MonitorMessageDecoder::decode(std::string_view object)
{
    const std::optional<Json::Value> read = corvana::readJson(object);
    if (!read || !read->isObject() || !(*read)["key"].isString())
        return MonitorIgnored { MonitorIgnored::Reason::NotJson };
    const Json::Value& message = *read;

    const std::string key = message["key"].asString();
    if (key == "verify")
        return MonitorVerifyAnswer { text(message, "value") };
    if (key == "monitor")
        return status(message);
    if (key == "error")
        return MonitorError { text(message, "phonelist") };
    return MonitorIgnored { MonitorIgnored::Reason::UnknownKey };
}
