#include "core/account/SettingsRules.h"

#include "core/service/ResultText.h"

#include <climits>

namespace settingsRules {

SexChoice sexChoice(int sex)
{
    switch (sex) {
    case 1:
        return SexChoice::Male;
    case 2:
        return SexChoice::Female;
    default:
        return SexChoice::Other;
    }
}

int sexValue(SexChoice choice)
{
    switch (choice) {
    case SexChoice::Male:
        return 1;
    case SexChoice::Female:
        return 2;
    case SexChoice::Other:
        break;
    }
    return 0;
}

PasswordCheck checkPasswordChange(std::string_view old, std::string_view typed, std::string_view confirmed)
{
    if (old.empty())
        return PasswordCheck::OldMissing;
    if (typed.empty())
        return PasswordCheck::NewMissing;
    if (confirmed != typed)
        return PasswordCheck::Mismatch;
    return PasswordCheck::Ok;
}

std::optional<int> amountInHundredths(std::string_view typed)
{
    const long long yuan = ResultText::toInt(typed);
    const long long hundredths = yuan * 100;
    if (hundredths > INT_MAX || hundredths < INT_MIN)
        return std::nullopt;
    return static_cast<int>(hundredths);
}

MemberProfile editedProfile(const MemberProfile& session, const MemberProfile& typed)
{
    MemberProfile profile = session;
    profile.sex = typed.sex;
    profile.idType = typed.idType;
    for (auto field : { &MemberProfile::idNumber, &MemberProfile::contactPhone, &MemberProfile::email,
             &MemberProfile::street, &MemberProfile::city, &MemberProfile::province, &MemberProfile::country,
             &MemberProfile::postcode, &MemberProfile::remark })
        profile.*field = ResultText::trimmedRight(typed.*field);
    return profile;
}

} // namespace settingsRules
