#include "core/conference/ParticipantText.h"

#include "core/conference/TextPieces.h"
#include "core/service/ResultText.h"

void ParticipantText::appendName(std::string& names, std::string_view name)
{
    for (char c : name) {
        if (c == ',')
            names += "\xEF\xBC\x8C"; // "，"
        else
            names += c;
    }
}

std::vector<ContactRecord> ParticipantText::split(std::string_view phones, std::string_view names)
{
    std::vector<std::string_view> nameItems;
    textpieces::forEach(names, ',', [&nameItems](std::string_view name) {
        nameItems.push_back(name);
        return true;
    });
    std::vector<ContactRecord> people;
    std::size_t index = 0;
    textpieces::forEach(phones, ',', [&](std::string_view phone) {
        ContactRecord entry;
        entry.phone = ResultText::trimmedRight(phone);
        if (index < nameItems.size())
            entry.addressname = ResultText::trimmedRight(nameItems[index]);
        ++index;
        if (!entry.phone.empty())
            people.push_back(std::move(entry));
        return true;
    });
    return people;
}
