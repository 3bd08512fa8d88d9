#include "common/JsonReading.h"

#include <json/reader.h>

#include <memory>

namespace corvana {

std::optional<Json::Value> readJson(std::string_view text, std::string* errors)
{
    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    builder["allowComments"] = false;
    builder["stackLimit"] = kMaxJsonDepth;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string explanation;
    try {
        if (reader->parse(text.data(), text.data() + text.size(), &value, &explanation))
            return value;
    } catch (const Json::Exception& error) {
        explanation = error.what();
    }
    if (errors)
        *errors = explanation;
    return std::nullopt;
}

} // namespace corvana
