#include "core/conference/MonitorTexts.h"

#include "cvsrv/CUtility.h"

#include <cstdio>

namespace {

// {"key":"K","value":"<inner as a JSON string>"}
std::string wrapped(const char* key, const std::string& inner)
{
    return std::string("{\"key\":\"") + key + "\",\"value\":\"" + MonitorTexts::escaped(inner) + "\"}";
}

std::string member(const char* name, const std::string& value)
{
    return std::string("\"") + name + "\":\"" + MonitorTexts::escaped(value) + "\"";
}

} // namespace

std::string MonitorTexts::verify(const std::string& account, const std::string& password, const std::string& timestamp)
{
    char hashcode[33] = {};
    CUtility().EncodeMd5(
        hashcode, "%s%s%s%s", account.c_str(), password.c_str(), timestamp.c_str(), CUtility::kHashSalt);
    return wrapped("verify",
        "{" + member("regphoneid", account) + "," + member("timestamp", timestamp) + "," + member("hashcode", hashcode)
            + "}");
}

std::string MonitorTexts::monitorRequest(const std::string& account, const std::string& conferenceId)
{
    return wrapped("monitor", "{" + member("regphoneid", account) + "," + member("conferenceid", conferenceId) + "}");
}

std::string MonitorTexts::escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}
