#include "core/conference/MemberListText.h"

#include "core/conference/TextPieces.h"
#include "core/service/ResultText.h"

#include <array>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<ContactRecord> MemberListText::decode(std::string_view text)
{
    std::vector<ContactRecord> members;
    textpieces::forEach(text, ',', [&members](std::string_view item) {
        std::array<std::string_view, kFields> fields;
        std::size_t count = 0;
        textpieces::forEach(item, '|', [&](std::string_view field) {
            fields[count++] = field;
            return count < kFields;
        });
        if (count < kFields)
            return true;
        ContactRecord& member = members.emplace_back();
        member.addressname = trimmed(fields[0]);
        member.phone = trimmed(fields[1]);
        member.callstate = ResultText::toInt(fields[2]);
        member.speakstate = ResultText::toInt(fields[3]);
        member.activetalker = ResultText::toInt(fields[4]);
        return true;
    });
    return members;
}
