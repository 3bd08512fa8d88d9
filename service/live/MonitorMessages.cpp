#include "MonitorMessages.h"

#include <cstdio>

namespace cvservice::MonitorMessages {

namespace {

std::string withoutSeparators(std::string text)
{
    for (char& c : text) {
        if (c == ',' || c == '|')
            c = ' ';
    }
    return text;
}

} // namespace

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string verify(const std::string& answer)
{
    return "{\"key\":\"verify\",\"value\":" + quoted(answer) + "}";
}

std::string error(const std::string& text)
{
    return "{\"key\":\"error\",\"phonelist\":" + quoted(text) + "}";
}

std::string monitor(const LiveConference& conference)
{
    return "{\"key\":\"monitor\",\"conferencestate\":" + std::to_string(conference.conferencestate)
        + ",\"phonelist\":" + quoted(phoneList(conference)) + "}";
}

std::string phoneList(const LiveConference& conference)
{
    std::string list;
    for (const LiveMember& member : conference.members) {
        if (!list.empty())
            list += ',';
        list += withoutSeparators(member.name) + '|' + withoutSeparators(member.phone) + '|'
            + std::to_string(member.callstate) + '|' + std::to_string(member.speakstate) + '|'
            + std::to_string(member.activetalker);
    }
    return list;
}

} // namespace cvservice::MonitorMessages
