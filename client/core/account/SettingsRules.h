#pragma once

#include "core/session/MemberProfile.h"

#include <optional>
#include <string>
#include <string_view>

// The checks and conversions of the account settings dialogs, apart from their
// widgets.
namespace settingsRules {

// The "证件类型" list, index 0 to 5.
inline constexpr int kIdTypeCount = 6;

// The sex choices, in the order of their buttons.
enum class SexChoice { Male, Female, Other };

// 1 shows as "男", 2 as "女", anything else as "其他".
SexChoice sexChoice(int sex);
// What is sent for a choice: 1, 2, or 0 for "其他".
int sexValue(SexChoice choice);

// The first failing check of a password change, in the order the dialog asks.
enum class PasswordCheck { Ok, OldMissing, NewMissing, Mismatch };
PasswordCheck checkPasswordChange(std::string_view old, std::string_view typed, std::string_view confirmed);

// A typed amount in yuan as hundredths of a yuan, the way the service counts money:
// the leading digits (atoi rules, so an empty or non-numeric amount is 0) times 100.
// None when the hundredths do not fit the request's integer: sending a wrapped value
// would move a different amount than the one typed.
std::optional<int> amountInHundredths(std::string_view typed);

// The profile a save sends: the edited fields with their trailing blanks removed,
// the host number, SMS signature and contact name kept from the session's profile.
MemberProfile editedProfile(const MemberProfile& session, const MemberProfile& typed);

} // namespace settingsRules
