#include "core/conference/MonitorMessageDecoder.h"

#include <json/json.h>

#include <memory>

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
    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value message;
    std::string errors;
    if (!reader->parse(object.data(), object.data() + object.size(), &message, &errors) || !message.isObject()
        || !message["key"].isString())
        return MonitorIgnored { MonitorIgnored::Reason::NotJson };

    const std::string key = message["key"].asString();
    if (key == "verify")
        return MonitorVerifyAnswer { text(message, "value") };
    if (key == "monitor")
        return status(message);
    if (key == "error")
        return MonitorError { text(message, "phonelist") };
    return MonitorIgnored { MonitorIgnored::Reason::UnknownKey };
}
