#pragma once

#include "core/addressbook/ContactRecord.h"

#include <string_view>
#include <vector>

// The member list of a "monitor" message: items separated by ",", each item
// "name|phone|callstate|speakstate|activetalker". Pieces are cut as CUtility::Split
// cuts them, so an empty last piece does not count.
class MemberListText {
public:
    static constexpr std::size_t kFields = 5;

    // One record per item with at least five fields, in list order; name and phone
    // lose blanks on both sides, the numbers are read as atoi reads them. Only the
    // name, the phone and the three states are set.
    static std::vector<ContactRecord> decode(std::string_view text);
};
